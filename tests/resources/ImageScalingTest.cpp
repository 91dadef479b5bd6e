#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "resources/ImageScaling.h"

namespace {

using resources::ChooseStoredSize;
using resources::PixelSize;
using resources::RgbaImage;

TEST(ScaledSize, RoundsEachSideHalvesUpWithinOneAndTheLargestSide) {
  struct Case {
    PixelSize at96;
    double scale;
    PixelSize expected;
  };
  const Case cases[] = {
      {{247, 197}, 1.5, {371, 296}},  // 370.5 and 295.5, as lround gives them
      {{16, 14}, 1.25, {20, 18}},
      {{3, 3}, 0.1, {1, 1}},
      {{24, 24}, 1e9, {resources::kMaxImageSide, resources::kMaxImageSide}},
      {{24, 24}, std::nan(""), {24, 24}},
  };
  for (const Case& c : cases) {
    const PixelSize size = resources::ScaledSize(c.at96, c.scale);
    EXPECT_EQ(size, c.expected) << c.at96.width << " x " << c.at96.height << " at " << c.scale << " gives "
                                << size.width << " x " << size.height;
  }
}

TEST(ChooseStoredSize, TakesTheSmallestThatCoversTheSizeElseTheLargest) {
  const std::vector<PixelSize> banner = {{834, 60}, {1251, 90}, {1668, 120}};
  const std::vector<PixelSize> icon = {{16, 16}, {32, 32}, {24, 24}};
  struct Case {
    const char* name;
    const std::vector<PixelSize>& stored;
    PixelSize wanted;
    std::size_t expected;
  };
  const Case cases[] = {
      {"its own size", banner, {834, 60}, 0},
      {"between two sizes", banner, {1043, 75}, 1},
      {"exactly the middle size", banner, {1251, 90}, 1},
      {"one pixel wider than the middle size", banner, {1252, 90}, 2},
      {"beyond the largest", banner, {2085, 150}, 2},
      {"stored out of order", icon, {20, 20}, 2},
      {"one side not covered", icon, {20, 30}, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseStoredSize(c.stored, c.wanted), c.expected) << c.name;
  EXPECT_FALSE(ChooseStoredSize({}, {24, 24}).has_value()) << "nothing stored";
}

// Opaque greys, RGBA.
std::vector<std::uint8_t> Greys(const std::vector<std::uint8_t>& levels) {
  std::vector<std::uint8_t> pixels;
  for (std::uint8_t level : levels) pixels.insert(pixels.end(), {level, level, level, 255});
  return pixels;
}

TEST(ResizeImage, AveragesWhenShrinkingAndBlendsNeighboursWhenEnlarging) {
  struct Case {
    const char* name;
    PixelSize from;
    std::vector<std::uint8_t> source;
    PixelSize to;
    std::vector<std::uint8_t> expected;
  };
  const std::vector<std::uint8_t> mixed = {10, 20, 30, 255, 200, 100, 50, 128, 0, 0, 0, 0,
                                           1, 2, 3, 4,      255, 255, 255, 255, 7, 8, 9, 10};
  const Case cases[] = {
      {"the same size keeps every pixel", {3, 2}, mixed, {3, 2}, mixed},
      // Each output pixel covers one and a half source pixels.
      {"shrinking weighs the area covered", {3, 1}, Greys({0, 90, 180}), {2, 1}, Greys({30, 150})},
      // The green pixels are fully transparent: they lend no colour, only their coverage.
      {"shrinking premultiplies alpha",
       {2, 2},
       {255, 0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0},
       {1, 1},
       {255, 0, 0, 64}},
      {"enlarging keeps the ends and blends between them", {2, 1}, Greys({0, 200}), {4, 1}, Greys({0, 50, 150, 200})},
  };
  for (const Case& c : cases) {
    const RgbaImage result = resources::ResizeImage({c.from.width, c.from.height, c.source}, c.to);
    EXPECT_EQ(result.width, c.to.width) << c.name;
    EXPECT_EQ(result.height, c.to.height) << c.name;
    EXPECT_EQ(result.pixels, c.expected) << c.name;
  }
}

}  // namespace
