// The data files: size rules at start-up, the id rebuild, the bytes a save
// writes, the Save As dialog, and saves that must not damage anything.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <tuple>

#include "area/area_slots.h"
#include "area/unsaved.h"
#include "files/area_set.h"
#include "files/stored_set.h"
#include "io/file_io.h"
#include "tests/unit/program_test.h"

namespace {

using Files = ProgramTest;

using AreaSetOfSize = std::vector<std::uint8_t>;  // (size, fill)

TEST_F(Files, MissingOrShortFilesEndWithStatusOneBeforeTheDisplay) {
  const std::tuple<std::function<void()>, const char*, const char*> cases[] = {
      {[] { dbl::WriteFile("set.out", AreaSetOfSize(214017, 1)); }, "set.out",
       "set.out is not an area set: 214017 bytes, an area set has exactly 214016"},
      {[] { dbl::WriteFile("set.out", {}); }, "set.out",
       "set.out is not an area set: 0 bytes, an area set has exactly 214016"},
      {[] {}, "nowhere.out", "cannot read nowhere.out: No such file or directory"},
      {[] { std::filesystem::resize_file("Cells.dap", 66303); }, "",
       "Cells.dap is too short for a cell bank: 66303 bytes, at least 66304 needed"},
      {[] { std::filesystem::remove("Cells.dap"); }, "",
       "cannot read Cells.dap: No such file or directory (looked for in HERE)"},
      {[] { std::filesystem::resize_file("Cells.id", 255); }, "",
       "Cells.id is too short for a cell-id table: 255 bytes, at least 256 needed"},
      {[] { mkfifo("fifo.out", 0600); }, "fifo.out", "cannot read fifo.out: not a regular file"},
      {[] { std::filesystem::remove("Cells.id"), mkfifo("Cells.id", 0600); }, "",
       "cannot read Cells.id: not a regular file (looked for in HERE)"}};
  alarm(20);  // a read that waits on a FIFO would hang the suite
  for (const auto& [damage, open, error] : cases) {
    dbl::WriteTestBank();
    damage();
    dbl::Reset();
    dbl::AnswerOpen(open);
    EXPECT_EQ(dbl::RunProgram(), 1u);
    std::string line = std::string("tesselle: ") + error;
    if (std::size_t here = line.find("HERE"); here != std::string::npos)
      line.replace(here, 4, std::filesystem::current_path().string());  // the bank's folder
    EXPECT_EQ(dbl::Calls.errors, std::vector<std::string>{line});
    EXPECT_FALSE(emu::Display.modeSet);  // ended before the display was touched
  }
  alarm(0);
  EXPECT_EQ(dbl::Calls.openDialogs, 0);  // the data files are read before the dialog
}

// A saved set carries ids rebuilt from the cell-id table, and copies of the
// bank and the table (longer data files are fine), for a new set as for one
// opened with stale ones.
TEST_F(Files, SavedSetsCarryRebuiltIdsAndCopiesOfTheBank) {
  std::filesystem::resize_file("Cells.dap", 70000);
  std::filesystem::resize_file("Cells.id", 300);
  std::vector<std::uint8_t> bank = dbl::ReadFile("Cells.dap"), ids = dbl::ReadFile("Cells.id");
  std::vector<std::uint8_t> set = AreaSetOfSize(214016, 0);
  for (std::size_t i = 0; i < 81920; ++i) set[i] = static_cast<std::uint8_t>(i * 7);
  dbl::WriteFile("set.out", set);
  for (const char* name : {"Areas.out", "set.out"}) {
    SCOPED_TRACE(name);
    bool opened = name == std::string("set.out");
    dbl::Reset();
    dbl::AnswerOpen(opened ? name : "");
    dbl::Do([] {  // rebuilt as the set is opened
      for (std::size_t area = 0; area < 256; ++area)
        for (std::size_t i = 0; i < 160; ++i)
          ASSERT_EQ(AreaRecord(area)[160 + i], dbl::CellId(AreaRecord(area)[i]));
    });
    dbl::Key(VK_F3);
    EXPECT_EQ(dbl::RunProgram(), 0u);
    std::vector<std::uint8_t> saved = dbl::ReadFile(name);
    ASSERT_EQ(saved.size(), 214016u);
    for (std::size_t i = 0; i < saved.size(); ++i) {
      std::uint8_t expected = 0;
      if (i < 81920) {  // each area's cells, then their ids
        std::uint8_t cell = opened ? set[i % 320 < 160 ? i : i - 160] : 0;
        expected = i % 320 < 160 ? cell : ids[cell];
      }
      if (i >= 0x14000 && i < 0x14000 + 66304) expected = bank[i - 0x14000];
      if (i >= 0x24300 && i < 0x24400) expected = ids[i - 0x24300];
      ASSERT_EQ(saved[i], expected) << "at offset " << i;
    }
  }
}

// Whatever goes wrong, the old file stays byte for byte, nothing is left
// beside it and the edits can still be saved elsewhere; a link planted at a
// temporary's name is never followed.
TEST_F(Files, FailedSavesLeaveTheOldFileAndNoTemporary) {
  const std::tuple<const char*, long long, int, mode_t, const char*> faults[] = {
      {"full disk", 100000, -1, 0644, "No space left on device"},
      {"failing rename", -1, 0, 0644, "Invalid cross-device link"},
      {"read-only", -1, -1, 0444, "Permission denied"},
      {"planted links", -1, -1, 0644, nullptr}};
  for (const auto& [name, diskBytes, renamesLeft, mode, fault] : faults) {
    SCOPED_TRACE(name);
    SetUp();  // a folder of its own
    dbl::WriteFile("set.out", AreaSetOfSize(214016, 3));
    chmod("set.out", mode);
    dbl::WriteFile("victim", {1, 2, 3});
    for (const char* planted : {"set.out.tesselle-new", ".tesselle-new"})
      std::filesystem::create_symlink("victim", planted);
    auto listing = [] {
      std::set<std::string> names;
      for (const auto& entry : std::filesystem::directory_iterator("."))
        names.insert(entry.path().filename().string());
      return names;
    };
    std::set<std::string> before = listing();
    before.insert("good.out");
    dbl::Reset();
    dbl::AnswerOpen("set.out");
    dbl::Key(VK_SPACE);  // place cell 0 at (0, 0): the set changes in memory
    dbl::Do([&] {
      dbl::Faults.diskBytesLeft = diskBytes;
      dbl::Faults.renamesLeft = renamesLeft;
    });
    dbl::Key(VK_F3);
    dbl::Do([] { dbl::Faults = {}; });
    dbl::AnswerSave("good.out");
    dbl::Key(VK_F3, true);
    EXPECT_EQ(dbl::RunProgram(), 0u);
    EXPECT_EQ(dbl::ReadFile("victim"), std::vector<std::uint8_t>({1, 2, 3}));
    EXPECT_EQ(listing(), before);
    std::vector<std::uint8_t> good = dbl::ReadFile("good.out");
    EXPECT_TRUE(good.size() == 214016u && good[0] == 0 && good[160] == dbl::CellId(0));
    if (fault == nullptr) {
      EXPECT_TRUE(dbl::Calls.errors.empty());
      EXPECT_EQ(dbl::ReadFile("set.out")[0], 0);
      continue;
    }
    EXPECT_EQ(dbl::ReadFile("set.out"), AreaSetOfSize(214016, 3));
    std::string error = std::string("cannot save set.out: ") + fault;
    EXPECT_EQ(dbl::Calls.errors, std::vector<std::string>{"tesselle: " + error});
    EXPECT_EQ(dbl::Calls.lastMessageBox, error);
  }
}

// A save replaces the file a link names, in that file's folder, and keeps the
// link, the file's mode and its owner; a new file gets the umask's mode; any
// name that can be opened can be saved. The new content goes into a file that
// only its owner may read, which takes the set's mode and is synced before the
// rename; the folder is synced after. Save As leaves the screen as it was,
// shows its dialog on the desktop with the pointer, and asks it to add the
// extension, which the open dialog does not.
TEST_F(Files, SaveFollowsLinksKeepsTheModeAndSyncsTheFileThenTheFolder) {
  std::filesystem::create_directory("real");
  dbl::WriteFile("real/set.out", AreaSetOfSize(214016, 3));
  chmod("real/set.out", 0604);
  std::filesystem::create_symlink("real/set.out", "link.out");
  std::string longName = std::string(251, 'n') + ".out";
  dbl::WriteFile(longName, AreaSetOfSize(214016, 3));
  mode_t mask = umask(027);
  dbl::AnswerOpen("link.out");
  dbl::Key(VK_SPACE);
  dbl::Do([] { dbl::Faults.logging = true; });
  dbl::Key(VK_F3);
  dbl::AnswerSave("new");
  std::vector<std::uint8_t> before, after;
  bool defExtAtOpen = true;
  std::vector<std::string> log;
  dbl::Do([&] {
    defExtAtOpen = AreaFileDialog.defExt != nullptr;
    emu::SetHeldModifiers(true, false);
    before = dbl::Screen(), SaveAreaSet(), after = dbl::Screen();
    log = dbl::Faults.log;
  });
  dbl::AnswerSave(longName);
  dbl::Key(VK_F3, true);
  EXPECT_EQ(dbl::RunProgram(), 0u);
  umask(mask);
  EXPECT_TRUE(dbl::Calls.errors.empty());
  EXPECT_EQ(std::tuple(defExtAtOpen, dbl::Calls.saveDialogs, before == after),
            std::tuple(false, 2, true));
  EXPECT_TRUE(dbl::Calls.cursorVisibleAtDialog && !dbl::Calls.modeSetAtDialog);
  EXPECT_TRUE(std::filesystem::is_symlink("link.out"));
  auto mode = [](const char* name) {
    struct stat info {};
    return stat(name, &info) == 0 ? info.st_mode & 0777 : 0u;
  };
  EXPECT_EQ(std::pair(mode("real/set.out"), mode("new.out")), std::pair(0604u, 0640u));
  for (const std::string& saved : {std::string("real/set.out"), longName})
    EXPECT_EQ(dbl::ReadFile(saved)[0], 0) << saved;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("real"), {}), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"write file 0600", "sync file 0604", "rename",
                                           "sync folder", "write file 0600", "sync file 0640",
                                           "rename", "sync folder"}));
}

