// Reading a PNG of any colour type, as palette indices with their palette or
// as RGB, refusing broken files with a one-line reason. The file is read whole
// and decoded from memory, so a short file is told apart from a broken one.
#include "tools/png_read.h"

#include <png.h>

#include <csetjmp>
#include <cstdlib>
#include <cstring>

#include "tools/bank_files.h"

namespace {

// The most libpng may allocate at once: far more than any row or chunk of a
// picture this project reads needs, whatever length a chunk claims.
constexpr png_alloc_size_t MaxAllocation = png_alloc_size_t{4} << 20;

png_voidp Allocate(png_structp, png_alloc_size_t size) {
  return size > MaxAllocation ? nullptr : std::malloc(size);
}

void Release(png_structp, png_voidp block) { std::free(block); }

// True when every chunk's claimed length fits in what is left of the file.
bool ChunksFit(const std::uint8_t* data, std::size_t size) {
  for (std::size_t at = 8; at + 8 <= size;) {
    std::size_t length = std::size_t{data[at]} << 24 | std::size_t{data[at + 1]} << 16 |
                         std::size_t{data[at + 2]} << 8 | data[at + 3];
    if (length > size - at - 8) return false;
    at += length + 12;
  }
  return true;
}

struct Source {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t position;
  char message[200];
};

void OnError(png_structp png, png_const_charp message) {
  auto* source = static_cast<Source*>(png_get_error_ptr(png));
  std::snprintf(source->message, sizeof source->message, "%s", message);
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnRead(png_structp png, png_bytep out, png_size_t length) {
  auto* source = static_cast<Source*>(png_get_io_ptr(png));
  if (length > source->size - source->position) png_error(png, "the file ends too early");
  std::memcpy(out, source->data + source->position, length);
  source->position += length;
}

// Sets the transforms that give one byte per pixel (indexed) or four (RGBA).
void ChooseLayout(png_structp png, png_infop info, bool& indexed) {
  int colourType = png_get_color_type(png, info);
  int bitDepth = png_get_bit_depth(png, info);
  indexed = colourType == PNG_COLOR_TYPE_PALETTE;
  if (indexed) {
    if (bitDepth < 8) png_set_packing(png);
  } else {
    if (bitDepth == 16) png_set_strip_16(png);
    if ((colourType & PNG_COLOR_MASK_COLOR) == 0) {
      if (bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
      png_set_gray_to_rgb(png);
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if ((colourType & PNG_COLOR_MASK_ALPHA) == 0 && !png_get_valid(png, info, PNG_INFO_tRNS))
      png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  }
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

}  // namespace

bool DecodePng(const std::uint8_t* data, std::size_t size, PngImage& image, std::string& error,
               const PngReadLimits& limits) {
  image = PngImage{};
  if (size < 8 || png_sig_cmp(data, 0, 8) != 0) {
    error = "not a PNG file";
    return false;
  }
  if (!ChunksFit(data, size)) {
    error = "broken PNG: a chunk claims more bytes than the file holds";
    return false;
  }
  Source source{data, size, 0, {}};
  png_structp png = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, &source, OnError, OnWarning,
                                             nullptr, Allocate, Release);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    error = "out of memory";
    return false;
  }
  // Everything that setjmp may come back to lives outside the jump.
  std::vector<std::uint8_t> buffer;
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    error = std::string("broken PNG: ") + source.message;
    image = PngImage{};
    return false;
  }
  png_set_read_fn(png, &source, OnRead);
  // The image's own size is checked below, against the caller's limits.
  png_set_user_limits(png, 65535, 65535);
  png_set_chunk_malloc_max(png, MaxAllocation);
  png_read_info(png, info);

  png_uint_32 width = png_get_image_width(png, info);
  png_uint_32 height = png_get_image_height(png, info);
  bool wrongWidth = limits.width != 0 && width != static_cast<png_uint_32>(limits.width);
  bool wrongHeight = limits.height != 0 && height != static_cast<png_uint_32>(limits.height);
  if (wrongWidth || wrongHeight || std::size_t{width} * height > limits.maxPixels) {
    error = std::to_string(width) + " x " + std::to_string(height) + " pixels, ";
    if (wrongWidth || wrongHeight) {
      error += "not " + std::to_string(limits.width) + " x " + std::to_string(limits.height);
    } else {
      error += "more than the " + std::to_string(limits.maxPixels) + " pixels accepted";
    }
    png_destroy_read_struct(&png, &info, nullptr);
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    return false;
  }

  bool indexed = false;
  ChooseLayout(png, info, indexed);
  std::size_t channels = indexed ? 1 : 4;
  if (png_get_rowbytes(png, info) != channels * width) png_error(png, "unexpected row layout");
  // Deflate packs at most about 1032 bytes into one, so a small file cannot
  // hold a large image: refuse it before its pixels are allocated.
  if ((channels * width + 1) * height > 1100 * size)
    png_error(png, "too little image data for its size");

  if (indexed) {
    png_colorp entries = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &entries, &count) == 0 || count < 1 || count > 256)
      png_error(png, "indexed image without a palette");
    for (int i = 0; i < count; ++i) {
      image.palette.push_back(entries[i].red);
      image.palette.push_back(entries[i].green);
      image.palette.push_back(entries[i].blue);
    }
  }

  buffer.assign(channels * width * height, 0);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = buffer.data() + channels * width * y;
  png_read_image(png, rows.data());
  png_destroy_read_struct(&png, &info, nullptr);

  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.indexed = indexed;
  if (indexed) {
    image.pixels = std::move(buffer);
  } else {
    // RGBA to RGB in place, counting the pixels that are not opaque.
    std::size_t count = std::size_t{width} * height;
    for (std::size_t i = 0; i < count; ++i) {
      buffer[3 * i] = buffer[4 * i];
      buffer[3 * i + 1] = buffer[4 * i + 1];
      buffer[3 * i + 2] = buffer[4 * i + 2];
      if (buffer[4 * i + 3] != 0xFF) ++image.translucentPixels;
    }
    buffer.resize(3 * count);
    image.pixels = std::move(buffer);
  }
  return true;
}

bool ReadPng(const std::string& path, PngImage& image, std::string& error,
             const PngReadLimits& limits) {
  std::vector<std::uint8_t> bytes;
  std::string readError;
  if (!ReadFileBytes(path, limits.maxFileSize, bytes, readError)) {
    // The reason without the file name, as for a decoding failure.
    std::size_t colon = readError.rfind(": ");
    error = colon == std::string::npos ? readError : readError.substr(colon + 2);
    return false;
  }
  return DecodePng(bytes.data(), bytes.size(), image, error, limits);
}

std::vector<std::uint8_t> PngToRgb(const PngImage& image) {
  if (!image.indexed) return image.pixels;
  std::vector<std::uint8_t> rgb(3 * image.pixels.size(), 0);
  std::size_t entries = image.palette.size() / 3;
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    std::size_t index = image.pixels[i];
    if (index < entries) std::memcpy(&rgb[3 * i], &image.palette[3 * index], 3);
  }
  return rgb;
}
