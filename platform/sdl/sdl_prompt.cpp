// The in-window file prompt: the desktop's file dialog when neither zenity nor
// kdialog is installed. A cleared screen in the help page's font names the
// dialog, shows the working folder and edits one file name. Names are kept as
// the bytes the file system gets (UTF-8 as typed) and shown through the
// font's code page, with '?' for what it cannot show.
#include <unistd.h>

#include <cstring>
#include <string>
#include <string_view>

#include "data/tables.h"
#include "platform/emulated/emulated.h"
#include "platform/sdl/sdl_backend.h"

namespace {

constexpr int GlyphWidth = 8;
constexpr int Columns = 640 / GlyphWidth;
constexpr int Rows = 480 / HelpGlyphHeight;
constexpr std::uint8_t Ground = 0;
constexpr std::uint8_t Ink = 25;

// Where things stand, in character cells.
constexpr int Margin = 1;
constexpr int TitleRow = 1;
constexpr int FolderRow = 4;
constexpr int LabelRow = 6;
constexpr int NameRow = 7;
constexpr int NameColumns = Columns - 2 * Margin;
constexpr int NoteRow = 16;
constexpr int HintRow = 18;
constexpr int KeysRow = Rows - 2;
// The most a name can have, one cell a byte at worst and the caret after it.
constexpr std::size_t NameCapacity = (NoteRow - NameRow) * NameColumns - 1;
static_assert(NameCapacity >= 511, "the program's longest names fit above the note");

// The screen is shown through this palette while the prompt is up: the
// palette in force may not be set yet, or may make index 25 hard to read.
struct PromptColours {
  OsPaletteEntry entries[256];
  PromptColours() : entries{} { entries[Ink] = {0xE0, 0xE0, 0xE0, 0}; }
};

// The upper half of code page 852 as Unicode, to find each character of a
// name in the font.
constexpr char16_t UpperHalf[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x016F, 0x0107, 0x00E7, 0x0142, 0x00EB, 0x0150, 0x0151,
    0x00EE, 0x0179, 0x00C4, 0x0106, 0x00C9, 0x0139, 0x013A, 0x00F4, 0x00F6, 0x013D, 0x013E, 0x015A,
    0x015B, 0x00D6, 0x00DC, 0x0164, 0x0165, 0x0141, 0x00D7, 0x010D, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x0104, 0x0105, 0x017D, 0x017E, 0x0118, 0x0119, 0x00AC, 0x017A, 0x010C, 0x015F, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x011A, 0x015E, 0x2563, 0x2551, 0x2557,
    0x255D, 0x017B, 0x017C, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x0102, 0x0103,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x0111, 0x0110, 0x010E, 0x00CB,
    0x010F, 0x0147, 0x00CD, 0x00CE, 0x011B, 0x2518, 0x250C, 0x2588, 0x2584, 0x0162, 0x016E, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x0143, 0x0144, 0x0148, 0x0160, 0x0161, 0x0154, 0x00DA, 0x0155, 0x0170,
    0x00FD, 0x00DD, 0x0163, 0x00B4, 0x00AD, 0x02DD, 0x02DB, 0x02C7, 0x02D8, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x02D9, 0x0171, 0x0158, 0x0159, 0x25A0, 0x00A0,
};

constexpr char32_t NotACharacter = 0xFFFD;
constexpr std::uint8_t BoxLine = 0xC4;  // U+2500 in the code page

std::uint8_t GlyphOf(char32_t character) {
  if (character >= 0x20 && character < 0x7F) return static_cast<std::uint8_t>(character);
  for (int i = 0; i < 128; ++i)
    if (UpperHalf[i] == character) return static_cast<std::uint8_t>(0x80 + i);
  return '?';
}

// The length of the UTF-8 character at `at` and its code point; a byte that
// does not start a well-formed character stands alone as NotACharacter.
std::size_t DecodeAt(std::string_view text, std::size_t at, char32_t& character) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(at);
  std::size_t length = 0;
  if (lead < 0x80)
    length = 1;
  else if (lead >= 0xC2 && lead < 0xE0)
    length = 2;
  else if (lead >= 0xE0 && lead < 0xF0)
    length = 3;
  else if (lead >= 0xF0 && lead < 0xF5)
    length = 4;
  character = NotACharacter;
  if (length == 0 || at + length > text.size()) return 1;
  char32_t value = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 1;
    value = value << 6 | (byte(at + i) & 0x3F);
  }
  constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < Smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000)) return 1;
  character = value;
  return length;
}

