// Questions on the desktop: zenity or kdialog, run without a shell, or the
// prompt in the window when neither is there or the one there fails, each
// with the question's default button for Enter. The program's questions go
// into the recording as the replay's confirm lines; a Save As dialog's own
// question does not (the recording gives the dialog's final answer).
#include <cstdio>
#include <string>
#include <vector>

#include "platform/sdl/sdl_backend.h"

namespace {

bool HasCancel(std::uint32_t type) { return (type & MB_TYPEMASK) == MB_YESNOCANCEL; }
bool DefaultIsNo(std::uint32_t type) { return (type & MB_DEFMASK) == MB_DEFBUTTON2; }

// zenity has two buttons and an extra one; Esc and the window's close are
// its cancel, which for a Yes/No question is the safe No. Its default is the
// first button unless --default-cancel makes it the second (so a question
// with Cancel keeps Yes as its default).
std::vector<std::string> ZenityArguments(const std::string& tool, const char* text,
                                         std::uint32_t type) {
  std::vector<std::string> arguments = {tool, "--question", "--no-wrap",
                                        std::string("--title=") + ProgramTitle,
                                        std::string("--text=") + text};
  if (!HasCancel(type)) {
    arguments.insert(arguments.end(), {"--ok-label=Yes", "--cancel-label=No"});
    if (DefaultIsNo(type)) arguments.emplace_back("--default-cancel");
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

// kdialog's warning question has No as its default, its plain one Yes.
const char* KdialogKind(std::uint32_t type) {
  if (HasCancel(type)) return "--yesnocancel";
  return DefaultIsNo(type) ? "--warningyesno" : "--yesno";
}

}  // namespace

namespace desktop {

int AskQuestion(const char* text, std::uint32_t type, int unasked) {
  std::string tool = FindOnPath("zenity");
  bool zenity = !tool.empty();
  // kdialog cannot make Cancel its default button: such a question is asked
  // in the window instead, where Enter cancels.
  if (!zenity && DefaultAnswer(type) != IDCANCEL) tool = FindOnPath("kdialog");
  if (tool.empty()) return AskQuestionInWindow(text, type, unasked);
  std::string output;
  int answer;
  {
    DialogScope scope;
    if (zenity) {
      int status = RunTool(ZenityArguments(tool, text, type), output);
      answer = ZenityAnswer(status, output, type);
    } else {
      int status = RunTool({tool, "--title", ProgramTitle, KdialogKind(type), text}, output);
      answer = KdialogAnswer(status, type);
    }
  }
  if (answer != 0) return answer;
  std::fprintf(stderr, "tesselle: %s failed; the question is asked in the window\n", tool.c_str());
  return AskQuestionInWindow(text, type, unasked);
}

}  // namespace desktop

int OsAskQuestion(const char* text, std::uint32_t type, int unasked) {
  int answer = desktop::AskQuestion(text, type, unasked);
  desktop::RecordQuestionAnswer(answer);
  return answer;
}
