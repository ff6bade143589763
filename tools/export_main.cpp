// tesselle-export: an area set as pictures (one area at full size, or the world
// map as the Word Map's thumbnails) and as a project for the Tiled map editor.
#include <cstdio>
#include <string>
#include <vector>

#include "io/png_write.h"
#include "platform/printable.h"
#include "tools/area_render.h"
#include "tools/bank_files.h"
#include "tools/cli.h"
#include "tools/tiled_export.h"
#include "tools/tileset.h"
#include "worldmap/thumbnail.h"

namespace {

const char* const Program = "tesselle-export";

const char* const Help =
    "Usage:\n"
    "  tesselle-export png AREASET --area N -o OUT.png [--dir DIR]\n"
    "  tesselle-export png AREASET --world [--bounds X0,Y0,X1,Y1] -o OUT.png [--dir DIR]\n"
    "  tesselle-export tiled AREASET -o OUTDIR [--dir DIR]\n"
    "\n"
    "AREASET is an area-set file such as Areas.out (exactly 214016 bytes). The cells\n"
    "and their ids come from DIR/Cells.dap and DIR/Cells.id, DIR being the current\n"
    "directory unless --dir names another. Pictures are indexed PNGs with the\n"
    "bank's palette, each 6-bit component v as 4v.\n"
    "\n"
    "png --area N     area N (0..255) at full size: 256 x 160 pixels.\n"
    "png --world      the world map, each entry as its area's 32 x 20 thumbnail as\n"
    "                 the Word Map draws it. --bounds keeps the entries from column\n"
    "                 X0 to X1 and row Y0 to Y1, both included (default 0,0,255,255:\n"
    "                 8192 x 5120 pixels).\n"
    "tiled            a Tiled project in OUTDIR: cells.png and cells.tsx (the cells\n"
    "                 as 16 x 16 tiles, animated where their ids make a cycle, 100 ms\n"
    "                 a frame), area-NNN.tmx for every area that is not all cell 0\n"
    "                 or that the world map uses (tile value = cell + 1), and\n"
    "                 world.tmx, the 256 x 256 world map over areas.png and\n"
    "                 areas.tsx, the area thumbnails (tile value = area + 1).\n";

bool Load(const Arguments& arguments, Bank& bank, std::vector<std::uint8_t>& areaSet,
          std::string& error) {
  return ReadAreaSet(arguments.positional[0], areaSet, error) &&
         ReadBank(arguments.Value("--dir"), bank, error);
}

// The files read, which no output may replace.
std::vector<std::string> Inputs(const Arguments& arguments) {
  std::string dir = arguments.Value("--dir");
  return {arguments.positional[0], InDirectory(dir, "Cells.dap"), InDirectory(dir, "Cells.id")};
}

int Finish(const std::string& warning) {
  if (!warning.empty()) Warn(Program, warning);
  return 0;
}

int WritePng(const Arguments& arguments, int width, int height, const std::uint8_t* pixels,
             const Bank& bank) {
  std::string path = arguments.Value("-o"), error, warning;
  std::uint8_t rgb[768];
  BankPaletteToRgb(bank.dap, rgb);
  std::vector<std::uint8_t> png;
  char reason[200] = {};
  if (!EncodeIndexedPng(width, height, pixels, static_cast<std::size_t>(width), rgb, png, reason,
                        sizeof reason))
    return Fail(Program, path + ": " + reason);
  if (!ReplaceAll({{path.c_str(), png.data(), png.size()}}, Inputs(arguments), error, warning))
    return Fail(Program, error);
  return Finish(warning);
}

int Png(const Arguments& arguments) {
  if (arguments.positional.size() != 1) return Fail(Program, "png takes one area set");
  if (!arguments.Has("-o")) return Fail(Program, "png needs -o OUT.png");
  bool world = arguments.Has("--world");
  if (world == arguments.Has("--area"))
    return Fail(Program, "png needs either --area N or --world");
  int area = 0;
  if (!world && !ParseNumber(arguments.Value("--area"), 255, area))
    return Fail(Program, "area \"" + Excerpt(arguments.Value("--area")) +
                             "\" is not a number from 0 to 255");
  if (!world && arguments.Has("--bounds")) return Fail(Program, "--bounds goes with --world");
  MapBounds bounds;
  std::string error;
  if (arguments.Has("--bounds") && !ParseBounds(arguments.Value("--bounds"), bounds, error))
    return Fail(Program, error);

  Bank bank;
  std::vector<std::uint8_t> areaSet;
  if (!Load(arguments, bank, areaSet, error)) return Fail(Program, error);
  if (world) {
    std::vector<std::uint8_t> pixels = RenderWorld(bank.dap, areaSet.data(), bounds);
    return WritePng(arguments, ThumbnailWidth * bounds.Columns(), ThumbnailHeight * bounds.Rows(),
                    pixels.data(), bank);
  }
  std::vector<std::uint8_t> pixels(AreaImageWidth * AreaImageHeight);
  RenderArea(bank.dap, areaSet.data(), area, pixels.data(), AreaImageWidth);
  return WritePng(arguments, AreaImageWidth, AreaImageHeight, pixels.data(), bank);
}

int Tiled(const Arguments& arguments) {
  if (arguments.positional.size() != 1) return Fail(Program, "tiled takes one area set");
  if (!arguments.Has("-o")) return Fail(Program, "tiled needs -o OUTDIR");
  Bank bank;
  std::vector<std::uint8_t> areaSet;
  std::string error, warning;
  if (!Load(arguments, bank, areaSet, error)) return Fail(Program, error);
  std::vector<std::string> written;
  if (!ExportTiled(bank, areaSet.data(), arguments.Value("-o"), Inputs(arguments), written, error,
                   warning))
    return Fail(Program, error);
  std::printf("wrote %zu files into %s; open world.tmx or an area-NNN.tmx in Tiled\n",
              written.size(), Printable(arguments.Value("-o")).c_str());
  return Finish(warning);
}

}  // namespace

int main(int argc, char** argv) {
  return RunSubcommand(argc, argv, Program, Help,
                       {{"png", {"--area", "--bounds", "-o", "--dir"}, {"--world"}, Png},
                        {"tiled", {"-o", "--dir"}, {}, Tiled}},
                       "png or tiled");
}
