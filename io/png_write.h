// Writing an 8-bit indexed PNG with a 256-entry palette, encoded in memory
// and then put in place through the safe writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// pixels: height rows of width palette indices, rows stride bytes apart;
// rgb: 256 entries of red, green, blue. Returns false on failure, with a
// one-line reason in error (errorSize bytes).
bool EncodeIndexedPng(int width, int height, const std::uint8_t* pixels, std::size_t stride,
                      const std::uint8_t* rgb, std::vector<std::uint8_t>& out, char* error,
                      std::size_t errorSize);

// Encodes and replaces the file at path whole; a failure leaves it as it was.
bool WriteIndexedPng(const char* path, int width, int height, const std::uint8_t* pixels,
                     std::size_t stride, const std::uint8_t* rgb, char* error,
                     std::size_t errorSize);
