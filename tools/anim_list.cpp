// The animation list: a text file of "CELL NEXT" lines giving the cell ids,
// read into a Cells.id table and written back from one.
#include "tools/anim_list.h"

#include <cstring>
#include <vector>

#include "platform/printable.h"
#include "tools/cli.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsSpace(line[i])) ++i;
    std::size_t start = i;
    while (i < line.size() && !IsSpace(line[i])) ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

}  // namespace

bool ParseAnimList(std::string_view text, std::uint8_t* ids, std::string& error) {
  std::uint8_t result[256];
  std::memcpy(result, ids, sizeof result);
  int namedOn[256] = {};  // the line that named each cell, 0 for none
  int lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    line = line.substr(0, line.find('#'));
    std::vector<std::string_view> words = Words(line);
    if (words.empty()) continue;
    std::string where = "line " + std::to_string(lineNumber) + ": ";
    if (words.size() != 2) {
      error = where + "expected two numbers, CELL NEXT";
      return false;
    }
    int cell = 0;
    int next = 0;
    for (int w = 0; w < 2; ++w) {
      if (!ParseNumber(words[w], 255, w == 0 ? cell : next)) {
        error = where + "\"" + Excerpt(words[w]) + "\" is not a number from 0 to 255";
        return false;
      }
    }
    if (namedOn[cell] != 0) {
      error = where + "cell " + std::to_string(cell) + " is already named on line " +
              std::to_string(namedOn[cell]);
      return false;
    }
    namedOn[cell] = lineNumber;
    result[cell] = static_cast<std::uint8_t>(next);
  }
  std::memcpy(ids, result, sizeof result);
  return true;
}

std::string FormatAnimList(const std::uint8_t* ids) {
  std::string text =
      "# Cell ids: CELL NEXT. An id other than 0 and 255 is the next frame of an\n"
      "# animation; cells not named here have id 0.\n";
  for (int cell = 0; cell < 256; ++cell)
    if (ids[cell] != 0) text += std::to_string(cell) + " " + std::to_string(ids[cell]) + "\n";
  return text;
}
