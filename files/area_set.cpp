// The file images and work buffers. They are static, so they exist from the
// start of the process and are never freed; LoadDataFiles fills them.
#include "files/area_set.h"

#include <cstring>

#include "runtime/state_records.h"

std::uint8_t CellBank[CellBankUsedSize];
std::uint8_t CellIdTable[CellIdTableSize];
std::uint8_t AreaSetImage[AreaSetSize];
std::uint8_t PreviewSnapshot[PreviewSnapshotSize];
char AreaFileName[AreaFileNameSize] = "Areas.out";
OsFileDialog AreaFileDialog;

namespace {

StateRecord ListedCellBank{"CellBank", CellBank, [] { std::memset(CellBank, 0, sizeof CellBank); }};
StateRecord ListedCellIdTable{"CellIdTable", CellIdTable,
                              [] { std::memset(CellIdTable, 0, sizeof CellIdTable); }};
StateRecord ListedAreaSetImage{"AreaSetImage", AreaSetImage,
                               [] { std::memset(AreaSetImage, 0, sizeof AreaSetImage); }};
StateRecord ListedPreviewSnapshot{"PreviewSnapshot", PreviewSnapshot,
                                  [] { std::memset(PreviewSnapshot, 0, sizeof PreviewSnapshot); }};
StateRecord ListedAreaFileName{"AreaFileName", AreaFileName, [] {
                                 std::memset(AreaFileName, 0, sizeof AreaFileName);
                                 std::strcpy(AreaFileName, "Areas.out");
                               }};
StateRecord ListedAreaFileDialog{"AreaFileDialog", AreaFileDialog, [] { AreaFileDialog = {}; }};

}  // namespace
