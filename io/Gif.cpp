// SPDX-License-Identifier: MIT
// giflib called directly, through memory on both sides.
#include "io/Gif.h"

#include <gif_lib.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>

namespace {

// ---- writing ----

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<unsigned char>*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

// giflib wants a colour table of a power of two entries: the palette and 40 unused blacks.
ColorMapObject* makeWebColourMap() {
  std::array<GifColorType, 256> colours{};
  for (int i = 0; i < WebPaletteSize; ++i) {
    const QRgb c = WebPaletteColour(i);
    colours[static_cast<std::size_t>(i)] = {static_cast<GifByteType>(qRed(c)),
                                            static_cast<GifByteType>(qGreen(c)),
                                            static_cast<GifByteType>(qBlue(c))};
  }
  return GifMakeMapObject(256, colours.data());
}

struct LevelTable {
  std::array<unsigned char, 256> level{};
  LevelTable() {
    for (int v = 0; v < 256; ++v)
      level[static_cast<std::size_t>(v)] = static_cast<unsigned char>(NearestWebLevel(v));
  }
};

void indexRow(const QImage& rgb32, int y, std::vector<GifPixelType>& row) {
  static const LevelTable table;
  const auto* line = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
  for (std::size_t x = 0; x < row.size(); ++x) {
    const QRgb c = line[x];
    row[x] = static_cast<GifPixelType>(table.level[qRed(c)] * 36 + table.level[qGreen(c)] * 6 +
                                       table.level[qBlue(c)]);
  }
}

bool putLoopExtension(GifFileType* gif, int loop) {
  const GifByteType count[3] = {1, static_cast<GifByteType>(loop & 0xFF),
                                static_cast<GifByteType>((loop >> 8) & 0xFF)};
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK &&
         EGifPutExtensionBlock(gif, 3, count) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool putDelay(GifFileType* gif, int delayHundredths) {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.DelayTime = delayHundredths;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType bytes[4];
  const auto length = EGifGCBToExtension(&control, bytes);
  return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), bytes) == GIF_OK;
}

bool putFrame(GifFileType* gif, const QImage& frame) {
  const QImage rgb32 = frame.convertToFormat(QImage::Format_RGB32);
  if (EGifPutImageDesc(gif, 0, 0, rgb32.width(), rgb32.height(), false, nullptr) != GIF_OK)
    return false;
  std::vector<GifPixelType> row(static_cast<std::size_t>(rgb32.width()));
  for (int y = 0; y < rgb32.height(); ++y) {
    indexRow(rgb32, y, row);
    if (EGifPutLine(gif, row.data(), rgb32.width()) != GIF_OK) return false;
  }
  return true;
}

struct Animation {
  int delay = 0;
  int loop = -1; // below 0: a single still picture, no extensions
};

FileResult encodeFrames(const std::vector<QImage>& frames, Animation animation,
                        std::vector<unsigned char>& out) {
  out.clear();
  if (frames.empty() || frames.front().isNull()) return Failed("the picture is empty");
  const QSize size = frames.front().size();
  for (const QImage& frame : frames)
    if (frame.size() != size) return Failed("the frames differ in size");
  int error = 0;
  GifFileType* gif = EGifOpen(&out, appendBytes, &error);
  if (!gif) return Failed(GifErrorString(error));
  const bool animated = animation.loop >= 0;
  EGifSetGifVersion(gif, animated);
  ColorMapObject* map = makeWebColourMap();
  bool written = map && EGifPutScreenDesc(gif, size.width(), size.height(), 8, 0, map) == GIF_OK;
  GifFreeMapObject(map);
  if (written && animated) written = putLoopExtension(gif, animation.loop);
  for (std::size_t i = 0; written && i < frames.size(); ++i)
    written = (!animated || putDelay(gif, animation.delay)) && putFrame(gif, frames[i]);
  const int failure = gif->Error;
  const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
  if (!written) error = failure;
  if (!written || !closed) {
    out.clear();
    return Failed(std::string("the picture could not be encoded: ") + GifErrorString(error));
  }
  return {};
}

// ---- reading ----

struct Source {
  const unsigned char* data;
  std::size_t size;
  std::size_t at = 0;
};

int readBytes(GifFileType* gif, GifByteType* into, int wanted) {
  auto* source = static_cast<Source*>(gif->UserData);
  const std::size_t left = source->size - source->at;
  const std::size_t n = std::min(left, static_cast<std::size_t>(wanted));
  if (n == 0) return 0; // an empty input may have no buffer at all
  std::memcpy(into, source->data + source->at, n);
  source->at += n;
  return static_cast<int>(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int ignored = 0;
    DGifCloseFile(gif, &ignored);
  }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

const char* const Damaged = "the GIF file is truncated or damaged";

// Reads the extensions before the first frame and keeps its transparent colour index.
bool readExtension(GifFileType* gif, int& transparent) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] == 4) {
    GraphicsControlBlock control{};
    if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
      transparent = control.TransparentColor;
  }
  while (block)
    if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
  return true;
}

