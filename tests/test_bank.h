// The cell bank the tests run on: 256 cells that all differ, a palette whose
// entries are easy to predict, and ids that differ from cell to cell; and the
// small file helpers every test uses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testbank {

// Pixel (i, j) of cell n; palette entry i is (i % 64, (i / 4) % 64, 63 - i % 64).
std::uint8_t CellPixel(int cell, int i, int j);
std::uint8_t CellId(int cell);
// Writes Cells.dap and Cells.id into dir.
void WriteTestBank(const std::string& dir);

// This process's own folder for scratch directories, made on first use.
std::string ScratchRoot();
// Removes it with everything in it.
void RemoveScratchRoot();

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace testbank
