// Every option of the program in one plain structure: the single source of truth that the
// game logic and the renderer read, and that the window's check-mark menu items are bound to.
// Field names are the names of their menu items.
#pragma once

#include <cstdint>

namespace sorimo {

enum HighlightStyle : int32_t {
  HighlightNone = 0,
  HighlightRedRectangle = 1,
  HighlightColoredTile = 2,
  HighlightGreenRectangle = 3,
  HighlightBlueRectangle = 4,
};

struct Options {
  // Play and deals.
  bool Vertical = false;      // "Vertical Variation"
  bool Winnable = false;      // "Winnable Layouts (in at least one way)"
  bool Shuffable = true;      // "Winnable Shuffles (in at least one way)"
  bool Animate = false;       // "Animate Board while building the tiles"
  bool RandomSeed1 = false;   // hidden "Random Seed": the next or current deal is a specific game
  bool EnableHall = true;     // "Enable time tracking for the Hall of fame"
  bool GoCheckPause = true;   // "Pause game when losing focus"
  bool StartupGame = false;   // "Begin game directly at startup"
  bool Res800 = false;        // "Switch to 800x600 / High-Color at startup"
  bool AnimateTileRivers = true;  // "Animate Tile Rivers in Mahjongg Rivers"
  bool AnimateClicks = false;     // "Animate Falling Tiles in Mahjongg Clicks"
  bool WarnUnclearable = false;   // "Warn when the board can no longer be cleared"

  // Board look and pointer feedback.
  int32_t HighlightMode = HighlightGreenRectangle;
  bool Shadows = true;            // "Enable 3D shadows on tilesets"
  bool Invert = false;            // "&Invert selection"
  bool OnlyPossibleMoves = false; // "Only Possible Moves"
  bool ShowCurrentTile = false;   // "Show Current Tile"

  // Window.
  bool Moves = true;          // "Show &Moves Left"
  bool ShowTime = true;       // "&Show Time Left"
  bool ShowHallFame = true;   // "Show Hall of &Fame"
  bool ShowTitle = true;      // "Show Status Bar"
  bool ShowGirls = true;      // "Show Manga Girls"
  bool Toolbar1 = true;       // "Show &Toolbar"
  bool CoolMenu1 = true;      // "Cool Menu"
  bool CoolMouse = true;      // "Cool Mouse"
  bool CoolStatus = true;     // "Cool Status"
  bool CoolToolbar = true;    // "Cool Toolbar"
  bool FlatButtons = true;    // "Cool Buttons"

  // Sound.
  bool PlayMusic = true;      // "Play music"
  bool PlaySounds = true;     // "Play sound effects"
  bool StartMusic = true;     // "Run music automatically at startup"
  bool RandomMusic = false;   // "Random Music"

  // Numbered choices: which item of a menu group is the chosen one. The menus show these
  // numbers as check marks and the settings file stores them; neither keeps a copy.
  int32_t Background = 4;   // "Background": 0 Kanji, 1 Dragons, 2 None, 3 Load from disk, 4 Andromeda, 5 Catpats
  int32_t Tileset = 3;      // "Tileset": 0 Load from disk, 1 Orange, 2 Dark, 3 Blue borders, 4 Few Colors
  int32_t LayoutChoice = 1; // the chosen entry of the Layout menu's list, counted from 1
};

}  // namespace sorimo
