// Whole-file reads and atomic whole-file writes, over the platform's file
// calls: the order of the steps and the cleaning up after a failure.
#include "io/file_io.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace {

struct Pending {
  std::string target;
  std::string temporary;
};

// Writes one content into a new temporary beside its target.
bool WriteTemporary(const FileContent& file, Pending& pending) {
  static char target[OsPathSize];
  static char temporary[OsPathSize];
  if (!OsFindTarget(file.name, target, sizeof target)) return false;
  OsFile handle = OsCreateTemporary(target, temporary, sizeof temporary);
  if (handle == OsNoFile) return false;
  pending.target = target;
  pending.temporary = temporary;
  bool ok = OsWriteFile(handle, file.bytes, file.size);
  if (!ok) {
    int saved = errno;
    OsCloseFile(handle);
    errno = saved;
  } else {
    ok = OsFinishTemporary(handle, temporary, target);
  }
  if (!ok) {
    int saved = errno;
    OsRemoveFile(temporary);
    pending.temporary.clear();
    errno = saved != 0 ? saved : EIO;
  }
  return ok;
}

}  // namespace

bool ReadWholeFile(const char* name, std::uint8_t* buffer, std::size_t capacity,
                   std::size_t& fileSize) {
  std::uint64_t size = 0;
  OsFile file = OsOpenRegularFile(name, size);
  if (file == OsNoFile) return false;
  std::size_t wanted = size < capacity ? static_cast<std::size_t>(size) : capacity;
  std::size_t got = 0;
  bool ok = true;
  while (got < wanted) {
    long long count = OsReadFile(file, buffer + got, wanted - got);
    if (count <= 0) {
      ok = count == 0;  // the file got shorter meanwhile
      break;
    }
    got += static_cast<std::size_t>(count);
  }
  int saved = errno;
  OsCloseFile(file);
  errno = saved;
  fileSize = got < wanted ? got : static_cast<std::size_t>(size);
  return ok;
}

bool ReplaceFiles(const FileContent* files, std::size_t count, std::size_t& placed,
                  std::size_t& failed) {
  placed = 0;
  static char target[OsPathSize];
  // Refuse before anything is written when a target cannot be replaced.
  for (failed = 0; failed < count; ++failed)
    if (!OsFindTarget(files[failed].name, target, sizeof target)) return false;

  std::vector<Pending> pending(count);
  std::size_t i = 0;
  bool ok = true;
  for (; i < count; ++i)
    if (!(ok = WriteTemporary(files[i], pending[i]))) break;
  for (i = ok ? 0 : i; ok && i < count; ++i) {
    if (!(ok = OsReplaceFile(pending[i].temporary.c_str(), pending[i].target.c_str()))) break;
    pending[i].temporary.clear();
    ++placed;
  }
  failed = i;
  if (ok) return true;
  int saved = errno;
  for (const Pending& left : pending)
    if (!left.temporary.empty()) OsRemoveFile(left.temporary.c_str());
  errno = saved != 0 ? saved : EIO;
  return false;
}

bool WriteWholeFile(const char* name, const std::uint8_t* block, std::size_t count) {
  FileContent file{name, block, count};
  std::size_t placed = 0, failed = 0;
  return ReplaceFiles(&file, 1, placed, failed);
}

const char* FileErrorText(int code) {
  return code == ENODEV ? "not a regular file" : std::strerror(code);
}