// Where the character before `at` starts: the well-formed character that ends
// there, else the single byte.
std::size_t StartBefore(std::string_view text, std::size_t at) {
  for (std::size_t back = 2; back <= 4 && back <= at; ++back) {
    char32_t character;
    if (DecodeAt(text, at - back, character) == back) return at - back;
  }
  return at - 1;
}

struct Prompt {
  const char* title;
  std::string hint;
  std::string folder;
  std::string name;
  std::size_t caret;  // a byte offset into name, at a character's start
  bool selected;      // the whole name, as it starts: typing replaces it
  std::size_t maxBytes;
  std::string note;  // why the last Enter or keystroke did nothing
};

// Drawing on the emulated surface, one 8 x 16 cell at a time.
void DrawGlyph(int column, int row, std::uint8_t code, bool inverted) {
  if (column < 0 || column >= Columns || row < 0 || row >= Rows) return;
  const std::uint8_t* glyph = HelpFont.data() + GlyphWidth * HelpGlyphHeight * code;
  std::uint8_t* out = emu::Display.surface +
                      static_cast<std::size_t>(emu::Display.pitch) * HelpGlyphHeight * row +
                      GlyphWidth * column;
  for (int y = 0; y < HelpGlyphHeight; ++y, out += emu::Display.pitch)
    for (int x = 0; x < GlyphWidth; ++x) {
      bool ink = glyph[GlyphWidth * y + x] != Ground;
      out[x] = ink != inverted ? Ink : Ground;
    }
}

// Writes UTF-8 text from (column, row) up to the right margin.
void DrawText(int column, int row, std::string_view text) {
  for (std::size_t at = 0; at < text.size() && column < Columns - Margin;) {
    char32_t character;
    at += DecodeAt(text, at, character);
    DrawGlyph(column++, row, GlyphOf(character), false);
  }
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); ++count) {
    char32_t character;
    at += DecodeAt(text, at, character);
  }
  return count;
}

// A folder too long for its line keeps its end, where the names that tell
// it apart are.
std::string FitFolder(const std::string& folder, std::size_t room) {
  std::size_t count = CharacterCount(folder);
  if (count <= room) return folder;
  std::size_t at = 0;
  for (std::size_t skip = count - (room - 3); skip > 0; --skip) {
    char32_t character;
    at += DecodeAt(folder, at, character);
  }
  return "..." + folder.substr(at);
}

void DrawPrompt(const Prompt& prompt) {
  std::size_t surfaceBytes = static_cast<std::size_t>(emu::Display.pitch) * 480;
  std::memset(emu::Display.surface, Ground, surfaceBytes);
  DrawText(Margin, TitleRow, prompt.title);
  std::size_t titleLength = CharacterCount(prompt.title);
  for (std::size_t i = 0; i < titleLength; ++i)
    DrawGlyph(Margin + static_cast<int>(i), TitleRow + 1, BoxLine, false);
  const char* folderLabel = "Folder: ";
  DrawText(Margin, FolderRow, folderLabel);
  DrawText(Margin + static_cast<int>(std::strlen(folderLabel)), FolderRow,
           FitFolder(prompt.folder, NameColumns - std::strlen(folderLabel)));
  DrawText(Margin, LabelRow, "File name:");

  // The name, wrapped at the margins, with the caret as an inverted cell; a
  // selected name is inverted whole.
  int cell = 0;
  auto put = [&](std::uint8_t code, bool caret) {
    DrawGlyph(Margin + cell % NameColumns, NameRow + cell / NameColumns, code, caret);
    ++cell;
  };
  for (std::size_t at = 0; at < prompt.name.size();) {
    char32_t character;
    std::size_t length = DecodeAt(prompt.name, at, character);
    put(GlyphOf(character), prompt.selected || at == prompt.caret);
    at += length;
  }
  if (!prompt.selected && prompt.caret == prompt.name.size()) put(' ', true);

  DrawText(Margin, NoteRow, prompt.note);
  DrawText(Margin, HintRow, prompt.hint);
  DrawText(Margin, KeysRow,
           "Enter: confirm   Esc: cancel   Backspace, Delete, arrows, Home, End: edit");
}

