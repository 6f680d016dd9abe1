// The PNG writer, read back by a small decoder of its own (chunks, stored deflate
// blocks, palettes at every bit depth, RGB) whose checks are computed bit by bit
// from their definitions, not with the writer's tables.
#include "window/png_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {
namespace {

std::uint32_t crc32_bit_by_bit(const std::string& bytes) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (unsigned char b : bytes) {
    c ^= b;
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ ((c & 1) ? 0xEDB88320u : 0);
  }
  return ~c;
}

std::uint32_t adler32_by_sums(const std::string& bytes) {
  std::uint64_t a = 1, b = 0;
  for (unsigned char byte : bytes) {
    a += byte;
    b += a;
  }
  return static_cast<std::uint32_t>(((b % 65521) << 16) | (a % 65521));
}

std::uint32_t read_u32(const std::string& s, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
  return v;
}

struct Chunk {
  std::string type;
  std::string data;
};

// The chunks after the signature; every CRC is checked.
std::vector<Chunk> chunks_of(const std::string& file) {
  std::vector<Chunk> chunks;
  EXPECT_EQ(file.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8));
  for (std::size_t at = 8; at + 12 <= file.size();) {
    const std::uint32_t length = read_u32(file, at);
    const std::string body = file.substr(at + 4, 4 + length);
    EXPECT_EQ(read_u32(file, at + 8 + length), crc32_bit_by_bit(body)) << body.substr(0, 4);
    chunks.push_back({body.substr(0, 4), body.substr(4)});
    at += 12 + length;
  }
  return chunks;
}

// The raw bytes of zlib data made of stored blocks; the header and Adler-32 checked.
std::string inflate_stored(const std::string& z) {
  EXPECT_EQ((static_cast<unsigned char>(z[0]) * 256 + static_cast<unsigned char>(z[1])) % 31, 0);
  EXPECT_EQ(z[0] & 0x0F, 8);  // deflate
  std::string raw;
  std::size_t at = 2;
  for (bool final = false; !final;) {
    const auto head = static_cast<unsigned char>(z[at]);
    final = head & 1;
    EXPECT_EQ(head >> 1, 0) << "not a stored block";
    const unsigned length = static_cast<unsigned char>(z[at + 1]) | static_cast<unsigned char>(z[at + 2]) << 8;
    const unsigned check = static_cast<unsigned char>(z[at + 3]) | static_cast<unsigned char>(z[at + 4]) << 8;
    EXPECT_EQ(length ^ check, 0xFFFFu);
    raw += z.substr(at + 5, length);
    at += 5 + length;
  }
  EXPECT_EQ(read_u32(z, at), adler32_by_sums(raw));
  EXPECT_EQ(at + 4, z.size());
  return raw;
}

struct Decoded {
  int width = 0, height = 0, depth = 0, colour_type = 0;
  std::vector<std::uint32_t> pixels;
};

Decoded decode(const std::string& file) {
  Decoded d;
  std::string palette, data;
  for (const auto& c : chunks_of(file)) {
    if (c.type == "IHDR") {
      d.width = static_cast<int>(read_u32(c.data, 0));
      d.height = static_cast<int>(read_u32(c.data, 4));
      d.depth = c.data[8];
      d.colour_type = c.data[9];
      EXPECT_EQ(c.data.substr(10), std::string(3, '\0'));
    } else if (c.type == "PLTE") {
      palette = c.data;
    } else if (c.type == "IDAT") {
      data += c.data;
    }
  }
  const std::string raw = inflate_stored(data);
  const int bits = d.colour_type == 2 ? 24 : d.depth;
  const std::size_t stride = (static_cast<std::size_t>(d.width) * bits + 7) / 8;
  EXPECT_EQ(raw.size(), d.height * (stride + 1));
  for (int y = 0; y < d.height; ++y) {
    const std::string row = raw.substr(y * (stride + 1), stride + 1);
    EXPECT_EQ(row[0], '\0') << "filter of row " << y;
    for (int x = 0; x < d.width; ++x) {
      auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(row[1 + i])); };
      if (d.colour_type == 2) {
        d.pixels.push_back(byte(3 * x) << 16 | byte(3 * x + 1) << 8 | byte(3 * x + 2));
        continue;
      }
      const int bit = x * d.depth;
      const unsigned index = (byte(bit / 8) >> (8 - d.depth - bit % 8)) & ((1u << d.depth) - 1);
      const std::string rgb = palette.substr(3 * index, 3);
      EXPECT_EQ(rgb.size(), 3u) << "index " << index << " outside the palette";
      std::uint32_t colour = 0;
      for (unsigned char c : rgb) colour = colour << 8 | c;
      d.pixels.push_back(colour);
    }
  }
  return d;
}

// A picture that uses exactly `colours` colours (7 is prime to every count used, so
// the first `colours` pixels already show them all), each colour distinct in 24 bits.
RgbImage picture(int width, int height, int colours) {
  RgbImage image{width, height, {}};
  for (int i = 0; i < width * height; ++i) {
    const auto k = static_cast<std::uint32_t>((i * 7) % colours);
    image.pixels.push_back((k % 256) << 16 | (k / 256) << 8 | 0x5A);
  }
  return image;
}

TEST(PngFile, ChecksumsOfKnownTexts) {
  EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(crc32("IEND"), 0xAE426082u);
  EXPECT_EQ(crc32(""), 0u);
  EXPECT_EQ(adler32("Wikipedia"), 0x11E60398u);
  EXPECT_EQ(adler32(""), 1u);
}

// Every bit depth, widths that do not fill the last byte of a row, and a picture
// large enough for several stored blocks; the pixels come back as they went in.
TEST(PngFile, PicturesReadBackPixelForPixel) {
  const struct {
    int width, height, colours, depth, colour_type;
  } cases[] = {
      {1, 1, 1, 1, 3},     {13, 3, 2, 1, 3},    {640, 400, 2, 1, 3}, {7, 5, 3, 2, 3},
      {9, 4, 16, 4, 3},    {33, 9, 17, 8, 3},   {20, 20, 256, 8, 3}, {20, 20, 257, 8, 2},
      {300, 250, 300, 8, 2},
  };
  for (const auto& c : cases) {
    const RgbImage image = picture(c.width, c.height, c.colours);
    const Decoded d = decode(png_file_bytes(image));
    const std::string at = std::to_string(c.width) + "x" + std::to_string(c.height) + ", " +
                           std::to_string(c.colours) + " colours";
    EXPECT_EQ(d.width, c.width) << at;
    EXPECT_EQ(d.height, c.height) << at;
    EXPECT_EQ(d.depth, c.depth) << at;
    EXPECT_EQ(d.colour_type, c.colour_type) << at;
    EXPECT_EQ(d.pixels, image.pixels) << at;
  }
}

TEST(PngFile, TheFileEndsWithTheEmptyEndChunk) {
  const std::string file = png_file_bytes(picture(4, 4, 2));
  EXPECT_EQ(file.substr(file.size() - 12), std::string("\0\0\0\0IEND\xAE\x42\x60\x82", 12));
}

}  // namespace
}  // namespace e2e
