// Parsing of headless scripts, whole, before the program starts.
#include "platform/headless/script.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <utility>

#include "platform/emulated/key_names.h"
#include "platform/printable.h"

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool ParseNumber(const std::string& word, std::uint64_t& value) {
  if (word.empty()) return false;
  const char* begin = word.c_str();
  int base = 10;
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    begin += 2;
    base = 16;
  }
  if (!std::isxdigit(static_cast<unsigned char>(*begin))) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtoull(begin, &end, base);
  return errno == 0 && *end == '\0';
}

// The modifiers before the last word of MOD+...+WORD go to command; rest is
// that last word.
bool SplitModifiers(const std::string& word, ScriptCommand& command, bool allowModifiers,
                    std::string& rest, std::string& error) {
  rest = word;
  std::size_t plus;
  while ((plus = rest.find('+')) != std::string::npos && plus + 1 < rest.size()) {
    std::string modifier = Upper(rest.substr(0, plus));
    if (!allowModifiers) {
      error = "modifiers are not allowed here";
      return false;
    }
    if (modifier == "SHIFT") {
      command.shift = true;
    } else if (modifier == "CTRL") {
      command.control = true;
    } else {
      error = "unknown modifier '" + Excerpt(rest.substr(0, plus)) + "' (shift or ctrl)";
      return false;
    }
    rest = rest.substr(plus + 1);
  }
  return true;
}

bool ParseKey(const std::string& word, ScriptCommand& command, bool allowModifiers,
              std::string& error) {
  std::string rest;
  if (!SplitModifiers(word, command, allowModifiers, rest, error)) return false;
  long code = KeyCodeOfName(rest);
  if (code < 0) {
    error = "unknown key '" + Excerpt(rest) + "'";
    return false;
  }
  command.wParam = static_cast<OsWParam>(code);
  return true;
}

// X and Y of a pointer line, a pixel of the picture: its message's lParam.
bool ParsePoint(const std::string& xWord, const std::string& yWord, ScriptCommand& command,
                std::string& error) {
  std::uint64_t x = 0, y = 0;
  if (!ParseNumber(xWord, x) || x >= PictureWidth) {
    error = "X is from 0 to " + std::to_string(PictureWidth - 1) + ", not '" + Excerpt(xWord) + "'";
    return false;
  }
  if (!ParseNumber(yWord, y) || y >= PictureHeight) {
    error =
        "Y is from 0 to " + std::to_string(PictureHeight - 1) + ", not '" + Excerpt(yWord) + "'";
    return false;
  }
  command.lParam = static_cast<OsLParam>(x | y << 16);
  return true;
}

// [MOD+...]left or right: the message of that button's press or release.
bool ParseButton(const std::string& word, bool allowModifiers, bool press, ScriptCommand& command,
                 std::string& error) {
  std::string button;
  if (!SplitModifiers(word, command, allowModifiers, button, error)) return false;
  std::string name = Upper(button);
  if (name == "LEFT") {
    command.message = press ? WM_LBUTTONDOWN : WM_LBUTTONUP;
  } else if (name == "RIGHT") {
    command.message = press ? WM_RBUTTONDOWN : WM_RBUTTONUP;
  } else {
    error = "unknown button '" + Excerpt(button) + "' (left or right)";
    return false;
  }
  return true;
}

// [shift+]N: N notches of the wheel, -100..100 but not 0, as the delta in
// the high word of wParam.
bool ParseWheel(const std::string& word, ScriptCommand& command, std::string& error) {
  std::string turn = word;
  if (Upper(turn.substr(0, 6)) == "SHIFT+") {
    command.shift = true;
    turn = turn.substr(6);
  }
  bool negative = !turn.empty() && turn[0] == '-';
  std::uint64_t notches = 0;
  if (!ParseNumber(turn.substr(!turn.empty() && (turn[0] == '-' || turn[0] == '+') ? 1 : 0),
                   notches) ||
      notches == 0 || notches > MaxWheelNotches) {
    error = "the wheel turns -" + std::to_string(MaxWheelNotches) + " to " +
            std::to_string(MaxWheelNotches) + " notches, not 0, not '" + Excerpt(turn) + "'";
    return false;
  }
  long delta = static_cast<long>(notches) * WHEEL_DELTA * (negative ? -1 : 1);
  command.wParam = static_cast<OsWParam>(static_cast<std::uint16_t>(delta)) << 16;
  return true;
}

