#include "resources/TestImageFiles.h"

#include <cstdio>

#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdlib>

namespace resources_test {

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t size) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}

void FlushNothing(png_structp) {}

// Holds the setjmp that libpng's errors return to; no object with a destructor lives in this frame.
bool WritePng(png_structp png, png_infop info, const PngContent* content, const png_color* palette,
              png_bytepp rowPointers) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(content->width), static_cast<png_uint_32>(content->height),
               content->bitDepth, content->colourType, content->interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!content->palette.empty()) png_set_PLTE(png, info, palette, static_cast<int>(content->palette.size()));
  if (!content->transparency.empty()) {
    png_set_tRNS(png, info, content->transparency.data(), static_cast<int>(content->transparency.size()), nullptr);
  }
  png_write_info(png, info);
  png_write_image(png, rowPointers);
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const PngContent& content) {
  std::vector<std::uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return out;
  }
  png_set_write_fn(png, &out, AppendToVector, FlushNothing);
  const std::size_t rowBytes = content.rows.size() / static_cast<std::size_t>(content.height);
  std::vector<std::uint8_t> rows = content.rows;
  std::vector<png_bytep> rowPointers;
  for (int y = 0; y < content.height; ++y) rowPointers.push_back(rows.data() + static_cast<std::size_t>(y) * rowBytes);
  std::vector<png_color> palette;
  for (const PngColour& c : content.palette) palette.push_back({c.red, c.green, c.blue});
  if (!WritePng(png, info, &content, palette.data(), rowPointers.data())) out.clear();
  png_destroy_write_struct(&png, &info);
  return out;
}

std::vector<std::uint8_t> EncodeJpeg(int width, int height, JpegColours colours,
                                     const std::vector<std::uint8_t>& samples, int quality) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  const int components = colours == JpegColours::Grey ? 1 : colours == JpegColours::Rgb ? 3 : 4;
  info.input_components = components;
  info.in_color_space = colours == JpegColours::Grey ? JCS_GRAYSCALE : colours == JpegColours::Rgb ? JCS_RGB : JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  if (colours == JpegColours::Cmyk) jpeg_set_colorspace(&info, JCS_CMYK);  // also writes the Adobe marker
  jpeg_start_compress(&info, TRUE);
  std::vector<std::uint8_t> copy = samples;
  const std::size_t stride = static_cast<std::size_t>(width) * static_cast<std::size_t>(components);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = copy.data() + info.next_scanline * stride;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

std::uint32_t PngChunkCrc(const std::uint8_t* typeAndData, std::size_t size) {
  return static_cast<std::uint32_t>(crc32(0L, typeAndData, static_cast<uInt>(size)));
}

}  // namespace resources_test
