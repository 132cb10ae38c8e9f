// What a game mode says about itself: its GameMode value, its traits, its rules, its hall of
// fame lists and their texts, its start texts, and the answers the window, the view and the
// stores would otherwise read from mode numbers. Each mode keeps its description in its own
// file (`DescribeMode`, below); the build lists the modes once (engine/CMakeLists.txt) and the
// registry is made from that list, so a mode cannot be half registered.
#pragma once

#include <cstdint>
#include <span>

#include "engine/modes/mode_traits.h"

namespace sorimo {

class ModeRules;

// How a result in the mode's lists reads: a time with its penalties, or tiles left (Clicks).
enum class ScoreKind : uint8_t { Time, TilesLeft };

// What the keyboard's arrows move over: nothing (the editor and between games), the tiles,
// or the mode's own grid of cells (Clicks).
enum class CursorKind : uint8_t { None, Tile, Cell };

// What the pointer over the board shows: nothing, a frame on the tile under it, or the
// editor's ghost tile where a click would place one.
enum class PointerKind : uint8_t { None, TileFrame, Ghost };

// One hall of fame list of an arcade game: its column, its Hallfame.ini section and the
// caption of its list in the hall of fame window; its New-menu item and welcome button.
struct HallList {
  int column = 0;                   // 0: the mode keeps no list of its own
  const char* section = nullptr;    // "Rivers"
  const char* caption = nullptr;    // "Mahjongg Rivers (Easy)"
  const char* command = nullptr;    // the New menu item's name, "NewArcadeMahjonggGame1"
  const char* menuCaption = nullptr;  // "Mah-Jongg Rivers (Easy)"
  const char* shortcut = nullptr;   // "F3"
  const char* button = nullptr;     // the welcome button's name, "BitBtn3"
  const char* buttonCaption = nullptr;  // "Easy (84 tiles)"
};

struct ModeDescription {
  uint8_t mode = ModeIdle;         // the GameMode value
  ModeTraits traits{};
  const ModeRules* rules = nullptr;  // null: the rules of no game (nothing to click, no clock)

  // The arcade lists, easy and hard; the layouts' lists belong to the classic game.
  HallList easy{}, hard{};
  const char* welcomeGroup = nullptr;  // the welcome panel's group of its two buttons
  ScoreKind score = ScoreKind::Time;

  // The board as the view draws it.
  bool facesHidden = false;    // tiles lie face down but for the chosen ones (Memory)
  bool ownGrid = false;        // the mode draws its own grid instead of the layered board
  bool layoutFaces = false;    // every tile shows one plain face (the editor's layout)
  PointerKind pointer = PointerKind::None;
  bool hoverAnyTile = false;   // the frame goes on any tile, even with "Only Possible Moves"
  // "Show Current Tile" shows the tile under the pointer in the side panel; where it does not,
  // the portrait takes its room.
  bool tilePreview = true;
  bool playerClocks = false;   // the side panel shows the two players' clocks
  // The portrait at the foot of the side panel, from the time with penalties and the moves
  // left; null shows the first picture.
  int (*portrait)(int seconds, int movesLeft) = nullptr;
  CursorKind cursor = CursorKind::None;
  bool ownMenu = false;        // the mode's own menu and panel stand in for the main ones (the editor)
  // "New" starts this mode again (the games); otherwise it repeats the game of the list shown.
  bool newRepeats = false;
  bool solverPlays = false;    // "Solve this board" can play it (the classic game)
};

// Each mode's file defines `std::span<const ModeDescription> DescribeMode<Name>()` (one
// description, or several for the states between games); the build's list of modes names them.

// The description of a GameMode value; a value no mode claims reads as idle.
const ModeDescription& Describe(uint8_t gameMode);
// Every registered description, in GameMode order.
std::span<const ModeDescription* const> RegisteredModes();
// The highest GameMode value any mode claims; values above 31 cannot be registered.
inline constexpr int kMaxModeValue = 31;

// The game whose hall of fame list `column` is: the arcade game's mode for its columns,
// ModeClassic for a layout, ModeIdle for no list.
uint8_t ModeOfColumn(int column);
// The list's description (easy or hard) of an arcade column; null for any other column.
const HallList* ArcadeList(int column);
// How a result in the list `column` reads.
ScoreKind ScoreOf(int column);

}  // namespace sorimo
