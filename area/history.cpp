// The undo history: a shadow of the set as of the last step, a byte ring of
// steps and a ring of their places. A step is a list of runs, each the old
// and the new bytes of one changed stretch; the oldest steps go when the ring
// is full. Every buffer is static, so nothing allocates while keys are handled.
#include "area/history.h"

#include <algorithm>
#include <cstring>

#include "area/edit_grid.h"
#include "area/editor_state.h"
#include "files/area_set.h"

namespace {

// The set as one address space of six regions, laid out in the shadow in this
// order. A run's address is its place in the shadow.
struct Region {
  std::uint8_t* live;
  std::uint32_t size;
  std::uint32_t mask;
  std::uint32_t offset;  // in the shadow
};

constexpr std::size_t ShadowSize =
    AreaSlotsSize + WordMapSize + 2 * AreaCells + sizeof EditGrid.backupGrid + sizeof(std::int32_t);
constexpr int RegionCount = 6;
constexpr int FirstEditorRegion = 2;  // the regions compared after every key

Region Regions[RegionCount];

// A run: address and length, then the old bytes, then the new ones.
constexpr std::size_t RunHeader = 8;
// Unchanged stretches up to this long are kept inside a run: cheaper than
// the header of a new one.
constexpr std::size_t MergeGap = RunHeader / 2;

constexpr std::size_t RingSize = std::size_t{48} << 20;
constexpr std::size_t PlaceCount = HistoryStepLimit;
// The largest step: every byte of the set changed, runs as short as merging
// leaves them.
constexpr std::size_t ScratchSize = 2 * ShadowSize + RunHeader * (ShadowSize / (MergeGap + 1) + 16);

struct StepPlace {
  std::uint32_t offset, size;
};

struct Pending {
  std::uint32_t address, size;
};
constexpr int PendingCount = 16;

struct HistoryRecord {
  std::uint64_t first, done, end;  // step numbers: oldest kept, next to redo, one past the newest
  std::uint64_t stepBytes;
  int pendingCount;
  bool compareWholeImage;  // more notes came than the list holds
  bool held;               // a drag's step is being gathered
  Pending pending[PendingCount];
};

HistoryRecord History;
std::uint8_t Shadow[ShadowSize];
std::uint8_t Ring[RingSize];
StepPlace Places[PlaceCount];
std::uint8_t Scratch[ScratchSize];
std::size_t ScratchUsed;

void SetUpRegions() {
  Region table[RegionCount] = {
      {AreaSetImage, AreaSlotsSize, HistorySlots, 0},
      {WordMapGrid(), WordMapSize, HistoryWordMap, 0},
      {EditGrid.cellLayer, AreaCells, HistoryEditGrid, 0},
      {EditGrid.idLayer, AreaCells, HistoryEditGrid, 0},
      {EditGrid.backupGrid, sizeof EditGrid.backupGrid, HistoryBackup, 0},
      {reinterpret_cast<std::uint8_t*>(&AreaEditorState.currentArea), sizeof(std::int32_t),
       HistoryAreaNumber, 0},
  };
  std::uint32_t offset = 0;
  for (int i = 0; i < RegionCount; ++i) {
    Regions[i] = table[i];
    Regions[i].offset = offset;
    offset += table[i].size;
  }
}

const Region& RegionAt(std::uint32_t address) {
  int i = RegionCount - 1;
  while (Regions[i].offset > address) --i;
  return Regions[i];
}

StepPlace& PlaceOf(std::uint64_t step) { return Places[step % PlaceCount]; }

void PutWord(std::uint8_t* at, std::uint32_t value) { std::memcpy(at, &value, sizeof value); }

std::uint32_t GetWord(const std::uint8_t* at) {
  std::uint32_t value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

void EmitRun(std::uint32_t address, const std::uint8_t* live, std::uint32_t size) {
  std::uint8_t* run = Scratch + ScratchUsed;
  PutWord(run, address);
  PutWord(run + 4, size);
  std::memcpy(run + RunHeader, Shadow + address, size);
  std::memcpy(run + RunHeader + size, live, size);
  std::memcpy(Shadow + address, live, size);
  ScratchUsed += RunHeader + 2 * std::size_t{size};
}

// Appends the runs of [start, start + size) of one region, bringing the shadow
// up to date there.
void CompareRange(const Region& region, std::uint32_t start, std::uint32_t size) {
  const std::uint8_t* live = region.live + start;
  const std::uint8_t* shadow = Shadow + region.offset + start;
  if (std::memcmp(live, shadow, size) == 0) return;
  std::uint32_t i = 0;
  while (i < size) {
    i = static_cast<std::uint32_t>(std::mismatch(live + i, live + size, shadow + i).first - live);
    if (i == size) break;
    std::uint32_t end = i + 1;
    for (std::uint32_t j = end; j < size && j - end <= MergeGap; ++j)
      if (live[j] != shadow[j]) end = j + 1;
    EmitRun(region.offset + start + i, live + i, end - i);
    i = end;
  }
}

bool Overlaps(const StepPlace& place, std::size_t offset, std::size_t size) {
  return place.offset < offset + size && offset < std::size_t{place.offset} + place.size;
}

void DropOldest() {
  History.stepBytes -= PlaceOf(History.first).size;
  ++History.first;
}

// Finds room for the step in the scratch, dropping the redo steps and as
// many of the oldest as it takes, and keeps it.
void KeepScratchAsStep() {
  History.end = History.done;
  while (History.end - History.first >= PlaceCount) DropOldest();
  std::size_t at = 0;
  if (History.end > History.first) {
    const StepPlace& newest = PlaceOf(History.end - 1);
    at = std::size_t{newest.offset} + newest.size;
  }
  // Past the tip in ring order lie the oldest steps: the ones up to the end
  // of the ring go when the step wraps to the start.
  if (at + ScratchUsed > RingSize) {
    while (History.end > History.first && PlaceOf(History.first).offset >= at) DropOldest();
    at = 0;
  }
  while (History.end > History.first && Overlaps(PlaceOf(History.first), at, ScratchUsed))
    DropOldest();
  std::memcpy(Ring + at, Scratch, ScratchUsed);
  PlaceOf(History.end) = {static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(ScratchUsed)};
  History.stepBytes += ScratchUsed;
  ++History.end;
  History.done = History.end;
}

// Writes the old (undo) or new (redo) bytes of every run of a step into the
// set and the shadow.
std::uint32_t ApplyStep(std::uint64_t step, bool undo) {
  const StepPlace& place = PlaceOf(step);
  const std::uint8_t* run = Ring + place.offset;
  const std::uint8_t* stop = run + place.size;
  std::uint32_t changed = 0;
  while (run < stop) {
    std::uint32_t address = GetWord(run), size = GetWord(run + 4);
    const Region& region = RegionAt(address);
    const std::uint8_t* bytes = run + RunHeader + (undo ? 0 : size);
    std::memcpy(region.live + (address - region.offset), bytes, size);
    std::memcpy(Shadow + address, bytes, size);
    changed |= region.mask;
    run += RunHeader + 2 * std::size_t{size};
  }
  return changed;
}

}  // namespace

void StartHistory() {
  SetUpRegions();
  for (const Region& region : Regions)
    std::memcpy(Shadow + region.offset, region.live, region.size);
  History = {};
}

void NoteSetChange(const void* where, std::size_t size) {
  auto* at = static_cast<const std::uint8_t*>(where);
  for (int i = 0; i < RegionCount; ++i) {
    const Region& region = Regions[i];
    if (at < region.live || at >= region.live + region.size) continue;
    auto start = static_cast<std::uint32_t>(at - region.live);
    auto length = static_cast<std::uint32_t>(std::min<std::size_t>(size, region.size - start));
    if (History.pendingCount == PendingCount) {
      History.compareWholeImage = true;
    } else {
      History.pending[History.pendingCount++] = {region.offset + start, length};
    }
    return;
  }
}

void RecordStep() {
  if (History.held) return;
  ScratchUsed = 0;
  if (History.compareWholeImage) {
    for (int i = 0; i < FirstEditorRegion; ++i) CompareRange(Regions[i], 0, Regions[i].size);
  } else {
    for (int i = 0; i < History.pendingCount; ++i) {
      const Pending& note = History.pending[i];
      const Region& region = RegionAt(note.address);
      CompareRange(region, note.address - region.offset, note.size);
    }
  }
  for (int i = FirstEditorRegion; i < RegionCount; ++i)
    CompareRange(Regions[i], 0, Regions[i].size);
  History.pendingCount = 0;
  History.compareWholeImage = false;
  if (ScratchUsed > 0) KeepScratchAsStep();
}

void HoldStep() { History.held = true; }

void ReleaseStep() {
  History.held = false;
  RecordStep();
}

bool CanUndo() { return History.done > History.first; }
bool CanRedo() { return History.done < History.end; }

std::uint32_t UndoStep() {
  RecordStep();
  if (!CanUndo()) return 0;
  --History.done;
  return ApplyStep(History.done, true);
}

std::uint32_t RedoStep() {
  RecordStep();
  if (!CanRedo()) return 0;
  return ApplyStep(History.done++, false);
}

HistoryFigures ReadHistoryFigures() {
  return {History.end - History.first, History.end - History.done, History.stepBytes,
          sizeof Shadow + sizeof Ring + sizeof Places + sizeof Scratch + sizeof History};
}
