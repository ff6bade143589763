// Tables from KeyboardEvent names to virtual-key codes, and the browser's own
// shortcuts that the page leaves alone.
#include "platform/web/web_keys.h"

#include <cstring>

#include "platform/emulated/key_message.h"

namespace web {

namespace {

struct NamedKey {
  const char* name;
  OsWParam virtualKey;
};

// Keys named by their place (KeyboardEvent.code).
constexpr NamedKey CodeTable[] = {
    {"ArrowLeft", VK_LEFT},
    {"ArrowRight", VK_RIGHT},
    {"ArrowUp", VK_UP},
    {"ArrowDown", VK_DOWN},
    {"Space", VK_SPACE},
    {"Tab", VK_TAB},
    {"Enter", VK_RETURN},
    {"NumpadEnter", VK_RETURN},
    {"Escape", VK_ESCAPE},
    {"Backspace", VK_BACK},
    {"Insert", VK_INSERT},
    {"Delete", VK_DELETE},
    {"Home", VK_HOME},
    {"End", VK_END},
    {"PageUp", VK_PRIOR},
    {"PageDown", VK_NEXT},
    {"NumpadMultiply", VK_MULTIPLY},
    {"NumpadAdd", VK_ADD},
    {"NumpadSubtract", VK_SUBTRACT},
    {"NumpadDivide", VK_DIVIDE},
    {"ShiftLeft", VK_SHIFT},
    {"ShiftRight", VK_SHIFT},
    {"ControlLeft", VK_CONTROL},
    {"ControlRight", VK_CONTROL},
    {"AltLeft", VK_MENU},
    {"AltRight", VK_MENU},
    // The main keyboard's plus (or the equals key it shares) and minus stand
    // in for the numpad's, which many laptops lack.
    {"Equal", VK_ADD},
    {"Minus", VK_SUBTRACT},
};

// The numpad's keys without NumLock report what is printed under them as
// their `key`.
constexpr NamedKey NumpadWithoutNumLock[] = {
    {"Insert", VK_INSERT},  {"End", VK_END},      {"ArrowDown", VK_DOWN},   {"PageDown", VK_NEXT},
    {"ArrowLeft", VK_LEFT}, {"Clear", VK_CLEAR},  {"ArrowRight", VK_RIGHT}, {"Home", VK_HOME},
    {"ArrowUp", VK_UP},     {"PageUp", VK_PRIOR}, {"Delete", VK_DELETE},
};

// Shortcuts the browser keeps: the key with Ctrl (and Shift when asked).
struct Shortcut {
  OsWParam virtualKey;
  bool shift;
};

constexpr Shortcut CtrlShortcuts[] = {
    {'R', false},    {'L', false},         {'T', false},      {'W', false},     {'N', false},
    {'Q', false},    {VK_TAB, false},      {VK_PRIOR, false}, {VK_NEXT, false}, {'0', false},
    {VK_ADD, false}, {VK_SUBTRACT, false}, {'I', true},       {'J', true},      {'C', true},
};

bool Is(const char* text, const char* name) { return std::strcmp(text, name) == 0; }

template <std::size_t N>
OsWParam Find(const NamedKey (&table)[N], const char* name) {
  for (const NamedKey& named : table)
    if (Is(name, named.name)) return named.virtualKey;
  return 0;
}

// "Digit7" -> '7', "F12" -> VK_F1 + 11, "Numpad3" -> 3; -1 when `text` is
// not `prefix` followed by a number from first to last.
int NumberAfter(const char* text, const char* prefix, int first, int last) {
  std::size_t length = std::strlen(prefix);
  if (std::strncmp(text, prefix, length) != 0 || text[length] == '\0') return -1;
  int number = 0;
  for (const char* c = text + length; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9' || number > last) return -1;
    number = number * 10 + (*c - '0');
  }
  return number >= first && number <= last ? number : -1;
}

bool BrowserKeeps(OsWParam virtualKey, const BrowserKeyEvent& event) {
  if (event.meta || virtualKey == VK_F1 + 10 || virtualKey == VK_F1 + 11) return true;
  if (event.alt && !event.control)
    return virtualKey == VK_LEFT || virtualKey == VK_RIGHT || virtualKey == VK_HOME;
  if (!event.control) return false;
  if (virtualKey >= '1' && virtualKey <= '9') return true;  // the tabs by number
  for (const Shortcut& shortcut : CtrlShortcuts)
    if (shortcut.virtualKey == virtualKey && (!shortcut.shift || event.shift)) return true;
  return false;
}

}  // namespace

OsWParam VirtualKeyOf(const BrowserKeyEvent& event) {
  const char* key = event.key;
  const char* code = event.code;
  if (int digit = NumberAfter(code, "Numpad", 0, 9); digit >= 0) {
    bool typesDigit = key[0] >= '0' && key[0] <= '9' && key[1] == '\0';
    return typesDigit ? VK_NUMPAD0 + static_cast<OsWParam>(digit) : Find(NumpadWithoutNumLock, key);
  }
  if (Is(code, "NumpadDecimal")) return Is(key, "Delete") ? VK_DELETE : VK_DECIMAL;
  char letter = key[1] == '\0' ? key[0] : '\0';
  if (letter >= 'a' && letter <= 'z') return static_cast<OsWParam>(letter - 'a' + 'A');
  if (letter >= 'A' && letter <= 'Z') return static_cast<OsWParam>(letter);
  if (int digit = NumberAfter(code, "Digit", 0, 9); digit >= 0)
    return static_cast<OsWParam>('0' + digit);
  if (int function = NumberAfter(code, "F", 1, 12); function >= 0)
    return VK_F1 + static_cast<OsWParam>(function - 1);
  if (OsWParam named = Find(CodeTable, code)) return named;
  if (letter == '+' || letter == '=') return VK_ADD;  // on layouts that move them
  if (letter == '-') return VK_SUBTRACT;
  // A layout whose letters lie outside Latin still names the letter keys by
  // their place, as Windows does.
  if (std::strncmp(code, "Key", 3) == 0 && code[3] >= 'A' && code[3] <= 'Z' && code[4] == '\0')
    return static_cast<OsWParam>(code[3]);
  return 0;
}

bool TranslateBrowserKey(const BrowserKeyEvent& event, WebKeyMessage& out) {
  OsWParam virtualKey = VirtualKeyOf(event);
  if (virtualKey == 0 || BrowserKeeps(virtualKey, event)) return false;
  emu::KeyMessageParts parts =
      emu::MakeKeyMessage(virtualKey, event.pressed, event.repeat, event.alt);
  out = {parts.message, virtualKey, parts.lParam, event.shift, event.control};
  return true;
}

}  // namespace web
