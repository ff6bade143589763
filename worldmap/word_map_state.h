// The Word Map's state record and its two windows: the map window over the
// 256 x 256 WordMapGrid and the area picker, both grids of 32 x 20 slots.
#pragma once

#include <cstdint>

#include "draw/view_window.h"
#include "files/area_set.h"

constexpr std::uint32_t MapWindow = 0;
constexpr std::uint32_t AreaPicker = 1;

constexpr int SlotWidth = 32;  // screen pixels; one area thumbnail
constexpr int SlotHeight = 20;
constexpr std::uint32_t MapScrollLimit = 240;   // 240 + 16 - 1 = 255
constexpr std::uint32_t PickerScrollLimit = 9;  // lines 9..12 hold areas 180..259
constexpr std::uint32_t PickerLineLength = 20;  // areas per picker line

struct WordMapCursor {
  std::uint32_t column, row;
};

struct WordMapStateRecord {
  std::uint32_t cursorColumn{}, cursorRow{};
  std::uint32_t previousColumn{}, previousRow{};
  std::uint32_t activeWindow{};
  ViewWindow windows[2]{};
  std::uint32_t mapScrollColumn{}, mapScrollRow{};  // 0..240
  std::uint32_t pickerScrollRow{};                  // 0..9
  std::uint32_t selectedArea{};                     // 0..255
  std::uint32_t areaUnderCursor{};                  // 0..259, shown modulo 256
  WordMapCursor savedCursor[2]{};                   // per window, taken when TAB leaves it
  std::uint8_t cursorBackground[SlotWidth * SlotHeight]{};
};

extern WordMapStateRecord WordMapState;

inline const ViewWindow& ActiveWordMapWindow() {
  return WordMapState.windows[WordMapState.activeWindow];
}

// The map entry at a slot of the map window, as scrolled now.
inline std::uint8_t& MapEntry(std::uint32_t column, std::uint32_t row) {
  return WordMapGrid()[256 * (WordMapState.mapScrollRow + row) + WordMapState.mapScrollColumn +
                       column];
}
