// tesselle-headless: runs the program on a script instead of a keyboard and a
// screen. Usage: tesselle-headless [--pitch BYTES] SCRIPT (or - for stdin).
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/headless/headless_platform.h"
#include "shell/program.h"

namespace {

constexpr const char* Usage =
    "usage: tesselle-headless [--pitch BYTES] SCRIPT\n"
    "Runs Tesselle on the commands of SCRIPT (- reads standard input), with a\n"
    "virtual display. Reads Cells.dap and Cells.id from the current directory.\n";

int UsageError(const char* reason) {
  std::fprintf(stderr, "tesselle-headless: %s\n%s", reason, Usage);
  return 2;
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
        return UsageError("--pitch takes a number of bytes from 640 up");
    } else if (scriptPath == nullptr) {
      scriptPath = argv[i];
    } else {
      return UsageError("only one script can be run");
    }
  }
  if (scriptPath == nullptr) return UsageError("no script given");

  std::stringstream text;
  if (std::strcmp(scriptPath, "-") == 0) {
    text << std::cin.rdbuf();
  } else {
    std::ifstream file(scriptPath, std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "tesselle-headless: cannot read %s: %s\n", scriptPath,
                   std::strerror(errno));
      return 2;
    }
    text << file.rdbuf();
  }
  static std::vector<ScriptCommand> commands;
  std::string error;
  if (!ParseScript(text.str(), commands, error)) {
    std::fprintf(stderr, "tesselle-headless: %s: %s\n", scriptPath, error.c_str());
    return 2;
  }
  StartHeadless(commands, static_cast<std::int32_t>(pitch));
  ProgramEntry();
}