// Rows in file order: interlaced frames store every 8th row from 0, every 8th from 4, every
// 4th from 2, then every 2nd from 1.
std::vector<int> rowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  rows.reserve(static_cast<std::size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) rows.push_back(y);
    return rows;
  }
  const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = start[pass]; y < height; y += step[pass]) rows.push_back(y);
  return rows;
}

FileResult readFrame(GifFileType* gif, int transparent, QImage& screen) {
  const GifImageDesc& frame = gif->Image;
  const std::string problem = PictureSizeProblem(frame.Width, frame.Height);
  if (!problem.empty()) return Failed("the first frame: " + problem);
  const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
  if (!map || !map->Colors) return Failed("the GIF file has no colour table");
  std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
  for (const int y : rowOrder(frame.Height, frame.Interlace)) {
    if (DGifGetLine(gif, line.data(), frame.Width) != GIF_OK) return Failed(Damaged);
    const long long sy = static_cast<long long>(frame.Top) + y;
    if (sy < 0 || sy >= screen.height()) continue;
    auto* out = reinterpret_cast<QRgb*>(screen.scanLine(static_cast<int>(sy)));
    for (int x = 0; x < frame.Width; ++x) {
      const long long sx = static_cast<long long>(frame.Left) + x;
      const int index = line[static_cast<std::size_t>(x)];
      // Indices past the table, like transparent ones, leave the screen as it is.
      if (sx < 0 || sx >= screen.width() || index == transparent || index >= map->ColorCount)
        continue;
      const GifColorType& c = map->Colors[index];
      out[sx] = qRgb(c.Red, c.Green, c.Blue);
    }
  }
  return {};
}

} // namespace

int NearestWebLevel(int channel) {
  // The levels are 51 apart and 51 is odd, so no channel value lies halfway between two.
  return (channel + 25) / 51;
}

int WebPaletteIndex(QRgb colour) {
  return NearestWebLevel(qRed(colour)) * 36 + NearestWebLevel(qGreen(colour)) * 6 +
         NearestWebLevel(qBlue(colour));
}

QRgb WebPaletteColour(int index) {
  return qRgb(index / 36 % 6 * 51, index / 6 % 6 * 51, index % 6 * 51);
}

FileResult EncodeGif(const QImage& picture, std::vector<unsigned char>& out) {
  return encodeFrames({picture}, {}, out);
}

FileResult EncodeAnimatedGif(const std::vector<QImage>& frames, int delayHundredths, int loop,
                             std::vector<unsigned char>& out) {
  if (delayHundredths < 0 || delayHundredths > 0xFFFF || loop < 0 || loop > 0xFFFF)
    return Failed("the delay and the loop count must lie between 0 and 65535");
  return encodeFrames(frames, {delayHundredths, loop}, out);
}

DecodedPicture DecodeGif(const unsigned char* data, std::size_t size) {
  Source source{data, size};
  int error = 0;
  GifHandle gif(DGifOpen(&source, readBytes, &error));
  if (!gif) return {{}, Failed(error == D_GIF_ERR_NOT_GIF_FILE ? "not a GIF file" : Damaged)};
  const std::string problem = PictureSizeProblem(gif->SWidth, gif->SHeight);
  if (!problem.empty()) return {{}, Failed(problem)};
  int transparent = NO_TRANSPARENT_COLOR;
  // Every record consumes input, so the loop ends with the data at the latest.
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &type) != GIF_OK) return {{}, Failed(Damaged)};
    if (type == TERMINATE_RECORD_TYPE) return {{}, Failed("the GIF file holds no picture")};
    if (type == EXTENSION_RECORD_TYPE) {
      if (!readExtension(gif.get(), transparent)) return {{}, Failed(Damaged)};
      continue;
    }
    if (type != IMAGE_DESC_RECORD_TYPE) return {{}, Failed(Damaged)};
    if (DGifGetImageDesc(gif.get()) != GIF_OK) return {{}, Failed(Damaged)};
    QImage screen(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    if (screen.isNull()) return {{}, Failed("there is not enough memory for the picture")};
    screen.fill(Qt::white);
    const FileResult frame = readFrame(gif.get(), transparent, screen);
    if (!frame.ok) return {{}, frame};
    return {screen, {}};
  }
}