// Typed text goes in at the caret, as long as the name stays within its
// limit; control characters are never part of a name.
void Insert(Prompt& prompt, std::string_view typed) {
  std::string text;
  for (char c : typed)
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) text += c;
  if (text.empty()) return;
  if (prompt.selected) {
    prompt.name.clear();
    prompt.caret = 0;
    prompt.selected = false;
  }
  if (prompt.name.size() + text.size() > prompt.maxBytes) {
    prompt.note = "A name has at most " + std::to_string(prompt.maxBytes) + " bytes.";
    return;
  }
  prompt.name.insert(prompt.caret, text);
  prompt.caret += text.size();
  prompt.note.clear();
}

enum class Outcome { Going, Confirmed, Cancelled };

Outcome HandleKey(Prompt& prompt, const SDL_Keysym& key, const desktop::NameCheck& check) {
  std::string& name = prompt.name;
  std::size_t& caret = prompt.caret;
  char32_t character;
  switch (key.sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: {
      std::string why = check(name);
      if (why.empty()) return Outcome::Confirmed;
      prompt.note = why;
      return Outcome::Going;
    }
    case SDLK_ESCAPE: return Outcome::Cancelled;
    // Deleting takes a selected name whole; moving starts from its ends.
    case SDLK_BACKSPACE:
      if (prompt.selected) {
        name.clear();
        caret = 0;
      } else if (caret > 0) {
        std::size_t start = StartBefore(name, caret);
        name.erase(start, caret - start);
        caret = start;
      }
      break;
    case SDLK_DELETE:
      if (prompt.selected) {
        name.clear();
        caret = 0;
      } else if (caret < name.size()) {
        name.erase(caret, DecodeAt(name, caret, character));
      }
      break;
    case SDLK_LEFT:
      if (prompt.selected)
        caret = 0;
      else if (caret > 0)
        caret = StartBefore(name, caret);
      break;
    case SDLK_RIGHT:
      if (!prompt.selected && caret < name.size()) caret += DecodeAt(name, caret, character);
      break;
    case SDLK_HOME: caret = 0; break;
    case SDLK_END: caret = name.size(); break;
    default: return Outcome::Going;  // modifiers and keys that only type
  }
  prompt.selected = false;
  prompt.note.clear();
  return Outcome::Going;
}

std::string WorkingFolder() {
  std::string path(4096, '\0');
  if (getcwd(path.data(), path.size()) == nullptr) return "(unknown)";
  path.resize(std::strlen(path.c_str()));
  return path;
}

// Text input is on only while the prompt runs: the program itself never
// sees characters, only keys.
class TextInputScope {
 public:
  TextInputScope() {
    SDL_EventState(SDL_TEXTINPUT, SDL_ENABLE);
    SDL_StartTextInput();
  }
  ~TextInputScope() {
    SDL_StopTextInput();
    SDL_EventState(SDL_TEXTINPUT, SDL_IGNORE);
  }
  TextInputScope(const TextInputScope&) = delete;
  TextInputScope& operator=(const TextInputScope&) = delete;
};

// While a question is up no text is made of the keys at all: the key that
// answers it would otherwise arrive as text as well, after the key, and be
// typed into the prompt that asked the question.
class NoTextScope {
 public:
  NoTextScope() : was_(SDL_EventState(SDL_TEXTINPUT, SDL_IGNORE)) {}
  ~NoTextScope() { SDL_EventState(SDL_TEXTINPUT, was_); }
  NoTextScope(const NoTextScope&) = delete;
  NoTextScope& operator=(const NoTextScope&) = delete;

