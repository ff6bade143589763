// tesselle-export: the world picture's bounds, and the areas and animations
// of the Tiled project; its refused command lines are with the bank tool's.
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

TEST(TiledExport, AreasWithCellsAndAreasOnTheMapGetMaps) {
  std::vector<std::uint8_t> set(AreaSetSize, 0);
  set[5 * AreaRecordSize + 159] = 1;
  set[7 * AreaRecordSize + 160] = 1;  // an id alone does not count
  set[WordMapGridOffset + 65535] = 9;
  EXPECT_EQ(AreasToExport(set.data()), (std::vector<int>{0, 5, 9}));
  std::memset(&set[WordMapGridOffset], 200, 65536);
  EXPECT_EQ(AreasToExport(set.data()), (std::vector<int>{5, 200}));
}

TEST(TiledExport, CellsOnACycleAreAnimatedFromThemselvesAndIdsBecomeProperties) {
  std::string dir = NewScratchDir("tools");
  std::vector<std::uint8_t> set(AreaSetSize, 0);
  std::vector<std::string> written;
  std::string error, warning;
  ASSERT_TRUE(ExportTiled(MakeTestBank(), set.data(), dir + "/p", {}, written, error, warning))
      << error;
  EXPECT_EQ(written, (std::vector<std::string>{"cells.png", "cells.tsx", "areas.png", "areas.tsx",
                                               "area-000.tmx", "world.tmx"}));
  std::string tsx = testbank::ReadText(dir + "/p/cells.tsx");
  auto tile = [&](int id) {
    std::size_t start = tsx.find("<tile id=\"" + std::to_string(id) + "\">");
    return start == std::string::npos ? "" : tsx.substr(start, tsx.find("</tile>", start) - start);
  };
  const std::regex frame("tileid=\"(\\d+)\" duration=\"100\"");
  std::vector<std::vector<int>> frames;
  for (int id : {10, 12, 40, 30, 20}) {
    std::string text = tile(id);
    frames.emplace_back();
    for (std::sregex_iterator at(text.begin(), text.end(), frame), end; at != end; ++at)
      frames.back().push_back(std::stoi((*at)[1].str()));
  }
  // Chains that do not come back are not animated.
  EXPECT_EQ(frames, (std::vector<std::vector<int>>{{10, 11, 12}, {12, 10, 11}, {40}, {}, {}}));
  EXPECT_NE(tile(22).find("name=\"next\" type=\"int\" value=\"255\""), std::string::npos);
  EXPECT_EQ(tile(0), "");
}

// A map's tile values, row by row, are the cell (or the area) + 1, the
// tileset's first gid being 1.
TEST(TiledExport, MapValuesAreTheCellOrTheAreaPlusOne) {
  std::string dir = NewScratchDir("tools");
  std::vector<std::uint8_t> set(AreaSetSize, 0);
  std::vector<int> cells, areas;
  for (int i = 0; i < 160; ++i) cells.push_back(set[i] = static_cast<std::uint8_t>(7 * i + 3));
  for (int i = 0; i < 65536; ++i) {
    const int four[] = {0, 1, 2, 255};
    set[WordMapGridOffset + i] =
        static_cast<std::uint8_t>(four[(5 * (i % 256) + 3 * (i / 256)) % 4]);
    areas.push_back(set[WordMapGridOffset + i]);
  }
  WriteText(dir + "/set.out", std::string(set.begin(), set.end()));
  ASSERT_EQ(RunIn(dir, Tool + " tiled set.out --dir " DEMO_DIR " -o p").status, 0);
  auto values = [&](const char* map) {
    std::string text = testbank::ReadText(dir + "/p/" + map);
    std::size_t start = text.find("<data encoding=\"csv\">"), end = text.find("</data>");
    std::vector<int> found;
    if (start == std::string::npos || end == std::string::npos) return found;
    const std::regex number("\\d+");
    std::string csv = text.substr(start + 21, end - start - 21);
    for (std::sregex_iterator at(csv.begin(), csv.end(), number), last; at != last; ++at)
      found.push_back(std::stoi(at->str()) - 1);
    return found;
  };
  EXPECT_EQ(values("area-000.tmx"), cells);
  EXPECT_EQ(values("world.tmx"), areas);
}

}  // namespace
