// The tests' cell bank and file helpers.
#include "tests/test_bank.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace testbank {

std::uint8_t CellPixel(int cell, int i, int j) {
  return static_cast<std::uint8_t>((cell * 7 + i * 3 + j * 37 + (i * j) % 5) % 256);
}

std::uint8_t CellId(int cell) { return static_cast<std::uint8_t>((cell * 13 + 5) % 256); }

void WriteTestBank(const std::string& dir) {
  std::vector<std::uint8_t> bank(66304);
  for (int n = 0; n < 256; ++n)
    for (int j = 0; j < 16; ++j)
      for (int i = 0; i < 16; ++i) bank[256 * n + 16 * j + i] = CellPixel(n, i, j);
  for (int i = 0; i < 256; ++i) {
    bank[0x10000 + 3 * i] = static_cast<std::uint8_t>(i % 64);
    bank[0x10000 + 3 * i + 1] = static_cast<std::uint8_t>((i / 4) % 64);
    bank[0x10000 + 3 * i + 2] = static_cast<std::uint8_t>(63 - i % 64);
  }
  WriteBytes(dir + "/Cells.dap", bank);
  std::vector<std::uint8_t> ids(256);
  for (int n = 0; n < 256; ++n) ids[n] = CellId(n);
  WriteBytes(dir + "/Cells.id", ids);
}

std::string ScratchRoot() {
  static const std::string root = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("tesselle-tests-" + std::to_string(getpid()));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path.string();
  }();
  return root;
}

void RemoveScratchRoot() {
  std::error_code error;
  std::filesystem::current_path(std::filesystem::temp_directory_path(), error);
  std::filesystem::remove_all(ScratchRoot(), error);
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testbank
