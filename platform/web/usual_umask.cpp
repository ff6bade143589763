// Emscripten starts a process with a file-mode mask of 0777, which would
// give every file the program makes no permissions at all, and the next save
// to it would be refused as a file nobody may write. The process takes the
// usual 022 before anything else runs.
#include <sys/stat.h>

namespace {

const mode_t PreviousMask = umask(022);

}  // namespace
