// Loading the data files at start-up, rebuilding the cell ids of every area,
// and the save command with its Save As road.
#pragma once

// True when an area set was read; false for a new, empty one.
bool LoadDataFiles();
void BuildIdLayers();
// F3: true when the set was written. SaveChanges is the same save without
// the Shift road to Save As, for the question before closing. The caller
// stores the edited area into its slot first.
bool SaveAreaSet();
bool SaveChanges();
