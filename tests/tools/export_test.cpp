// tesselle-export: the world picture's bounds, and the areas, maps and
// animations of the Tiled project; its refused command lines are with the
// bank tool's.
#include <gtest/gtest.h>

#include <cstring>
#include <regex>

#include "tests/tools/tools_test_util.h"
#include "tools/png_read.h"
#include "tools/tiled_export.h"

namespace {

const std::string Tool = EXPORT_EXE;
const std::string Demo = " " DEMO_DIR "/Areas.out --dir " DEMO_DIR;

// Areas and the whole map are drawn by the real Tiled alongside in tiled_check.sh.
TEST(ExportTool, BoundsCutEntriesOutOfTheWorldPicture) {
  std::string dir = NewScratchDir("tools"), error;
  for (const char* arguments : {" --world -o all.png", " --world --bounds 3,1,5,2 -o part.png"})
    ASSERT_EQ(RunIn(dir, Tool + " png" + Demo + arguments).status, 0) << arguments;
  PngImage all, part;
  ASSERT_TRUE(ReadPng(dir + "/all.png", all, error) && ReadPng(dir + "/part.png", part, error))
      << error;
  ASSERT_TRUE(all.width == 8192 && all.height == 5120 && part.width == 96 && part.height == 40);
  for (int y = 0; y < 40; ++y)
    ASSERT_EQ(0, std::memcmp(&part.pixels[96 * y], &all.pixels[8192 * (20 + y) + 96], 96));
}

// What lies in `text` between the first `from` and the next `to`.
std::string Between(const std::string& text, const std::string& from, const char* to) {
  std::size_t start = text.find(from);
  if (start == std::string::npos) return "";
  start += from.size();
  return text.substr(start, text.find(to, start) - start);
}

// The number in group 1 of each match of `pattern` in `text`.
std::vector<int> Numbers(const std::string& text, const char* pattern) {
  std::vector<int> found;
  const std::regex number(pattern);
  for (std::sregex_iterator at(text.begin(), text.end(), number), end; at != end; ++at)
    found.push_back(std::stoi((*at)[1].str()));
  return found;
}

// Areas with cells and areas on the map get maps. A map's tile values, row
// by row, are the cell (or the area) + 1, the tileset's first gid being 1.
// Cells on a cycle of the cell-id table are animated from themselves, other
// ids become properties.
TEST(TiledExport, MapValuesAreTheCellOrTheAreaPlusOneAndCyclesAreAnimated) {
  std::string dir = NewScratchDir("tools"), error, warning;
  std::vector<std::uint8_t> set(AreaSetSize, 0);
  std::vector<int> cells, areas;
  for (int i = 0; i < 160; ++i)
    cells.push_back((set[3 * AreaRecordSize + i] = static_cast<std::uint8_t>(7 * i)) + 1);
  set[5 * AreaRecordSize + 159] = 1;
  set[7 * AreaRecordSize + 160] = 1;  // an id alone does not count
  for (int i = 0; i < 65536; ++i) {
    const int four[] = {1, 2, 4, 255};
    set[WordMapGridOffset + i] =
        static_cast<std::uint8_t>(i == 65535 ? 9 : four[(5 * (i % 256) + 3 * (i / 256)) % 4]);
    areas.push_back(set[WordMapGridOffset + i] + 1);
  }
  std::vector<std::string> written;
  ASSERT_TRUE(ExportTiled(MakeTestBank(), set.data(), dir, {}, written, error, warning)) << error;
  EXPECT_EQ(written, (std::vector<std::string>{"cells.png", "cells.tsx", "areas.png", "areas.tsx",
                                               "area-001.tmx", "area-002.tmx", "area-003.tmx",
                                               "area-004.tmx", "area-005.tmx", "area-009.tmx",
                                               "area-255.tmx", "world.tmx"}));
  for (auto [map, values] : {std::pair{"area-003.tmx", cells}, {"world.tmx", areas}})
    EXPECT_EQ(
        Numbers(Between(testbank::ReadText(dir + "/" + map), "<data encoding=\"csv\">", "</data>"),
                "(\\d+)"),
        values)
        << map;
  std::string tsx = testbank::ReadText(dir + "/cells.tsx");
  auto tile = [&](int id) {
    return Between(tsx, "<tile id=\"" + std::to_string(id) + "\">", "</tile>");
  };
  std::vector<std::vector<int>> frames;
  for (int id : {10, 12, 40, 30, 20})
    frames.push_back(Numbers(tile(id), "tileid=\"(\\d+)\" duration=\"100\""));
  // Chains that do not come back are not animated.
  EXPECT_EQ(frames, (std::vector<std::vector<int>>{{10, 11, 12}, {12, 10, 11}, {40}, {}, {}}));
  EXPECT_NE(tile(22).find("name=\"next\" type=\"int\" value=\"255\""), std::string::npos);
  EXPECT_EQ(tile(0), "");
}

}  // namespace
