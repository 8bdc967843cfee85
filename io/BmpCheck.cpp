// SPDX-License-Identifier: MIT
// Walks a bitmap's header, palette and pixel data as the reader will, counting the pixels the
// file defines.
#include "io/BmpCheck.h"

#include "io/Codec.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>

namespace {

constexpr char Truncated[] = "the file is truncated";
constexpr char Undefined[] = "the bitmap leaves pixels undefined";
constexpr char PastRow[] = "a run of the bitmap passes the end of its row";
constexpr char PastPalette[] = "a pixel names a colour the palette does not have";

std::uint32_t little32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t little16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

enum Compression : std::uint32_t { Plain = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

struct Layout {
  long long width = 0, height = 0; // height is negative for rows stored top-down
  int bits = 0;
  std::uint32_t compression = Plain;
  long long colours = 0; // palette entries; 0 for direct colour
  std::size_t pixelsAt = 0;
};

bool knownHeaderSize(std::uint32_t size) {
  return size == 12 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 ||
         size == 124;
}

bool depthFits(int bits, std::uint32_t compression) {
  switch (compression) {
  case Plain:
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
  case Rle8:
    return bits == 8;
  case Rle4:
    return bits == 4;
  case BitFields:
    return bits == 16 || bits == 32;
  default:
    return false;
  }
}

// The header, the masks and the palette, and where the pixels start: the reader skips forward
// to the data offset but never back, so data that the offset places inside the palette start
// after it.
std::string readLayout(const unsigned char* data, std::size_t size, Layout& layout) {
  if (size < 18) return Truncated;
  const std::uint32_t headerSize = little32(data + 14);
  if (!knownHeaderSize(headerSize)) return "the bitmap header is of an unknown kind";
  if (size < 14 + std::size_t(headerSize)) return Truncated;
  int planes = 0;
  std::uint32_t coloursUsed = 0;
  if (headerSize == 12) {
    layout.width = static_cast<std::int16_t>(little16(data + 18));
    layout.height = static_cast<std::int16_t>(little16(data + 20));
    planes = little16(data + 22);
    layout.bits = little16(data + 24);
    if (layout.height < 0) return "the bitmap header is damaged";
  } else {
    layout.width = static_cast<std::int32_t>(little32(data + 18));
    layout.height = static_cast<std::int32_t>(little32(data + 22));
    planes = little16(data + 26);
    layout.bits = little16(data + 28);
    layout.compression = little32(data + 30);
    coloursUsed = little32(data + 46);
  }
  const std::string sizeProblem = PictureSizeProblem(layout.width, std::llabs(layout.height));
  if (!sizeProblem.empty()) return sizeProblem;
  if (planes != 1) return "the bitmap header is damaged";
  if (!depthFits(layout.bits, layout.compression))
    return "the bitmap's depth or compression is not supported";
  const bool runLength = layout.compression == Rle8 || layout.compression == Rle4;
  if (runLength && layout.height < 0) return "the bitmap header is damaged";
  std::size_t at = 14 + headerSize;
  if (layout.compression == BitFields && headerSize == 40) at += 12;
  if (layout.bits <= 8) {
    const long long most = 1LL << layout.bits;
    if (coloursUsed > most) return "the bitmap's palette is larger than its depth allows";
    layout.colours = coloursUsed ? coloursUsed : most;
    at += static_cast<std::size_t>(layout.colours) * (headerSize == 12 ? 3 : 4);
  }
  if (at > size) return Truncated;
  layout.pixelsAt = std::max<std::size_t>(at, little32(data + 10));
  if (layout.pixelsAt >= size) return Truncated;
  return {};
}

std::string checkPlainRows(const unsigned char* data, std::size_t size, const Layout& layout) {
  const long long rows = std::llabs(layout.height);
  const long long stride = (layout.width * layout.bits + 31) / 32 * 4;
  if (static_cast<long long>(size - layout.pixelsAt) < stride * rows) return Truncated;
  if (layout.bits > 8 || layout.colours == 1LL << layout.bits) return {};
  const unsigned mask = (1u << layout.bits) - 1;
  for (long long y = 0; y < rows; ++y) {
    const unsigned char* row = data + layout.pixelsAt + y * stride;
    for (long long x = 0; x < layout.width; ++x) {
      const long long bit = x * layout.bits;
      const unsigned shift = 8 - layout.bits - static_cast<unsigned>(bit % 8);
      if (((row[bit / 8] >> shift) & mask) >= layout.colours) return PastPalette;
    }
  }
  return {};
}

// The run-length stream must fill every row from its first pixel to its last with runs that
// stay inside the row and indices inside the palette; the reader's end-of-line, end-of-bitmap
// and delta codes may not leave anything out.
class RunLengthWalk {
public:
  RunLengthWalk(const unsigned char* data, std::size_t size, const Layout& layout)
      : m_data(data), m_size(size), m_at(layout.pixelsAt), m_layout(layout),
        m_four(layout.compression == Rle4) {}

