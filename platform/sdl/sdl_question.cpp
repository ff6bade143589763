// Questions on the desktop: zenity or kdialog, run without a shell, or the
// prompt in the window when neither is there or the one there fails. Each
// answer goes into the recording as the replay's confirm line.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/sdl/sdl_backend.h"

namespace {

bool HasCancel(std::uint32_t type) { return (type & MB_TYPEMASK) == MB_YESNOCANCEL; }

// zenity has two buttons and an extra one; Esc and the window's close are
// its cancel, which for a Yes/No question is the safe No.
std::vector<std::string> ZenityArguments(const std::string& tool, const char* text,
                                         std::uint32_t type) {
  std::vector<std::string> arguments = {tool, "--question", "--no-wrap",
                                        std::string("--title=") + ProgramTitle,
                                        std::string("--text=") + text};
  if (!HasCancel(type)) {
    arguments.insert(arguments.end(), {"--ok-label=Yes", "--cancel-label=No"});
    if ((type & MB_DEFMASK) == MB_DEFBUTTON2) arguments.emplace_back("--default-cancel");
  } else {
    arguments.insert(arguments.end(),
                     {"--ok-label=Yes", "--cancel-label=Cancel", "--extra-button=No"});
    if (DefaultAnswer(type) == IDCANCEL) arguments.emplace_back("--default-cancel");
  }
  return arguments;
}

// The answer of a tool's exit status and output; 0 when the tool failed.
int ZenityAnswer(int status, const std::string& output, std::uint32_t type) {
  if (status == 0) return IDYES;
  if (status != 1) return 0;
  if (!HasCancel(type)) return IDNO;
  return output.rfind("No", 0) == 0 ? IDNO : IDCANCEL;
}

int KdialogAnswer(int status, std::uint32_t type) {
  if (status == 0) return IDYES;
  if (status == 1) return IDNO;
  if (status == 2 && HasCancel(type)) return IDCANCEL;
  return 0;
}

int Ask(const char* text, std::uint32_t type) {
  std::string tool = desktop::FindOnPath("zenity");
  bool zenity = !tool.empty();
  // kdialog cannot make Cancel its default button: such a question is asked
  // in the window instead, where Enter cancels.
  if (!zenity && DefaultAnswer(type) != IDCANCEL) tool = desktop::FindOnPath("kdialog");
  if (tool.empty()) return desktop::AskQuestionInWindow(text, type);
  std::string output;
  int answer;
  {
    desktop::DialogScope scope;
    if (zenity) {
      int status = desktop::RunTool(ZenityArguments(tool, text, type), output);
      answer = ZenityAnswer(status, output, type);
    } else {
      const char* kind = HasCancel(type) ? "--yesnocancel" : "--yesno";
      int status = desktop::RunTool({tool, "--title", ProgramTitle, kind, text}, output);
      answer = KdialogAnswer(status, type);
    }
  }
  if (answer != 0) return answer;
  std::fprintf(stderr, "tesselle: %s failed; the question is asked in the window\n", tool.c_str());
  return desktop::AskQuestionInWindow(text, type);
}

}  // namespace

int OsAskQuestion(const char* text, std::uint32_t type) {
  int answer = Ask(text, type);
  desktop::RecordQuestionAnswer(answer);
  return answer;
}
