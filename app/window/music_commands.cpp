// The Music menu, the music options and the toolbar's "Music", and the sound effects: what
// the window decides about sound. The sound itself is made elsewhere (audio/), away from the
// GUI thread; here pieces are only chosen, read and handed over.
#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <filesystem>

#include "app/window/sorimo.h"
#include "audio/midi_file_check.h"
#include "files/folder_listing.h"
#include "files/whole_file_read.h"

namespace sorimo {

namespace {

constexpr size_t kMaxPieceBytes = 4 << 20;  // a MIDI file is kilobytes; anything huge is not one

}  // namespace

// The music half of the folder scan. Without any piece the program plays no music: the menu
// keeps only "Random Music" and the toolbar's "Music" stays disabled.
void TSorimo::LoadMusicList() {
  music_ = ScanMusicNames(ListFolder(ExeDir + "Musics/", FolderEntries::NotFolders), values_.MidiNumber);
  values_.MidiNumber = music_.midiNumber;
  if (music_.names.empty()) return;
  musicMenu_->addSeparator();
  for (const std::string& name : music_.names) {
    // An ampersand in a file name is shown, not taken as a shortcut mark.
    QAction* item = musicMenu_->addAction(QString::fromStdString(name).replace("&", "&&"));
    item->setCheckable(true);
    item->setData(-2);
    item->setChecked(int(musicMenu_->actions().size()) - kFirstMusicItem == values_.MidiNumber);
    connect(item, &QAction::triggered, this, [this, item] { LoadMidiClick(item); });
  }
}

QAction* TSorimo::MusicItem(int midiNumber) const {
  const auto items = musicMenu_->actions();
  const int at = kFirstMusicItem + midiNumber - 1;
  return midiNumber >= 1 && at < items.size() ? items[at] : nullptr;
}

// Starts the music at start-up; without "Run music automatically at startup" the piece waits
// at its beginning for the toolbar's "Music".
void TSorimo::CallMusic() {
  musicStarted_ = true;
  if (QAction* item = MusicItem(values_.MidiNumber)) LoadMidiClick(item);
  if (!options_.StartMusic && !pieceBytes_.empty()) {
    musicPaused_ = true;
    sound_->SetMusicPaused(true);
  }
  UpdateMusicButton();
}

// A piece chosen in the Music menu (or by the tick for "Random Music"): its item alone is
// checked, and it plays from its beginning.
void TSorimo::LoadMidiClick(QAction* item) {
  const auto items = musicMenu_->actions();
  const int at = int(items.indexOf(item));
  if (at < kFirstMusicItem) return;
  values_.MidiNumber = at - kFirstMusicItem + 1;
  for (int n = 1; n <= int(music_.names.size()); ++n) MusicItem(n)->setChecked(n == values_.MidiNumber);
  SelectedMusic(ExeDir + "Musics/" + music_.names[size_t(values_.MidiNumber - 1)] + ".mid");
}

// Plays the file when it is there and "Play music" is on; otherwise the choice is only marked.
void TSorimo::SelectedMusic(const std::string& path) {
  if (!options_.PlayMusic || !IsRegularFile(path)) return;
  const WholeFile file = ReadWholeFile(path, kMaxPieceBytes);
  if (!file.ok()) {
    ShowError(file.Message(path));
    return;
  }
  pieceName_ = std::filesystem::path(path).stem().string();
  if (file.bytes.empty()) {
    // The sound takes no bytes for silence: an empty file would be silence without a word.
    pieceBytes_.clear();
    musicPaused_ = false;
    sound_->PlayPiece({});
    ShowError("The music \"" + pieceName_ + "\" cannot be played:\n" + MidiFileFault({}));
    return;
  }
  pieceBytes_.assign(file.bytes.begin(), file.bytes.end());
  pieceFailed_ = false;
  musicPaused_ = false;
  sound_->PlayPiece(pieceBytes_);
  sound_->SetMusicPaused(false);
}

// "Random Music": once on, a piece drawn at random starts at once, and each piece that ends
// is followed by another drawn the same way.
void TSorimo::RandomMusicClick() {
  if (options_.RandomMusic && !music_.names.empty()) SelectMusicPiece(int(game_.Generator.RandomInt(uint32_t(music_.names.size()))));
}

// "Play music" (the item has flipped the option): on, the chosen piece starts again from its
// beginning; off, the music stops.
void TSorimo::PlayMusicClick() {
  if (options_.PlayMusic) {
    musicStarted_ = true;
    if (QAction* item = MusicItem(values_.MidiNumber)) LoadMidiClick(item);
  } else {
    pieceBytes_.clear();
    musicPaused_ = false;
    sound_->PlayPiece({});
  }
}

// The toolbar's "Music": holds the piece where it is, or lets it go on.
void TSorimo::SetMusicClick() {
  if (pieceBytes_.empty()) return;
  musicPaused_ = !musicPaused_;
  sound_->SetMusicPaused(musicPaused_);
}

void TSorimo::UpdateMusicButton() {
  if (QToolButton* b = toolButton("SetMusic")) b->setEnabled(musicStarted_ && options_.PlayMusic && !music_.names.empty());
}

void TSorimo::PlayWave(const char* name) {
  if (options_.PlaySounds) sound_->PlayEffect(name);
}

// ---------------------------------------------------------------- The tick's music check

// A piece the synthesizer cannot read is told once and then left alone: it never "ends", so
// the tick does not start it again and again.
bool TSorimo::MusicEnded() {
  if (pieceBytes_.empty() || pieceFailed_) return false;
  const std::string error = sound_->TakePieceError();
  if (!error.empty()) {
    pieceFailed_ = true;  // first: the message box lets ticks run
    ShowError("The music \"" + pieceName_ + "\" cannot be played:\n" + error);
    return false;
  }
  return sound_->PieceEnded();
}

// A piece sounds (not held by "Music", not refused): its end is worth a tick's watch.
bool TSorimo::MusicPlaying() const { return !pieceBytes_.empty() && !pieceFailed_ && !musicPaused_; }

int TSorimo::MusicPieceCount() { return int(music_.names.size()); }

void TSorimo::SelectMusicPiece(int k) {
  if (QAction* item = MusicItem(k + 1)) LoadMidiClick(item);
}

void TSorimo::ReplayMusicPiece() {
  if (pieceBytes_.empty()) return;
  sound_->PlayPiece(pieceBytes_);
}

}  // namespace sorimo
