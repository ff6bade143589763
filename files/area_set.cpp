// The file images and work buffers. They are static, so they exist from the
// start of the process and are never freed; LoadDataFiles fills them.
#include "files/area_set.h"

#include <cstring>

std::uint8_t CellBank[CellBankUsedSize];
std::uint8_t CellIdTable[CellIdTableSize];
std::uint8_t AreaSetImage[AreaSetSize];
std::uint8_t PreviewSnapshot[PreviewSnapshotSize];
char AreaFileName[AreaFileNameSize] = "Areas.out";
OsFileDialog AreaFileDialog;

void ResetAreaSet() {
  std::memset(CellBank, 0, sizeof CellBank);
  std::memset(CellIdTable, 0, sizeof CellIdTable);
  std::memset(AreaSetImage, 0, sizeof AreaSetImage);
  std::memset(PreviewSnapshot, 0, sizeof PreviewSnapshot);
  std::memset(AreaFileName, 0, sizeof AreaFileName);
  std::strcpy(AreaFileName, "Areas.out");
  AreaFileDialog = {};
}
