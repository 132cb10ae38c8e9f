// Every command of the main window in one table: the menu item, its toolbar button and its
// welcome-panel button are made from the same row, run the same handler and are enabled in
// the same game modes. A new command is one row here and a handler in its own file.
#pragma once

#include <cstdint>
#include <span>

#include "app/window/choice_tables.h"
#include "engine/board.h"
#include "engine/options.h"

namespace sorimo {

class TSorimo;

// The menus of the menu bar, left to right.
enum class MenuId : uint8_t { New, Play, View, Highlight, Configuration, Background, Tileset, Layout, Music, Help };
inline constexpr int kMenuCount = 10;
// The title of each menu, in MenuId order.
const char* MenuTitle(MenuId menu);

// The game modes (GameMode values of engine/board.h) in which a command can be used.
using ModeMask = uint16_t;
constexpr ModeMask ModeBit(uint8_t gameMode) { return ModeMask(1u << gameMode); }
// Every mode but the editor's, whose own menu stands in for the main menu while it is open;
// a command that also works there adds ModeBit(ModeEditor).
inline constexpr ModeMask kEveryMode = 0x3FF & ~ModeBit(ModeEditor);
inline constexpr ModeMask kNotBuilt = 0;       // a command whose game or window is still to come

using CommandHandler = void (*)(TSorimo&);
using ChoiceHandler = void (*)(TSorimo&, const ChoiceRow&);

// A button of the toolbar `Tools`; slot 0 means the command has none.
struct ToolButtonSpec {
  int slot = 0;  // 1 for the leftmost button
  const char* name = nullptr;
  const char* caption = nullptr;
  const char* hint = nullptr;
  const char* glyph = nullptr;
};

// A button of the welcome panel; slot 0 means the command has none. Slots 1 to 8 fill the
// four game groups two by two, the rest the group "Others".
struct WelcomeButtonSpec {
  int slot = 0;
  const char* name = nullptr;
  const char* caption = nullptr;
};

// A menu group of numbered choices standing in one row of the table: one item per choice,
// checked while the option holds its number.
struct ChoiceGroup {
  int32_t Options::*field;
  std::span<const ChoiceRow> rows;
  ChoiceHandler handler;
};

struct CommandRow {
  MenuId menu = MenuId::New;
  bool separatorBefore = false;
  bool separatorAfter = false;
  const char* name = nullptr;  // the menu item's name; null for a command only on the toolbar
  const char* caption = nullptr;
  const char* shortcut = nullptr;
  CommandHandler handler = nullptr;
  ModeMask modes = kEveryMode;
  const char* menuGlyph = nullptr;  // the picture beside the menu caption
  ToolButtonSpec tool = {};
  WelcomeButtonSpec welcome = {};
  // A check mark bound to an option. With `flips` the item flips the option itself and the
  // handler, if any, is its reaction; without, the handler decides what the option becomes.
  bool Options::*option = nullptr;
  bool flips = false;
  // A check mark shown while a numbered choice holds `choiceNumber`.
  int32_t Options::*choice = nullptr;
  int32_t choiceNumber = 0;
  const ChoiceGroup* group = nullptr;  // the row stands for these items instead
  bool hidden = false;                 // a state mark that is never shown
};

// The rows in menu order; the commands that only have a toolbar button come last.
std::span<const CommandRow> CommandTable();

}  // namespace sorimo
