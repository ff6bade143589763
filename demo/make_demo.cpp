// make-demo: draws the demo data that ships with Tesselle and writes it into the directory named on
// the command line (Cells.dap, Cells.id and Areas.out). Prints nothing on success; on failure it
// says why on stderr, exits 1 and leaves no partly written file behind.
#include "demo/make_demo.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "io/file_io.h"

namespace {

namespace fs = std::filesystem;

// Each file is written whole through the program's own safe writer.
void WriteOutput(const fs::path& dir, const char* name, const std::vector<Byte>& bytes) {
  const std::string path = (dir / name).string();
  if (!WriteWholeFile(path.c_str(), bytes.data(), bytes.size()))
    Fail("cannot write " + path + ": " + std::strerror(errno));
}

}  // namespace

void Fail(const std::string& reason) {
  std::fprintf(stderr, "make-demo: %s\n", reason.c_str());
  std::exit(1);
}

int main(int argc, char** argv) {
  if (argc != 2) Fail("usage: make-demo OUTDIR");

  Bank bank;
  const Catalog catalog = DrawCells(bank);
  const std::array<Byte, PaletteSize> palette = MakePalette();
  std::vector<Byte> cells(bank.pixels.begin(), bank.pixels.end());
  cells.insert(cells.end(), palette.begin(), palette.end());
  const std::vector<Byte> ids(bank.ids.begin(), bank.ids.end());

  // Areas.out: the area records, then copies of the two files above, then the world map.
  std::vector<Byte> areas = MakeAreaRecords(bank, catalog);
  areas.insert(areas.end(), cells.begin(), cells.end());
  areas.insert(areas.end(), ids.begin(), ids.end());
  const std::vector<Byte> map = MakeWorldMap();
  areas.insert(areas.end(), map.begin(), map.end());

  if (cells.size() != CellBankUsedSize || ids.size() != CellCount || areas.size() != AreaSetSize)
    Fail("internal error: file sizes came out wrong");

  std::error_code error;
  fs::create_directories(argv[1], error);
  if (error) Fail(std::string("cannot create ") + argv[1] + ": " + error.message());
  WriteOutput(argv[1], "Cells.dap", cells);
  WriteOutput(argv[1], "Cells.id", ids);
  WriteOutput(argv[1], "Areas.out", areas);
  return 0;
}