 private:
  Uint8 was_;
};

}  // namespace

namespace desktop {

bool PromptInWindow(const char* title, const std::string& hint, std::string& name,
                    std::size_t maxBytes, const NameCheck& check) {
  if (emu::Display.surface == nullptr || Window() == nullptr) return false;
  static const PromptColours Colours;
  if (maxBytes > NameCapacity) maxBytes = NameCapacity;
  Prompt prompt{title, hint, WorkingFolder(), name, 0, false, maxBytes, {}};
  if (prompt.name.size() > maxBytes) prompt.name.resize(maxBytes);
  prompt.caret = prompt.name.size();
  prompt.selected = !prompt.name.empty();

  BorrowedScreen screen(Colours.entries);
  TextInputScope textInput;
  Outcome outcome = Outcome::Going;
  bool redraw = true;
  int wait = 0;
  while (outcome == Outcome::Going) {
    // Every event waiting is handled before the prompt is drawn again, so
    // that a burst of typing costs one present, not one each.
    SDL_Event event;
    PromptEvent what = NextPromptEvent(event, wait);
    switch (what) {
      case PromptEvent::None:
      case PromptEvent::Other: break;
      case PromptEvent::Text:
        Insert(prompt, event.text.text);
        redraw = true;
        break;
      case PromptEvent::Key:
        outcome = HandleKey(prompt, event.key.keysym, check);
        redraw = true;
        break;
      case PromptEvent::Close: outcome = Outcome::Cancelled; break;
    }
    wait = 0;
    if (what == PromptEvent::None && outcome == Outcome::Going) {
      if (redraw) {
        DrawPrompt(prompt);
        PresentFrame();
        redraw = false;
      }
      wait = 100;
    }
  }
  if (outcome != Outcome::Confirmed) return false;
  name = prompt.name;
  return true;
}

// The question on a cleared screen: its text wrapped at the margins, then
// the keys that answer it.
int AskQuestionInWindow(const char* text, std::uint32_t type, int unasked) {
  bool cancel = (type & MB_TYPEMASK) == MB_YESNOCANCEL;
  int byDefault = DefaultAnswer(type);
  if (emu::Display.surface == nullptr || Window() == nullptr) return unasked;
  static const PromptColours Colours;
  BorrowedScreen screen(Colours.entries);
  NoTextScope noText;
  std::memset(emu::Display.surface, Ground, static_cast<std::size_t>(emu::Display.pitch) * 480);
  std::string_view rest = text;
  for (int row = TitleRow; !rest.empty() && row < KeysRow - 1; ++row) {
    std::size_t at = 0;
    for (int count = 0; at < rest.size() && count < NameColumns; ++count) {
      char32_t character;
      at += DecodeAt(rest, at, character);
    }
    DrawText(Margin, row, rest.substr(0, at));
    rest.remove_prefix(at);
  }
  std::string keys = std::string("Y: yes   N: no   Esc: ") + (cancel ? "cancel" : "no") +
                     "   Enter: " +
                     (byDefault == IDYES  ? "yes"
                      : byDefault == IDNO ? "no"
                                          : "cancel");
  DrawText(Margin, KeysRow, keys);
  PresentFrame();
  for (;;) {
    SDL_Event event;
    switch (NextPromptEvent(event, 100)) {
      case PromptEvent::Key:
        switch (event.key.keysym.sym) {
          case SDLK_y: return IDYES;
          case SDLK_n: return IDNO;
          case SDLK_ESCAPE: return cancel ? IDCANCEL : IDNO;
          case SDLK_RETURN:
          case SDLK_KP_ENTER: return byDefault;
          default: break;
        }
        break;
      case PromptEvent::Close: return cancel ? IDCANCEL : IDNO;
      default: break;
    }
  }
}

}  // namespace desktop
