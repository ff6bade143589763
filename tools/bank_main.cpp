// tesselle-bank: makes a cell bank (Cells.dap and Cells.id) from a PNG tileset
// and an animation list, turns a bank back into both, and describes a bank.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "io/png_write.h"
#include "platform/printable.h"
#include "tools/anim_chains.h"
#include "tools/anim_list.h"
#include "tools/bank_files.h"
#include "tools/cli.h"
#include "tools/png_read.h"
#include "tools/tileset.h"

namespace {

const char* const Program = "tesselle-bank";

const char* const Help =
    "Usage:\n"
    "  tesselle-bank import TILESET.png [--at N] [--palette FILE | --keep-palette]\n"
    "                       [--anim ANIM.txt] [--dir DIR]\n"
    "  tesselle-bank export -o TILESET.png [--anim ANIM.txt] [--dir DIR]\n"
    "  tesselle-bank info [--dir DIR]\n"
    "\n"
    "The cell bank is DIR/Cells.dap (256 cells of 16 x 16 palette indices, then a\n"
    "palette of 256 colours with 6 bits per component) and DIR/Cells.id (the id of\n"
    "each cell). DIR is the current directory unless --dir names another.\n"
    "\n"
    "import   writes the bank from a PNG tileset whose sides are multiples of 16\n"
    "         and which holds at most 256 cells of 16 x 16 pixels. Its cells, taken\n"
    "         row by row from the top left, become the bank's cells from --at N\n"
    "         on (default 0); 256 x 256 pixels make cell n from the square at\n"
    "         column n mod 16, row n div 16. When the image covers fewer than 256\n"
    "         cells, the bank's other cells keep what DIR's bank holds, or are\n"
    "         blank (palette index 0) when DIR has no bank.\n"
    "         Entries 0-15 keep the interface's colours (the 16 VGA text colours\n"
    "         in a new bank), and so do the entries the other cells use. The\n"
    "         image's colours, reduced to 6 bits, take an entry from 16 on that\n"
    "         the other cells use with the same colour, else the free ones from 16\n"
    "         on in the order they first appear, row by row (at most 240 in a new\n"
    "         bank). An indexed PNG whose entries 0-15 are the interface's colours\n"
    "         and which agrees with the bank on the other cells' entries keeps its\n"
    "         indices and palette, each component v as v >> 2.\n"
    "         --keep-palette keeps an indexed PNG's indices and palette exactly\n"
    "         (v >> 2) whatever they are: to import a tileset exported from a bank.\n"
    "         --palette FILE (768 bytes, 6 bits a component) gives the whole\n"
    "         palette instead; an RGB image's colours must all be in it.\n"
    "         ANIM.txt has lines \"CELL NEXT\" (the id of CELL is NEXT, both 0..255)\n"
    "         and # comments; cells it does not name get id 0 if the image\n"
    "         covers them, and keep their ids otherwise.\n"
    "export   writes the bank as a 256 x 256 indexed PNG tileset, palette\n"
    "         component v as 4v, and with --anim the ids of the cells whose id is\n"
    "         not 0.\n"
    "info     tells how many palette entries the cells use, and each animation:\n"
    "         a cycle, a chain that stops (at id 0 or 255), or a chain that runs\n"
    "         into a cycle.\n";

// Whether DIR holds a bank, or part of one, whose cells an import must keep.
bool BankIsThere(const std::string& dir) {
  std::error_code code;
  return std::filesystem::exists(InDirectory(dir, "Cells.dap"), code) ||
         std::filesystem::exists(InDirectory(dir, "Cells.id"), code);
}

int Import(const Arguments& arguments) {
  if (arguments.positional.size() != 1)
    return Fail(Program, "import takes one tileset PNG (see --help)");
  if (arguments.Has("--palette") && arguments.Has("--keep-palette"))
    return Fail(Program, "--palette and --keep-palette exclude each other");
  const std::string& tileset = arguments.positional[0];
  TilesetOptions options;
  options.keepPalette = arguments.Has("--keep-palette");
  if (arguments.Has("--at") && !ParseNumber(arguments.Value("--at"), 255, options.at))
    return Fail(Program,
                "--at \"" + Excerpt(arguments.Value("--at")) + "\" is not a cell from 0 to 255");
  PngReadLimits limits;
  limits.maxPixels = 256 * CellBytes;
  limits.maxFileSize = std::size_t{64} << 20;
  PngImage image;
  std::string error;
  if (!ReadPng(tileset, image, error, limits))
    return Fail(
        Program,
        tileset + ": " + error +
            (image.width != 0 ? " (a tileset holds at most 256 cells of 16 x 16 pixels)" : ""));
  int cells = TilesetCells(image, options.at, error);
  if (cells == 0) return Fail(Program, tileset + ": " + error);
  std::vector<std::uint8_t> palette;
  if (arguments.Has("--palette")) {
    std::string name = arguments.Value("--palette");
    if (!ReadFileBytes(name, std::size_t{1} << 20, palette, error)) return Fail(Program, error);
    if (palette.size() != 768)
      return Fail(Program, name + ": " + std::to_string(palette.size()) +
                               " bytes; a palette is 768 (256 x red, green, blue)");
    for (std::size_t i = 0; i < palette.size(); ++i)
      if (palette[i] > 63)
        return Fail(Program, name + ": byte " + std::to_string(i) + " is " +
                                 std::to_string(palette[i]) + "; components have 6 bits (0..63)");
    options.palette = palette.data();
  }

  // The image's cells go into DIR's bank when they do not replace all of it.
  std::string dir = arguments.Value("--dir");
  Bank bank;
  BlankBank(bank.dap);
  bool keepsOthers = cells != 256 && BankIsThere(dir);
  if (keepsOthers && !ReadBank(dir, bank, error))
    return Fail(Program, "cannot keep the bank's other cells: " + error);
  std::vector<std::string> warnings;
  if (!TilesetToBank(image, options, bank.dap, warnings, error))
    return Fail(Program, tileset + ": " + error);
  std::memset(bank.ids + options.at, 0, static_cast<std::size_t>(cells));

  if (arguments.Has("--anim")) {
    std::string anim = arguments.Value("--anim");
    std::vector<std::uint8_t> text;
    if (!ReadFileBytes(anim, std::size_t{1} << 20, text, error)) return Fail(Program, error);
    if (!ParseAnimList(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()),
                       bank.ids, error))
      return Fail(Program, anim + ": " + error);
  }
  for (const std::string& warning : warnings) Warn(Program, tileset + ": " + warning);
  std::string warning;
  std::vector<std::string> inputs = {tileset};
  for (const char* option : {"--palette", "--anim"})
    if (arguments.Has(option)) inputs.push_back(arguments.Value(option));
  if (!WriteBank(dir, bank, inputs, error, warning)) return Fail(Program, error);
  std::string covered;
  if (cells != 256)
    covered = (cells == 1 ? " (cell " + std::to_string(options.at)
                          : " (cells " + std::to_string(options.at) + "-" +
                                std::to_string(options.at + cells - 1)) +
              " from the image, the others " + (keepsOthers ? "as they were)" : "blank)");
  std::printf("wrote %s and %s%s\n", Printable(InDirectory(dir, "Cells.dap")).c_str(),
              Printable(InDirectory(dir, "Cells.id")).c_str(), covered.c_str());
  if (!warning.empty()) Warn(Program, warning);
  return 0;
}

