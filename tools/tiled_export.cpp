// The area set as a Tiled project: the cell tileset with its animations, a
// map for each area worth having, and the world map over the area thumbnails.
// Tile values in the maps are the cell (or area) + 1, the tileset's first gid
// being 1; the tilesets are external .tsx files beside the maps.
#include "tools/tiled_export.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "io/png_write.h"
#include "tools/anim_chains.h"
#include "tools/area_render.h"
#include "tools/tileset.h"
#include "worldmap/thumbnail.h"

namespace {

const char* const XmlHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

std::string Attribute(const char* name, const std::string& value) {
  return std::string(" ") + name + "=\"" + value + "\"";
}
std::string Attribute(const char* name, int value) {
  return Attribute(name, std::to_string(value));
}

std::string Tileset(const char* name, int tileWidth, int tileHeight, const char* image,
                    int imageWidth, int imageHeight, const std::string& tiles) {
  return XmlHeader + std::string("<tileset version=\"1.8\"") + Attribute("name", name) +
         Attribute("tilewidth", tileWidth) + Attribute("tileheight", tileHeight) +
         Attribute("tilecount", 256) + Attribute("columns", 16) + ">\n <image" +
         Attribute("source", image) + Attribute("width", imageWidth) +
         Attribute("height", imageHeight) + "/>\n" + tiles + "</tileset>\n";
}

// Each cell with an id other than 0 has it as the property "next"; each cell
// on a cycle gets the frames of its cycle, starting with itself, so that Tiled
// shows the cell itself until the animation runs.
std::string CellsTsx(const std::uint8_t* ids) {
  std::string tiles;
  for (int cell = 0; cell < 256; ++cell) {
    std::vector<int> frames = CycleFrom(ids, cell);
    if (ids[cell] == 0 && frames.empty()) continue;
    tiles += "  <tile" + Attribute("id", cell) + ">\n";
    if (ids[cell] != 0)
      tiles += "   <properties>\n    <property name=\"next\" type=\"int\"" +
               Attribute("value", ids[cell]) + "/>\n   </properties>\n";
    if (!frames.empty()) {
      tiles += "   <animation>\n";
      for (int frame : frames)
        tiles += "    <frame" + Attribute("tileid", frame) +
                 Attribute("duration", TiledFrameMilliseconds) + "/>\n";
      tiles += "   </animation>\n";
    }
    tiles += "  </tile>\n";
  }
  return Tileset("cells", 16, 16, "cells.png", TilesetSide, TilesetSide, tiles);
}

// Each area that has a map of its own names it in the property "map".
std::string AreasTsx(const std::vector<int>& exported) {
  std::string tiles;
  for (int area : exported)
    tiles += "  <tile" + Attribute("id", area) +
             ">\n   <properties>\n    <property name=\"map\" type=\"file\"" +
             Attribute("value", AreaMapName(area)) + "/>\n   </properties>\n  </tile>\n";
  return Tileset("areas", ThumbnailWidth, ThumbnailHeight, "areas.png",
                 ThumbnailWidth * ThumbnailSheetColumns,
                 ThumbnailHeight * (256 / ThumbnailSheetColumns), tiles);
}

// values: width x height tile numbers 0..255, written as number + 1.
std::string Map(int width, int height, int tileWidth, int tileHeight, const char* tileset,
                const char* layer, const std::uint8_t* values, const std::string& properties) {
  std::string map = XmlHeader + std::string("<map version=\"1.8\" orientation=\"orthogonal\"") +
                    " renderorder=\"right-down\"" + Attribute("width", width) +
                    Attribute("height", height) + Attribute("tilewidth", tileWidth) +
                    Attribute("tileheight", tileHeight) +
                    " infinite=\"0\" nextlayerid=\"2\" nextobjectid=\"1\">\n" + properties +
                    " <tileset firstgid=\"1\"" + Attribute("source", tileset) + "/>\n" +
                    " <layer id=\"1\"" + Attribute("name", layer) + Attribute("width", width) +
                    Attribute("height", height) + ">\n  <data encoding=\"csv\">\n";
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      map += std::to_string(values[width * y + x] + 1);
      if (x + 1 < width || y + 1 < height) map += ',';
    }
    map += '\n';
  }
  return map + "</data>\n </layer>\n</map>\n";
}

