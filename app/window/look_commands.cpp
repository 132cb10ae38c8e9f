// The Background, Tileset and Highlight menus: which picture each item loads, the colour
// background, "Load from disk", restoring the choice at start-up, and the highlight style.
// The options hold the number of each choice; the menus' check marks follow it.
#include <QFile>
#include <cassert>
#include <span>

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
// What a first start shows, and what start-up falls back to when the remembered picture
// cannot be read: Andromeda and the blue borders. The blue borders are also built into the
// program, so the tiles always have faces.
constexpr int32_t kDefaultBackground = 4;
constexpr int32_t kDefaultTileset = 3;
constexpr const char* kBuiltInTileset = ":/default_tileset.bmp";

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
    RefuseBackground(path, read.error);
    return;
  }
  FillBackground(renderer_.background(), read.picture);
  shownBackground_ = {options_.Background, values_.LastLoadedBackground};
  if (game_.GameMode != ModeIdle) game_.FullRedraw();
}

// The board keeps the picture it shows and the menu the choice that shows it: a file that
// cannot be read is never remembered, so it is reported once, not at every start. At start-up,
// with nothing shown yet, the default picture takes its place, or the plain colour when the
// default itself cannot be read.
// Reports the refused file and puts the choice and the last-loaded path back to what is shown;
// false when nothing is shown yet, and the caller must find a picture to show.
bool TSorimo::KeepShownLook(const std::string& path, const ShownLook& shown, int32_t& choice,
                            std::string& lastLoaded) {
  if (lastLoaded == path) lastLoaded = shown.lastLoaded;
  if (shown.number == kNoChoice) return false;
  choice = shown.number;
  return true;
}

void TSorimo::RefuseBackground(const std::string& path, const std::string& error) {
  ShowError(error);
  if (KeepShownLook(path, shownBackground_, options_.Background, values_.LastLoadedBackground)) return;
  const ChoiceRow& fallback = BackgroundRow(kDefaultBackground);
  if (path != ExeDir + "Backgrounds/" + fallback.file)
    BackgroundClick(fallback);
  else
    BackgroundClick(BackgroundRow(kFallbackBackground));
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
  shownBackground_ = {options_.Background, values_.LastLoadedBackground};
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
    if (bytes) read.error = "\"" + path + "\": " + read.error;
    RefuseTileset(path, read.error);
    return;
  }
  renderer_.setTileset(std::move(read.picture));
  shownTileset_ = {options_.Tileset, values_.LastLoadedTileset};
  if (game_.GameMode != ModeIdle) game_.FullRedraw();
}

// As for the background; with nothing shown yet, the blue borders from the Tilesets folder,
// then the copy built into the program: the game never deals faceless tiles.
void TSorimo::RefuseTileset(const std::string& path, const std::string& error) {
  ShowError(error);
  if (KeepShownLook(path, shownTileset_, options_.Tileset, values_.LastLoadedTileset)) return;
  const ChoiceRow& blue = TilesetRow(kDefaultTileset);
  const std::string bluePath = ExeDir + "Tilesets/" + blue.file;
  if (path != bluePath && IsRegularFile(bluePath))
    TilesetClick(blue);
  else
    UseBuiltInTileset();
}

void TSorimo::UseBuiltInTileset() {
  QFile file(kBuiltInTileset);
  const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  PictureOrError read = ReadBmp(std::span(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size())));
  // Made from the shipped blue borders when the program is built, and checked by its tests.
  assert(read.ok());
  renderer_.setTileset(std::move(read.picture));
  options_.Tileset = kDefaultTileset;
  shownTileset_ = {options_.Tileset, values_.LastLoadedTileset};
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
        // Without a tileset at start-up the tiles would have no faces: take the default set
        // from its file, or the copy built in when the file is gone (the missing file would
        // bring this dialog back).
        if (shownTileset_.number == kNoChoice) {
          const ChoiceRow& blue = TilesetRow(kDefaultTileset);
          if (IsRegularFile(ExeDir + "Tilesets/" + blue.file))
            TilesetClick(blue);
          else
            UseBuiltInTileset();
        }
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
  if (game_.choice.HoverTile) {
    const int h = game_.choice.HoverTile;
    game_.choice.HoverTile = 0;
    game_.RedrawTile(h);
  }
  options_.HighlightMode = row.number;  // the pen follows when the command ends (GameChanged)
}

}  // namespace sorimo
