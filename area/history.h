// The undo history of the area set in memory: the edited area's cells and
// ids, the one-area backup, the current area number, the 256 slots and the
// Word Map grid. Each step keeps only the bytes a key changed, old and new.
#pragma once

#include <cstddef>
#include <cstdint>

// The regions of the set a step changed, as undo and redo report them.
constexpr std::uint32_t HistorySlots = 1;
constexpr std::uint32_t HistoryWordMap = 2;
constexpr std::uint32_t HistoryEditGrid = 4;  // the cell and id layers
constexpr std::uint32_t HistoryBackup = 8;
constexpr std::uint32_t HistoryAreaNumber = 16;

// The most steps kept; the oldest go first.
constexpr std::size_t HistoryStepLimit = std::size_t{1} << 19;

// The set as it is now becomes the base of an empty history.
void StartHistory();
// A command is changing [where, where + size) of the AreaSetImage. The edited
// area, the backup and the area number are looked at after every key anyway.
void NoteSetChange(const void* where, std::size_t size);
// The end of a key: what it changed becomes one step, dropping the steps that
// could have been redone. A key that changed nothing adds no step.
void RecordStep();
// A pointer drag is one step from press to release: while the step is held,
// RecordStep gathers the changes, and releasing it records them as one step.
void HoldStep();
void ReleaseStep();

bool CanUndo();
bool CanRedo();
// Put the set back as it was before the last step, or apply the next undone
// step again; both return the regions changed, 0 when there is no such step.
std::uint32_t UndoStep();
std::uint32_t RedoStep();

struct HistoryFigures {
  std::uint64_t steps;      // kept, done and undone
  std::uint64_t undone;     // of those, the ones redo can apply
  std::uint64_t stepBytes;  // taken by the kept steps
  std::uint64_t footprint;  // every buffer of the history, fixed at start-up
};
HistoryFigures ReadHistoryFigures();
