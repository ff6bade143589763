// The headless driver's script: one command per line, parsed whole before the
// program starts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

enum class CommandKind {
  Message,  // key, keyup, syskey, close, quit, message
  Frames,
  Open,
  Save,
  Shot,
  Palette,
  LoseSurface,
  FailLock,
  Deactivate,
  Activate,
  Confirm,
};

struct ScriptCommand {
  CommandKind kind;
  int line;
  std::uint32_t message;
  OsWParam wParam;
  OsLParam lParam;
  bool shift;
  bool control;
  bool pointer;  // a mouse or click line: the buttons it holds count
  std::uint64_t frames;
  bool cancel;       // open/save cancel
  bool restorable;   // lose-surface
  int answer;        // confirm: IDYES, IDNO or IDCANCEL
  std::string path;  // open, save, shot, palette
};

// The longest script accepted, and the longest wait of one frames command.
constexpr std::size_t MaxScriptBytes = std::size_t{16} << 20;
constexpr std::uint64_t MaxFrames = 100000000;
// The picture's pixels that pointer lines name, and the wheel's notches.
constexpr std::uint64_t PictureWidth = 640, PictureHeight = 480;
constexpr long MaxWheelNotches = 100;

// Parses the whole script; on failure returns false with a message naming
// the line in error and quoting at most MaxQuotedBytes of it, escaped.
bool ParseScript(const std::string& text, std::vector<ScriptCommand>& commands, std::string& error);

// The virtual-key code of a key name, case-insensitive; -1 when unknown.
long KeyCodeOfName(const std::string& name);
