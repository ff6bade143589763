// The area set as a Tiled project: the cell tileset with its animations, a
// map for each area worth having, and the world map over the area thumbnails.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/bank_files.h"

// Each Tiled frame lasts 6 vertical blanks at 60 Hz.
constexpr int TiledFrameMilliseconds = 100;

// The areas that get a map: those not all cell 0, and those the world map uses.
std::vector<int> AreasToExport(const std::uint8_t* areaSet);

// "area-007.tmx"
std::string AreaMapName(int area);

// Writes into dir (made when missing): cells.png and cells.tsx, areas.png and
// areas.tsx, area-NNN.tmx for each area of AreasToExport, and world.tmx. The
// names of the files written go to written, in that order. The files are
// replaced as ReplaceAll does, never over one of the inputs.
bool ExportTiled(const Bank& bank, const std::uint8_t* areaSet, const std::string& dir,
                 const std::vector<std::string>& inputs, std::vector<std::string>& written,
                 std::string& error, std::string& warning);
