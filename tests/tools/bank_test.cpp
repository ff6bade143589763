// tesselle-bank: the animation list, the animations the ids make, tilesets to
// banks and back byte for byte, outputs that are all or nothing, and each
// refused command line of both tools with its reason.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>

#include "platform/printable.h"
#include "tests/file_faults.h"
#include "tests/tools/tools_test_util.h"
#include "tools/anim_list.h"
#include "tools/png_read.h"
#include "tools/tileset.h"

namespace {

const std::string Tool = BANK_EXE;

TEST(AnimList, ReadsPairsAndRefusesBadLinesByNumber) {
  std::uint8_t ids[256];
  std::memset(ids, 0x77, sizeof ids);
  std::string error;
  ASSERT_TRUE(ParseAnimList("# water\n41 42\r\n  42\t41  # back\n\n7 255", ids, error)) << error;
  EXPECT_EQ((std::array{ids[41], ids[42], ids[7], ids[0], ids[100]}),
            (std::array<std::uint8_t, 5>{42, 41, 255, 0x77, 0x77}))
      << "cells not named keep their ids";
  const char* bad[][2] = {{"1 2\n3\n", "line 2: expected two numbers, CELL NEXT"},
                          {"1 2 3", "line 1: expected two numbers, CELL NEXT"},
                          {"\n\n1 256", "line 3: \"256\" is not a number from 0 to 255"},
                          {"-1 2", "line 1: \"-1\" is not a number from 0 to 255"},
                          {"5 6\n# again\n5 7", "line 3: cell 5 is already named on line 1"}};
  for (const auto& [text, message] : bad) {
    EXPECT_FALSE(ParseAnimList(text, ids, error));
    EXPECT_EQ(error, message);
    EXPECT_EQ(ids[41], 42) << "a refused list leaves the table as it was";
  }
}

// Entries 0-15 keep the interface's colours, the image's own follow in order of
// first appearance; a palette given is taken whole and must hold every colour.
TEST(Tileset, RgbKeepsTheTextColoursAndGetsEntriesFrom16UpTo240) {
  PngImage image;
  image.width = image.height = 256;
  image.pixels.assign(3 * 65536, 0);
  auto put = [&](int x, int y, std::array<std::uint8_t, 3> rgb) {
    std::memcpy(&image.pixels[3 * (256 * y + x)], rgb.data(), 3);
  };
  put(0, 0, {8, 8, 8});    // entry 16; black, all around, is entry 17
  put(5, 3, {252, 4, 0});  // entry 18
  put(6, 3, {253, 7, 2});  // the same once reduced: merged, bits lost
  put(7, 3, {252, 4, 0});
  image.translucentPixels = 3;
  Bank bank;
  BlankBank(bank.dap);
  std::vector<std::string> warnings;
  std::string error;
  ASSERT_TRUE(TilesetToBank(image, {}, bank.dap, warnings, error)) << error;
  const std::uint8_t text[6] = {0, 0, 0, 0, 0, 42};  // black, blue
  EXPECT_EQ(0, std::memcmp(bank.Palette(), text, 6));
  EXPECT_EQ(0, std::memcmp(bank.Palette() + 3 * 15, "\x3f\x3f\x3f", 3));  // white
  const std::uint8_t own[12] = {2, 2, 2, 0, 0, 0, 63, 1, 0, 0, 0, 0};
  EXPECT_EQ(0, std::memcmp(bank.Palette() + 3 * 16, own, 12));
  const std::uint8_t row3[9] = {17, 17, 17, 17, 17, 18, 18, 18, 17};
  EXPECT_EQ(0, std::memcmp(bank.Cell(0) + 48, row3, 9));
  EXPECT_EQ(warnings, (std::vector<std::string>{
                          "palette entry 18: made from colours whose low 2 bits are lost",
                          "4 colours become 3 in the 6-bit palette",
                          "3 pixels are not opaque; their alpha is ignored"}));

  std::uint8_t given[768] = {};
  given[3 * 200] = 2, given[3 * 200 + 1] = 2, given[3 * 200 + 2] = 2;  // (8, 8, 8)
  given[3 * 201] = 63, given[3 * 201 + 1] = 1;                         // (252, 4, 0)
  const TilesetOptions withPalette{.palette = given};
  ASSERT_TRUE(TilesetToBank(image, withPalette, bank.dap, warnings, error)) << error;
  EXPECT_EQ(0, std::memcmp(bank.Palette(), given, 768));
  const std::uint8_t givenRow3[9] = {0, 0, 0, 0, 0, 201, 201, 201, 0};
  EXPECT_EQ(0, std::memcmp(bank.Cell(0) + 48, givenRow3, 9));
  EXPECT_EQ(bank.Cell(0)[0], 200);
  given[3 * 201] = 62;
  EXPECT_FALSE(TilesetToBank(image, withPalette, bank.dap, warnings, error));
  EXPECT_EQ(error, "the colour of pixel (5, 3) is not in the palette given with --palette");

  for (int i = 0; i < 240; ++i) {  // with the black around them, one colour too many
    image.pixels[3 * i] = static_cast<std::uint8_t>(4 * (i % 64));
    image.pixels[3 * i + 1] = static_cast<std::uint8_t>(4 * (i / 64));
  }
  BlankBank(bank.dap);
  EXPECT_FALSE(TilesetToBank(image, {}, bank.dap, warnings, error));
  EXPECT_EQ(error,
            "241 distinct colours after the reduction to 6 bits per component; entries 0-15 keep "
            "the interface's 16 colours, so an image may have at most 240 (or give the whole "
            "palette with --palette FILE)");
  image.pixels[3 * 239] = image.pixels[3 * 239 + 1] = 0;  // black again: 240 colours fit
  EXPECT_TRUE(TilesetToBank(image, {}, bank.dap, warnings, error)) << error;
}

// An indexed image keeps its indices and palette when entries 0-15 are the
// interface's colours, or with --keep-palette. Otherwise (an image tool's
// palette: dark reds and greys at 0-15) its colours are mapped as an RGB
// image's are: the interface's at 0-15, its own from 16 on. A palette kept
// loses the low 2 bits of each component, with a warning, and is padded with
// black, with a warning if pixels use entries past its end.
TEST(Tileset, IndexedImagesKeepTheirPaletteOnlyOverTheInterfaceColours) {
  std::uint8_t blank[CellBankUsedSize];
  BlankBank(blank);
  PngImage image;
  image.width = image.height = 256;
  image.indexed = true;
  for (int i = 0; i < 65536; ++i)
    image.pixels.push_back(static_cast<std::uint8_t>((i / 16 + i / 4096) % 20));
  const struct {
    bool interfaceAt0, keepPalette, kept;
  } cases[] = {{true, false, true}, {false, false, false}, {false, true, true}, {true, true, true}};
  const std::vector<std::string> mapped = {
      "entries 0-15 of the image's palette are not the interface's 16 colours, so its colours "
      "get entries from 16 on (--keep-palette keeps its palette)"};
  for (const auto& c : cases) {
    image.palette.clear();
    for (int i = 0; i < 20; ++i)
      for (int k = 0; k < 3; ++k)
        image.palette.push_back(static_cast<std::uint8_t>(
            c.interfaceAt0 && i < 16 ? 4 * blank[CellBankPaletteOffset + 3 * i + k]
            : i % 2                  ? (k == 0 ? 128 + 4 * i : 32)
                                     : (k == 2 ? 128 - 4 * i : 128)));
    Bank bank;
    BlankBank(bank.dap);
    std::vector<std::string> warnings;
    std::string error;
    ASSERT_TRUE(TilesetToBank(image, {.keepPalette = c.keepPalette}, bank.dap, warnings, error))
        << error;
    std::vector<std::uint8_t> pixels(65536);
    BankToTileset(bank.dap, pixels.data());
    for (int i = 0; i < 65536; ++i) {
      int was = image.pixels[i], is = pixels[i];
      ASSERT_TRUE(c.kept ? is == was : is >= 16) << i;
      for (int k = 0; k < 3; ++k)
        ASSERT_EQ(bank.Palette()[3 * is + k], image.palette[3 * was + k] >> 2) << "its colour";
    }
    EXPECT_EQ(std::memcmp(bank.Palette(), blank + CellBankPaletteOffset, 48) == 0,
              c.interfaceAt0 || !c.kept);
    EXPECT_EQ(warnings, c.kept ? std::vector<std::string>{} : mapped);
  }
  image.palette.resize(3 * 17);
  image.palette[3 * 9 + 1] |= 3;
  image.palette[3 * 12] |= 1;
  std::vector<std::uint8_t> palette(768, 0);
  for (int i = 0; i < 3 * 17; ++i) palette[i] = image.palette[i] >> 2;
  Bank bank;
  std::memset(bank.dap, 0x55, sizeof bank.dap);
  std::vector<std::string> warnings;
  std::string error;
  ASSERT_TRUE(TilesetToBank(image, {.keepPalette = true}, bank.dap, warnings, error)) << error;
  EXPECT_EQ(std::vector<std::uint8_t>(bank.Palette(), bank.Palette() + 768), palette);
  EXPECT_EQ(warnings, (std::vector<std::string>{
                          "palette entries 9, 12: low 2 bits lost in the 6-bit palette",
                          "palette entries 17-19: used by pixels, but past the end of the "
                          "image's 17-entry palette, so black"}));
}

// Any image of whole cells, at most 256 of them from --at on, goes in row by
// row; the bank's other cells keep their bitmaps.
TEST(Tileset, ImagesOfWholeCellsGoInRowByRowFromTheGivenCell) {
  const struct {
    int width, height, at;
    const char* error;
  } cases[] = {
      {16, 16, 255, ""},
      {48, 32, 10, ""},
      {4096, 16, 0, ""},
      {16, 4096, 0, ""},
      {256, 256, 0, ""},
      {32, 32, 253, "32 x 32 pixels hold 4 cells; from cell 253 the bank has room for 3"},
      {16, 8, 0, "16 x 8 pixels; a tileset's sides are multiples of 16, the side of a cell"}};
  // Pixel (u, v) of the image's cell k.
  auto value = [](int k, int u, int v) { return static_cast<std::uint8_t>(5 * k + u + 16 * v); };
  for (const auto& c : cases) {
    PngImage image;
    image.width = c.width, image.height = c.height, image.indexed = true;
    image.palette.assign(768, 0);
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x)
        image.pixels.push_back(value(c.width / 16 * (y / 16) + x / 16, x % 16, y % 16));
    std::vector<std::uint8_t> dap(CellBankUsedSize, 0xAB);
    const TilesetOptions options{.keepPalette = true, .at = c.at};
    std::vector<std::string> warnings;
    std::string error;
    bool imported = TilesetToBank(image, options, dap.data(), warnings, error);
    EXPECT_EQ(imported ? "" : error, c.error);
    if (!imported) continue;
    int cells = c.width * c.height / 256;
    for (int cell = 0; cell < 256; ++cell) {
      int k = cell - c.at;
      for (int i = 0; i < 256; ++i)
        ASSERT_EQ(dap[CellBytes * cell + i], k >= 0 && k < cells ? value(k, i % 16, i / 16) : 0xAB)
            << c.width << " x " << c.height << " at " << c.at << ": cell " << cell;
    }
  }
}

