// PNG files of pictures of the window, for the README's pictures, written without a
// compression library: the rows go into stored (uncompressed) deflate blocks, with
// the CRC-32 of every chunk and the Adler-32 of the data computed here. A picture of
// at most 256 colours is written with a palette at the smallest bit depth that holds
// them (1 bit for the black-on-white page, about 32 KB for a 640 x 400 window); one
// of more colours as 8-bit RGB.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// A picture: width x height pixels, row by row from the top, each 0xRRGGBB.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// The CRC-32 of PNG chunks (and zip files): polynomial 0xEDB88320, reflected.
std::uint32_t crc32(std::string_view bytes);

// The Adler-32 check of zlib data.
std::uint32_t adler32(std::string_view bytes);

// The bytes of a PNG file of the picture. REQUIRES: width and height above 0 and
// pixels.size() == width x height.
std::string png_file_bytes(const RgbImage& image);

// Writes the PNG file; false when it cannot be written.
bool write_png_file(const std::string& path, const RgbImage& image);

}  // namespace e2e
