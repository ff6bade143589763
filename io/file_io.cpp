// Whole-file reads and atomic whole-file writes, over the platform's file
// calls: the order of the steps and the cleaning up after a failure.
#include "io/file_io.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "platform/file_names.h"
#include "platform/platform.h"

namespace {

struct Pending {
  std::string target;  // the file a name finally names
  std::string temporary;
  OsFileId id{};
};

bool SameId(const OsFileId& a, const char* aName, const OsFileId& b, const char* bName) {
  return a.device == b.device && a.number == b.number && a.isNew == b.isNew &&
         (!b.isNew || SameNamePart(FileNamePart(aName), FileNamePart(bName)));
}

bool SameFile(const Pending& a, const OsFileId& b, const char* bName) {
  return SameId(a.id, a.target.c_str(), b, bName);
}

// Whether no target before the i-th is in its folder.
bool FirstInFolder(const std::vector<Pending>& pending, std::size_t i) {
  std::size_t length = FolderLength(pending[i].target.c_str());
  for (std::size_t j = 0; j < i; ++j)
    if (FolderLength(pending[j].target.c_str()) == length &&
        pending[j].target.compare(0, length, pending[i].target, 0, length) == 0)
      return false;
  return true;
}

// Finds and identifies every target; fails, with failed (and sameAs) set, on
// the first that may not be replaced or is an earlier target or an input.
bool CheckTargets(const FileContent* files, std::size_t count, const char* const* inputs,
                  std::size_t inputCount, std::vector<Pending>& pending, std::size_t& failed,
                  std::size_t& sameAs) {
  static char target[OsPathSize];
  for (failed = 0; failed < count; ++failed) {
    Pending& file = pending[failed];
    if (!OsFindTarget(files[failed].name, target, sizeof target) ||
        !OsIdentifyFile(target, file.id))
      return false;
    file.target = target;
    for (std::size_t j = 0; j < failed; ++j)
      if (SameFile(pending[j], file.id, target)) {
        sameAs = j;
        return false;
      }
  }
  for (std::size_t k = 0; k < inputCount; ++k) {
    OsFileId input{};
    if (!OsIdentifyFile(inputs[k], input) || input.isNew) continue;  // gone: nothing to keep
    for (failed = 0; failed < count; ++failed)
      if (SameFile(pending[failed], input, inputs[k])) {
        sameAs = count + k;
        return false;
      }
  }
  return true;
}

// Writes one content into a new temporary beside its target.
bool WriteTemporary(const FileContent& file, Pending& pending) {
  static char temporary[OsPathSize];
  OsFile handle = OsCreateTemporary(pending.target.c_str(), temporary, sizeof temporary);
  if (handle == OsNoFile) return false;
  pending.temporary = temporary;
  bool ok = OsWriteFile(handle, file.bytes, file.size);
  if (!ok) {
    int saved = errno;
    OsCloseFile(handle);
    errno = saved;
  } else {
    ok = OsFinishTemporary(handle, temporary, pending.target.c_str());
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

Replaced ReplaceFiles(const FileContent* files, std::size_t count, const char* const* inputs,
                      std::size_t inputCount) {
  Replaced done;
  std::vector<Pending> pending(count);
  std::size_t i = 0;
  errno = 0;
  bool ok = CheckTargets(files, count, inputs, inputCount, pending, i, done.sameAs);
  if (ok) {
    for (i = 0; i < count; ++i)
      if (FirstInFolder(pending, i)) OsRemoveStaleTemporaries(pending[i].target.c_str());
    for (i = 0; i < count; ++i)
      if (!(ok = WriteTemporary(files[i], pending[i]))) break;
  }
  for (i = ok ? 0 : i; ok && i < count; ++i) {
    if (!(ok = OsReplaceFile(pending[i].temporary.c_str(), pending[i].target.c_str()))) break;
    pending[i].temporary.clear();
    ++done.placed;
  }
  if (!ok) {
    done.error = done.sameAs != Replaced::NotSame ? EEXIST : errno != 0 ? errno : EIO;
    done.failed = i;
    for (const Pending& left : pending)
      if (!left.temporary.empty()) OsRemoveFile(left.temporary.c_str());
  }
  // What is in place lasts once its folder is on the disk.
  for (i = 0; i < done.placed; ++i)
    if (FirstInFolder(pending, i) && !OsSyncFolder(pending[i].target.c_str()) && ok &&
        done.syncError == 0) {
      done.syncError = errno != 0 ? errno : EIO;
      done.unsynced = i;
    }
  errno = done.error;
  return done;
}

bool WriteWholeFile(const char* name, const std::uint8_t* block, std::size_t count) {
  FileContent file{name, block, count};
  return ReplaceFiles(&file, 1, nullptr, 0).placed == 1;
}

const char* FileErrorText(int code) {
  return code == ENODEV ? "not a regular file" : std::strerror(code);
}

bool NameOneFile(const char* a, const char* b) {
  OsFileId aId{}, bId{};
  return OsIdentifyFile(a, aId) && OsIdentifyFile(b, bId) && SameId(aId, a, bId, b);
}
