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

GifPixelType paletteIndex(QRgb c) {
  static const LevelTable table;
  return static_cast<GifPixelType>(table.level[qRed(c)] * 36 + table.level[qGreen(c)] * 6 +
                                   table.level[qBlue(c)]);
}

// The palette indices of a picture, row after row; runs of one colour are looked up once.
void indexPixels(const QImage& frame, std::vector<GifPixelType>& indices) {
  const QImage rgb32 = frame.convertToFormat(QImage::Format_RGB32);
  const auto width = static_cast<std::size_t>(rgb32.width());
  indices.resize(width * static_cast<std::size_t>(rgb32.height()));
  GifPixelType* out = indices.data();
  for (int y = 0; y < rgb32.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
    QRgb seen = line[0];
    GifPixelType index = paletteIndex(seen);
    for (std::size_t x = 0; x < width; ++x, ++out) {
      if (line[x] != seen) {
        seen = line[x];
        index = paletteIndex(seen);
      }
      *out = index;
    }
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

// The rectangle `area` of a picture `width` indices wide.
bool putFrame(GifFileType* gif, const std::vector<GifPixelType>& indices, int width,
              const QRect& area) {
  if (EGifPutImageDesc(gif, area.left(), area.top(), area.width(), area.height(), false, nullptr) !=
      GIF_OK)
    return false;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto* row = const_cast<GifPixelType*>(indices.data()) +
                static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(area.left());
    if (EGifPutLine(gif, row, area.width()) != GIF_OK) return false;
  }
  return true;
}

// The smallest rectangle holding every index that differs between two pictures of one size;
// a single pixel when none does, since every frame needs a picture of its own.
QRect changedArea(const std::vector<GifPixelType>& before, const std::vector<GifPixelType>& after,
                  QSize size) {
  const auto width = static_cast<std::size_t>(size.width());
  int top = -1, bottom = -1;
  std::size_t left = width, right = 0;
  for (int y = 0; y < size.height(); ++y) {
    const GifPixelType* a = before.data() + static_cast<std::size_t>(y) * width;
    const GifPixelType* b = after.data() + static_cast<std::size_t>(y) * width;
    if (std::memcmp(a, b, width) == 0) continue;
    if (top < 0) top = y;
    bottom = y;
    std::size_t first = 0, last = width - 1;
    while (a[first] == b[first]) ++first;
    while (a[last] == b[last]) --last;
    left = std::min(left, first);
    right = std::max(right, last);
  }
  if (top < 0) return {0, 0, 1, 1};
  return QRect(QPoint(static_cast<int>(left), top), QPoint(static_cast<int>(right), bottom));
}

struct Animation {
  int delay = 0;
  int loop = -1; // below 0: a single still picture, no extensions
};

} // namespace

// giflib's writer over the output vector, the palette indices of the frame before, and the
// first failure met.
struct GifAnimationWriter::State {
  GifFileType* gif = nullptr;
  std::vector<unsigned char>* out = nullptr;
  Animation animation;
  QSize size;
  int frames = 0;
  std::vector<GifPixelType> before, now;
  std::string failure;
};

GifAnimationWriter::GifAnimationWriter(std::vector<unsigned char>& out, int delayHundredths,
                                       int loop)
    : m_state(std::make_unique<State>()) {
  m_state->out = &out;
  m_state->animation = {delayHundredths, loop};
  out.clear();
  if (delayHundredths < 0 || delayHundredths > 0xFFFF || loop < -1 || loop > 0xFFFF)
    fail("the delay and the loop count must lie between 0 and 65535");
}

GifAnimationWriter::~GifAnimationWriter() {
  if (!m_state->gif) return;
  int ignored = 0;
  EGifCloseFile(m_state->gif, &ignored);
}

bool GifAnimationWriter::fail(std::string why) {
  if (m_state->failure.empty()) m_state->failure = std::move(why);
  return false;
}

bool GifAnimationWriter::failGif() {
  return fail(std::string("the picture could not be encoded: ") +
              GifErrorString(m_state->gif->Error));
}

bool GifAnimationWriter::start(QSize size) {
  State& s = *m_state;
  int error = 0;
  s.gif = EGifOpen(s.out, appendBytes, &error);
  if (!s.gif) return fail(GifErrorString(error));
  s.size = size;
  const bool animated = s.animation.loop >= 0;
  EGifSetGifVersion(s.gif, animated);
  ColorMapObject* map = makeWebColourMap();
  const bool written =
      map && EGifPutScreenDesc(s.gif, size.width(), size.height(), 8, 0, map) == GIF_OK;
  GifFreeMapObject(map);
  if (!written || (animated && !putLoopExtension(s.gif, s.animation.loop))) return failGif();
  return true;
}

bool GifAnimationWriter::add(const QImage& frame) {
  State& s = *m_state;
  if (!s.failure.empty()) return false;
  if (frame.isNull()) return fail("the picture is empty");
  if (!s.gif && !start(frame.size())) return false;
  if (frame.size() != s.size) return fail("the frames differ in size");
  indexPixels(frame, s.now);
  const QRect area =
      s.frames == 0 ? QRect(QPoint(0, 0), s.size) : changedArea(s.before, s.now, s.size);
  const bool animated = s.animation.loop >= 0;
  if ((animated && !putDelay(s.gif, s.animation.delay)) ||
      !putFrame(s.gif, s.now, s.size.width(), area))
    return failGif();
  s.before.swap(s.now);
  ++s.frames;
  return true;
}

FileResult GifAnimationWriter::finish() {
  State& s = *m_state;
  if (s.failure.empty() && s.frames == 0) fail("the picture is empty");
  int error = 0;
  const bool closed = !s.gif || EGifCloseFile(s.gif, &error) == GIF_OK;
  s.gif = nullptr;
  if (!closed) fail(std::string("the picture could not be encoded: ") + GifErrorString(error));
  if (s.failure.empty()) return {};
  s.out->clear();
  return Failed(s.failure);
}

namespace {

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
  GifAnimationWriter writer(out, 0, -1);
  writer.add(picture);
  return writer.finish();
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
