// The Background, Tileset and Highlight menus: which picture each item loads, the colour
// background, "Load from disk", restoring the choice at start-up, and the highlight style.
// The options hold the number of each choice; the menus' check marks follow it.
#include "app/window/choice_tables.h"
#include "app/window/sorimo.h"
#include "assets/background_fill.h"
#include "assets/bmp_reader.h"
#include "assets/picture_file.h"
#include "files/whole_file_read.h"

namespace sorimo {

// Colours are kept as 0x00BBGGRR, pixels as 0x00RRGGBB.
static uint32_t PixelOfColour(uint32_t c) { return Rgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// What start-up falls back to when the stored number has no item: the plain colour, and the
// dark borders.
constexpr int32_t kFallbackBackground = 2;
constexpr int32_t kFallbackTileset = 2;
// The tileset taken when the player cancels choosing one at start-up: the blue borders.
constexpr int32_t kDefaultTileset = 3;

static const ChoiceRow& BackgroundRow(int32_t number) {
  const ChoiceRow* row = ChoiceOfNumber(BackgroundChoices(), number);
  return row ? *row : *ChoiceOfNumber(BackgroundChoices(), kFallbackBackground);
}

static const ChoiceRow& TilesetRow(int32_t number) {
  const ChoiceRow* row = ChoiceOfNumber(TilesetChoices(), number);
  return row ? *row : *ChoiceOfNumber(TilesetChoices(), kFallbackTileset);
}

void TSorimo::NouveauFond(const std::string& path) {
  if (!IsRegularFile(path)) {
    values_.LastLoadedBackground.clear();
    options_.Background = kLoadBackgroundNumber;
    LoadBackgroundClick();
    return;
  }
  PictureOrError read = LoadPictureFile(path);
  if (!read.ok()) {
    ShowError(read.error);
    return;
  }
  FillBackground(renderer_.background(), read.picture);
  if (game_.GameMode != ModeIdle) game_.FullRedraw();
}

// A built-in picture, or "None": the plain colour, which the player picks during a game.
void TSorimo::BackgroundClick(const ChoiceRow& row) {
  options_.Background = row.number;
  if (row.file) {
    NouveauFond(ExeDir + "Backgrounds/" + row.file);
    return;
  }
  if (game_.GameMode != ModeIdle) {
    // Cancelling keeps the colour the dialog started with.
    if (auto c = desktop_.chooseColour(uint32_t(values_.ColorBackground))) values_.ColorBackground = int32_t(*c);
  }
  renderer_.background().fill(PixelOfColour(uint32_t(values_.ColorBackground)));
  if (game_.GameMode != ModeIdle) game_.FullRedraw();
}

// "Load from disk" reloads the file loaded last without asking, unless it is already the
// choice (then it asks for another) or there is none. A chosen file that does not exist asks
// again. Cancelling the dialog stops asking: the background stays as it was, and at start-up,
// when there is none yet, the plain colour is used, so the program can always start.
void TSorimo::LoadBackgroundClick() {
  for (;;) {
    if (options_.Background == kLoadBackgroundNumber || values_.LastLoadedBackground.empty()) {
      const std::string chosen = desktop_.chooseFile("Please choose a Background bitmap file",
                                                     "Background files (*.bmp; *.jpg)|*.bmp;*.jpg",
                                                     ExeDir + "Backgrounds/", false);
      if (chosen.empty()) {
        if (game_.GameMode == ModeIdle) BackgroundClick(BackgroundRow(kFallbackBackground));
        return;
      }
      values_.LastLoadedBackground = chosen;
    }
    if (IsRegularFile(values_.LastLoadedBackground)) {
      options_.Background = kLoadBackgroundNumber;
      NouveauFond(values_.LastLoadedBackground);
      return;
    }
    values_.LastLoadedBackground.clear();
    options_.Background = kLoadBackgroundNumber;
  }
}

// Any Windows bitmap is taken as a tileset, whatever its size: the renderer reads its regions
// at fixed places and never past the picture's edge.
void TSorimo::LoadTileset(const std::string& path) {
  if (!IsRegularFile(path)) {
    values_.LastLoadedTileset.clear();
    options_.Tileset = kLoadTilesetNumber;
    Load1Click();
    return;
  }
  std::string error;
  const auto bytes = ReadPictureBytes(path, error);
  PictureOrError read = bytes ? ReadBmp(*bytes) : PictureOrError::Fail(error);
  if (!read.ok()) {
    ShowError(read.error);
    return;
  }
  renderer_.setTileset(std::move(read.picture));
  if (game_.GameMode != ModeIdle) game_.FullRedraw();
}

void TSorimo::TilesetClick(const ChoiceRow& row) {
  options_.Tileset = row.number;
  LoadTileset(ExeDir + "Tilesets/" + row.file);
}

void TSorimo::Load1Click() {
  for (;;) {
    if (options_.Tileset == kLoadTilesetNumber || values_.LastLoadedTileset.empty()) {
      const std::string chosen = desktop_.chooseFile("Please choose a Tileset bitmap file", "Tileset files (*.bmp)|*.bmp",
                                                     ExeDir + "Tilesets/", false);
      if (chosen.empty()) {
        // Without a tileset at start-up the tiles would be black: take the default set, if it
        // is there (otherwise its own missing file would bring this dialog back).
        const ChoiceRow& blue = TilesetRow(kDefaultTileset);
        if (game_.GameMode == ModeIdle && IsRegularFile(ExeDir + "Tilesets/" + blue.file)) TilesetClick(blue);
        return;
      }
      values_.LastLoadedTileset = chosen;
    }
    if (IsRegularFile(values_.LastLoadedTileset)) {
      options_.Tileset = kLoadTilesetNumber;
      LoadTileset(values_.LastLoadedTileset);
      return;
    }
    values_.LastLoadedTileset.clear();
    options_.Tileset = kLoadTilesetNumber;
  }
}

// At start-up: the chosen background and tileset are loaded; "Load from disk" reloads the
// file loaded last. A number no item has falls back to the plain colour and the dark borders.
void TSorimo::ActiveTilesetBackground() {
  if (options_.Background == kLoadBackgroundNumber) {
    options_.Background = kNoChoice;
    LoadBackgroundClick();
  } else {
    BackgroundClick(BackgroundRow(options_.Background));
  }

  if (options_.Tileset == kLoadTilesetNumber) {
    options_.Tileset = kNoChoice;
    Load1Click();
  } else {
    TilesetClick(TilesetRow(options_.Tileset));
  }
}

void TSorimo::HighlightClick(const ChoiceRow& row) {
  if (game_.HoverTile) {
    const int h = game_.HoverTile;
    game_.HoverTile = 0;
    game_.RedrawTile(h);
  }
  options_.HighlightMode = row.number;  // the pen follows when the command ends (GameChanged)
}

}  // namespace sorimo