// Once the new file is in place the set is saved, also when its folder
// cannot be synced afterwards: the warning says so, nothing is left unsaved
// and F3 asks no more about replacing that file.
TEST_F(Files, ASaveWhoseFolderCannotBeSyncedIsSavedWithAWarning) {
  Keys({VK_TAB, VK_RIGHT, VK_SPACE, VK_TAB, VK_SPACE});  // cell 1 placed at (0, 0) of a new set
  dbl::Do([] { dbl::Faults.folderError = EACCES; });
  dbl::AnswerSave("new.out");
  dbl::Key(VK_F3, true);
  std::pair<bool, bool> unsavedAndRemembered;
  dbl::Do([&] { unsavedAndRemembered = {UnsavedChanges(), StoredUnder("new.out")}; });
  EXPECT_EQ(dbl::RunProgram(), 0u);
  std::vector<std::uint8_t> saved = dbl::ReadFile("new.out");
  EXPECT_TRUE(saved.size() == 214016u && saved[0] == 1 && saved[160] == dbl::CellId(1));
  const std::string warning = "Saved new.out (the folder could not be synced: Permission denied)";
  EXPECT_EQ(dbl::Calls.status.event, warning);
  EXPECT_EQ(dbl::Calls.errors, std::vector<std::string>{"tesselle: " + warning});
  EXPECT_EQ(dbl::Calls.messageBoxes, 0);
  EXPECT_EQ(unsavedAndRemembered, std::pair(false, true));
}