// Cells from --at on go into the bank in DIR: the other cells keep their
// bitmaps, colours and ids; the image's colours reuse the entries of the other
// cells or take free ones. With no bank there, the other cells are blank.
TEST(BankTool, ImportsFromACellOnKeepingTheOtherCells) {
  std::string dir = NewScratchDir("tools"), error, warning;
  Bank bank = MakeTestBank();
  for (std::size_t i = 0; i < CellBankPaletteOffset; ++i)
    bank.dap[i] = static_cast<std::uint8_t>(i / CellBytes % 40);  // cell n is all entry n % 40
  ASSERT_TRUE(WriteBank(dir + "/b", bank, {}, error, warning)) << error;
  // Two cells: the colour of entry 30 (which entry 18, the first, holds too),
  // and one that no entry the other cells use holds.
  const std::uint8_t* reused = bank.Palette() + 3 * 30;
  const std::uint8_t fresh[3] = {63, 0, 63};
  TestPng two{32, 16, PNG_COLOR_TYPE_RGB};
  for (int i = 0; i < 32 * 16; ++i)
    for (int k = 0; k < 3; ++k) two.samples.push_back(4 * (i % 32 < 16 ? reused[k] : fresh[k]));
  WriteText(dir + "/two.png", EncodeTestPng(two));
  WriteText(dir + "/anim.txt", "11 10\n");
  RunResult out = RunIn(dir, Tool + " import two.png --at 10 --anim anim.txt --dir b");
  EXPECT_EQ(out.err, "");
  EXPECT_EQ(out.out,
            "wrote b/Cells.dap and b/Cells.id (cells 10-11 from the image, the others as they "
            "were)\n");
  Bank expected = bank, after;
  std::memset(expected.dap + CellBytes * 10, 18, CellBytes);
  std::memset(expected.dap + CellBytes * 11, 40, CellBytes);
  std::memcpy(expected.dap + CellBankPaletteOffset + 3 * 40, fresh, 3);
  expected.ids[10] = 0, expected.ids[11] = 10;
  ASSERT_TRUE(ReadBank(dir + "/b", after, error)) << error;
  EXPECT_EQ(0, std::memcmp(after.dap, expected.dap, sizeof after.dap));
  EXPECT_EQ(0, std::memcmp(after.ids, expected.ids, sizeof after.ids));

  out = RunIn(dir, Tool + " import two.png --at 254 --dir new");
  EXPECT_EQ(out.out,
            "wrote new/Cells.dap and new/Cells.id (cells 254-255 from the image, the others "
            "blank)\n");
  BlankBank(expected.dap);
  std::memset(expected.dap + CellBytes * 254, 16, CellBytes);
  std::memset(expected.dap + CellBytes * 255, 17, CellBytes);
  std::memcpy(expected.dap + CellBankPaletteOffset + 3 * 16, reused, 3);
  std::memcpy(expected.dap + CellBankPaletteOffset + 3 * 17, fresh, 3);
  ASSERT_TRUE(ReadBank(dir + "/new", after, error)) << error;
  EXPECT_EQ(0, std::memcmp(after.dap, expected.dap, sizeof after.dap));
  EXPECT_EQ(ReadBytes(dir + "/new/Cells.id"), std::vector<std::uint8_t>(256, 0));
}

