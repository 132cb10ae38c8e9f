// The Background and Tileset menus: which picture each item loads, the colour background,
// "Load from disk", and restoring the choice at start-up.
#include <QAction>
#include <filesystem>

#include "app/window/sorimo.h"
#include "assets/background_fill.h"
#include "assets/bmp_reader.h"
#include "assets/picture_file.h"

namespace sorimo {

static bool Exists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// Colours are kept as 0x00BBGGRR, pixels as 0x00RRGGBB.
static uint32_t PixelOfColour(uint32_t c) { return Rgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

void TSorimo::NouveauFond(const std::string& path) {
  if (!Exists(path)) {
    values_.LastLoadedBackground.clear();
    CheckBackground(action("LoadBackground"));
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

void TSorimo::None1Click() {
  CheckBackground(action("None1"));
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
    if (action("LoadBackground")->isChecked() || values_.LastLoadedBackground.empty()) {
      const std::string chosen = desktop_.chooseFile("Please choose a Background bitmap file",
                                                     "Background files (*.bmp; *.jpg)|*.bmp;*.jpg",
                                                     ExeDir + "Backgrounds/", false);
      if (chosen.empty()) {
        if (game_.GameMode == ModeIdle) None1Click();
        return;
      }
      values_.LastLoadedBackground = chosen;
    }
    if (Exists(values_.LastLoadedBackground)) {
      CheckBackground(action("LoadBackground"));
      NouveauFond(values_.LastLoadedBackground);
      return;
    }
    values_.LastLoadedBackground.clear();
    CheckBackground(action("LoadBackground"));
  }
}

void TSorimo::Dragons1Click() {
  CheckBackground(action("Dragons1"));
  NouveauFond(ExeDir + "Backgrounds/dragons.bmp");
}

void TSorimo::AndromedaClick() {
  CheckBackground(action("Andromeda"));
  NouveauFond(ExeDir + "Backgrounds/andromeda.jpg");
}

void TSorimo::Kanji1Click() {
  CheckBackground(action("Kanji1"));
  NouveauFond(ExeDir + "Backgrounds/kanji.bmp");
}

void TSorimo::CatpatsClick() {
  CheckBackground(action("Catpats"));
  NouveauFond(ExeDir + "Backgrounds/catpats.jpg");
}

// Any Windows bitmap is taken as a tileset, whatever its size: the renderer reads its regions
// at fixed places and never past the picture's edge.
void TSorimo::LoadTileset(const std::string& path) {
  if (!Exists(path)) {
    values_.LastLoadedTileset.clear();
    CheckTileset(action("Load1"));
    Load1Click();
    return;
  }
  std::string error;
  const auto bytes = ReadWholeFile(path, error);
  PictureOrError read = bytes ? ReadBmp(*bytes) : PictureOrError::Fail(error);
  if (!read.ok()) {
    ShowError(read.error);
    return;
  }
  renderer_.setTileset(std::move(read.picture));
  if (game_.GameMode != ModeIdle) game_.FullRedraw();
}

void TSorimo::Load1Click() {
  for (;;) {
    if (action("Load1")->isChecked() || values_.LastLoadedTileset.empty()) {
      const std::string chosen = desktop_.chooseFile("Please choose a Tileset bitmap file", "Tileset files (*.bmp)|*.bmp",
                                                     ExeDir + "Tilesets/", false);
      if (chosen.empty()) {
        // Without a tileset at start-up the tiles would be black: take the default set, if it
        // is there (otherwise its own missing file would bring this dialog back).
        if (game_.GameMode == ModeIdle && Exists(ExeDir + "Tilesets/bluepai.bmp")) MahJongg3Click();
        return;
      }
      values_.LastLoadedTileset = chosen;
    }
    if (Exists(values_.LastLoadedTileset)) {
      CheckTileset(action("Load1"));
      LoadTileset(values_.LastLoadedTileset);
      return;
    }
    values_.LastLoadedTileset.clear();
    CheckTileset(action("Load1"));
  }
}

void TSorimo::MahJongg1Click() {
  CheckTileset(action("MahJongg1"));
  LoadTileset(ExeDir + "Tilesets/pai.bmp");
}

void TSorimo::MahJongg2Click() {
  CheckTileset(action("MahJongg2"));
  LoadTileset(ExeDir + "Tilesets/darkpai.bmp");
}

void TSorimo::MahJongg3Click() {
  CheckTileset(action("MahJongg3"));
  LoadTileset(ExeDir + "Tilesets/bluepai.bmp");
}

void TSorimo::Lowcolor1Click() {
  CheckTileset(action("Lowcolor1"));
  LoadTileset(ExeDir + "Tilesets/pai256.bmp");
}

// At start-up: the checked background and tileset are loaded; "Load from disk" reloads the
// file loaded last.
void TSorimo::ActiveTilesetBackground() {
  if (action("LoadBackground")->isChecked()) {
    action("LoadBackground")->setChecked(false);
    LoadBackgroundClick();
  } else if (action("Kanji1")->isChecked()) {
    Kanji1Click();
  } else if (action("Dragons1")->isChecked()) {
    Dragons1Click();
  } else if (action("Andromeda")->isChecked()) {
    AndromedaClick();
  } else if (action("Catpats")->isChecked()) {
    CatpatsClick();
  } else {
    None1Click();
  }

  if (action("Load1")->isChecked()) {
    action("Load1")->setChecked(false);
    Load1Click();
  } else if (action("MahJongg1")->isChecked()) {
    MahJongg1Click();
  } else if (action("Lowcolor1")->isChecked()) {
    Lowcolor1Click();
  } else if (action("MahJongg3")->isChecked()) {
    MahJongg3Click();
  } else {
    MahJongg2Click();
  }
}

}  // namespace sorimo
