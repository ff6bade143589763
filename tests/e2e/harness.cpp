// The end-to-end harness: scratch directories, test banks, running the
// headless front end, and golden-image comparison.
#include "tests/e2e/harness.h"

#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "tests/test_bank.h"

namespace fs = std::filesystem;

namespace e2e {

std::string MakeWorkDir(bool demo) {
  static int counter;
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  fs::path dir = fs::path(testbank::ScratchRoot()) /
                 (std::string(test->name()) + "-" + std::to_string(++counter));
  fs::remove_all(dir);
  fs::create_directories(dir);
  if (demo) {
    fs::copy_file(fs::path(DEMO_DIR) / "Cells.dap", dir / "Cells.dap");
    fs::copy_file(fs::path(DEMO_DIR) / "Cells.id", dir / "Cells.id");
    fs::copy_file(fs::path(DEMO_DIR) / "Areas.out", dir / "Areas.out");
    return dir.string();
  }
  testbank::WriteTestBank(dir.string());
  return dir.string();
}

Run RunScript(const std::string& dir, const std::string& script, const std::string& options) {
  WriteBytes(dir + "/script.txt", std::vector<std::uint8_t>(script.begin(), script.end()));
  return RunHeadless(dir, options + " script.txt");
}

Run RunHeadless(const std::string& dir, const std::string& arguments, const std::string& setup) {
  std::string command =
      "cd '" + dir + "' && " + setup + " '" HEADLESS_EXE "' " + arguments + " 2> stderr.txt";
  int raw = std::system(command.c_str());
  Run run{};
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::vector<std::uint8_t> errors = ReadBytes(dir + "/stderr.txt");
  run.errors.assign(errors.begin(), errors.end());
  return run;
}

bool Shot::IsCellDoubled(int x, int y, int cell) const {
  for (int j = 0; j < 32; ++j)
    for (int i = 0; i < 32; ++i)
      if (at(x + i, y + j) != CellPixel(cell, i / 2, j / 2)) return false;
  return true;
}

bool Shot::IsFilled(int x, int y, int w, int h, std::uint8_t value) const {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i)
      if (at(x + i, y + j) != value) return false;
  return true;
}

Shot ReadShot(const std::string& path) {
  Shot shot{ReadBytes(path)};
  EXPECT_EQ(shot.pixels.size(), 640u * 480u) << path;
  shot.pixels.resize(640 * 480);
  return shot;
}

namespace {

std::vector<std::uint8_t> DecodeRgba(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  image.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return {};
  return pixels;
}

}  // namespace

void ExpectGolden(const std::string& shotPath, const std::string& goldenName) {
  fs::path golden = fs::path(GOLDEN_DIR) / goldenName;
  const char* update = std::getenv("TESSELLE_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    fs::copy_file(shotPath, golden, fs::copy_options::overwrite_existing);
    return;
  }
  std::vector<std::uint8_t> expected = DecodeRgba(golden.string());
  ASSERT_FALSE(expected.empty()) << "no golden image " << golden
                                 << " (run with TESSELLE_UPDATE_GOLDEN=1 and review it)";
  EXPECT_TRUE(DecodeRgba(shotPath) == expected) << shotPath << " differs from " << golden;
}

}  // namespace e2e
