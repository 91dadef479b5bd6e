// JPEG files from memory through libjpeg. The library's default error handler ends the process; here errors
// and warnings longjmp back into the two functions that hold a setjmp, which keep no object with a destructor
// in their frame. The C++ caller owns the decompressor and the pixel buffer and frees them in every case.
#include <cstdio>  // jpeglib.h uses FILE without including its header

#include <jpeglib.h>

#include <csetjmp>
#include <limits>

#include "resources/ImageDecoders.h"

namespace resources {

namespace {

struct JpegFailure {
  jpeg_error_mgr manager;  // first member: libjpeg hands back a pointer to it
  std::jmp_buf jump;
};

void JumpOut(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegFailure*>(info->err)->jump, 1); }

// Level -1 is a warning about corrupt data (a truncated scan is patched with grey): refused like an error.
void RefuseWarnings(j_common_ptr info, int level) {
  if (level < 0) JumpOut(info);
}

void PrintNothing(j_common_ptr) {}

bool StartJpeg(j_decompress_ptr info, JpegFailure* failure, const std::uint8_t* data, unsigned long size) {
  if (setjmp(failure->jump)) return false;
  jpeg_create_decompress(info);
  jpeg_mem_src(info, data, size);
  jpeg_read_header(info, TRUE);
  if (info->image_width == 0 || info->image_height == 0 || info->image_width > kMaxImageSide ||
      info->image_height > kMaxImageSide ||
      std::int64_t{info->image_width} * info->image_height > kMaxImagePixels) {
    return false;
  }
  const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
  info->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(info);
  return true;
}

bool ReadJpegRows(j_decompress_ptr info, JpegFailure* failure, std::uint8_t* out, std::size_t stride) {
  if (setjmp(failure->jump)) return false;
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = out + std::size_t{info->output_scanline} * stride;
    if (jpeg_read_scanlines(info, &row, 1) != 1) return false;
  }
  jpeg_finish_decompress(info);
  return true;
}

class JpegReader {
 public:
  JpegReader() : info_{}, failure_{} {
    info_.err = jpeg_std_error(&failure_.manager);
    failure_.manager.error_exit = JumpOut;
    failure_.manager.emit_message = RefuseWarnings;
    failure_.manager.output_message = PrintNothing;
  }
  ~JpegReader() { jpeg_destroy_decompress(&info_); }
  JpegReader(const JpegReader&) = delete;
  JpegReader& operator=(const JpegReader&) = delete;

  j_decompress_ptr Info() { return &info_; }
  JpegFailure* Failure() { return &failure_; }

 private:
  jpeg_decompress_struct info_;
  JpegFailure failure_;
};

std::uint8_t Scale(unsigned a, unsigned b) { return static_cast<std::uint8_t>((a * b + 127) / 255); }

// Adobe writes CMYK inverted (255 = no ink); other writers store plain ink amounts.
void CmykToRgba(const std::uint8_t* cmyk, std::uint8_t* rgba, bool inverted) {
  unsigned ink[4];
  for (int i = 0; i < 4; ++i) ink[i] = inverted ? cmyk[i] : 255u - cmyk[i];
  for (int i = 0; i < 3; ++i) rgba[i] = Scale(ink[i], ink[3]);
  rgba[3] = 255;
}

}  // namespace

std::optional<RgbaImage> DecodeJpeg(ImageBytes bytes) {
  if (bytes.size() < 3 || bytes.size() > std::numeric_limits<unsigned long>::max()) return std::nullopt;
  JpegReader reader;
  if (!StartJpeg(reader.Info(), reader.Failure(), bytes.data(), static_cast<unsigned long>(bytes.size()))) {
    return std::nullopt;
  }
  const jpeg_decompress_struct& info = *reader.Info();
  const int components = info.output_components;
  if ((components != 3 && components != 4) || info.output_width == 0 || info.output_height == 0) return std::nullopt;
  const std::size_t stride = std::size_t{info.output_width} * static_cast<std::size_t>(components);
  std::vector<std::uint8_t> samples(stride * info.output_height);
  if (!ReadJpegRows(reader.Info(), reader.Failure(), samples.data(), stride)) return std::nullopt;

  RgbaImage image;
  image.width = static_cast<int>(info.output_width);
  image.height = static_cast<int>(info.output_height);
  const std::size_t pixelCount = std::size_t{info.output_width} * info.output_height;
  image.pixels.resize(pixelCount * 4);
  for (std::size_t i = 0; i < pixelCount; ++i) {
    const std::uint8_t* in = samples.data() + i * static_cast<std::size_t>(components);
    std::uint8_t* out = image.pixels.data() + i * 4;
    if (components == 4) {
      CmykToRgba(in, out, info.saw_Adobe_marker != 0);
    } else {
      out[0] = in[0];
      out[1] = in[1];
      out[2] = in[2];
      out[3] = 255;
    }
  }
  return image;
}

}  // namespace resources
