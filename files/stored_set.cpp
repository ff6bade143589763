// The copy of the set as last opened or saved, made once as a static buffer:
// the 256 slots, then the Word Map grid.
#include "files/stored_set.h"

#include <cstdio>
#include <cstring>

#include "files/area_set.h"

namespace {

std::uint8_t StoredImage[AreaSlotsSize + WordMapSize];
char StoredName[AreaFileNameSize];

}  // namespace

void RememberStoredSet(const char* name) {
  std::memcpy(StoredImage, AreaSetImage, AreaSlotsSize);
  std::memcpy(StoredImage + AreaSlotsSize, WordMapGrid(), WordMapSize);
  StoredName[0] = '\0';
  if (name != nullptr) std::snprintf(StoredName, sizeof StoredName, "%s", name);
}

const std::uint8_t* StoredSlot(int area) {
  return StoredImage + AreaRecordSize * static_cast<std::size_t>(area);
}

const std::uint8_t* StoredWordMap() { return StoredImage + AreaSlotsSize; }

bool StoredUnder(const char* name) {
  return StoredName[0] != '\0' && std::strncmp(StoredName, name, sizeof StoredName) == 0;
}
