// What every test program shares: the test cell bank (256 cells that all
// differ, a palette easy to predict, ids that differ from cell to cell),
// scratch folders, file bytes, and running a command.
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

// A fresh, empty folder named after name in this process's scratch folder,
// which RemoveScratchRoot removes with everything in it.
std::string NewScratchDir(const std::string& name);
void RemoveScratchRoot();

std::string ReadText(const std::string& path);
std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
void WriteText(const std::string& path, const std::string& text);

struct RunResult {
  int status = -1;
  std::string out, err;
};
// Runs the shell command line in dir.
RunResult RunIn(const std::string& dir, const std::string& commandLine);

// True when output is whole lines, each printable on a terminal as it stands:
// no control byte but the line ends, nothing that Printable would escape.
bool PrintableLines(const std::string& output);

}  // namespace testbank
