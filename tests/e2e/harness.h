// Running tesselle-headless on a script in a scratch directory, and reading
// what it leaves behind: exit status, stderr, shots and files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/test_bank.h"

namespace e2e {

using namespace testbank;

// A fresh directory holding the test bank (see test_bank.h), or the demo
// bank and area set when demo is true.
std::string MakeWorkDir(bool demo = false);
// Runs the script in dir; its stderr is in err.
RunResult RunScript(const std::string& dir, const std::string& script,
                    const std::string& options = "");
// A script written short: lines apart by ';'. A line whose first word is a
// lower-case command stays as it is; any other line is keys, a line for each
// word, "DOWN*3" standing for three. "open cancel; TAB RIGHT*2 SPACE; frames 2"
std::string Script(const std::string& lines);

// A 640 x 480 shot written as .raw.
struct Shot {
  std::vector<std::uint8_t> pixels;
  std::uint8_t at(int x, int y) const { return pixels[640 * y + x]; }
  // True when the 32 x 32 block at (x, y) is the given cell drawn doubled.
  bool IsCellDoubled(int x, int y, int cell) const;
};
Shot ReadShot(const std::string& path);

// Compares a PNG shot with the reviewed golden image of that name; with
// TESSELLE_UPDATE_GOLDEN=1 in the environment, rewrites the golden instead.
void ExpectGolden(const std::string& shotPath, const std::string& goldenName);

}  // namespace e2e
