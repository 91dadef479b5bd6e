#pragma once
// Decoding of picture files held in memory (PNG through libpng, JPEG through libjpeg) into plain RGBA images,
// and the program's small decoder registry that start-up fills before any picture is loaded.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace resources {

// A decoded picture: rows from top to bottom, four 8-bit channels per pixel in the order R, G, B, A.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

using ImageBytes = std::span<const std::uint8_t>;
using ImageDecoder = std::optional<RgbaImage> (*)(ImageBytes bytes);

// Pictures larger than this are refused, so that a corrupt header cannot ask for gigabytes.
inline constexpr int kMaxImageSide = 16384;
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{1} << 26;

// Every colour type, bit depth, palette and transparency form is expanded to RGBA 8-bit.
// Corrupt, truncated or oversized data gives no image.
std::optional<RgbaImage> DecodePng(ImageBytes bytes);

// Grey, colour and CMYK JPEG files; alpha is 255. Data the library would have to patch up (a truncated scan)
// is refused rather than shown half grey.
std::optional<RgbaImage> DecodeJpeg(ImageBytes bytes);

// Decoders chosen by the first bytes of a file.
class ImageDecoderRegistry {
 public:
  void Add(std::vector<std::uint8_t> signature, ImageDecoder decoder);
  bool Empty() const { return entries_.empty(); }
  // The first decoder whose signature starts the bytes decodes them; no decoder, no image.
  std::optional<RgbaImage> Decode(ImageBytes bytes) const;

 private:
  struct Entry {
    std::vector<std::uint8_t> signature;
    ImageDecoder decoder;
  };
  std::vector<Entry> entries_;
};

// The program's registry: empty until RegisterImageDecoders adds PNG (89 50 4E 47) and JPEG (FF D8 FF).
// Registering again changes nothing.
void RegisterImageDecoders();
std::optional<RgbaImage> DecodeImageFile(ImageBytes bytes);

}  // namespace resources
