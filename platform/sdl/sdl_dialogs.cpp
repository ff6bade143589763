// The open and Save As dialogs on the desktop: the command line answers the
// start-up open; otherwise zenity or kdialog asks, run without a shell, and
// failing both the prompt in the window. Names come back as Windows gives
// them, and each answer goes into the recording.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/emulated/dialog_name.h"
#include "platform/emulated/emulated.h"
#include "platform/printable.h"
#include "platform/sdl/sdl_backend.h"

extern char** environ;

namespace {

enum class Kind { Open, Save };

struct FirstOpenState {
  desktop::FirstOpen how = desktop::FirstOpen::Ask;
  const char* name = nullptr;
  bool taken = false;
};

FirstOpenState FirstOpenAnswer;

constexpr std::size_t MaxToolOutput = 64 * 1024;

const char* DialogName(Kind kind) { return kind == Kind::Open ? "open" : "Save As"; }
const char* DialogTitle(Kind kind) {
  return kind == Kind::Open ? "Open area set" : "Save area set as";
}

// The name the program receives for `name`, as the Windows dialog gives it:
// with the default extension when its last part has none. Empty, with the
// reason in `why`, when the name cannot be taken.
std::string Complete(std::string name, const OsFileDialog& dialog, std::string& why) {
  if (name.empty()) {
    why = "no name is given";
    return {};
  }
  if (name.find('\0') != std::string::npos) {
    why = "a name cannot hold a NUL byte";
    return {};
  }
  if (emu::NamesFolder(name)) {
    why = "that names a folder, not a file";
    return {};
  }
  name = emu::CompleteDialogName(name, dialog.defExt);
  if (emu::NamesFolder(name)) {
    why = "that names a folder, not a file";
    return {};
  }
  if (dialog.file == nullptr || name.size() + 1 > dialog.maxFile) {
    why = "the name is too long: " + std::to_string(name.size()) + " bytes, at most " +
          std::to_string(dialog.maxFile > 0 ? dialog.maxFile - 1 : 0);
    return {};
  }
  return name;
}

// Hands the chosen name to the program, or reports why it cannot.
bool Accept(Kind kind, const std::string& chosen, OsFileDialog& dialog) {
  std::string why;
  std::string name = Complete(chosen, dialog, why);
  if (name.empty()) {
    std::fprintf(stderr, "tesselle: the name chosen in the %s dialog cannot be used (%s): %s\n",
                 DialogName(kind), why.c_str(), Printable(chosen).c_str());
    return false;
  }
  std::memcpy(dialog.file, name.c_str(), name.size() + 1);
  return true;
}

// The dialog's current name, as a string that stops inside its buffer.
std::string CurrentName(const OsFileDialog& dialog) {
  if (dialog.file == nullptr || dialog.maxFile == 0) return {};
  return std::string(dialog.file, strnlen(dialog.file, dialog.maxFile));
}

// The current name made absolute, so the dialog starts in its folder.
std::string StartingPath(const OsFileDialog& dialog) {
  std::string name = CurrentName(dialog);
  if (!name.empty() && name[0] == '/') return name;
  std::string path(4096, '\0');
  if (getcwd(path.data(), path.size()) == nullptr) return name;
  path.resize(std::strlen(path.c_str()));
  if (path.empty() || path.back() != '/') path += '/';
  return path + name;
}

// The (label, patterns) pairs of a Windows filter list, ended by an empty string.
std::vector<std::pair<std::string, std::string>> FilterPairs(const char* filter) {
  std::vector<std::pair<std::string, std::string>> pairs;
  while (filter != nullptr && filter[0] != '\0') {
    std::string label = filter;
    filter += label.size() + 1;
    if (filter[0] == '\0') break;
    std::string patterns = filter;
    filter += patterns.size() + 1;
    pairs.emplace_back(std::move(label), std::move(patterns));
  }
  return pairs;
}

std::string Replace(std::string text, char from, char to) {
  for (char& c : text)
    if (c == from) c = to;
  return text;
}

}  // namespace

