// The indexed PNG encoder over libpng, used by the headless shots and the
// companion tools; the bytes go to the file through the safe writer.
#include "io/png_write.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>

#include "io/file_io.h"

namespace {

struct WriteContext {
  std::vector<std::uint8_t>* out;
  char* error;
  std::size_t errorSize;
};

void OnPngError(png_structp png, png_const_charp message) {
  auto* context = static_cast<WriteContext*>(png_get_error_ptr(png));
  std::snprintf(context->error, context->errorSize, "%s", message);
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void OnPngWrite(png_structp png, png_bytep data, png_size_t length) {
  auto* context = static_cast<WriteContext*>(png_get_io_ptr(png));
  context->out->insert(context->out->end(), data, data + length);
}

void OnPngFlush(png_structp) {}

}  // namespace

bool EncodeIndexedPng(int width, int height, const std::uint8_t* pixels, std::size_t stride,
                      const std::uint8_t* rgb, std::vector<std::uint8_t>& out, char* error,
                      std::size_t errorSize) {
  out.clear();
  WriteContext context{&out, error, errorSize};
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, &context, OnPngError, OnPngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (png == nullptr || info == nullptr) {
    std::snprintf(error, errorSize, "out of memory");
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &context, OnPngWrite, OnPngFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_color palette[256];
  for (int i = 0; i < 256; ++i) palette[i] = {rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]};
  png_set_PLTE(png, info, palette, 256);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y)
    png_write_row(png, pixels + stride * static_cast<std::size_t>(y));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

bool WriteIndexedPng(const char* path, int width, int height, const std::uint8_t* pixels,
                     std::size_t stride, const std::uint8_t* rgb, char* error,
                     std::size_t errorSize) {
  std::vector<std::uint8_t> bytes;
  if (!EncodeIndexedPng(width, height, pixels, stride, rgb, bytes, error, errorSize)) return false;
  if (WriteWholeFile(path, bytes.data(), bytes.size())) return true;
  std::snprintf(error, errorSize, "%s", FileErrorText(errno));
  return false;
}
