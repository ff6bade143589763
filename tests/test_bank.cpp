// The tests' cell bank, scratch folders, file helpers and command runner.
#include "tests/test_bank.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/printable.h"

namespace fs = std::filesystem;

namespace testbank {

std::uint8_t CellPixel(int cell, int i, int j) {
  return static_cast<std::uint8_t>((cell * 7 + i * 3 + j * 37 + (i * j) % 5) % 256);
}

std::uint8_t CellId(int cell) { return static_cast<std::uint8_t>((cell * 13 + 5) % 256); }

void WriteTestBank(const std::string& dir) {
  std::vector<std::uint8_t> bank(66304), ids(256);
  for (int n = 0; n < 256; ++n) {
    for (int k = 0; k < 256; ++k) bank[256 * n + k] = CellPixel(n, k % 16, k / 16);
    for (int c = 0; c < 3; ++c)
      bank[0x10000 + 3 * n + c] =
          static_cast<std::uint8_t>(c == 2 ? 63 - n % 64 : n / (c * 3 + 1) % 64);
    ids[n] = CellId(n);
  }
  WriteBytes(dir + "/Cells.dap", bank);
  WriteBytes(dir + "/Cells.id", ids);
}

static std::string ScratchRoot() {
  static const std::string root = [] {
    fs::path path = fs::temp_directory_path() / ("tesselle-tests-" + std::to_string(getpid()));
    fs::remove_all(path);
    fs::create_directories(path);
    return path.string();
  }();
  return root;
}

void RemoveScratchRoot() {
  std::error_code error;
  fs::current_path(fs::temp_directory_path(), error);
  fs::remove_all(ScratchRoot(), error);
}

std::string NewScratchDir(const std::string& name) {
  static int counter;
  fs::path dir = fs::path(ScratchRoot()) / (name + "-" + std::to_string(++counter));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string();
}

std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::string text = ReadText(path);
  return {text.begin(), text.end()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  WriteText(path, std::string(bytes.begin(), bytes.end()));
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

RunResult RunIn(const std::string& dir, const std::string& commandLine) {
  int raw = std::system(("cd '" + dir + "' && " + commandLine + " >.stdout 2>.stderr").c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadText(dir + "/.stdout"),
          ReadText(dir + "/.stderr")};
}

bool PrintableLines(const std::string& output) {
  std::size_t start = 0;
  for (std::size_t end; (end = output.find('\n', start)) != std::string::npos; start = end + 1) {
    std::string_view line = std::string_view(output).substr(start, end - start);
    if (Printable(line) != line) return false;
  }
  return start == output.size();
}

}  // namespace testbank