namespace desktop {

std::string FindOnPath(const char* program) {
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  for (;;) {
    std::size_t end = folders.find(':', start);
    std::string folder = folders.substr(start, end == std::string::npos ? end : end - start);
    if (folder.empty()) folder = ".";
    std::string candidate = folder + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    if (end == std::string::npos) return {};
    start = end + 1;
  }
}

// Runs a dialog program with its arguments as they are (no shell), in a
// process group of its own that a signal to end ends too; keeps the window
// painted while it runs, and collects what it prints.
int RunTool(const std::vector<std::string>& arguments, std::string& output) {
  desktop::EndIfSignalled();
  const char* tool = arguments[0].c_str();
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
    std::fprintf(stderr, "tesselle: cannot run %s: %s\n", tool, std::strerror(errno));
    return -1;
  }
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
  posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);  // nothing else leaks
#endif
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  pid_t child = 0;
  int failure = posix_spawn(&child, tool, &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (failure != 0) {
    close(pipeEnds[0]);
    std::fprintf(stderr, "tesselle: cannot run %s: %s\n", tool, std::strerror(failure));
    return -1;
  }

  desktop::SetHelperGroup(child);

  output.clear();
  char buffer[4096];
  for (;;) {
    pollfd ready[2] = {{pipeEnds[0], POLLIN, 0}, {desktop::EndSignalWaiter(), POLLIN, 0}};
    int polled = poll(ready, 2, 30);
    if (polled < 0 && errno != EINTR) break;
    if (polled <= 0 || ready[1].revents != 0) {
      desktop::PumpWhileModal();
      continue;
    }
    ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    if (output.size() < MaxToolOutput) output.append(buffer, static_cast<std::size_t>(got));
  }
  close(pipeEnds[0]);

  int status = 0;
  pid_t waited;
  while ((waited = waitpid(child, &status, 0)) < 0 && errno == EINTR) {
  }
  desktop::SetHelperGroup(0);
  desktop::EndIfSignalled();
  if (waited < 0) {
    std::fprintf(stderr, "tesselle: lost track of %s: %s\n", tool, std::strerror(errno));
    return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  std::fprintf(stderr, "tesselle: %s ended by signal %d\n", tool, WTERMSIG(status));
  return -1;
}

}  // namespace desktop

namespace {

std::vector<std::string> ZenityArguments(const std::string& tool, Kind kind,
                                         const OsFileDialog& dialog) {
  std::vector<std::string> arguments = {tool, "--file-selection"};
  if (kind == Kind::Save) arguments.emplace_back("--save");
  if (kind == Kind::Save && (dialog.flags & OFN_OVERWRITEPROMPT) != 0)
    arguments.emplace_back("--confirm-overwrite");
  arguments.push_back(std::string("--title=") + DialogTitle(kind));
  arguments.push_back("--filename=" + StartingPath(dialog));
  for (const auto& [label, patterns] : FilterPairs(dialog.filter))
    arguments.push_back("--file-filter=" + label + " | " + Replace(patterns, ';', ' '));
  return arguments;
}

std::vector<std::string> KdialogArguments(const std::string& tool, Kind kind,
                                          const OsFileDialog& dialog) {
  std::string filters;
  for (const auto& [label, patterns] : FilterPairs(dialog.filter)) {
    if (!filters.empty()) filters += '\n';
    filters += Replace(patterns, ';', ' ') + "|" + label;
  }
  return {tool,
          "--title",
          DialogTitle(kind),
          kind == Kind::Open ? "--getopenfilename" : "--getsavefilename",
          StartingPath(dialog),
          filters};
}

// Why the in-window prompt cannot take the completed name `name`, as a file
// chooser would refuse it: an open names a file that is there, and a Save As
// does not name a folder nor, unless the user says so, a file that exists.
std::string Refusal(Kind kind, const OsFileDialog& dialog, const std::string& name) {
  struct stat status;
  bool exists = stat(name.c_str(), &status) == 0;
  if (kind == Kind::Open && !exists)
    return "No such file: " + std::string(std::strerror(errno)) + ".";
  if (exists && !S_ISREG(status.st_mode)) return "That is not a regular file.";
  if (kind == Kind::Save && exists && (dialog.flags & OFN_OVERWRITEPROMPT) != 0 &&
      !emu::MayReplace(name.c_str(), desktop::AskQuestion))
    return "Choose another name.";
  return {};
}

// Asks in the window, from the current name, until a name that can be taken
// is confirmed or the prompt is cancelled.
bool AskInWindow(Kind kind, OsFileDialog& dialog) {
  if (dialog.file == nullptr || dialog.maxFile == 0) return false;
  std::string hint;
  if (dialog.defExt != nullptr && dialog.defExt[0] != '\0')
    hint = std::string("A name without an extension gets .") + dialog.defExt + ".";
  std::string name = CurrentName(dialog);
  desktop::NameCheck check = [kind, &dialog](const std::string& typed) {
    std::string why;
    std::string completed = Complete(typed, dialog, why);
    if (!completed.empty()) return Refusal(kind, dialog, completed);
    why[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(why[0])));
    return why + ".";
  };
  if (!desktop::PromptInWindow(DialogTitle(kind), hint, name, dialog.maxFile - 1, check))
    return false;
  return Accept(kind, name, dialog);
}

