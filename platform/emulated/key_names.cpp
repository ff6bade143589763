// The key-name table and the runs of letters, digits, function and keypad
// keys, read from name to code and from code to name.
#include "platform/emulated/key_names.h"

#include <cctype>

namespace emu {

namespace {

struct NamedKey {
  const char* name;
  OsWParam code;
};

constexpr NamedKey KeyNames[] = {
    {"LEFT", VK_LEFT},     {"RIGHT", VK_RIGHT},       {"UP", VK_UP},
    {"DOWN", VK_DOWN},     {"SPACE", VK_SPACE},       {"TAB", VK_TAB},
    {"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE},     {"BACK", VK_BACK},
    {"INSERT", VK_INSERT}, {"DELETE", VK_DELETE},     {"HOME", VK_HOME},
    {"END", VK_END},       {"PRIOR", VK_PRIOR},       {"NEXT", VK_NEXT},
    {"ADD", VK_ADD},       {"SUBTRACT", VK_SUBTRACT}, {"MULTIPLY", VK_MULTIPLY},
    {"DIVIDE", VK_DIVIDE}, {"SHIFT", VK_SHIFT},       {"CONTROL", VK_CONTROL},
    {"MENU", VK_MENU},     {"OEM_PLUS", VK_OEM_PLUS}, {"OEM_MINUS", VK_OEM_MINUS},
};

// Runs of codes named by a prefix and a number counted from `firstNumber`.
struct NumberedKeys {
  const char* prefix;
  OsWParam firstCode;
  int firstNumber;
  int count;
};

constexpr NumberedKeys NumberedRuns[] = {
    {"F", VK_F1, 1, 12},
    {"NUMPAD", VK_NUMPAD0, 0, 10},
};

bool IsLetterOrDigit(OsWParam code) {
  return (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9');
}

}  // namespace

long KeyCodeOfName(const std::string& name) {
  std::string upper = name;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper.size() == 1 && IsLetterOrDigit(static_cast<unsigned char>(upper[0]))) return upper[0];
  for (const NamedKey& key : KeyNames)
    if (upper == key.name) return static_cast<long>(key.code);
  for (const NumberedKeys& run : NumberedRuns)
    for (int i = 0; i < run.count; ++i)
      if (upper == run.prefix + std::to_string(run.firstNumber + i))
        return static_cast<long>(run.firstCode) + i;
  return -1;
}

std::string NameOfKey(OsWParam code) {
  if (IsLetterOrDigit(code)) return std::string(1, static_cast<char>(code));
  for (const NamedKey& key : KeyNames)
    if (key.code == code) return key.name;
  for (const NumberedKeys& run : NumberedRuns)
    if (code >= run.firstCode && code < run.firstCode + static_cast<OsWParam>(run.count))
      return run.prefix + std::to_string(static_cast<int>(code - run.firstCode) + run.firstNumber);
  return {};
}

}  // namespace emu
