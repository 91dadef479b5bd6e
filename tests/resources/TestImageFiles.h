#pragma once
// PNG and JPEG files made by the tests themselves with libpng and libjpeg, so that decoding can be checked
// against pixels the test knows.

#include <cstdint>
#include <vector>

namespace resources_test {

struct PngColour {
  std::uint8_t red, green, blue;
};

struct PngContent {
  int width = 0;
  int height = 0;
  int colourType = 0;  // PNG_COLOR_TYPE_*
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<std::uint8_t> rows;  // packed as the PNG stores them, top row first, no filter bytes
  std::vector<PngColour> palette;
  std::vector<std::uint8_t> transparency;  // tRNS: alpha per palette entry
};

std::vector<std::uint8_t> EncodePng(const PngContent& content);

enum class JpegColours { Grey, Rgb, Cmyk };

// samples: components per pixel as given by colours (1, 3 or 4), top row first.
std::vector<std::uint8_t> EncodeJpeg(int width, int height, JpegColours colours,
                                     const std::vector<std::uint8_t>& samples, int quality = 95);

// The PNG chunk CRC, for tests that patch a header and keep the file otherwise valid.
std::uint32_t PngChunkCrc(const std::uint8_t* typeAndData, std::size_t size);

}  // namespace resources_test