  std::string check() {
    while (m_row < m_layout.height) {
      if (complete()) return {};
      if (m_at + 2 > m_size) return Undefined;
      const unsigned count = m_data[m_at], value = m_data[m_at + 1];
      m_at += 2;
      const std::string problem = count ? encoded(count, value) : escape(value);
      if (!problem.empty()) return problem;
      if (m_finished) return complete() ? std::string() : Undefined;
    }
    return {};
  }

private:
  bool complete() const {
    return m_row == m_layout.height || (m_row == m_layout.height - 1 && m_x == m_layout.width);
  }

  bool indexOutside(unsigned index) const { return index >= m_layout.colours; }

  std::string encoded(unsigned count, unsigned value) {
    if (m_x + count > m_layout.width) return PastRow;
    const bool outside = m_four
                             ? indexOutside(value >> 4) || (count > 1 && indexOutside(value & 15))
                             : indexOutside(value);
    if (outside) return PastPalette;
    m_x += count;
    return {};
  }

  std::string escape(unsigned code) {
    switch (code) {
    case 0: // end of line
      if (m_x != m_layout.width) return Undefined;
      m_x = 0;
      ++m_row;
      return {};
    case 1: // end of bitmap
      m_finished = true;
      return {};
    case 2: // delta: a move that skips nothing is harmless
      if (m_at + 2 > m_size) return Undefined;
      if (m_data[m_at] || m_data[m_at + 1]) return Undefined;
      m_at += 2;
      return {};
    default:
      return absolute(code);
    }
  }

  std::string absolute(unsigned count) {
    if (m_x + count > m_layout.width) return PastRow;
    const std::size_t bytes = m_four ? (count + 1) / 2 : count;
    if (m_at + bytes > m_size) return Undefined;
    for (unsigned i = 0; i < count; ++i) {
      const unsigned char byte = m_data[m_at + (m_four ? i / 2 : i)];
      const unsigned index = m_four ? (i % 2 ? byte & 15 : byte >> 4) : byte;
      if (indexOutside(index)) return PastPalette;
    }
    m_at += bytes + (bytes & 1); // each absolute run ends on a 16-bit boundary
    m_x += count;
    return {};
  }

  const unsigned char* m_data;
  std::size_t m_size;
  std::size_t m_at;
  const Layout& m_layout;
  bool m_four;
  long long m_row = 0, m_x = 0;
  bool m_finished = false;
};

} // namespace

std::string BmpProblem(const unsigned char* data, std::size_t size) {
  if (size < 2 || data[0] != 'B' || data[1] != 'M') return "not a bitmap file";
  Layout layout;
  const std::string problem = readLayout(data, size, layout);
  if (!problem.empty()) return problem;
  if (layout.compression == Rle8 || layout.compression == Rle4)
    return RunLengthWalk(data, size, layout).check();
  return checkPlainRows(data, size, layout);
}