// A save clears from its folder what a killed save left there: temporaries of
// ours (the name pattern, a regular file, our owner) not written to for ten
// minutes. Nothing else goes, in that folder or another.
TEST_F(Files, ASaveClearsOnlyOurOwnStaleTemporariesFromItsFolder) {
  enum Kind { File, Folder, Link, Fifo, Foreign };
  const std::tuple<const char*, Kind, int, bool> entries[] = {
      // minutes old, cleared
      {".tesselle-abcdefghij", File, 11, true},       {".tesselle-0123456789", File, 60 * 24, true},
      {".tesselle-klmnopqrst", File, 9, false},       {".tesselle-abcdefghi", File, 11, false},
      {".tesselle-abcdefghijk", File, 11, false},     {".tesselle-ABCDEFGHIJ", File, 11, false},
      {".tesselle-abcde.ghij", File, 11, false},      {"x.tesselle-abcdefghij", File, 11, false},
      {".tesselle-dddddddddd", Folder, 11, false},    {".tesselle-llllllllll", Link, 11, false},
      {".tesselle-ffffffffff", Fifo, 11, false},      {".tesselle-oooooooooo", Foreign, 11, false},
      {"other/.tesselle-abcdefghij", File, 11, false}};
  std::filesystem::create_directory("other");
  dbl::WriteFile("victim", {1});
  auto age = [](const char* name, int minutes) {
    timespec times[2] = {{time(nullptr) - 60 * minutes, 0}, {time(nullptr) - 60 * minutes, 0}};
    return utimensat(AT_FDCWD, name, times, AT_SYMLINK_NOFOLLOW) == 0;
  };
  for (const auto& [name, kind, minutes, cleared] : entries) {
    if (kind == Folder) std::filesystem::create_directory(name);
    if (kind == Link) std::filesystem::create_symlink("victim", name);
    if (kind == Fifo) mkfifo(name, 0600);
    if (kind == File || kind == Foreign) dbl::WriteFile(name, {1});
    if (kind == Foreign && chown(name, 4321, 4321) != 0) std::filesystem::remove(name);
    ASSERT_TRUE(age(name, minutes) || kind == Foreign) << name;  // another's only as root
  }
  ASSERT_TRUE(WriteWholeFile("set.out", AreaSetOfSize(214016, 3).data(), 214016));
  for (const auto& [name, kind, minutes, cleared] : entries) {
    bool left = std::filesystem::exists(std::filesystem::symlink_status(name));
    EXPECT_TRUE(left != cleared || (kind == Foreign && geteuid() != 0)) << name;
  }
  EXPECT_EQ(dbl::ReadFile("victim"), std::vector<std::uint8_t>{1});
}

}  // namespace
