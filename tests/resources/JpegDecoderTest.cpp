#include <gtest/gtest.h>

#include <cstdlib>

#include "resources/ImageDecoders.h"
#include "resources/TestImageFiles.h"

namespace {

using resources::DecodeJpeg;
using resources::RgbaImage;
using resources_test::EncodeJpeg;
using resources_test::JpegColours;

constexpr int kTolerance = 6;  // JPEG is lossy; solid areas come back within a few levels

struct Colour {
  int r, g, b;
};

std::vector<std::uint8_t> SolidSamples(int width, int height, const std::vector<std::uint8_t>& pixel) {
  std::vector<std::uint8_t> samples;
  for (int i = 0; i < width * height; ++i) samples.insert(samples.end(), pixel.begin(), pixel.end());
  return samples;
}

void ExpectNear(const RgbaImage& image, int x, int y, Colour want, const char* what) {
  const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + x) * 4;
  const int r = image.pixels[at], g = image.pixels[at + 1], b = image.pixels[at + 2], a = image.pixels[at + 3];
  EXPECT_TRUE(std::abs(r - want.r) <= kTolerance && std::abs(g - want.g) <= kTolerance &&
              std::abs(b - want.b) <= kTolerance && a == 255)
      << what << ": pixel (" << x << "," << y << ") is " << r << "," << g << "," << b << "," << a << ", expected about "
      << want.r << "," << want.g << "," << want.b << ",255";
}

struct SolidCase {
  const char* name;
  JpegColours colours;
  std::vector<std::uint8_t> sample;
  Colour expected;
};

TEST(DecodeJpeg, GivesSolidColoursBackWithinTolerance) {
  const SolidCase cases[] = {
      {"RGB deep blue", JpegColours::Rgb, {68, 94, 138}, {68, 94, 138}},
      {"RGB warm orange", JpegColours::Rgb, {242, 153, 46}, {242, 153, 46}},
      {"grey", JpegColours::Grey, {128}, {128, 128, 128}},
      // Adobe CMYK stores 255 for no ink: this is pure red.
      {"CMYK red", JpegColours::Cmyk, {255, 0, 0, 255}, {255, 0, 0}},
  };
  for (const SolidCase& c : cases) {
    const std::vector<std::uint8_t> file = EncodeJpeg(16, 8, c.colours, SolidSamples(16, 8, c.sample));
    const std::optional<RgbaImage> image = DecodeJpeg(file);
    ASSERT_TRUE(image.has_value()) << c.name << ": a valid JPEG was refused";
    ASSERT_EQ(image->width, 16) << c.name;
    ASSERT_EQ(image->height, 8) << c.name;
    ASSERT_EQ(image->pixels.size(), 16u * 8u * 4u) << c.name;
    for (int y = 0; y < 8; y += 7) {
      for (int x = 0; x < 16; x += 5) ExpectNear(*image, x, y, c.expected, c.name);
    }
  }
}

TEST(DecodeJpeg, KeepsRowsTopDownAndColumnsLeftToRight) {
  // 32 x 32: top-left quarter red, top-right green, bottom-left blue, bottom-right white.
  const Colour quarters[4] = {{230, 20, 20}, {20, 200, 40}, {30, 40, 220}, {255, 255, 255}};
  std::vector<std::uint8_t> samples;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const Colour& c = quarters[(y / 16) * 2 + x / 16];
      samples.insert(samples.end(), {static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g),
                                     static_cast<std::uint8_t>(c.b)});
    }
  }
  const std::optional<RgbaImage> image = DecodeJpeg(EncodeJpeg(32, 32, JpegColours::Rgb, samples, 98));
  ASSERT_TRUE(image.has_value()) << "a valid JPEG was refused";
  ExpectNear(*image, 4, 4, quarters[0], "top left");
  ExpectNear(*image, 27, 4, quarters[1], "top right");
  ExpectNear(*image, 4, 27, quarters[2], "bottom left");
  ExpectNear(*image, 27, 27, quarters[3], "bottom right");
}

TEST(DecodeJpeg, RefusesEveryTruncationOfAValidFile) {
  const std::vector<std::uint8_t> file = EncodeJpeg(24, 16, JpegColours::Rgb, SolidSamples(24, 16, {90, 121, 174}));
  ASSERT_TRUE(DecodeJpeg(file).has_value()) << "the whole file must decode";
  for (std::size_t length = 0; length < file.size(); ++length) {
    EXPECT_FALSE(DecodeJpeg({file.data(), length}).has_value()) << "file cut to " << length << " of " << file.size();
  }
}

TEST(DecodeJpeg, RefusesCorruptFiles) {
  const std::vector<std::uint8_t> valid = EncodeJpeg(16, 16, JpegColours::Rgb, SolidSamples(16, 16, {1, 2, 3}));
  struct Corruption {
    const char* name;
    std::vector<std::uint8_t> file;
  };
  std::vector<Corruption> cases;
  cases.push_back({"empty", {}});
  cases.push_back({"start marker then garbage", {0xFF, 0xD8, 0xFF, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07}});
  cases.push_back({"PNG bytes", {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13}});
  // The frame header (FF C0) holds the height and width; a zero width cannot be decoded.
  std::vector<std::uint8_t> zeroWidth = valid;
  for (std::size_t i = 0; i + 8 < zeroWidth.size(); ++i) {
    if (zeroWidth[i] == 0xFF && zeroWidth[i + 1] == 0xC0) {
      zeroWidth[i + 7] = 0;
      zeroWidth[i + 8] = 0;
      break;
    }
  }
  cases.push_back({"zero width in the frame header", zeroWidth});
  std::vector<std::uint8_t> noImage = {valid.begin(), valid.begin() + 2};
  noImage.insert(noImage.end(), {0xFF, 0xD9});
  cases.push_back({"start then end, no image", noImage});

  for (const Corruption& c : cases) {
    EXPECT_FALSE(DecodeJpeg(c.file).has_value()) << c.name;
  }
}

}  // namespace
