// Reading a file whole, never past what the caller needs, and replacing
// files whole without ever leaving one half written.
#pragma once

#include <cstddef>
#include <cstdint>

// Reads up to capacity bytes of the file into buffer and reports the file's
// full size. Only a regular file is read: a folder, a FIFO or a device is
// refused at once. On failure returns false with errno set; nothing past the
// buffer's end is ever written.
bool ReadWholeFile(const char* name, std::uint8_t* buffer, std::size_t capacity,
                   std::size_t& fileSize);

// One file's new content.
struct FileContent {
  const char* name;
  const void* bytes;
  std::size_t size;
};

// What ReplaceFiles did. The files are put in place from the first, in order.
struct Replaced {
  std::size_t placed = 0;  // how many are in place
  int error = 0;           // why the others are not, an errno; 0 when all are
  std::size_t failed = 0;  // with error: the file it concerns
  // With error: target `failed` is the same file as target `sameAs`, or as
  // input sameAs - count; nothing was written.
  std::size_t sameAs = NotSame;
  // Every file in place, but a folder could not be synced: the errno, and a
  // file of that folder.
  int syncError = 0;
  std::size_t unsynced = 0;

  static constexpr std::size_t NotSame = ~std::size_t{0};
};

// Replaces the files whole. Every target is checked first: it may be
// replaced, and no two targets, nor a target and one of the inputs (files
// that must stay), are the same file once links are followed. Then the
// temporaries a killed save left in the targets' folders are cleared, each
// new content is written, flushed and closed beside the file it replaces (a
// link is followed to its file, and the file keeps its mode), and only then
// are the files put in place and their folders synced. No temporary of this
// call is left; errno is left as error.
Replaced ReplaceFiles(const FileContent* files, std::size_t count, const char* const* inputs,
                      std::size_t inputCount);

// The same for a single file: true once it is in place; errno set otherwise.
bool WriteWholeFile(const char* name, const std::uint8_t* block, std::size_t count);

// The reason for an errno value of the calls above, as a report shows it.
const char* FileErrorText(int code);

// Whether two names name one file once links are followed: the same file, or
// the same new name in the same folder.
bool NameOneFile(const char* a, const char* b);
