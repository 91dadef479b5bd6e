#include <gtest/gtest.h>

#include <cstdint>

#include "controls/IconArt.h"

namespace controls {
namespace {

std::uint32_t Alpha(std::uint32_t pixel) { return pixel >> 24; }

TEST(IconArt, DiscIsOpaqueInsideAndClearOutside) {
  auto pixels = RenderIconArt({{ArtShape::Disc, 0.5, 0.5, 0, 0, 0.42, 0xFFFF0000}}, 20);
  ASSERT_EQ(pixels.size(), 400u);
  EXPECT_EQ(pixels[10 * 20 + 10], 0xFFFF0000u) << "centre fully red";
  EXPECT_EQ(pixels[0], 0u) << "corner transparent";
  std::uint32_t edge = pixels[10 * 20 + 1];  // the disc's left edge, at 1.6 pixels, runs through this pixel
  EXPECT_GT(Alpha(edge), 0u) << "edge partly covered";
  EXPECT_LT(Alpha(edge), 255u) << "edge smoothed";
}

TEST(IconArt, ColoursArePremultiplied) {
  auto pixels = RenderIconArt({{ArtShape::RoundRect, 0, 0, 1, 1, 0, 0x80FFFFFF}}, 4);
  for (std::uint32_t pixel : pixels) {
    EXPECT_EQ(Alpha(pixel), 0x80u) << "half transparent white";
    EXPECT_EQ((pixel >> 16) & 0xFF, 0x80u) << "red scaled by alpha";
  }
}

TEST(IconArt, LaterLayersCoverEarlierOnes) {
  auto pixels = RenderIconArt({{ArtShape::RoundRect, 0, 0, 1, 1, 0, 0xFF0000FF}, {ArtShape::Disc, 0.5, 0.5, 0, 0, 0.3, 0xFF00FF00}}, 10);
  EXPECT_EQ(pixels[5 * 10 + 5], 0xFF00FF00u) << "green disc over the blue square";
  EXPECT_EQ(pixels[0], 0xFF0000FFu) << "blue where the disc does not reach";
}

TEST(IconArt, EveryPictureHasSomethingToShow) {
  for (ArtPicture picture : {ArtPicture::FileSelection, ArtPicture::Explorer, ArtPicture::AddFiles, ArtPicture::AddFolder,
                             ArtPicture::Rename, ArtPicture::RemoveSelection, ArtPicture::ClearAll,
                             ArtPicture::Characters, ArtPicture::Help, ArtPicture::Quit}) {
    auto pixels = RenderIconArt(ArtLayersOf(picture), 16);
    int opaque = 0;
    for (std::uint32_t pixel : pixels) opaque += Alpha(pixel) == 255;
    EXPECT_GT(opaque, 30) << "picture " << static_cast<int>(picture);
    EXPECT_LT(opaque, 256) << "picture " << static_cast<int>(picture) << " is not a plain square";
  }
}

}  // namespace
}  // namespace controls