int Export(const Arguments& arguments) {
  if (!arguments.positional.empty())
    return Fail(Program, "export takes no file name; the tileset goes to -o TILESET.png");
  if (!arguments.Has("-o")) return Fail(Program, "export needs -o TILESET.png");
  Bank bank;
  std::string error, warning;
  std::string dir = arguments.Value("--dir");
  if (!ReadBank(dir, bank, error)) return Fail(Program, error);
  std::vector<int> outOfRange = OutOfRangePaletteEntries(bank.dap);
  if (!outOfRange.empty())
    Warn(Program, "components above 63 in palette entries " +
                      DescribeNumbers(outOfRange.data(), outOfRange.size()) +
                      "; an import gives them back modulo 64");

  std::uint8_t rgb[768];
  BankPaletteToRgb(bank.dap, rgb);
  std::vector<std::uint8_t> pixels(TilesetSide * TilesetSide);
  BankToTileset(bank.dap, pixels.data());
  std::string output = arguments.Value("-o");
  std::vector<std::uint8_t> png;
  char reason[200] = {};
  if (!EncodeIndexedPng(TilesetSide, TilesetSide, pixels.data(), TilesetSide, rgb, png, reason,
                        sizeof reason))
    return Fail(Program, output + ": " + reason);
  std::vector<FileContent> files = {{output.c_str(), png.data(), png.size()}};

  int named = 0;
  for (std::uint8_t id : bank.ids) named += id != 0;
  std::string anim = arguments.Value("--anim");
  std::string list = FormatAnimList(bank.ids);
  if (arguments.Has("--anim")) {
    files.push_back({anim.c_str(), list.data(), list.size()});
  } else if (named != 0) {
    Warn(Program, std::to_string(named) +
                      " cells have ids that the tileset does not carry; --anim FILE keeps them");
  }
  if (!ReplaceAll(files, {InDirectory(dir, "Cells.dap"), InDirectory(dir, "Cells.id")}, error,
                  warning))
    return Fail(Program, error);
  if (!warning.empty()) Warn(Program, warning);
  return 0;
}

std::string Count(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

int Info(const Arguments& arguments) {
  if (!arguments.positional.empty()) return Fail(Program, "info takes no file name");
  Bank bank;
  std::string error;
  if (!ReadBank(arguments.Value("--dir"), bank, error)) return Fail(Program, error);

  bool used[256] = {};
  for (std::size_t i = 0; i < CellBankPaletteOffset; ++i) used[bank.dap[i]] = true;
  std::vector<int> entries;
  for (int i = 0; i < 256; ++i)
    if (used[i]) entries.push_back(i);
  std::printf("palette: the cells use %zu of the 256 entries: %s\n", entries.size(),
              DescribeNumbers(entries.data(), entries.size()).c_str());
  std::vector<int> outOfRange = OutOfRangePaletteEntries(bank.dap);
  if (!outOfRange.empty())
    std::printf("palette: components above 63 in entries %s\n",
                DescribeNumbers(outOfRange.data(), outOfRange.size()).c_str());

  std::vector<Animation> animations = FindAnimations(bank.ids);
  int counts[3] = {};
  for (const Animation& animation : animations) ++counts[animation.kind];
  std::printf("animations: %s, %s, %s\n",
              Count(counts[Animation::Cycle], "cycle", "cycles").c_str(),
              Count(counts[Animation::Stops], "chain that stops", "chains that stop").c_str(),
              Count(counts[Animation::JoinsCycle], "chain that runs into a cycle",
                    "chains that run into a cycle")
                  .c_str());
  for (const Animation& animation : animations)
    std::printf("  %s\n", DescribeAnimation(animation).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return RunSubcommand(
      argc, argv, Program, Help,
      {{"import", {"--at", "--palette", "--anim", "--dir"}, {"--keep-palette"}, Import},
       {"export", {"-o", "--anim", "--dir"}, {}, Export},
       {"info", {"--dir"}, {}, Info}},
      "import, export or info");
}
