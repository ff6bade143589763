// Whole-file reads and atomic whole-file writes over the standard library,
// with the per-system sync and rename from the platform layer.
#include "files/file_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/platform.h"

namespace fs = std::filesystem;

bool ReadWholeFile(const char* name, std::uint8_t* buffer, std::size_t capacity,
                   std::size_t& fileSize) {
  std::error_code error;
  if (fs::is_directory(name, error)) {
    errno = EISDIR;
    return false;
  }
  std::FILE* file = std::fopen(name, "rb");
  if (file == nullptr) return false;
  bool ok = std::fseek(file, 0, SEEK_END) == 0;
  long size = ok ? std::ftell(file) : -1;
  ok = ok && size >= 0 && std::fseek(file, 0, SEEK_SET) == 0;
  if (ok) {
    fileSize = static_cast<std::size_t>(size);
    std::size_t wanted = fileSize < capacity ? fileSize : capacity;
    ok = std::fread(buffer, 1, wanted, file) == wanted;
    if (!ok && errno == 0) errno = EIO;
  }
  int savedErrno = errno;
  std::fclose(file);
  errno = savedErrno;
  return ok;
}

bool WriteWholeFile(const char* name, const std::uint8_t* block, std::size_t count) {
  std::error_code error;
  fs::file_status status = fs::status(name, error);
  bool exists = fs::exists(status);
  if (exists && !fs::is_regular_file(status)) {
    errno = fs::is_directory(status) ? EISDIR : EINVAL;
    return false;
  }
  // A file its owner has made read-only stays as it is.
  if (exists && (status.permissions() & fs::perms::owner_write) == fs::perms::none) {
    errno = EACCES;
    return false;
  }

  static char temporary[1024];
  if (std::snprintf(temporary, sizeof temporary, "%s.tesselle-new", name) >=
      static_cast<int>(sizeof temporary)) {
    errno = ENAMETOOLONG;
    return false;
  }
  std::FILE* file = std::fopen(temporary, "wb");
  if (file == nullptr) return false;
  bool ok = std::fwrite(block, 1, count, file) == count;
  ok = ok && std::fflush(file) == 0;
  ok = ok && OsSyncFile(file);
  int savedErrno = errno;
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    savedErrno = errno;
  }
  if (ok && exists) fs::permissions(temporary, status.permissions(), error);
  if (ok && !OsReplaceFile(temporary, name)) {
    ok = false;
    savedErrno = errno;
  }
  if (!ok) {
    std::remove(temporary);
    errno = savedErrno != 0 ? savedErrno : EIO;
  }
  return ok;
}
