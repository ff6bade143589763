// SDL keys as the program knows them: one table from SDL key codes to Windows
// virtual-key codes, and the key messages they become.
#include "platform/emulated/key_message.h"
#include "platform/sdl/sdl_backend.h"

namespace {

// A run of consecutive SDL key codes mapped onto consecutive virtual keys.
struct KeyRun {
  SDL_Keycode first;
  SDL_Keycode last;
  OsWParam virtualKey;
};

constexpr KeyRun KeyTable[] = {
    {SDLK_a, SDLK_z, 'A'},
    {SDLK_0, SDLK_9, '0'},
    {SDLK_LEFT, SDLK_LEFT, VK_LEFT},
    {SDLK_RIGHT, SDLK_RIGHT, VK_RIGHT},
    {SDLK_UP, SDLK_UP, VK_UP},
    {SDLK_DOWN, SDLK_DOWN, VK_DOWN},
    {SDLK_SPACE, SDLK_SPACE, VK_SPACE},
    {SDLK_TAB, SDLK_TAB, VK_TAB},
    {SDLK_RETURN, SDLK_RETURN, VK_RETURN},
    {SDLK_KP_ENTER, SDLK_KP_ENTER, VK_RETURN},
    {SDLK_ESCAPE, SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_BACKSPACE, SDLK_BACKSPACE, VK_BACK},
    {SDLK_INSERT, SDLK_INSERT, VK_INSERT},
    {SDLK_DELETE, SDLK_DELETE, VK_DELETE},
    {SDLK_HOME, SDLK_HOME, VK_HOME},
    {SDLK_END, SDLK_END, VK_END},
    {SDLK_PAGEUP, SDLK_PAGEUP, VK_PRIOR},
    {SDLK_PAGEDOWN, SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_F1, SDLK_F12, VK_F1},
    {SDLK_KP_1, SDLK_KP_9, VK_NUMPAD0 + 1},
    {SDLK_KP_0, SDLK_KP_0, VK_NUMPAD0},
    {SDLK_KP_MULTIPLY, SDLK_KP_MULTIPLY, VK_MULTIPLY},
    {SDLK_KP_PLUS, SDLK_KP_PLUS, VK_ADD},
    {SDLK_KP_MINUS, SDLK_KP_MINUS, VK_SUBTRACT},
    {SDLK_KP_PERIOD, SDLK_KP_PERIOD, VK_DECIMAL},
    {SDLK_KP_DIVIDE, SDLK_KP_DIVIDE, VK_DIVIDE},
    {SDLK_LSHIFT, SDLK_LSHIFT, VK_SHIFT},
    {SDLK_RSHIFT, SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, SDLK_LCTRL, VK_CONTROL},
    {SDLK_RCTRL, SDLK_RCTRL, VK_CONTROL},
    {SDLK_LALT, SDLK_LALT, VK_MENU},
    {SDLK_RALT, SDLK_RALT, VK_MENU},
    // The main keyboard's minus and plus (or the equals key it shares) stand
    // in for the numpad's, which many laptops lack. Typed names never come
    // through here: the prompt takes SDL's text.
    {SDLK_EQUALS, SDLK_EQUALS, VK_ADD},
    {SDLK_PLUS, SDLK_PLUS, VK_ADD},
    {SDLK_MINUS, SDLK_MINUS, VK_SUBTRACT},
};

// With NumLock off the numpad's digits and point are the keys printed under
// them, as Windows sends them; its 5 is VK_CLEAR.
constexpr OsWParam NumpadWithoutNumLock[11] = {
    VK_INSERT, VK_END, VK_DOWN, VK_NEXT, VK_LEFT, VK_CLEAR, VK_RIGHT, VK_HOME, VK_UP, VK_PRIOR,
    VK_DELETE,  // the point
};

static_assert(SDLK_F12 - SDLK_F1 == 11 && SDLK_KP_9 - SDLK_KP_1 == 8,
              "SDL's function and keypad key codes run in order");

OsWParam LookUp(SDL_Keycode code) {
  for (const KeyRun& run : KeyTable) {
    if (code >= run.first && code <= run.last)
      return run.virtualKey + static_cast<OsWParam>(code - run.first);
  }
  return 0;
}

}  // namespace

namespace desktop {

OsWParam VirtualKey(const SDL_Keysym& key) {
  if ((key.mod & KMOD_NUM) == 0) {
    if (key.sym >= SDLK_KP_1 && key.sym <= SDLK_KP_9)
      return NumpadWithoutNumLock[key.sym - SDLK_KP_1 + 1];
    if (key.sym == SDLK_KP_0) return NumpadWithoutNumLock[0];
    if (key.sym == SDLK_KP_PERIOD) return NumpadWithoutNumLock[10];
  }
  if (OsWParam virtualKey = LookUp(key.sym)) return virtualKey;
  // A layout whose letters lie outside Latin still names the letter keys by
  // their place, as Windows does.
  bool nonLatin = key.sym > 0x7F && (key.sym & SDLK_SCANCODE_MASK) == 0;
  if (nonLatin && key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z)
    return 'A' + static_cast<OsWParam>(key.scancode - SDL_SCANCODE_A);
  // So do the digit keys of a layout that types other signs on them without
  // Shift (AZERTY): SDL numbers them 1..9, then 0.
  if (key.scancode >= SDL_SCANCODE_1 && key.scancode <= SDL_SCANCODE_9)
    return '1' + static_cast<OsWParam>(key.scancode - SDL_SCANCODE_1);
  if (key.scancode == SDL_SCANCODE_0) return '0';
  return 0;
}

bool TranslateKey(const SDL_KeyboardEvent& event, KeyMessage& out) {
  OsWParam virtualKey = VirtualKey(event.keysym);
  if (virtualKey == 0) return false;
  emu::KeyMessageParts parts = emu::MakeKeyMessage(
      virtualKey, event.type == SDL_KEYDOWN, event.repeat != 0, (event.keysym.mod & KMOD_ALT) != 0);
  out.message = parts.message;
  out.wParam = virtualKey;
  out.lParam = parts.lParam;
  out.shift = (event.keysym.mod & KMOD_SHIFT) != 0;
  out.control = (event.keysym.mod & KMOD_CTRL) != 0;
  return true;
}

}  // namespace desktop
