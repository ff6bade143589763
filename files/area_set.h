// The images of the three files the program works on, the work buffers made
// at start-up, and the layout of the area-set file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

constexpr std::size_t CellBytes = 256;                  // 16 x 16 palette indices
constexpr std::size_t CellBankUsedSize = 66304;         // bitmaps and palette
constexpr std::size_t CellBankPaletteOffset = 0x10000;  // 256 x (r, g, b), 6 bits each
constexpr std::size_t CellIdTableSize = 256;
constexpr std::size_t AreaRecordSize = 320;  // 160 cells, then 160 ids
constexpr std::size_t AreaCells = 160;
constexpr int AreaColumns = 16, AreaRows = 10;
constexpr std::size_t AreaSetSize = 214016;                  // 0x34400
constexpr std::size_t AreaSetBankCopyOffset = 0x14000;       // CellBank's first 66304 bytes
constexpr std::size_t AreaSetIdCopyOffset = 0x24300;         // CellIdTable
constexpr std::size_t WordMapGridOffset = 0x24400;           // 256 x 256 area numbers
constexpr std::size_t AreaSlotsSize = 256 * AreaRecordSize;  // the slots, first in the set
constexpr std::size_t WordMapSize = AreaSetSize - WordMapGridOffset;  // to the end of the set
constexpr std::size_t PreviewSnapshotSize = 148480;                   // the set in front of the map
constexpr std::size_t AreaFileNameSize = 512;

extern std::uint8_t CellBank[CellBankUsedSize];
extern std::uint8_t CellIdTable[CellIdTableSize];
extern std::uint8_t AreaSetImage[AreaSetSize];
extern std::uint8_t PreviewSnapshot[PreviewSnapshotSize];
extern char AreaFileName[AreaFileNameSize];
extern OsFileDialog AreaFileDialog;

// The index of cell (x, y) of an area, row by row.
constexpr int GridIndex(int x, int y) { return AreaColumns * y + x; }

inline std::uint8_t* AreaRecord(std::size_t area) { return AreaSetImage + AreaRecordSize * area; }
inline std::uint8_t* WordMapGrid() { return AreaSetImage + WordMapGridOffset; }
