// The per-system file calls on Windows: reading only disk files, the steps
// of replacing a file (an exclusive temporary beside it, its attributes, the
// move) and the files' identities; failures set errno for the reports.
#include <cerrno>
#include <cstdint>
#include <cstdio>

#include "platform/file_names.h"
#include "platform/win32/win32.h"

int win32::ErrnoFromWindows(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_CURRENT_DIRECTORY:
    case ERROR_NETWORK_ACCESS_DENIED: return EACCES;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_NOT_SAME_DEVICE: return EXDEV;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_PARAMETER: return EINVAL;
    case ERROR_DIRECTORY: return ENOTDIR;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS: return EEXIST;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return ENOMEM;
    case ERROR_INVALID_HANDLE: return EBADF;
    default: return EIO;
  }
}

namespace {

bool Fail(DWORD error) {
  errno = win32::ErrnoFromWindows(error);
  return false;
}

}  // namespace

// Every name goes to the *A calls, as the dialogs and the rest of the
// program give it, so a check and the write always see the same file.
OsFile OsOpenRegularFile(const char* name, std::uint64_t& size) {
  DWORD attributes = GetFileAttributesA(name);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    errno = EISDIR;
    return OsNoFile;
  }
  HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    Fail(GetLastError());
    return OsNoFile;
  }
  LARGE_INTEGER length{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &length)) {
    CloseHandle(file);
    errno = ENODEV;
    return OsNoFile;
  }
  size = static_cast<std::uint64_t>(length.QuadPart);
  return reinterpret_cast<OsFile>(file);
}

long long OsReadFile(OsFile file, void* buffer, std::size_t count) {
  DWORD got = 0;
  DWORD wanted = count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(count);
  if (!ReadFile(reinterpret_cast<HANDLE>(file), buffer, wanted, &got, nullptr)) {
    Fail(GetLastError());
    return -1;
  }
  return got;
}

void OsCloseFile(OsFile file) { CloseHandle(reinterpret_cast<HANDLE>(file)); }

bool OsFindTarget(const char* name, char* target, std::size_t size) {
  if (std::snprintf(target, size, "%s", name) >= static_cast<int>(size)) {
    errno = ENAMETOOLONG;
    return false;
  }
  DWORD attributes = GetFileAttributesA(name);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || Fail(error);  // a new file
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    errno = EISDIR;
    return false;
  }
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    errno = EACCES;
    return false;
  }
  return true;
}

OsFile OsCreateTemporary(const char* target, char* temporary, std::size_t size) {
  static unsigned sequence = GetTickCount() ^ (GetCurrentProcessId() << 16);
  std::size_t folder = FolderLength(target);
  if (folder > 0x7fffffff) return OsNoFile;
  for (int attempt = 0; attempt < 100; ++attempt) {
    sequence = sequence * 1664525u + 1013904223u;
    if (std::snprintf(temporary, size, "%.*s.tesselle-%08x", static_cast<int>(folder), target,
                      sequence) >= static_cast<int>(size)) {
      errno = ENAMETOOLONG;
      return OsNoFile;
    }
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return reinterpret_cast<OsFile>(file);
    DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
      Fail(error);
      return OsNoFile;
    }
  }
  errno = EEXIST;
  return OsNoFile;
}

bool OsWriteFile(OsFile file, const void* bytes, std::size_t count) {
  const char* next = static_cast<const char*>(bytes);
  while (count > 0) {
    DWORD chunk = count > 0x40000000 ? 0x40000000 : static_cast<DWORD>(count);
    DWORD written = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(file), next, chunk, &written, nullptr))
      return Fail(GetLastError());
    if (written == 0) return Fail(ERROR_WRITE_FAULT);
    next += written;
    count -= written;
  }
  return true;
}

bool OsFinishTemporary(OsFile file, const char* temporary, const char* target) {
  HANDLE handle = reinterpret_cast<HANDLE>(file);
  bool ok = FlushFileBuffers(handle) != 0;
  DWORD error = GetLastError();
  if (!CloseHandle(handle) && ok) {
    ok = false;
    error = GetLastError();
  }
  if (!ok) return Fail(error);
  // The new file keeps the old one's attributes (hidden, archive and so on).
  DWORD attributes = GetFileAttributesA(target);
  if (attributes != INVALID_FILE_ATTRIBUTES && !SetFileAttributesA(temporary, attributes))
    return Fail(GetLastError());
  return true;
}

bool OsReplaceFile(const char* from, const char* to) {
  if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  return Fail(GetLastError());
}

// The move was written through; the folder needs nothing more.
bool OsSyncFolder(const char*) { return true; }

void OsRemoveFile(const char* name) { DeleteFileA(name); }

// Whose a file is takes the security calls to tell; temporaries are left.
void OsRemoveStaleTemporaries(const char*) {}

bool OsIdentifyFile(const char* name, OsFileId& id) {
  // A folder opens only with backup semantics; either opens without access.
  auto open = [](const char* path) {
    return CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  };
  HANDLE file = open(name);
  id.isNew = file == INVALID_HANDLE_VALUE;
  if (id.isNew) {
    DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND) return Fail(error);
    char folder[MAX_PATH + 2];
    std::size_t length = FolderLength(name);
    if (length >= MAX_PATH) return Fail(ERROR_FILENAME_EXCED_RANGE);
    std::snprintf(folder, sizeof folder, "%.*s.", static_cast<int>(length), name);
    file = open(folder);
    if (file == INVALID_HANDLE_VALUE) return Fail(GetLastError());
  }
  BY_HANDLE_FILE_INFORMATION information{};
  bool ok = GetFileInformationByHandle(file, &information) != 0;
  DWORD error = GetLastError();
  CloseHandle(file);
  if (!ok) return Fail(error);
  id.device = information.dwVolumeSerialNumber;
  id.number = (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
  return true;
}
