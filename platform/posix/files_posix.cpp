// The per-system file calls on POSIX systems: reading only regular files,
// and the steps of replacing a file (finding the file a link names, an
// exclusive temporary beside it, its mode and owner, the rename, the sync),
// with the files' identities and the clearing of temporaries left behind.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/file_names.h"
#include "platform/platform.h"

namespace {

bool RefuseIrregular(const struct stat& info) {
  if (S_ISREG(info.st_mode)) return false;
  errno = S_ISDIR(info.st_mode) ? EISDIR : ENODEV;
  return true;
}

// A temporary's name: the prefix, then this many of the letters.
constexpr char TemporaryPrefix[] = ".tesselle-";
constexpr std::size_t TemporaryLetters = 10;
constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
// A temporary not written to for this long belongs to a save that was killed.
constexpr std::time_t StaleSeconds = 10 * 60;

// Fresh letters for a temporary name from a process-wide sequence.
void FillRandom(char* out, std::size_t count) {
  static std::uint64_t state = static_cast<std::uint64_t>(getpid()) * 0x9E3779B97F4A7C15u ^
                               static_cast<std::uint64_t>(std::time(nullptr));
  for (std::size_t i = 0; i < count; ++i) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    out[i] = Letters[(state >> 33) % (sizeof Letters - 1)];
  }
}

bool IsTemporaryName(const char* name) {
  if (std::strncmp(name, TemporaryPrefix, sizeof TemporaryPrefix - 1) != 0) return false;
  const char* letters = name + sizeof TemporaryPrefix - 1;
  std::size_t count = 0;
  for (; letters[count] != '\0'; ++count)
    if (count == TemporaryLetters || std::strchr(Letters, letters[count]) == nullptr) return false;
  return count == TemporaryLetters;
}

// The folder part of name followed by "." (the folder itself), in folder.
void FolderOf(const char* name, char (&folder)[OsPathSize]) {
  std::size_t length = FolderLength(name);
  if (length >= sizeof folder - 1) length = 0;  // longer than any name passed in
  std::memcpy(folder, name, length);
  std::strcpy(folder + length, ".");
}

// The mode a new file gets: 0666 less the umask.
mode_t NewFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

OsFile OsOpenRegularFile(const char* name, std::uint64_t& size) {
  int fd = open(name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return OsNoFile;
  struct stat info {};
  if (fstat(fd, &info) != 0 || RefuseIrregular(info)) {
    int saved = errno;
    close(fd);
    errno = saved;
    return OsNoFile;
  }
  size = static_cast<std::uint64_t>(info.st_size);
  return fd;
}

long long OsReadFile(OsFile file, void* buffer, std::size_t count) {
  for (;;) {
    ssize_t got = read(static_cast<int>(file), buffer, count);
    if (got >= 0 || errno != EINTR) return got;
  }
}

void OsCloseFile(OsFile file) { close(static_cast<int>(file)); }

bool OsFindTarget(const char* name, char* target, std::size_t size) {
  static char link[OsPathSize];
  if (std::snprintf(target, size, "%s", name) >= static_cast<int>(size)) {
    errno = ENAMETOOLONG;
    return false;
  }
  for (int hops = 0;; ++hops) {
    struct stat info {};
    if (lstat(target, &info) != 0) return errno == ENOENT;  // a new file
    if (!S_ISLNK(info.st_mode)) {
      if (RefuseIrregular(info)) return false;
      // A file nobody may write stays as it is, also for a superuser.
      if ((info.st_mode & 0222) == 0 || access(target, W_OK) != 0) {
        errno = EACCES;
        return false;
      }
      return true;
    }
    if (hops == 40) {
      errno = ELOOP;
      return false;
    }
    ssize_t length = readlink(target, link, sizeof link - 1);
    if (length < 0) return false;
    link[length] = '\0';
    // A relative link is read from the folder of the link itself.
    std::size_t keep = link[0] == '/' ? 0 : FolderLength(target);
    if (keep + static_cast<std::size_t>(length) + 1 > size) {
      errno = ENAMETOOLONG;
      return false;
    }
    std::memcpy(target + keep, link, static_cast<std::size_t>(length) + 1);
  }
}

OsFile OsCreateTemporary(const char* target, char* temporary, std::size_t size) {
  std::size_t folder = FolderLength(target);
  if (folder + sizeof TemporaryPrefix + TemporaryLetters > size) {
    errno = ENAMETOOLONG;
    return OsNoFile;
  }
  std::memcpy(temporary, target, folder);
  std::memcpy(temporary + folder, TemporaryPrefix, sizeof TemporaryPrefix - 1);
  char* letters = temporary + folder + sizeof TemporaryPrefix - 1;
  letters[TemporaryLetters] = '\0';
  for (int attempt = 0; attempt < 100; ++attempt) {
    FillRandom(letters, TemporaryLetters);
    int fd = open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) return fd;
    if (errno != EEXIST) return OsNoFile;
  }
  return OsNoFile;
}

bool OsWriteFile(OsFile file, const void* bytes, std::size_t count) {
  const char* next = static_cast<const char*>(bytes);
  while (count > 0) {
    ssize_t written = write(static_cast<int>(file), next, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    next += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

bool OsFinishTemporary(OsFile file, const char*, const char* target) {
  int fd = static_cast<int>(file);
  struct stat old {};
  bool ok = true;
  if (stat(target, &old) == 0) {
    // The owner first, as a change of owner clears the set-id bits.
    if (fchown(fd, old.st_uid, old.st_gid) != 0) {
      int groupOnly = fchown(fd, static_cast<uid_t>(-1), old.st_gid);  // may fail: kept as made
      (void)groupOnly;
    }
    ok = fchmod(fd, old.st_mode & 07777) == 0;
  } else {
    ok = fchmod(fd, NewFileMode()) == 0;
  }
  ok = ok && fsync(fd) == 0;
  int saved = errno;
  if (close(fd) != 0 && ok) return false;
  errno = saved;
  return ok;
}

bool OsReplaceFile(const char* from, const char* to) { return rename(from, to) == 0; }

// A rename lasts once the folder holding it is on the disk.
bool OsSyncFolder(const char* name) {
  static char folder[OsPathSize];
  FolderOf(name, folder);
  int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = fsync(fd) == 0 || errno == EINVAL;  // some file systems cannot sync a folder
  int saved = errno;
  close(fd);
  errno = saved;
  return ok;
}

void OsRemoveFile(const char* name) { unlink(name); }

void OsRemoveStaleTemporaries(const char* target) {
  static char folder[OsPathSize];
  FolderOf(target, folder);
  int saved = errno;
  if (DIR* listing = opendir(folder)) {
    int fd = dirfd(listing);
    std::time_t now = std::time(nullptr);
    while (const dirent* entry = readdir(listing)) {
      struct stat info {};
      if (IsTemporaryName(entry->d_name) &&
          fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
          info.st_uid == geteuid() && now - info.st_mtime > StaleSeconds)
        unlinkat(fd, entry->d_name, 0);
    }
    closedir(listing);
  }
  errno = saved;
}

bool OsIdentifyFile(const char* name, OsFileId& id) {
  struct stat info {};
  id.isNew = stat(name, &info) != 0;
  if (id.isNew) {
    if (errno != ENOENT) return false;
    static char folder[OsPathSize];
    FolderOf(name, folder);
    if (stat(folder, &info) != 0) return false;
  }
  id.device = static_cast<std::uint64_t>(info.st_dev);
  id.number = static_cast<std::uint64_t>(info.st_ino);
  return true;
}