// `mouse ...` as one message, `click ...` as its three.
bool ParsePointerLine(const std::vector<std::string>& words, ScriptCommand command,
                      std::vector<ScriptCommand>& commands, std::string& error) {
  command.kind = CommandKind::Message;
  command.pointer = true;
  bool click = words[0] == "click";
  std::string action = click ? "click" : words.size() > 1 ? words[1] : "";
  if (action != "move" && action != "down" && action != "up" && action != "wheel" && !click) {
    error = "mouse takes move, down, up or wheel";
    return false;
  }
  // The words after `click` or after `mouse ACTION`.
  std::size_t arguments = action == "move" ? 2 : 3;
  if (words.size() != arguments + (click ? 1 : 2)) {
    error = "'" + (click ? action : "mouse " + action) + "' takes " + std::to_string(arguments) +
            " arguments";
    return false;
  }
  const std::string& x = words[words.size() - 2];
  const std::string& y = words.back();
  if (!ParsePoint(x, y, command, error)) return false;
  if (action == "move") {
    command.message = WM_MOUSEMOVE;
  } else if (action == "wheel") {
    command.message = WM_MOUSEWHEEL;
    if (!ParseWheel(words[2], command, error)) return false;
  } else if (!ParseButton(words[click ? 1 : 2], action != "up", action != "up", command, error)) {
    return false;
  }
  if (!click) {
    commands.push_back(command);
    return true;
  }
  ScriptCommand move = command;
  move.message = WM_MOUSEMOVE;
  move.shift = move.control = false;
  ScriptCommand release = command;
  release.message = command.message == WM_LBUTTONDOWN ? WM_LBUTTONUP : WM_RBUTTONUP;
  release.shift = release.control = false;
  commands.insert(commands.end(), {move, command, release});
  return true;
}

