// Loading the data files at start-up, rebuilding the cell ids of every area,
// and writing the set with its Save As road.
#pragma once

// True when an area set was read; false for a new, empty one.
bool LoadDataFiles();
void BuildIdLayers();

enum class SaveMode {
  UnderItsName,  // the name the set has; the Save As dialog only for a new set
  ChooseName,    // the Save As dialog (Shift+F3)
};
// Writes the set as its slots hold it, with the cell bank and id table;
// true when it was written. SaveAreaSet (area/area_slots.h) stores the edited
// area into its slot first.
bool WriteAreaSet(SaveMode mode);
