#include <gtest/gtest.h>

#include "resources/ImageDecoders.h"
#include "resources/TestImageFiles.h"

namespace {

using resources::ImageBytes;
using resources::ImageDecoderRegistry;
using resources::RgbaImage;

// Fake decoders that tell which one ran by the width of the image they return.
std::optional<RgbaImage> DecoderOne(ImageBytes) { return RgbaImage{1, 1, {0, 0, 0, 0}}; }
std::optional<RgbaImage> DecoderTwo(ImageBytes) { return RgbaImage{2, 1, {0, 0, 0, 0, 0, 0, 0, 0}}; }

int DecoderThatRan(const ImageDecoderRegistry& registry, std::vector<std::uint8_t> bytes) {
  const std::optional<RgbaImage> image = registry.Decode(bytes);
  return image ? image->width : 0;
}

TEST(ImageDecoderRegistry, DecodesNothingBeforeDecodersAreAdded) {
  ImageDecoderRegistry registry;
  EXPECT_EQ(DecoderThatRan(registry, {0x89, 0x50, 0x4E, 0x47, 0, 0}), 0) << "an empty registry decodes nothing";
}

TEST(ImageDecoderRegistry, PicksTheDecoderBySignature) {
  ImageDecoderRegistry registry;
  registry.Add({0x89, 0x50, 0x4E, 0x47}, &DecoderOne);
  registry.Add({0xFF, 0xD8, 0xFF}, &DecoderTwo);
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    int decoder;
  };
  const Case cases[] = {
      {"PNG signature", {0x89, 0x50, 0x4E, 0x47, 0x0D}, 1},
      {"JPEG signature", {0xFF, 0xD8, 0xFF, 0xE0}, 2},
      {"exactly the signature", {0xFF, 0xD8, 0xFF}, 2},
      {"shorter than any signature", {0xFF, 0xD8}, 0},
      {"bitmap file", {'B', 'M', 0, 0, 0, 0}, 0},
      {"icon file", {0, 0, 1, 0, 1, 0}, 0},
      {"signature not at the start", {0, 0x89, 0x50, 0x4E, 0x47}, 0},
      {"empty", {}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(DecoderThatRan(registry, c.bytes), c.decoder) << c.name;
}

TEST(ImageDecoderRegistry, IgnoresEntriesWithoutSignatureOrDecoder) {
  ImageDecoderRegistry registry;
  registry.Add({}, &DecoderOne);
  registry.Add({0x42}, nullptr);
  EXPECT_TRUE(registry.Empty()) << "an empty signature would match every file; a null decoder cannot run";
}

TEST(DecodeImageFile, DecodesPngAndJpegOnceRegistered) {
  resources::RegisterImageDecoders();
  resources::RegisterImageDecoders();  // a second registration adds nothing and breaks nothing
  resources_test::PngContent content{1, 1, 6, 8, false, {1, 2, 3, 4}, {}, {}};  // 6: RGBA
  const std::optional<RgbaImage> png = resources::DecodeImageFile(resources_test::EncodePng(content));
  ASSERT_TRUE(png.has_value()) << "PNG through the program's registry";
  EXPECT_EQ(png->pixels, (std::vector<std::uint8_t>{1, 2, 3, 4})) << "PNG pixel";

  const std::vector<std::uint8_t> jpegFile =
      resources_test::EncodeJpeg(8, 8, resources_test::JpegColours::Grey, std::vector<std::uint8_t>(64, 200));
  const std::optional<RgbaImage> jpeg = resources::DecodeImageFile(jpegFile);
  ASSERT_TRUE(jpeg.has_value()) << "JPEG through the program's registry";
  EXPECT_EQ(jpeg->width, 8) << "JPEG width";

  const std::vector<std::uint8_t> bitmapFile = {'B', 'M', 0, 0, 0, 0, 0, 0};
  EXPECT_FALSE(resources::DecodeImageFile(bitmapFile).has_value()) << "no decoder is registered for bitmaps";
}

}  // namespace
