// Start-up loading: the cell bank, the cell-id table, the open dialog and the
// area set it names (or a new, empty one), then the rebuild of every id layer.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "files/area_set.h"
#include "files/data_files.h"
#include "io/file_io.h"
#include "runtime/exit.h"
#include "runtime/messages.h"

namespace {

constexpr char AreaFileFilter[] = "Dane do gry\0*.out\0";  // the literal adds the list's end

// The bank files are looked for in the working folder, which the report names.
void ReadAtLeast(const char* name, std::uint8_t* buffer, std::size_t needed, const char* what) {
  std::size_t size = 0;
  if (!ReadWholeFile(name, buffer, needed, size)) {
    int error = errno;
    std::error_code failure;
    std::string folder = std::filesystem::current_path(failure).string();
    FailStartup("cannot read %s: %s (looked for in %s)", name, FileErrorText(error),
                failure ? "the working folder" : folder.c_str());
  }
  if (size < needed)
    FailStartup("%s is too short for %s: %zu bytes, at least %zu needed", name, what, size, needed);
}

}  // namespace

bool LoadDataFiles() {
  ReadAtLeast("Cells.dap", CellBank, CellBankUsedSize, "a cell bank");
  ReadAtLeast("Cells.id", CellIdTable, CellIdTableSize, "a cell-id table");

  AreaFileDialog = {};
  AreaFileDialog.structSize = 76;
  AreaFileDialog.owner = ProgramState.mainWindow;
  AreaFileDialog.instance = ProgramState.instance;
  AreaFileDialog.filter = AreaFileFilter;
  AreaFileDialog.file = AreaFileName;
  AreaFileDialog.maxFile = AreaFileNameSize;
  AreaFileDialog.flags = 0;
  AreaFileDialog.defExt = nullptr;

  std::memset(AreaSetImage, 0, sizeof AreaSetImage);
  if (!OsGetOpenFileName(AreaFileDialog)) return false;  // a new, empty area set

  std::size_t size = 0;
  if (!ReadWholeFile(AreaFileName, AreaSetImage, AreaSetSize, size))
    FailStartup("cannot read %s: %s", AreaFileName, FileErrorText(errno));
  if (size != AreaSetSize)
    FailStartup("%s is not an area set: %zu bytes, an area set has exactly %zu", AreaFileName, size,
                AreaSetSize);
  return true;
}

void BuildIdLayers() {
  for (std::size_t area = 0; area < 256; ++area) {
    std::uint8_t* record = AreaRecord(area);
    for (std::size_t i = 0; i < AreaCells; ++i) record[AreaCells + i] = CellIdTable[record[i]];
  }
}
