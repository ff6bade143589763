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

// Replaces the files whole. Every target is checked first, and every new
// content written, flushed and closed beside the file it replaces (a link is
// followed to its file, and the file keeps its mode) before any is put in
// place. On failure returns false with errno set, failed the index of the
// file it concerns, and placed the count of files (from the first, in order)
// replaced before it; no temporary file is left.
bool ReplaceFiles(const FileContent* files, std::size_t count, std::size_t& placed,
                  std::size_t& failed);

// The same for a single file.
bool WriteWholeFile(const char* name, const std::uint8_t* block, std::size_t count);

// The reason for an errno value of the calls above, as a report shows it.
const char* FileErrorText(int code);
