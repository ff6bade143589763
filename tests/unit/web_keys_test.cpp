// The browser's key events as the program receives them: one table of
// KeyboardEvent key and code pairs (as Chromium and Firefox send them, on
// several layouts) against the message, virtual key and lParam the program
// gets, or none where the browser keeps the key.
#include "platform/web/web_keys.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

constexpr OsLParam Once = 1, Alt = OsLParam{1} << 29, Repeated = OsLParam{1} << 30,
                   Up = OsLParam{1} << 30 | OsLParam{1} << 31;

struct KeyCase {
  const char* key;
  const char* code;
  const char* held;     // letters: s Shift, c Ctrl, a Alt, m Meta, r a repeat, u the release
  OsWParam virtualKey;  // 0: the program never sees the key
  std::uint32_t message = WM_KEYDOWN;
  OsLParam lParam = Once;
};

constexpr KeyCase Cases[] = {
    // Named keys go by their place.
    {"ArrowLeft", "ArrowLeft", "", VK_LEFT},
    {"Enter", "NumpadEnter", "", VK_RETURN},
    {"F1", "F1", "", VK_F1},
    {"F5", "F5", "", VK_F5},
    {"Control", "ControlLeft", "c", VK_CONTROL},
    // A release, and a key held down.
    {"Escape", "Escape", "u", VK_ESCAPE, WM_KEYUP, Once | Up},
    {"Delete", "Delete", "r", VK_DELETE, WM_KEYDOWN, Once | Repeated},
    // Alt makes system keys, and F10 is one without it.
    {"F4", "F4", "a", VK_F4, WM_SYSKEYDOWN, Once | Alt},
    {"F4", "F4", "au", VK_F4, WM_SYSKEYUP, Once | Alt | Up},
    {"F10", "F10", "", VK_F10, WM_SYSKEYDOWN},
    {"Alt", "AltLeft", "a", VK_MENU, WM_SYSKEYDOWN, Once | Alt},
    // Letters follow the layout; with Ctrl and Shift they are still letters.
    {"z", "KeyZ", "c", 'Z'},
    {"Z", "KeyZ", "cs", 'Z'},
    {"h", "KeyH", "c", 'H'},
    {"f", "KeyF", "c", 'F'},
    {"a", "KeyQ", "", 'A'},   // AZERTY
    {"y", "KeyZ", "c", 'Y'},  // QWERTZ
    // A layout outside Latin names the letter keys by their place.
    {"\xD1\x8F", "KeyZ", "c", 'Z'},
    // Digits go by place, whatever the layout types on them.
    {"!", "Digit1", "s", '1'},
    {"\xC3\xA9", "Digit2", "", '2'},
    // The main keyboard's + (=) and - stand in for the numpad's.
    {"=", "Equal", "", VK_ADD},
    {"+", "BracketRight", "", VK_ADD},  // QWERTZ
    {"-", "Slash", "", VK_SUBTRACT},    // QWERTZ
    // The numpad with and without NumLock.
    {"4", "Numpad4", "", VK_NUMPAD0 + 4},
    {"ArrowLeft", "Numpad4", "", VK_LEFT},
    {"Clear", "Numpad5", "", VK_CLEAR},
    {"Delete", "NumpadDecimal", "", VK_DELETE},
    {".", "NumpadDecimal", "", VK_DECIMAL},
    // Keys the program has no code for.
    {"Dead", "Quote", "", 0},
    {"Unidentified", "", "", 0},
    {"F13", "F13", "", 0},
    // The browser keeps its own shortcuts, but not the keys that only look
    // like them.
    {"r", "KeyR", "c", 0},
    {"PageDown", "PageDown", "c", 0},
    {"3", "Digit3", "c", 0},
    {"=", "Equal", "c", 0},
    {"I", "KeyI", "cs", 0},
    {"i", "KeyI", "c", 'I'},
    {"c", "KeyC", "", 'C'},
    {"F11", "F11", "", 0},
    {"F12", "F12", "", 0},
    {"ArrowLeft", "ArrowLeft", "a", 0},
    {"ArrowLeft", "ArrowLeft", "c", VK_LEFT},
    {"z", "KeyZ", "m", 0},
};

TEST(WebKeys, EventsBecomeTheMessagesWindowsSends) {
  for (const KeyCase& c : Cases) {
    SCOPED_TRACE(std::string(c.key) + " / " + c.code + " held " + c.held);
    auto held = [&c](char letter) { return std::strchr(c.held, letter) != nullptr; };
    web::BrowserKeyEvent event = {c.key,     c.code,    !held('u'), held('r'),
                                  held('s'), held('c'), held('a'),  held('m')};
    web::WebKeyMessage out{};
    bool taken = web::TranslateBrowserKey(event, out);
    ASSERT_EQ(taken, c.virtualKey != 0);
    if (!taken) continue;
    EXPECT_EQ(std::tuple(out.message, out.wParam, out.lParam, out.shift, out.control),
              std::tuple(c.message, c.virtualKey, c.lParam, held('s'), held('c')));
  }
}

}  // namespace