TEST(BankTool, RoundTripsByteForByte) {
  std::string dir = NewScratchDir("tools");
  // The demo bank, with its ids, through an indexed PNG: palette at 4v; with
  // --keep-palette the bank comes back byte for byte.
  RunResult out = RunIn(dir, Tool + " export --dir " DEMO_DIR " -o t.png --anim a.txt");
  ASSERT_EQ(out.status, 0) << out.err;
  PngImage png;
  std::string error;
  ASSERT_TRUE(ReadPng(dir + "/t.png", png, error) && png.indexed) << error;
  std::vector<std::uint8_t> dap = ReadBytes(DEMO_DIR "/Cells.dap");
  for (int i = 0; i < 768; ++i) ASSERT_EQ(png.palette[i], 4 * dap[CellBankPaletteOffset + i]);
  ASSERT_EQ(RunIn(dir, Tool + " import t.png --keep-palette --anim a.txt --dir back").err, "")
      << "no bits lost, nothing to warn of";
  dap.resize(CellBankUsedSize);
  EXPECT_EQ(ReadBytes(dir + "/back/Cells.dap"), dap);
  EXPECT_EQ(ReadBytes(dir + "/back/Cells.id"), ReadBytes(DEMO_DIR "/Cells.id"));
}

TEST(BankTool, InfoCountsPaletteEntriesAndTellsEachAnimation) {
  std::string dir = NewScratchDir("tools"), error, warning;
  Bank bank = MakeTestBank();
  std::memset(bank.dap, 3, CellBankPaletteOffset);
  bank.dap[100] = 7;
  bank.dap[5000] = 4;
  bank.dap[CellBankPaletteOffset + 3 * 9] = 64;
  bank.ids[1] = bank.ids[2] = 3, bank.ids[3] = 4;  // two chains sharing a tail
  ASSERT_TRUE(WriteBank(dir, bank, {}, error, warning)) << error;
  EXPECT_EQ(RunIn(dir, Tool + " info").out,
            "palette: the cells use 3 of the 256 entries: 3, 4, 7\n"
            "palette: components above 63 in entries 9\n"
            "animations: 2 cycles, 3 chains that stop, 1 chain that runs into a cycle\n"
            "  cycle 10 -> 11 -> 12 -> 10\n  cycle 40 -> 40\n  chain 1 -> 3 -> 4, stops\n"
            "  chain 2 -> 3 -> 4, stops\n  chain 20 -> 21 -> 22, stops\n"
            "  chain 30 -> 31 -> 11, runs into the cycle of 11\n");
}

