// Reading a file whole, and replacing a file whole without ever leaving it
// half written.
#pragma once

#include <cstddef>
#include <cstdint>

// Reads up to capacity bytes of the file into buffer and reports the file's
// full size. On failure returns false with errno set; nothing past the
// buffer's end is ever written.
bool ReadWholeFile(const char* name, std::uint8_t* buffer, std::size_t capacity,
                   std::size_t& fileSize);

// Writes count bytes as the new content of the file: into a temporary file
// beside it, flushed to disk, then renamed over it. On failure returns false
// with errno set; the old file is then as it was and the temporary is gone.
bool WriteWholeFile(const char* name, const std::uint8_t* block, std::size_t count);
