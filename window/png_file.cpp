#include "window/png_file.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <optional>

namespace e2e {

namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1A\n";
constexpr std::size_t kStoredBlockMost = 65535;  // the most bytes one stored block holds
constexpr std::size_t kPaletteMost = 256;
constexpr char kColourTypeRgb = 2;
constexpr char kColourTypePalette = 3;

const std::array<std::uint32_t, 256>& crc_table() {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  return table;
}

void put_u32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void put_u16_little(std::string& out, std::size_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}

// A chunk: its length, its type and data, and the CRC of the type and data.
void put_chunk(std::string& out, const char* type, const std::string& data) {
  put_u32(out, static_cast<std::uint32_t>(data.size()));
  const std::string body = type + data;
  out += body;
  put_u32(out, crc32(body));
}

// The colours in the order they first appear, with the index of each.
struct Palette {
  std::vector<std::uint32_t> colours;
  std::map<std::uint32_t, unsigned> index;
};

// The palette of the picture, or nothing when it has more colours than a palette holds.
std::optional<Palette> palette_of(const RgbImage& image) {
  Palette palette;
  for (std::uint32_t p : image.pixels) {
    if (palette.index.count(p)) continue;
    if (palette.colours.size() == kPaletteMost) return std::nullopt;
    palette.index[p] = static_cast<unsigned>(palette.colours.size());
    palette.colours.push_back(p);
  }
  return palette;
}

int bit_depth_for(std::size_t colours) {
  if (colours <= 2) return 1;
  if (colours <= 4) return 2;
  if (colours <= 16) return 4;
  return 8;
}

// One row of palette indices packed at the bit depth, the first pixel in the high bits.
std::string packed_row(const std::uint32_t* row, int width, const Palette& palette, int depth) {
  std::string bytes((static_cast<std::size_t>(width) * depth + 7) / 8, '\0');
  for (int x = 0; x < width; ++x) {
    const unsigned index = palette.index.at(row[x]);
    const int bit = x * depth;
    bytes[bit / 8] = static_cast<char>(bytes[bit / 8] | (index << (8 - depth - bit % 8)));
  }
  return bytes;
}

std::string rgb_row(const std::uint32_t* row, int width) {
  std::string bytes;
  for (int x = 0; x < width; ++x) {
    for (int shift = 16; shift >= 0; shift -= 8) bytes += static_cast<char>((row[x] >> shift) & 0xFF);
  }
  return bytes;
}

// Every row after its filter byte 0 (no filter).
std::string scanlines(const RgbImage& image, const std::optional<Palette>& palette, int depth) {
  std::string raw;
  for (int y = 0; y < image.height; ++y) {
    const std::uint32_t* row = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
    raw += '\0';
    raw += palette ? packed_row(row, image.width, *palette, depth) : rgb_row(row, image.width);
  }
  return raw;
}

// zlib data of stored deflate blocks: the header (deflate, 32 KB window, no
// dictionary, a multiple of 31), the blocks, the Adler-32 of the raw bytes.
std::string zlib_stored(const std::string& raw) {
  std::string out = "\x78\x01";
  std::size_t at = 0;
  do {
    const std::size_t length = std::min(kStoredBlockMost, raw.size() - at);
    const bool final = at + length == raw.size();
    out += static_cast<char>(final ? 1 : 0);
    put_u16_little(out, length);
    put_u16_little(out, ~length & 0xFFFF);
    out.append(raw, at, length);
    at += length;
  } while (at < raw.size());
  put_u32(out, adler32(raw));
  return out;
}

std::string header_chunk(const RgbImage& image, int depth, char colour_type) {
  std::string data;
  put_u32(data, static_cast<std::uint32_t>(image.width));
  put_u32(data, static_cast<std::uint32_t>(image.height));
  data += static_cast<char>(depth);
  data += colour_type;
  data += std::string(3, '\0');  // deflate, adaptive filters, no interlace
  return data;
}

std::string palette_chunk(const Palette& palette) {
  std::string data;
  for (std::uint32_t c : palette.colours) data += rgb_row(&c, 1);
  return data;
}

}  // namespace

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (unsigned char b : bytes) c = crc_table()[(c ^ b) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(std::string_view bytes) {
  constexpr std::uint32_t kModulus = 65521;
  std::uint32_t a = 1, b = 0;
  for (unsigned char byte : bytes) {
    a = (a + byte) % kModulus;
    b = (b + a) % kModulus;
  }
  return (b << 16) | a;
}

std::string png_file_bytes(const RgbImage& image) {
  const auto palette = palette_of(image);
  const int depth = palette ? bit_depth_for(palette->colours.size()) : 8;
  std::string out(kSignature, sizeof kSignature - 1);
  put_chunk(out, "IHDR", header_chunk(image, depth, palette ? kColourTypePalette : kColourTypeRgb));
  if (palette) put_chunk(out, "PLTE", palette_chunk(*palette));
  put_chunk(out, "IDAT", zlib_stored(scanlines(image, palette, depth)));
  put_chunk(out, "IEND", "");
  return out;
}

bool write_png_file(const std::string& path, const RgbImage& image) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << png_file_bytes(image);
  return static_cast<bool>(out);
}

}  // namespace e2e