// A target that cannot be replaced, or a full disk, leaves every file as it was.
TEST(BankTool, OutputsOfSeveralFilesAreAllOrNothing) {
  std::string dir = NewScratchDir("tools");
  ASSERT_EQ(RunIn(dir, Tool + " export --dir " DEMO_DIR " -o t.png").status, 0);
  WriteText(dir + "/Cells.dap", "old");
  WriteText(dir + "/Cells.id", "old");
  chmod((dir + "/Cells.id").c_str(), 0444);
  RunResult result = RunIn(dir, Tool + " import t.png --keep-palette");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "tesselle-bank: Cells.id: Permission denied; no file was replaced\n");
  EXPECT_EQ(ReadBytes(dir + "/Cells.dap"), std::vector<std::uint8_t>({'o', 'l', 'd'}));

  std::string fullDisk = "trap '' XFSZ; ulimit -f 1; ";
  result = RunIn(dir, fullDisk + Tool + " export --dir " DEMO_DIR " -o u.png --anim a.txt");
  EXPECT_EQ(result.status, 1);
  result = RunIn(
      dir, fullDisk + EXPORT_EXE " tiled " DEMO_DIR "/Areas.out --dir " DEMO_DIR " -o project");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("File too large; no file was replaced"), std::string::npos)
      << result.err;
  EXPECT_FALSE(std::filesystem::exists(dir + "/u.png") || std::filesystem::exists(dir + "/a.txt"));
  EXPECT_TRUE(std::filesystem::is_empty(dir + "/project"));
}

