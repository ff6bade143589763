// Loading the data files at start-up, rebuilding the cell ids of every area,
// and the save command with its Save As road.
#pragma once

void LoadDataFiles();
void BuildIdLayers();
// The caller stores the edited area into its slot first.
void SaveAreaSet();
