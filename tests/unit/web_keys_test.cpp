// The browser's key events as the program receives them: one table of
// KeyboardEvent key and code pairs (as Chromium and Firefox send them, on
// several layouts) against the message, virtual key and lParam the program
// gets, or none where the browser keeps the key.
#include "platform/web/web_keys.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t None = 0;
constexpr OsLParam Once = 1, Alt = OsLParam{1} << 29, Repeated = OsLParam{1} << 30,
                   Up = OsLParam{1} << 30 | OsLParam{1} << 31;

struct KeyCase {
  const char* key;
  const char* code;
  const char* held;       // letters: s Shift, c Ctrl, a Alt, m Meta, r a repeat, u the release
  std::uint32_t message;  // None: the program never sees it
  OsWParam virtualKey;
  OsLParam lParam;
};

constexpr KeyCase Cases[] = {
    // Named keys go by their place.
    {"ArrowLeft", "ArrowLeft", "", WM_KEYDOWN, VK_LEFT, Once},
    {"ArrowDown", "ArrowDown", "s", WM_KEYDOWN, VK_DOWN, Once},
    {" ", "Space", "", WM_KEYDOWN, VK_SPACE, Once},
    {"Tab", "Tab", "", WM_KEYDOWN, VK_TAB, Once},
    {"Enter", "NumpadEnter", "", WM_KEYDOWN, VK_RETURN, Once},
    {"Escape", "Escape", "u", WM_KEYUP, VK_ESCAPE, Once | Up},
    {"Backspace", "Backspace", "", WM_KEYDOWN, VK_BACK, Once},
    {"Delete", "Delete", "r", WM_KEYDOWN, VK_DELETE, Once | Repeated},
    {"Insert", "Insert", "", WM_KEYDOWN, VK_INSERT, Once},
    {"PageUp", "PageUp", "", WM_KEYDOWN, VK_PRIOR, Once},
    {"End", "End", "", WM_KEYDOWN, VK_END, Once},
    {"F1", "F1", "", WM_KEYDOWN, VK_F1, Once},
    {"F3", "F3", "s", WM_KEYDOWN, VK_F3, Once},
    {"F5", "F5", "", WM_KEYDOWN, VK_F5, Once},
    {"Shift", "ShiftRight", "s", WM_KEYDOWN, VK_SHIFT, Once},
    {"Control", "ControlLeft", "c", WM_KEYDOWN, VK_CONTROL, Once},
    // Alt makes system keys, and F10 is one without it.
    {"F4", "F4", "a", WM_SYSKEYDOWN, VK_F4, Once | Alt},
    {"F4", "F4", "au", WM_SYSKEYUP, VK_F4, Once | Alt | Up},
    {"F10", "F10", "", WM_SYSKEYDOWN, VK_F10, Once},
    {"Alt", "AltLeft", "a", WM_SYSKEYDOWN, VK_MENU, Once | Alt},
    // Letters follow the layout; with Ctrl and Shift they are still letters.
    {"g", "KeyG", "", WM_KEYDOWN, 'G', Once},
    {"z", "KeyZ", "c", WM_KEYDOWN, 'Z', Once},
    {"Z", "KeyZ", "cs", WM_KEYDOWN, 'Z', Once},
    {"h", "KeyH", "c", WM_KEYDOWN, 'H', Once},
    {"f", "KeyF", "c", WM_KEYDOWN, 'F', Once},
    {"a", "KeyQ", "", WM_KEYDOWN, 'A', Once},   // AZERTY
    {"y", "KeyZ", "c", WM_KEYDOWN, 'Y', Once},  // QWERTZ
    // A layout outside Latin names the letter keys by their place.
    {"\xD1\x8F", "KeyZ", "c", WM_KEYDOWN, 'Z', Once},
    // Digits go by place, whatever the layout types on them.
    {"7", "Digit7", "", WM_KEYDOWN, '7', Once},
    {"!", "Digit1", "s", WM_KEYDOWN, '1', Once},
    {"\xC3\xA9", "Digit2", "", WM_KEYDOWN, '2', Once},
    // The main keyboard's + (=) and - stand in for the numpad's.
    {"+", "NumpadAdd", "", WM_KEYDOWN, VK_ADD, Once},
    {"-", "NumpadSubtract", "", WM_KEYDOWN, VK_SUBTRACT, Once},
    {"=", "Equal", "", WM_KEYDOWN, VK_ADD, Once},
    {"+", "Equal", "s", WM_KEYDOWN, VK_ADD, Once},
    {"-", "Minus", "", WM_KEYDOWN, VK_SUBTRACT, Once},
    {"+", "BracketRight", "", WM_KEYDOWN, VK_ADD, Once},  // QWERTZ
    {"-", "Slash", "", WM_KEYDOWN, VK_SUBTRACT, Once},    // QWERTZ
    // The numpad with and without NumLock.
    {"4", "Numpad4", "", WM_KEYDOWN, VK_NUMPAD0 + 4, Once},
    {"ArrowLeft", "Numpad4", "", WM_KEYDOWN, VK_LEFT, Once},
    {"Clear", "Numpad5", "", WM_KEYDOWN, VK_CLEAR, Once},
    {"Insert", "Numpad0", "", WM_KEYDOWN, VK_INSERT, Once},
    {"Delete", "NumpadDecimal", "", WM_KEYDOWN, VK_DELETE, Once},
    {".", "NumpadDecimal", "", WM_KEYDOWN, VK_DECIMAL, Once},
    // Keys the program has no code for.
    {"CapsLock", "CapsLock", "", None, 0, 0},
    {"Dead", "Quote", "", None, 0, 0},
    {"Unidentified", "", "", None, 0, 0},
    {"F13", "F13", "", None, 0, 0},
    // The browser keeps its own shortcuts.
    {"r", "KeyR", "c", None, 0, 0},
    {"l", "KeyL", "c", None, 0, 0},
    {"w", "KeyW", "c", None, 0, 0},
    {"Tab", "Tab", "c", None, 0, 0},
    {"PageDown", "PageDown", "c", None, 0, 0},
    {"3", "Digit3", "c", None, 0, 0},
    {"=", "Equal", "c", None, 0, 0},
    {"-", "Minus", "c", None, 0, 0},
    {"I", "KeyI", "cs", None, 0, 0},
    {"F11", "F11", "", None, 0, 0},
    {"F12", "F12", "", None, 0, 0},
    {"ArrowLeft", "ArrowLeft", "a", None, 0, 0},
    {"z", "KeyZ", "m", None, 0, 0},
    // ... but not the letters that only look like them.
    {"i", "KeyI", "c", WM_KEYDOWN, 'I', Once},
    {"c", "KeyC", "", WM_KEYDOWN, 'C', Once},
    {"ArrowLeft", "ArrowLeft", "c", WM_KEYDOWN, VK_LEFT, Once},
};

bool Has(const char* letters, char letter) {
  for (; *letters != '\0'; ++letters)
    if (*letters == letter) return true;
  return false;
}

TEST(WebKeys, EventsBecomeTheMessagesWindowsSends) {
  for (const KeyCase& c : Cases) {
    SCOPED_TRACE(std::string(c.key) + " / " + c.code + " held " + c.held);
    web::BrowserKeyEvent event = {c.key,
                                  c.code,
                                  !Has(c.held, 'u'),
                                  Has(c.held, 'r'),
                                  Has(c.held, 's'),
                                  Has(c.held, 'c'),
                                  Has(c.held, 'a'),
                                  Has(c.held, 'm')};
    web::WebKeyMessage out{};
    bool taken = web::TranslateBrowserKey(event, out);
    ASSERT_EQ(taken, c.message != None);
    if (!taken) continue;
    EXPECT_EQ(out.message, c.message);
    EXPECT_EQ(out.wParam, c.virtualKey);
    EXPECT_EQ(out.lParam, c.lParam);
    EXPECT_EQ(out.shift, Has(c.held, 's'));
    EXPECT_EQ(out.control, Has(c.held, 'c'));
  }
}

}  // namespace