// zenity or kdialog; a tool that fails (a status other than 0 and 1, a
// signal, or nothing to start) hands the dialog to the prompt in the window:
// its failure is never a cancel.
bool RunDialog(Kind kind, OsFileDialog& dialog) {
  std::string tool = desktop::FindOnPath("zenity");
  bool zenity = !tool.empty();
  if (!zenity) tool = desktop::FindOnPath("kdialog");
  if (tool.empty()) return AskInWindow(kind, dialog);
  for (;;) {
    std::string chosen;
    int status;
    {
      desktop::DialogScope scope;
      status = desktop::RunTool(
          zenity ? ZenityArguments(tool, kind, dialog) : KdialogArguments(tool, kind, dialog),
          chosen);
    }
    if (status == 0 && !chosen.empty() && chosen.back() == '\n') chosen.pop_back();
    if (status == 1 || (status == 0 && chosen.empty())) return false;
    if (status != 0) {
      std::fprintf(stderr, "tesselle: %s failed; the %s dialog is asked in the window\n",
                   tool.c_str(), DialogName(kind));
      return AskInWindow(kind, dialog);
    }
    if (!Accept(kind, chosen, dialog)) return false;
    // kdialog does not ask before a file is replaced: ask here, and on No
    // show the dialog again.
    if (zenity || kind == Kind::Open || emu::MayReplace(dialog, desktop::AskQuestion)) return true;
  }
}

bool AnswerFirstOpen(OsFileDialog& dialog) {
  FirstOpenAnswer.taken = true;
  if (FirstOpenAnswer.how == desktop::FirstOpen::Cancel) return false;
  std::size_t length = std::strlen(FirstOpenAnswer.name);
  if (dialog.file == nullptr || length + 1 > dialog.maxFile) {
    // Starting on an empty set instead would later save it over another file.
    std::fprintf(stderr, "tesselle: the area set name is too long (%zu bytes, at most %u): %s\n",
                 length, dialog.maxFile > 0 ? dialog.maxFile - 1 : 0,
                 Printable(FirstOpenAnswer.name).c_str());
    OsExitProcess(1);
  }
  std::memcpy(dialog.file, FirstOpenAnswer.name, length + 1);
  return true;
}

}  // namespace

namespace desktop {

void SetFirstOpenAnswer(FirstOpen how, const char* name) {
  FirstOpenAnswer.how = how;
  FirstOpenAnswer.name = name;
  FirstOpenAnswer.taken = false;
}

}  // namespace desktop

bool OsGetOpenFileName(OsFileDialog& dialog) {
  bool chosen;
  if (!FirstOpenAnswer.taken && FirstOpenAnswer.how != desktop::FirstOpen::Ask) {
    chosen = AnswerFirstOpen(dialog);
  } else {
    FirstOpenAnswer.taken = true;
    chosen = RunDialog(Kind::Open, dialog);
  }
  desktop::RecordDialogAnswer(true, chosen, dialog);
  return chosen;
}

bool OsGetSaveFileName(OsFileDialog& dialog) {
  bool chosen = RunDialog(Kind::Save, dialog);
  desktop::RecordDialogAnswer(false, chosen, dialog);
  return chosen;
}