bool ParseLine(const std::vector<std::string>& words, ScriptCommand& command, std::string& error) {
  const std::string& verb = words[0];
  std::size_t argc = words.size() - 1;
  auto want = [&](std::size_t low, std::size_t high) {
    if (argc >= low && argc <= high) return true;
    error =
        "'" + verb + "' takes " +
        (low == high ? std::to_string(low) : std::to_string(low) + " to " + std::to_string(high)) +
        " argument" + (high == 1 ? "" : "s");
    return false;
  };
  auto number = [&](const std::string& word, std::uint64_t& value) {
    if (ParseNumber(word, value)) return true;
    error = "'" + Excerpt(word) + "' is not a number";
    return false;
  };
  command.kind = CommandKind::Message;
  if (verb == "key" || verb == "keyup") {
    if (!want(1, 1)) return false;
    command.message = verb == "key" ? WM_KEYDOWN : WM_KEYUP;
    command.lParam = 1;
    return ParseKey(words[1], command, true, error);
  }
  if (verb == "syskey") {
    if (!want(1, 1)) return false;
    command.message = WM_SYSKEYDOWN;
    command.lParam = 0x20000001;
    return ParseKey(words[1], command, false, error);
  }
  if (verb == "close") {
    command.message = WM_CLOSE;
    return want(0, 0);
  }
  if (verb == "quit") {
    if (!want(0, 1)) return false;
    command.message = WM_QUIT;
    std::uint64_t code = 0;
    if (argc == 1 && !number(words[1], code)) return false;
    command.wParam = static_cast<OsWParam>(code);
    return true;
  }
  if (verb == "message") {
    if (!want(1, 3)) return false;
    std::uint64_t id = 0, wParam = 0, lParam = 0;
    if (!number(words[1], id)) return false;
    if (argc >= 2 && !number(words[2], wParam)) return false;
    if (argc >= 3 && !number(words[3], lParam)) return false;
    if (id > 0xFFFFFFFFu) {
      error = "message id out of range";
      return false;
    }
    command.message = static_cast<std::uint32_t>(id);
    command.wParam = static_cast<OsWParam>(wParam);
    command.lParam = static_cast<OsLParam>(lParam);
    return true;
  }
  if (verb == "frames") {
    command.kind = CommandKind::Frames;
    if (!want(1, 1) || !number(words[1], command.frames)) return false;
    if (command.frames <= MaxFrames) return true;
    error = "frames takes at most " + std::to_string(MaxFrames);
    return false;
  }
  if (verb == "open" || verb == "save") {
    command.kind = verb == "open" ? CommandKind::Open : CommandKind::Save;
    if (!want(1, 1)) return false;
    command.cancel = words[1] == "cancel";
    command.path = words[1];
    return true;
  }
  if (verb == "shot" || verb == "palette") {
    command.kind = verb == "shot" ? CommandKind::Shot : CommandKind::Palette;
    if (!want(1, 1)) return false;
    command.path = words[1];
    if (command.kind == CommandKind::Shot) {
      std::string ending =
          Upper(command.path.substr(command.path.size() < 4 ? 0 : command.path.size() - 4));
      if (ending != ".RAW" && ending != ".PNG") {
        error = "a shot is written as .raw or .png";
        return false;
      }
    }
    return true;
  }
  if (verb == "lose-surface") {
    command.kind = CommandKind::LoseSurface;
    if (!want(0, 1)) return false;
    command.restorable = argc == 0;
    if (argc == 1 && words[1] != "unrestorable") {
      error = "lose-surface takes only 'unrestorable'";
      return false;
    }
    return true;
  }
  if (verb == "deactivate" || verb == "activate") {
    command.kind = verb == "deactivate" ? CommandKind::Deactivate : CommandKind::Activate;
    return want(0, 0);
  }
  if (verb == "confirm") {
    command.kind = CommandKind::Confirm;
    if (!want(1, 1)) return false;
    constexpr std::pair<const char*, int> Answers[] = {
        {"yes", IDYES}, {"no", IDNO}, {"cancel", IDCANCEL}};
    for (const auto& [word, answer] : Answers)
      if (words[1] == word) command.answer = answer;
    if (command.answer != 0) return true;
    error = "confirm takes yes, no or cancel";
    return false;
  }
  if (verb == "fail-lock") {
    command.kind = CommandKind::FailLock;
    return want(0, 0);
  }
  error = "unknown command '" + Excerpt(verb) + "'";
  return false;
}

}  // namespace

long KeyCodeOfName(const std::string& name) {
  if (long code = emu::KeyCodeOfName(name); code >= 0) return code;
  std::uint64_t code = 0;
  if (ParseNumber(name, code) && code <= 0x7FFFFFFF) return static_cast<long>(code);
  return -1;
}

bool ParseScript(const std::string& text, std::vector<ScriptCommand>& commands,
                 std::string& error) {
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find('\0') != std::string::npos) {
      error = "line " + std::to_string(number) + ": a NUL byte: " + Excerpt(line);
      return false;
    }
    std::istringstream split(line);
    std::vector<std::string> words;
    for (std::string word; split >> word;) words.push_back(word);
    if (words.empty() || words[0][0] == '#') continue;
    ScriptCommand command{};
    command.line = number;
    std::string reason;
    bool parsed = words[0] == "mouse" || words[0] == "click"
                      ? ParsePointerLine(words, command, commands, reason)
                      : ParseLine(words, command, reason);
    if (!parsed) {
      error = "line " + std::to_string(number) + ": " + reason;
      return false;
    }
    if (words[0] != "mouse" && words[0] != "click") commands.push_back(command);
  }
  return true;
}
