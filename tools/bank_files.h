// The data files as the tools see them: the cell bank and its id table read
// from a directory with their sizes checked, written back whole, and the
// area-set file, which must be exactly the program's size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/area_set.h"
#include "io/file_io.h"

struct Bank {
  std::uint8_t dap[CellBankUsedSize] = {};  // 256 cell bitmaps, then the 6-bit palette
  std::uint8_t ids[CellIdTableSize] = {};

  const std::uint8_t* Cell(int n) const { return dap + CellBytes * n; }
  const std::uint8_t* Palette() const { return dap + CellBankPaletteOffset; }
};

// "DIR/NAME", or NAME alone when DIR is empty.
std::string InDirectory(const std::string& dir, const char* name);

// Reads DIR/Cells.dap (its first 66304 bytes; a shorter file is refused) and
// DIR/Cells.id (its first 256 bytes). On failure, error holds one line.
bool ReadBank(const std::string& dir, Bank& bank, std::string& error);

// Writes DIR/Cells.dap (66304 bytes) and DIR/Cells.id (256 bytes) as
// ReplaceAll does, never over one of the inputs; DIR is made when it does not
// exist.
bool WriteBank(const std::string& dir, const Bank& bank, const std::vector<std::string>& inputs,
               std::string& error, std::string& warning);

// Reads an area-set file, refused unless it is exactly 214016 bytes.
bool ReadAreaSet(const std::string& path, std::vector<std::uint8_t>& image, std::string& error);

// Reads a whole file of at most maxSize bytes.
bool ReadFileBytes(const std::string& path, std::size_t maxSize, std::vector<std::uint8_t>& bytes,
                   std::string& error);

// Replaces the files whole, all written before any is put in place, and
// refuses before writing anything when two of them, or one of them and an
// input, are the same file. On failure error names the file and the reason,
// and the files already replaced, if any. When all are in place but a folder
// could not be synced, warning says so.
bool ReplaceAll(const std::vector<FileContent>& files, const std::vector<std::string>& inputs,
                std::string& error, std::string& warning);
