// tesselle-bank: makes a cell bank (Cells.dap and Cells.id) from a PNG tileset
// and an animation list, turns a bank back into both, and describes a bank.
#include <cstdio>
#include <string>
#include <vector>

#include "io/png_write.h"
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
    "  tesselle-bank import TILESET.png [--palette FILE] [--anim ANIM.txt] [--dir DIR]\n"
    "  tesselle-bank export -o TILESET.png [--anim ANIM.txt] [--dir DIR]\n"
    "  tesselle-bank info [--dir DIR]\n"
    "\n"
    "The cell bank is DIR/Cells.dap (256 cells of 16 x 16 palette indices, then a\n"
    "palette of 256 colours with 6 bits per component) and DIR/Cells.id (the id of\n"
    "each cell). DIR is the current directory unless --dir names another.\n"
    "\n"
    "import   writes the bank from a 256 x 256 PNG tileset: cell n is the 16 x 16\n"
    "         square at column n mod 16, row n div 16. An indexed PNG keeps its\n"
    "         indices, and each palette component v becomes v >> 2 (a warning names\n"
    "         the entries that lose bits). An RGB, RGBA or grey PNG keeps entries\n"
    "         0-15 as the 16 VGA text colours the interface draws with; its own\n"
    "         colours, at most 240 once reduced to 6 bits, get entries from 16 on\n"
    "         in the order they first appear, row by row from the top left.\n"
    "         --palette FILE (768 bytes, 6 bits a component) gives the whole\n"
    "         palette instead; an RGB image's colours must all be in it.\n"
    "         ANIM.txt has lines \"CELL NEXT\" (the id of CELL is NEXT, both 0..255)\n"
    "         and # comments; cells it does not name get id 0.\n"
    "export   writes the bank as an indexed PNG tileset, palette component v as 4v,\n"
    "         and with --anim the ids of the cells whose id is not 0.\n"
    "info     tells how many palette entries the cells use, and each animation:\n"
    "         a cycle, a chain that stops (at id 0 or 255), or a chain that runs\n"
    "         into a cycle.\n";

int Import(const Arguments& arguments) {
  if (arguments.positional.size() != 1)
    return Fail(Program, "import takes one tileset PNG (see --help)");
  const std::string& tileset = arguments.positional[0];
  PngReadLimits limits;
  limits.width = TilesetSide;
  limits.height = TilesetSide;
  limits.maxFileSize = std::size_t{64} << 20;
  PngImage image;
  std::string error;
  if (!ReadPng(tileset, image, error, limits))
    return Fail(Program,
                tileset + ": " + error +
                    (image.width != 0 ? " (a tileset is 16 x 16 cells of 16 x 16 pixels)" : ""));
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
  }
  Bank bank;
  std::vector<std::string> warnings;
  if (!TilesetToBank(image, palette.empty() ? nullptr : palette.data(), bank.dap, warnings, error))
    return Fail(Program, tileset + ": " + error);

  if (arguments.Has("--anim")) {
    std::string anim = arguments.Value("--anim");
    std::vector<std::uint8_t> text;
    if (!ReadFileBytes(anim, std::size_t{1} << 20, text, error)) return Fail(Program, error);
    if (!ParseAnimList(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()),
                       bank.ids, error))
      return Fail(Program, anim + ": " + error);
  }
  for (const std::string& warning : warnings) Warn(Program, tileset + ": " + warning);
  std::string dir = arguments.Value("--dir");
  if (!WriteBank(dir, bank, error)) return Fail(Program, error);
  std::printf("wrote %s and %s\n", InDirectory(dir, "Cells.dap").c_str(),
              InDirectory(dir, "Cells.id").c_str());
  return 0;
}

int Export(const Arguments& arguments) {
  if (!arguments.positional.empty())
    return Fail(Program, "export takes no file name; the tileset goes to -o TILESET.png");
  if (!arguments.Has("-o")) return Fail(Program, "export needs -o TILESET.png");
  Bank bank;
  std::string error;
  if (!ReadBank(arguments.Value("--dir"), bank, error)) return Fail(Program, error);
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
  if (!ReplaceAll(files, error)) return Fail(Program, error);
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
  return RunSubcommand(argc, argv, Program, Help,
                       {{"import", {"--palette", "--anim", "--dir"}, {}, Import},
                        {"export", {"-o", "--anim", "--dir"}, {}, Export},
                        {"info", {"--dir"}, {}, Info}},
                       "import, export or info");
}
