// PNG files from memory through libpng. libpng reports every error by longjmp; the two functions that hold a
// setjmp keep no object with a destructor in their frame, so a jump never skips one. The C++ caller owns the
// libpng structures and the pixel buffer and frees them whatever the outcome.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "resources/ImageDecoders.h"

namespace resources {

namespace {

struct MemorySource {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t offset;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
  auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
  if (count > source->size - source->offset) png_error(png, "truncated PNG data");
  std::memcpy(out, source->data + source->offset, count);
  source->offset += count;
}

// The default handlers print to the console; a picture that fails is simply left out.
void FailSilently(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

// Asks libpng for 8-bit RGBA whatever the file holds, then reads the resulting size.
bool ReadPngHeader(png_structp png, png_infop info, png_uint_32* width, png_uint_32* height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
  png_read_info(png, info);
  const png_byte colourType = png_get_color_type(png, info);
  const png_byte bitDepth = png_get_bit_depth(png, info);
  const bool hasTransparencyChunk = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (hasTransparencyChunk) png_set_tRNS_to_alpha(png);
  if (bitDepth == 16) png_set_scale_16(png);
  if ((colourType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
  if ((colourType & PNG_COLOR_MASK_ALPHA) == 0 && !hasTransparencyChunk) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  *width = png_get_image_width(png, info);
  *height = png_get_image_height(png, info);
  return png_get_rowbytes(png, info) == std::size_t{*width} * 4;
}

bool ReadPngPixels(png_structp png, png_infop info, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, info);
  return true;
}

class PngReader {
 public:
  PngReader() {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, FailSilently, IgnoreWarning);
    if (png_) info_ = png_create_info_struct(png_);
  }
  ~PngReader() { png_destroy_read_struct(png_ ? &png_ : nullptr, info_ ? &info_ : nullptr, nullptr); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  bool Ready() const { return png_ && info_; }
  png_structp Png() const { return png_; }
  png_infop Info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

}  // namespace

std::optional<RgbaImage> DecodePng(ImageBytes bytes) {
  constexpr std::size_t kSignatureSize = 8;
  if (bytes.size() < kSignatureSize || png_sig_cmp(bytes.data(), 0, kSignatureSize) != 0) return std::nullopt;
  PngReader reader;
  if (!reader.Ready()) return std::nullopt;
  MemorySource source{bytes.data(), bytes.size(), 0};
  png_set_read_fn(reader.Png(), &source, ReadFromMemory);

  png_uint_32 width = 0;
  png_uint_32 height = 0;
  if (!ReadPngHeader(reader.Png(), reader.Info(), &width, &height)) return std::nullopt;
  if (width == 0 || height == 0 || std::int64_t{width} * height > kMaxImagePixels) return std::nullopt;

  RgbaImage image;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.pixels.resize(std::size_t{width} * height * 4);
  std::vector<png_bytep> rows(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = image.pixels.data() + std::size_t{y} * width * 4;
  if (!ReadPngPixels(reader.Png(), reader.Info(), rows.data())) return std::nullopt;
  return image;
}

}  // namespace resources
