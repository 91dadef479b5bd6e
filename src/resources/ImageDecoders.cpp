#include "resources/ImageDecoders.h"

#include <algorithm>
#include <utility>

namespace resources {

namespace {

ImageDecoderRegistry& ProgramDecoders() {
  static ImageDecoderRegistry registry;
  return registry;
}

}  // namespace

void ImageDecoderRegistry::Add(std::vector<std::uint8_t> signature, ImageDecoder decoder) {
  if (signature.empty() || decoder == nullptr) return;
  entries_.push_back({std::move(signature), decoder});
}

std::optional<RgbaImage> ImageDecoderRegistry::Decode(ImageBytes bytes) const {
  for (const Entry& entry : entries_) {
    if (bytes.size() >= entry.signature.size() &&
        std::equal(entry.signature.begin(), entry.signature.end(), bytes.begin())) {
      return entry.decoder(bytes);
    }
  }
  return std::nullopt;
}

void RegisterImageDecoders() {
  ImageDecoderRegistry& registry = ProgramDecoders();
  if (!registry.Empty()) return;
  registry.Add({0x89, 0x50, 0x4E, 0x47}, &DecodePng);
  registry.Add({0xFF, 0xD8, 0xFF}, &DecodeJpeg);
}

std::optional<RgbaImage> DecodeImageFile(ImageBytes bytes) { return ProgramDecoders().Decode(bytes); }

}  // namespace resources
