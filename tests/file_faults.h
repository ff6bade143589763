// System faults and a log for the file calls, linked in place of the
// system's open, write, fsync and rename (with --wrap) in the test programs.
#pragma once

#include <string>
#include <vector>

namespace dbl {

struct FileFaults {
  long long diskBytesLeft = -1;  // bytes the disk takes yet; -1: no limit
  int renamesLeft = -1;          // renames that work before the others fail; -1: all work
  int folderError = 0;           // opening a folder fails with this errno
  // While logging, the calls on files: "write file 0600" (with the file's
  // mode as it is written; once for a run of writes), "sync file 0640",
  // "rename" and "sync folder".
  bool logging = false;
  std::vector<std::string> log;
};
inline FileFaults Faults;  // defined wherever it is used, wrapped or not

}  // namespace dbl