// Every file below dir, with its bytes or the name a link holds, but the runner's own.
std::map<std::string, std::string> Listing(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    std::string name = entry.path().lexically_relative(dir).string();
    if (name == ".stdout" || name == ".stderr") continue;
    files[name] = entry.is_symlink()     ? "-> " + std::filesystem::read_symlink(entry).string()
                  : entry.is_directory() ? "folder"
                                         : testbank::ReadText(entry.path().string());
  }
  return files;
}

// Each refused command line of either tool ends with 1 and one line that
// says why (for hostile input, a printable one: escaped, a long word in part),
// and writes nothing. Two outputs that are one file, once links are followed,
// or an output that is an input, are refused before anything is written.
TEST(ToolOutputs, EachRefusalIsOneLineAndWritesNothing) {
  std::string dir = NewScratchDir("tools");
  for (const char* name : {"Cells.dap", "Cells.id", "Areas.out"})
    std::filesystem::copy_file(DEMO_DIR "/" + std::string(name), dir + "/" + name);
  ASSERT_EQ(RunIn(dir, Tool + " export -o t.png --anim a.txt").status, 0);
  for (const TestPng& grey :
       {TestPng{120, 256, PNG_COLOR_TYPE_GRAY}, TestPng{4096, 32, PNG_COLOR_TYPE_GRAY},
        TestPng{16, 16, PNG_COLOR_TYPE_GRAY}}) {
    TestPng image = grey;  // noise, which the decoder takes for real image data
    std::minstd_rand noise;
    for (int i = 0; i < grey.width * grey.height; ++i)
      image.samples.push_back(static_cast<std::uint16_t>(noise() % 256));
    WriteText(dir + "/" + std::to_string(grey.width) + ".png", EncodeTestPng(image));
  }
  WriteText(dir + "/text.png", "hello");
  WriteText(dir + "/bad.txt", "1 2\n3 x\n");
  WriteText(dir + "/title.txt", "1 2\n\x1B]0;owned\a 5\n");
  WriteText(dir + "/long.txt", "1 " + std::string((1 << 20) - 3, 'x'));
  std::filesystem::create_directories(dir + "/short");
  WriteText(dir + "/short/Cells.dap", std::string(66303, '\0'));
  WriteText(dir + "/short.out", std::string(AreaSetSize - 1, '\0'));
  WriteText(dir + "/long.out", std::string(AreaSetSize + 1, '\0'));
  std::filesystem::create_symlink("g.png", dir + "/g.txt");  // to a file yet to be made
  std::filesystem::create_directories(dir + "/b");
  WriteText(dir + "/b/Cells.dap", "old");
  std::filesystem::create_symlink("Cells.dap", dir + "/b/Cells.id");
  std::filesystem::create_directories(dir + "/tiles");
  std::filesystem::create_symlink("../t.png", dir + "/tiles/Cells.dap");
  std::filesystem::create_directories(dir + "/p");
  std::filesystem::copy_file(dir + "/Areas.out", dir + "/p/world.tmx");
  const std::string demo = " --dir " DEMO_DIR, set = " " DEMO_DIR "/Areas.out" + demo,
                    same = " are the same file; nothing was written";
  const std::string hostile =
      "'\x1B[31m\xC2\x9B"
      "1m\x9B\a'";  // one word for the shell
  // The tool (tesselle-TOOL) and its arguments; the line it prints, if not
  // just any printable one.
  const std::pair<std::string, std::string> cases[] = {
      {"bank import 120.png",
       "120.png: 120 x 256 pixels; a tileset's sides are multiples of 16, the side of a cell"},
      {"bank import 4096.png",
       "4096.png: 4096 x 32 pixels, more than the 65536 pixels accepted (a tileset holds at "
       "most 256 cells of 16 x 16 pixels)"},
      {"bank import t.png --at 1",
       "t.png: 256 x 256 pixels hold 256 cells; from cell 1 the bank has room for 255"},
      {"bank import t.png --at 256", "--at \"256\" is not a cell from 0 to 255"},
      {"bank import 16.png --keep-palette --palette text.png",
       "--palette and --keep-palette exclude each other"},
      {"bank import 16.png --keep-palette",
       "16.png: --keep-palette keeps the palette of an indexed PNG, and this one has none"},
      {"bank import t.png --palette text.png",
       "text.png: 5 bytes; a palette is 768 (256 x red, green, blue)"},
      {"bank import none.png", "none.png: No such file or directory"},
      {"bank import t.png --anim bad.txt", "bad.txt: line 2: \"x\" is not a number from 0 to 255"},
      {"bank import t.png --anim none.txt", "none.txt: No such file or directory"},
      {"bank import", "import takes one tileset PNG (see --help)"},
      {"bank import t.png --dir", "--dir needs a value"},
      {"bank import t.png --frob", "unknown option --frob (see --help)"},
      {"bank", "no command: import, export or info (see --help)"},
      {"bank eat", "unknown command \"eat\" (see --help)"},
      {"bank export", "export needs -o TILESET.png"},
      {"bank info --dir none", "none/Cells.dap: No such file or directory"},
      {"bank export -o x.png --dir short",
       "short/Cells.dap: 66303 bytes; a cell bank needs at least 66304"},
      {"export png short.out --area 0 -o out.png" + demo,
       "short.out: 214015 bytes; an area set is exactly 214016"},
      {"export tiled long.out -o out" + demo,
       "long.out: 214017 bytes; an area set is exactly 214016"},
      {"export png none.out --area 0 -o out.png" + demo, "none.out: No such file or directory"},
      {"export png Areas.out --area 0 -o out.png --dir none",
       "none/Cells.dap: No such file or directory"},
      {"export png Areas.out --area 256 -o out.png", "area \"256\" is not a number from 0 to 255"},
      {"export png Areas.out --area 1 --world -o out.png", "png needs either --area N or --world"},
      {"export png Areas.out --world --bounds 1,2,3 -o out.png",
       "bounds \"1,2,3\" are not X0,Y0,X1,Y1 with numbers from 0 to 255"},
      {"export png Areas.out --world --bounds 5,0,4,9 -o out.png",
       "bounds \"5,0,4,9\": X0 must not exceed X1, nor Y0 Y1"},
      {"export png Areas.out --area 2 --bounds 1,2,3,4 -o out.png", "--bounds goes with --world"},
      {"export tiled Areas.out", "tiled needs -o OUTDIR"},
      {"export draw Areas.out", "unknown command \"draw\" (see --help)"},
      // One file named twice.
      {"bank export -o ./f.png --anim f.png", "the outputs ./f.png and f.png" + same},
      {"bank export -o g.png --anim g.txt", "the outputs g.png and g.txt" + same},
      {"bank import t.png --keep-palette --dir b", "the outputs b/Cells.dap and b/Cells.id" + same},
      {"bank import t.png --keep-palette --anim a.txt --dir tiles",
       "the output tiles/Cells.dap and the input t.png" + same},
      {"bank export -o x.png --anim Cells.id", "the output Cells.id and the input Cells.id" + same},
      {"export png Areas.out --area 0 -o Areas.out",
       "the output Areas.out and the input Areas.out" + same},
      {"export tiled p/world.tmx -o p", "the output p/world.tmx and the input p/world.tmx" + same},
      // Hostile input.
      {"bank import t.png --anim title.txt", ""},
      {"bank import t.png --anim long.txt", ""},
      {"bank import " + hostile + ".png", ""},
      {"bank import t.png --anim " + hostile, ""},
      {"bank info --dir " + hostile, ""},
      {"bank " + hostile, ""},
      {"bank info --" + std::string(100000, 'o'), ""},
      {"export png" + set + " --area " + hostile + " -o out.png", ""},
      {"export png" + set + " --area " + std::string(100000, '9') + " -o out.png", ""},
      {"export png" + set + " --world --bounds " + hostile + " -o out.png", ""},
      {"export png" + set + " --area 1 -o " + hostile + "/out.png", ""}};
  std::map<std::string, std::string> before = Listing(dir);
  for (const auto& [command, message] : cases) {
    SCOPED_TRACE(Excerpt(command));
    std::string tool = command.substr(0, command.find(' '));
    RunResult result =
        RunIn(dir, (tool == "bank" ? BANK_EXE : EXPORT_EXE) + command.substr(tool.size()));
    EXPECT_EQ(result.status, 1);
    if (message.empty())
      EXPECT_TRUE(testbank::PrintableLines(result.out + result.err) && result.err.size() < 1000)
          << result.err;
    else
      EXPECT_EQ(std::pair(result.out, result.err),
                std::pair(std::string(), "tesselle-" + tool + ": " + message + "\n"));
    EXPECT_TRUE(Listing(dir) == before);
  }
  RunResult tiled = RunIn(dir, EXPORT_EXE " tiled" + set + " -o " + hostile);
  EXPECT_EQ(tiled.status, 0) << tiled.err;
  EXPECT_TRUE(testbank::PrintableLines(tiled.out + tiled.err)) << tiled.out;
  EXPECT_NE(RunIn(dir, Tool + " import --help").out.find("tesselle-bank import TILESET.png"),
            std::string::npos);
  EXPECT_NE(RunIn(dir, EXPORT_EXE " tiled --help").out.find("tiled AREASET -o OUTDIR"),
            std::string::npos);
}

