// Every command of the main window in one table: the menu item, its toolbar button and its
// welcome-panel button are made from the same row, run the same handler and are enabled in
// the same game modes. A new command is one row here and a handler in its own file.
#pragma once

#include <cstdint>
#include <span>

#include "app/window/choice_tables.h"
#include "engine/board.h"
#include "engine/modes/mode_description.h"
#include "engine/options.h"

namespace sorimo {

class TSorimo;

// The menus of the menu bar, left to right.
enum class MenuId : uint8_t { New, Play, View, Highlight, Configuration, Background, Tileset, Layout, Music, Help };
inline constexpr int kMenuCount = 10;
// The title of each menu, in MenuId order.
const char* MenuTitle(MenuId menu);

// The game modes (GameMode values, engine/modes/mode_description.h) in which a command can be
// used: one bit a mode, and one bit for every registered mode whose menu is the main menu.
using ModeMask = uint64_t;
static_assert(kMaxModeValue < 63, "a bit for every mode value and one for every mode");
constexpr ModeMask ModeBit(uint8_t gameMode) { return ModeMask(1) << gameMode; }
// Every registered mode but those with a menu of their own (the editor), which stands in for
// the main menu while they run; a command that also works there adds ModeBit(ModeEditor).
inline constexpr ModeMask kEveryMode = ModeMask(1) << 63;
// Is a command of this mask enabled in the mode?
bool EnabledIn(ModeMask modes, uint8_t gameMode);
struct CommandRow;
// Is the row's command enabled in the mode: its mask, and the trait it needs of the mode.
bool EnabledIn(const CommandRow& row, uint8_t gameMode);

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

// A button of the welcome panel; slot 0 means the command has none. The game groups hold two
// slots each (1 and 2 the classic games', then each arcade game's), the group "Others" the
// slots from kOthersSlot on.
inline constexpr int kOthersSlot = 100;
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
  // What the mode must allow for the command to do anything there (its description's trait,
  // e.g. &ModeTraits::allowsUndo); null for a command every mode of the mask answers.
  bool ModeTraits::*allowedBy = nullptr;
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
  // A start command of a game mode on one of its hall of fame lists (the arcade games' rows
  // are made from their descriptions); startMode 0 for any other command.
  uint8_t startMode = 0;
  int32_t startColumn = 0;
};

// The rows in menu order; the commands that only have a toolbar button come last. The New
// menu holds a start command for each list of every arcade game registered, in mode order.
std::span<const CommandRow> CommandTable();

}  // namespace sorimo
