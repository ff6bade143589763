// How this system separates the folders of a file name: '/' on POSIX systems,
// where '\' is an ordinary character, and '/', '\' and a drive's ':' on
// Windows. Written once for the program, its platforms and its tools.
#pragma once

#include <cstddef>

#ifdef _WIN32
constexpr const char FolderSeparators[] = "/\\";
#else
constexpr const char FolderSeparators[] = "/";
#endif

constexpr bool IsFolderSeparator(char c) {
  for (const char* s = FolderSeparators; *s != '\0'; ++s)
    if (*s == c) return true;
  return false;
}

// The length of the folder part of name, its last separator included; 0 for
// a name without a folder.
constexpr std::size_t FolderLength(const char* name) {
  std::size_t folder = 0;
  for (std::size_t i = 0; name[i] != '\0'; ++i) {
#ifdef _WIN32
    if (name[i] == ':') folder = i + 1;
#endif
    if (IsFolderSeparator(name[i])) folder = i + 1;
  }
  return folder;
}

// The name of a file without its folders.
constexpr const char* FileNamePart(const char* name) { return name + FolderLength(name); }

// Whether two last parts of names name one entry of a folder: the same
// bytes, letter case aside on Windows, whose names ignore it.
constexpr bool SameNamePart(const char* a, const char* b) {
  auto fold = [](char c) {
#ifdef _WIN32
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
#endif
    return c;
  };
  for (; *a != '\0' && fold(*a) == fold(*b); ++a, ++b) {
  }
  return fold(*a) == fold(*b);
}