std::string AreaTmx(const std::uint8_t* areaSet, int area) {
  return Map(16, 10, 16, 16, "cells.tsx", "cells", areaSet + AreaRecordSize * area,
             " <properties>\n  <property name=\"area\" type=\"int\"" + Attribute("value", area) +
                 "/>\n </properties>\n");
}

std::string WorldTmx(const std::uint8_t* areaSet) {
  return Map(256, 256, ThumbnailWidth, ThumbnailHeight, "areas.tsx", "areas",
             areaSet + WordMapGridOffset, "");
}

// The project's files, gathered whole in memory before any is written.
class Project {
 public:
  Project(const std::string& dir, std::vector<std::string>& written, std::string& error)
      : dir_(dir), written_(written), error_(error) {}

  void Text(const std::string& name, std::string text) {
    Add(name, std::vector<std::uint8_t>(text.begin(), text.end()));
  }

  bool Image(const char* name, int width, int height, const std::uint8_t* pixels,
             const std::uint8_t* rgb) {
    std::vector<std::uint8_t> bytes;
    char reason[200] = {};
    if (!EncodeIndexedPng(width, height, pixels, static_cast<std::size_t>(width), rgb, bytes,
                          reason, sizeof reason)) {
      error_ = InDirectory(dir_, name) + ": " + reason;
      return false;
    }
    Add(name, std::move(bytes));
    return true;
  }

  bool Write(const std::vector<std::string>& inputs, std::string& warning) {
    std::vector<FileContent> files;
    for (std::size_t i = 0; i < names_.size(); ++i)
      files.push_back({paths_[i].c_str(), contents_[i].data(), contents_[i].size()});
    if (!ReplaceAll(files, inputs, error_, warning)) return false;
    written_ = names_;
    return true;
  }

 private:
  void Add(const std::string& name, std::vector<std::uint8_t> bytes) {
    names_.push_back(name);
    paths_.push_back(InDirectory(dir_, name.c_str()));
    contents_.push_back(std::move(bytes));
  }

  const std::string& dir_;
  std::vector<std::string>& written_;
  std::string& error_;
  std::vector<std::string> names_, paths_;
  std::vector<std::vector<std::uint8_t>> contents_;
};

}  // namespace

std::vector<int> AreasToExport(const std::uint8_t* areaSet) {
  bool wanted[256] = {};
  for (int area = 0; area < 256; ++area)
    for (std::size_t i = 0; i < AreaCells; ++i)
      if (areaSet[AreaRecordSize * area + i] != 0) wanted[area] = true;
  for (std::size_t entry = 0; entry < 65536; ++entry)
    wanted[areaSet[WordMapGridOffset + entry]] = true;
  std::vector<int> areas;
  for (int area = 0; area < 256; ++area)
    if (wanted[area]) areas.push_back(area);
  return areas;
}

std::string AreaMapName(int area) {
  char name[32];
  std::snprintf(name, sizeof name, "area-%03d.tmx", area);
  return name;
}

bool ExportTiled(const Bank& bank, const std::uint8_t* areaSet, const std::string& dir,
                 const std::vector<std::string>& inputs, std::vector<std::string>& written,
                 std::string& error, std::string& warning) {
  std::error_code code;
  std::filesystem::create_directories(dir, code);
  if (code) {
    error = dir + ": " + code.message();
    return false;
  }
  Project project(dir, written, error);
  std::uint8_t rgb[768];
  BankPaletteToRgb(bank.dap, rgb);
  std::vector<std::uint8_t> cells(TilesetSide * TilesetSide);
  BankToTileset(bank.dap, cells.data());
  if (!project.Image("cells.png", TilesetSide, TilesetSide, cells.data(), rgb)) return false;
  project.Text("cells.tsx", CellsTsx(bank.ids));

  std::vector<int> areas = AreasToExport(areaSet);
  std::vector<std::uint8_t> sheet = RenderThumbnailSheet(bank.dap, areaSet);
  if (!project.Image("areas.png", ThumbnailWidth * ThumbnailSheetColumns,
                     ThumbnailHeight * (256 / ThumbnailSheetColumns), sheet.data(), rgb))
    return false;
  project.Text("areas.tsx", AreasTsx(areas));
  for (int area : areas) project.Text(AreaMapName(area), AreaTmx(areaSet, area));
  project.Text("world.tmx", WorldTmx(areaSet));
  return project.Write(inputs, warning);
}
