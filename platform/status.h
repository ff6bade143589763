// What the program tells its platform about where the user stands, for a
// front end that shows it beside the picture: the set's name and state, the
// cursor and what lies under it, and the last thing that happened.
#pragma once

#include <cstdint>

struct OsStatus {
  char fileName[64];  // the set's file name without its folder; "" for a new set
  bool unsaved;
  bool onWordMap;
  std::int32_t area;               // the area being edited
  std::int32_t column, row;        // the area editor's cursor; in the selector, row is the bank row
  std::int32_t cell;               // the cell under it; -1 past the bank's last cell
  bool inSelector;                 // the cursor is in the selector, which shows uses
  std::int32_t uses, usedAreas;    // of that cell in the set, while in the selector
  std::int32_t mapColumn, mapRow;  // the Word Map's cursor on the map; -1 in the picker
  std::int32_t mapArea;            // the area there; -1 on an empty picker slot
  char event[160];                 // what just happened, "" for nothing
  std::uint32_t eventNumber;       // counts events, so a repeated text still shows anew
  char prompt[48];                 // shown in place of the event while not "": "Go to area: 12"
};

// Hands the status down; called once a frame. Front ends without room for
// it ignore it.
void OsShowStatus(const OsStatus& status);
// True while the status line is on the screen, so that an event reported
// there is seen without a message box.
bool OsStatusLineShown();
