// Helpers for the companion tools' tests: PNG files of every colour type and
// a small bank, besides the shared scratch folders, files and runner.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/test_bank.h"
#include "tools/bank_files.h"

using testbank::NewScratchDir;
using testbank::ReadBytes;
using testbank::RunIn;
using testbank::RunResult;
using testbank::WriteText;

// samples: channels per pixel as the colour type has them, each < 2^bitDepth.
struct TestPng {
  TestPng(int width, int height, int colourType, int bitDepth = 8)
      : width(width), height(height), colourType(colourType), bitDepth(bitDepth) {}
  int width, height, colourType, bitDepth;
  bool interlaced = false;
  std::vector<std::uint16_t> samples;
  std::vector<std::uint8_t> palette;  // r, g, b per entry
  std::vector<std::uint8_t> alphas;   // tRNS of an indexed image
};
std::string EncodeTestPng(const TestPng& png);

// Cells and palette full of varied values; ids making the cycle 10 -> 11 -> 12,
// the chain 20 -> 21 -> 22 that stops, the chain 30 -> 31 into the cycle at
// 11 and the 1-cycle 40.
Bank MakeTestBank();
