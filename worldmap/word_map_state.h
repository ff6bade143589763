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
constexpr std::uint32_t LastArea = 255;         // the picker's slots past it are empty

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
  std::uint32_t areaUnderCursor{};                  // 0..259; past LastArea no area
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

// The number of the area picker's slot (column, row) as scrolled now, 20 to a
// line: an area up to LastArea, an empty slot past it (256..259).
inline std::uint32_t PickerNumber(std::uint32_t column, std::uint32_t row) {
  return PickerLineLength * (WordMapState.pickerScrollRow + row) + column;
}

// The area under the cursor: the map entry in the map window, the slot's
// number in the area picker (past LastArea on an empty slot).
inline std::uint32_t AreaUnderWordMapCursor() {
  const WordMapStateRecord& state = WordMapState;
  if (state.activeWindow == MapWindow) return MapEntry(state.cursorColumn, state.cursorRow);
  return PickerNumber(state.cursorColumn, state.cursorRow);
}
