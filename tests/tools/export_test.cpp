// tesselle-export: areas and world-map pictures (thumbnails sampled by the Word
// Map's own sampler, tested with the Word Map), the maps and animations of the
// Tiled project (loaded and drawn by the real Tiled in tiled_check.sh), and
// each refused input with its reason.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <regex>

#include "tests/tools/tools_test_util.h"
#include "tools/area_render.h"
#include "tools/png_read.h"
#include "tools/tiled_export.h"
#include "worldmap/thumbnail.h"

namespace {

const std::string Tool = EXPORT_EXE;
const std::string Demo = " " DEMO_DIR "/Areas.out --dir " DEMO_DIR;

TEST(ExportTool, AreaAndWorldPicturesWithTheBankPalette) {
  std::string dir = NewScratchDir("tools");
  for (const char* arguments :
       {" --area 5 -o area.png", " --world -o all.png", " --world --bounds 3,1,5,2 -o part.png"})
    ASSERT_EQ(RunIn(dir, Tool + " png" + Demo + arguments).status, 0) << arguments;
  PngImage area, all, part;
  std::string error;
  ASSERT_TRUE(ReadPng(dir + "/area.png", area, error) && ReadPng(dir + "/all.png", all, error) &&
              ReadPng(dir + "/part.png", part, error))
      << error;
  Bank bank;
  ASSERT_TRUE(ReadBank(DEMO_DIR, bank, error));
  std::vector<std::uint8_t> set = ReadBytes(DemoFile("Areas.out"));

  ASSERT_TRUE(area.indexed && area.width == 256 && area.height == 160);
  for (int i = 0; i < 768; ++i) ASSERT_EQ(area.palette[i], 4 * bank.Palette()[i]);
  const std::uint8_t* record = &set[5 * AreaRecordSize];
  for (int y = 0; y < 160; ++y)
    for (int x = 0; x < 256; ++x)
      ASSERT_EQ(area.pixels[256 * y + x],
                bank.Cell(record[16 * (y / 16) + x / 16])[16 * (y % 16) + x % 16]);

  ASSERT_TRUE(all.width == 8192 && all.height == 5120);
  // Entry (4, 1) of the demo map is the lake, area 2: its thumbnail is at (128, 20).
  ASSERT_EQ(set[WordMapGridOffset + 256 + 4], 2);
  std::uint8_t lake[32 * 20];
  SampleAreaThumbnail(bank.dap, &set[2 * AreaRecordSize], lake, 32);
  for (int y = 0; y < 20; ++y)
    ASSERT_EQ(0, std::memcmp(&all.pixels[8192 * (20 + y) + 128], &lake[32 * y], 32));
  // The bounds cut entries 3..5 of rows 1..2 out of the whole map.
  ASSERT_TRUE(part.width == 96 && part.height == 40);
  for (int y = 0; y < 40; ++y)
    ASSERT_EQ(0, std::memcmp(&part.pixels[96 * y], &all.pixels[8192 * (20 + y) + 96], 96));
}

TEST(ExportTool, RefusesEachBadInputInOneLine) {
  std::string dir = NewScratchDir("tools");
  WriteText(dir + "/short.out", std::string(AreaSetSize - 1, '\0'));
  WriteText(dir + "/long.out", std::string(AreaSetSize + 1, '\0'));
  WriteText(dir + "/Areas.out", std::string(AreaSetSize, '\0'));
  const std::string bank = " --dir " DEMO_DIR;
  const std::pair<std::string, const char*> cases[] = {
      {"png short.out --area 0 -o out.png" + bank,
       "short.out: 214015 bytes; an area set is exactly 214016"},
      {"tiled long.out -o p" + bank, "long.out: 214017 bytes; an area set is exactly 214016"},
      {"png none.out --area 0 -o out.png" + bank, "none.out: No such file or directory"},
      {"png Areas.out --area 0 -o out.png", "Cells.dap: No such file or directory"},
      {"png Areas.out --area 256 -o out.png", "area \"256\" is not a number from 0 to 255"},
      {"png Areas.out --area 1 --world -o out.png", "png needs either --area N or --world"},
      {"png Areas.out --world --bounds 1,2,3 -o out.png",
       "bounds \"1,2,3\" are not X0,Y0,X1,Y1 with numbers from 0 to 255"},
      {"png Areas.out --world --bounds 5,0,4,9 -o out.png",
       "bounds \"5,0,4,9\": X0 must not exceed X1, nor Y0 Y1"},
      {"png Areas.out --area 2 --bounds 1,2,3,4 -o out.png", "--bounds goes with --world"},
      {"tiled Areas.out", "tiled needs -o OUTDIR"},
      {"draw Areas.out", "unknown command \"draw\" (see --help)"}};
  for (const auto& [arguments, message] : cases) {
    RunResult result = RunIn(dir, Tool + " " + arguments);
    EXPECT_EQ(result.status, 1) << arguments;
    EXPECT_EQ(result.err, "tesselle-export: " + std::string(message) + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir + "/out.png") || std::filesystem::exists(dir + "/p"));
  }
  EXPECT_NE(RunIn(dir, Tool + " tiled --help").out.find("tiled AREASET -o OUTDIR"),
            std::string::npos);
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

std::string Text(const std::string& path) {
  std::vector<std::uint8_t> bytes = ReadBytes(path);
  return {bytes.begin(), bytes.end()};
}

std::vector<int> All(const std::string& text, const std::string& pattern) {
  std::vector<int> numbers;
  std::regex expression(pattern);
  for (std::sregex_iterator match(text.begin(), text.end(), expression), end; match != end; ++match)
    numbers.push_back(std::stoi((*match)[1].str()));
  return numbers;
}

TEST(TiledExport, CellsOnACycleAreAnimatedFromThemselvesAndIdsBecomeProperties) {
  std::string dir = NewScratchDir("tools");
  std::vector<std::uint8_t> set(AreaSetSize, 0);
  std::vector<std::string> written;
  std::string error;
  ASSERT_TRUE(ExportTiled(MakeTestBank(), set.data(), dir + "/p", written, error)) << error;
  EXPECT_EQ(written, (std::vector<std::string>{"cells.png", "cells.tsx", "areas.png", "areas.tsx",
                                               "area-000.tmx", "world.tmx"}));
  std::string tsx = Text(dir + "/p/cells.tsx");
  auto tile = [&](int id) {
    std::size_t start = tsx.find("<tile id=\"" + std::to_string(id) + "\">");
    return start == std::string::npos ? "" : tsx.substr(start, tsx.find("</tile>", start) - start);
  };
  auto frames = [&](int id) { return All(tile(id), "tileid=\"(\\d+)\" duration=\"100\""); };
  EXPECT_EQ(frames(10), (std::vector<int>{10, 11, 12}));
  EXPECT_EQ(frames(12), (std::vector<int>{12, 10, 11}));
  EXPECT_EQ(frames(40), (std::vector<int>{40}));
  EXPECT_TRUE(frames(30).empty() && frames(20).empty()) << "chains do not come back";
  EXPECT_NE(tile(22).find("name=\"next\" type=\"int\" value=\"255\""), std::string::npos);
  EXPECT_EQ(tile(0), "");
}

}  // namespace
