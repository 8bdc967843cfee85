// SPDX-License-Identifier: MIT
// libjpeg called directly; its errors jump back here and become messages.
#include "io/Jpeg.h"

#include <cstdio>
// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>
#include <jerror.h>

#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// libjpeg ends the process on an error unless error_exit leaves by longjmp; the message is
// kept so that the caller can say what was wrong.
struct ErrorManager {
  jpeg_error_mgr library{};
  std::jmp_buf back{};
  char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void leaveOnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  info->err->format_message(info, errors->message);
  std::longjmp(errors->back, 1);
}

[[noreturn]] void refuse(j_common_ptr info, const char* message) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  std::snprintf(errors->message, sizeof errors->message, "%s", message);
  std::longjmp(errors->back, 1);
}

// Warnings are not printed. Every warning about the data is an error: libjpeg goes on past
// damage by inventing grey or garbage for what it could not read. Only the warnings about
// labels that do not touch the pixels (a newer JFIF version, an unknown Adobe transform, a
// damaged colour profile) let the picture through.
void noteMessage(j_common_ptr info, int level) {
  if (level >= 0) return;
  const int code = info->err->msg_code;
  if (code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM || code == JWRN_BOGUS_ICC) return;
  if (code == JWRN_JPEG_EOF) refuse(info, "the file is truncated");
  // Leaves by longjmp, so nothing here may own memory.
  char text[JMSG_LENGTH_MAX];
  info->err->format_message(info, text);
  const char* reason = text;
  constexpr char Prefix[] = "Corrupt JPEG data: ";
  if (std::strncmp(reason, Prefix, sizeof Prefix - 1) == 0) reason += sizeof Prefix - 1;
  char message[JMSG_LENGTH_MAX + 32];
  std::snprintf(message, sizeof message, "the JPEG data are damaged: %s", reason);
  refuse(info, message);
}

// libjpeg decodes a Huffman-coded scan whose tables the file never defined with the standard
// tables of Motion JPEG, which for a still picture gives garbage.
void requireHuffmanTables(j_decompress_ptr decoder) {
  if (decoder->arith_code) return;
  const bool progressive = decoder->progressive_mode;
  for (int i = 0; i < decoder->comps_in_scan; ++i) {
    const jpeg_component_info* component = decoder->cur_comp_info[i];
    if (!component) continue;
    // A refinement of DC values carries raw bits, not Huffman codes.
    const bool dc = !progressive || (decoder->Ss == 0 && decoder->Ah == 0);
    const bool ac = !progressive || decoder->Ss != 0;
    const auto missing = [](JHUFF_TBL* const* tables, int number) {
      return number < 0 || number >= NUM_HUFF_TBLS || !tables[number];
    };
    if ((dc && missing(decoder->dc_huff_tbl_ptrs, component->dc_tbl_no)) ||
        (ac && missing(decoder->ac_huff_tbl_ptrs, component->ac_tbl_no)))
      refuse(reinterpret_cast<j_common_ptr>(decoder),
             "the JPEG file lacks the Huffman tables of its data");
  }
}

void installErrors(ErrorManager& errors) {
  jpeg_std_error(&errors.library);
  errors.library.error_exit = leaveOnError;
  errors.library.emit_message = noteMessage;
}

void countScans(j_common_ptr info) {
  auto* decoder = reinterpret_cast<j_decompress_ptr>(info);
  if (decoder->input_scan_number > MaxJpegScans) {
    char message[64];
    std::snprintf(message, sizeof message, "the JPEG file has more than %d scans", MaxJpegScans);
    refuse(info, message);
  }
  requireHuffmanTables(decoder);
}

// Adobe's CMYK files store the inks inverted, which is how libjpeg hands them over.
void cmykToRgb(const JSAMPLE* cmyk, QRgb* line, int width) {
  for (int x = 0; x < width; ++x, cmyk += 4) {
    const int k = cmyk[3];
    line[x] = qRgb(cmyk[0] * k / 255, cmyk[1] * k / 255, cmyk[2] * k / 255);
  }
}

// Runs between setjmp and the end of the decoding: it owns nothing that needs a destructor
// beyond the picture, which is a value the caller keeps.
bool readRows(jpeg_decompress_struct& info, QImage& picture, std::vector<JSAMPLE>& cmykRow) {
  jpeg_start_decompress(&info);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    JSAMPROW row = cmykRow.empty() ? reinterpret_cast<JSAMPROW>(line) : cmykRow.data();
    if (jpeg_read_scanlines(&info, &row, 1) != 1) return false;
    if (!cmykRow.empty()) cmykToRgb(cmykRow.data(), line, picture.width());
  }
  jpeg_finish_decompress(&info);
  return true;
}

} // namespace

FileResult EncodeJpeg(const QImage& picture, int quality, std::vector<unsigned char>& out) {
  out.clear();
  if (picture.isNull()) return Failed("the picture is empty");
  const QImage rgb32 = picture.convertToFormat(QImage::Format_RGB32);
  jpeg_compress_struct info{};
  ErrorManager errors;
  installErrors(errors);
  info.err = &errors.library;
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  if (setjmp(errors.back)) {
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return Failed(std::string("the picture could not be encoded: ") + errors.message);
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &length);
  info.image_width = static_cast<JDIMENSION>(rgb32.width());
  info.image_height = static_cast<JDIMENSION>(rgb32.height());
  info.input_components = 4;
  info.in_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  // Graphs are lines one pixel wide in saturated colours: colour kept at full resolution
  // keeps them in their colour instead of smearing them into the background.
  for (int c = 0; c < info.num_components; ++c)
    info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb32.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  out.assign(buffer, buffer + length);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return {};
}

DecodedPicture DecodeJpeg(const unsigned char* data, std::size_t size) {
  if (size < 4) return {{}, Failed("the file is too short to be a JPEG picture")};
  jpeg_decompress_struct info{};
  ErrorManager errors;
  installErrors(errors);
  info.err = &errors.library;
  jpeg_progress_mgr progress{};
  progress.progress_monitor = countScans;
  // Declared before setjmp so that a jump back finds them as they were last set.
  QImage picture;
  std::vector<JSAMPLE> cmykRow;
  if (setjmp(errors.back)) {
    jpeg_destroy_decompress(&info);
    return {{}, Failed(errors.message)};
  }
  jpeg_create_decompress(&info);
  info.progress = &progress;
  // A second guard beside the size check: libjpeg refuses to use more working memory.
  info.mem->max_memory_to_use = 1L << 30;
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  requireHuffmanTables(&info);
  const std::string problem = PictureSizeProblem(info.image_width, info.image_height);
  if (!problem.empty()) {
    jpeg_destroy_decompress(&info);
    return {{}, Failed(problem)};
  }
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space =
      cmyk ? JCS_CMYK : (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB);
  picture = QImage(static_cast<int>(info.image_width), static_cast<int>(info.image_height),
                   QImage::Format_RGB32);
  if (picture.isNull()) {
    jpeg_destroy_decompress(&info);
    return {{}, Failed("there is not enough memory for the picture")};
  }
  if (cmyk) cmykRow.resize(static_cast<std::size_t>(info.image_width) * 4);
  const bool complete = readRows(info, picture, cmykRow);
  jpeg_destroy_decompress(&info);
  if (!complete) return {{}, Failed("the file is truncated")};
  return {picture, {}};
}
