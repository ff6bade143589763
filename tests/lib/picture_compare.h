// Pictures compared pixel for pixel in RGB: PNG files and X window captures
// (XWD), shared by the golden-image tests and the smoke scripts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RgbPicture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;  // 3 bytes a pixel, row by row
};

// A PNG of any colour type, or an XWD capture of 24-bit colour in 32-bit
// pixels. Returns "" or why it cannot be read.
std::string ReadPicture(const std::string& path, RgbPicture& picture);

struct CompareRules {
  bool scaled = false;  // shown a whole number of times larger on black, as the desktop shows it
  bool cursor = false;  // differences allowed within one 32 x 32 box: the cursor's blink
};

// "" when shown is expected under the rules; otherwise what differs.
std::string ComparePictures(const RgbPicture& shown, const RgbPicture& expected,
                            const CompareRules& rules);

// For a capture of the in-window file prompt or question: -1 unless it shows
// only the prompt's ink and black; else how many 8-pixel cells long a line of
// 16-pixel lines, on the 640 x 480 picture scaled to fit, is: by default the
// prompt's note, line 16.
int PromptNoteLength(const RgbPicture& shown, int line = 16);

// For a capture of the desktop window: how many pixels of the status line
// under the picture are ink, or -1 when the window has no room for one.
int StatusLineInk(const RgbPicture& shown);