// An output of several files tells exactly which of them are in place.
TEST(ToolOutputs, AFailureNamesTheFilesAlreadyReplaced) {
  std::string dir = NewScratchDir("tools");
  std::string a = dir + "/a", b = dir + "/b";
  const std::tuple<int, int, const char*, std::string> cases[] = {
      // renames that work, the folder's error, a and b afterwards, the report
      {-1, EACCES, "AB",
       "all 2 files are in place, but the folder of " + a +
           " could not be synced: Permission denied"},
      {1, 0, "Ab", b + ": Invalid cross-device link; already replaced: " + a},
      {0, 0, "ab", a + ": Invalid cross-device link; no file was replaced"}};
  for (const auto& [renamesLeft, folderError, after, report] : cases) {
    WriteText(a, "a");
    WriteText(b, "b");
    dbl::Faults.renamesLeft = renamesLeft;
    dbl::Faults.folderError = folderError;
    std::string error, warning;
    bool ok = ReplaceAll({{a.c_str(), "A", 1}, {b.c_str(), "B", 1}}, {}, error, warning);
    dbl::Faults = {};
    EXPECT_EQ(ok, after == std::string("AB"));
    EXPECT_EQ(ok ? warning : error, report);
    EXPECT_EQ(testbank::ReadText(a) + testbank::ReadText(b), after);
  }
}

}  // namespace
