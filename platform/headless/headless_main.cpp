// tesselle-headless: runs the program on a script instead of a keyboard and a
// screen. Usage: tesselle-headless [--pitch BYTES] SCRIPT (or - for stdin).
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "io/file_io.h"
#include "platform/headless/headless_platform.h"
#include "platform/platform.h"
#include "platform/printable.h"

namespace {

constexpr const char* Usage =
    "usage: tesselle-headless [--pitch BYTES] SCRIPT\n"
    "Runs Tesselle on the commands of SCRIPT (- reads standard input), with a\n"
    "virtual display. Reads Cells.dap and Cells.id from the current directory.\n";

int UsageError(const char* reason) {
  std::fprintf(stderr, "tesselle-headless: %s\n%s", reason, Usage);
  return 2;
}

// Reads the script, one byte past the longest accepted so that a longer one
// shows; "-" is standard input, anything else a regular file.
bool ReadScript(const char* path, std::string& text) {
  text.assign(MaxScriptBytes + 1, '\0');
  auto* buffer = reinterpret_cast<std::uint8_t*>(text.data());
  std::size_t size = 0;
  if (std::strcmp(path, "-") != 0) {
    if (!ReadWholeFile(path, buffer, text.size(), size)) return false;
    text.resize(size < text.size() ? size : text.size());
    return true;
  }
  for (;;) {
    ssize_t got = read(STDIN_FILENO, buffer + size, text.size() - size);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    size += static_cast<std::size_t>(got);
    if (got == 0 || size == text.size()) break;
  }
  text.resize(size);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  long pitch = 640;
  const char* scriptPath = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      std::fputs(Usage, stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--pitch") == 0) {
      if (i + 1 >= argc) return UsageError("--pitch needs a value");
      char* end = nullptr;
      pitch = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || pitch < 640 || pitch > 65536)
        return UsageError("--pitch takes a number of bytes from 640 to 65536");
    } else if (scriptPath == nullptr) {
      scriptPath = argv[i];
    } else {
      return UsageError("only one script can be run");
    }
  }
  if (scriptPath == nullptr) return UsageError("no script given");

  static std::string text;
  std::string name = std::strcmp(scriptPath, "-") == 0 ? "standard input" : scriptPath;
  if (!ReadScript(scriptPath, text)) {
    std::fprintf(stderr, "tesselle-headless: cannot read %s: %s\n", Printable(name).c_str(),
                 FileErrorText(errno));
    return 2;
  }
  if (text.size() > MaxScriptBytes) {
    std::fprintf(stderr, "tesselle-headless: %s: the script is over 16 MiB\n",
                 Printable(name).c_str());
    return 2;
  }
  static std::vector<ScriptCommand> commands;
  std::string error;
  if (!ParseScript(text, commands, error)) {
    std::fprintf(stderr, "tesselle-headless: %s: %s\n", Printable(name).c_str(), error.c_str());
    return 2;
  }
  StartHeadless(commands, static_cast<std::int32_t>(pitch));
  ProgramEntry();
}
