// The end-to-end harness: work directories, running the headless front end,
// shots, and golden images compared as every picture test compares them.
#include "tests/e2e/harness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "tests/lib/picture_compare.h"

namespace fs = std::filesystem;

namespace e2e {

std::string MakeWorkDir(bool demo) {
  std::string dir = NewScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
  if (!demo) WriteTestBank(dir);
  for (const char* name : {"Cells.dap", "Cells.id", "Areas.out"})
    if (demo) fs::copy_file(fs::path(DEMO_DIR) / name, fs::path(dir) / name);
  return dir;
}

RunResult RunScript(const std::string& dir, const std::string& script, const std::string& options) {
  WriteText(dir + "/script.txt", script);
  return RunIn(dir, "'" HEADLESS_EXE "' " + options + " script.txt");
}

std::string Script(const std::string& lines) {
  std::istringstream in(lines);
  std::string script;
  for (std::string line, word; std::getline(in, line, ';');) {
    std::istringstream words(line);
    if (!(words >> word)) continue;
    if (word.find_first_not_of("abcdefghijklmnopqrstuvwxyz-") == std::string::npos) {
      line.erase(line.find_last_not_of(' ') + 1);
      script += line.substr(line.find(word)) + "\n";
      continue;
    }
    do {
      std::size_t star = word.find('*');
      int times = star == std::string::npos ? 1 : std::stoi(word.substr(star + 1));
      for (int i = 0; i < times; ++i) script += "key " + word.substr(0, star) + "\n";
    } while (words >> word);
  }
  return script;
}

bool Shot::IsCellDoubled(int x, int y, int cell) const {
  for (int j = 0; j < 32; ++j)
    for (int i = 0; i < 32; ++i)
      if (at(x + i, y + j) != CellPixel(cell, i / 2, j / 2)) return false;
  return true;
}

Shot ReadShot(const std::string& path) {
  Shot shot{ReadBytes(path)};
  EXPECT_EQ(shot.pixels.size(), 640u * 480u) << path;
  shot.pixels.resize(640 * 480);
  return shot;
}

void ExpectGolden(const std::string& shotPath, const std::string& goldenName) {
  fs::path golden = fs::path(GOLDEN_DIR) / goldenName;
  const char* update = std::getenv("TESSELLE_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    fs::copy_file(shotPath, golden, fs::copy_options::overwrite_existing);
    return;
  }
  RgbPicture shot, expected;
  ASSERT_EQ(ReadPicture(golden.string(), expected), "")
      << "(run with TESSELLE_UPDATE_GOLDEN=1 and review the image)";
  ASSERT_EQ(ReadPicture(shotPath, shot), "");
  EXPECT_EQ(ComparePictures(shot, expected, {}), "") << shotPath << " against " << golden;
}

}  // namespace e2e
