// The Music menu, the music options and the toolbar's "Music", and the sound effects, as the
// window drives its sound: each piece file here holds its own name, so what was played is
// readable in the record the fake sound keeps.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <fstream>
#include <sstream>

#include "tests/window/window_test_support.h"

namespace sorimo::testing {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

// The music folder holds these pieces and no other.
void AddPieces(const ProgramFolder& folder, std::initializer_list<const char*> names) {
  fs::remove_all(folder.path() / "Musics");
  fs::create_directories(folder.path() / "Musics");
  for (const char* name : names) std::ofstream(folder.path() / "Musics" / (std::string(name) + ".mid")) << name;
}

void WriteSettings(const ProgramFolder& folder, const std::string& lines) {
  std::ofstream(folder.path() / "Sorimo.ini") << "[Sorimo]\r\n" << lines;
}

QMenu* MusicMenu(TSorimo& w) {
  for (QAction* a : w.menuBar()->actions())
    if (a->text() == "M&usic") return a->menu();
  return nullptr;
}

// The captions of the Music menu, with a '*' after the checked one.
Log MusicItems(TSorimo& w) {
  Log items;
  for (QAction* a : MusicMenu(w)->actions())
    items.push_back(a->isSeparator() ? "-" : a->text().toStdString() + (a->isChecked() ? "*" : ""));
  return items;
}

QAction* MusicItem(TSorimo& w, const std::string& caption) {
  for (QAction* a : MusicMenu(w)->actions())
    if (a->text().toStdString() == caption) return a;
  return nullptr;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(WindowMusic, FirstStartPlaysNightFromTheSortedListAndRemembersIt) {
  ProgramFolder folder;
  AddPieces(folder, {"tea", "Night", "Dawn"});
  FakeDesktop desktop;
  {
    Window w(folder, desktop);
    EXPECT_EQ(MusicItems(*w), (Log{"Random Music", "-", "Dawn", "Night*", "tea"}));
    EXPECT_EQ(desktop.sounds, (Log{"piece Night", "resume"}));
    EXPECT_TRUE(w->toolButton("SetMusic")->isEnabled());
    MusicItem(*w, "Dawn")->trigger();
    EXPECT_EQ(desktop.sounds.back(), "resume");
    EXPECT_EQ(desktop.sounds[desktop.sounds.size() - 2], "piece Dawn");
    EXPECT_EQ(MusicItems(*w), (Log{"Random Music", "-", "Dawn*", "Night", "tea"}));
  }
  EXPECT_NE(ReadFile(folder.path() / "Sorimo.ini").find("MidiNumber=1"), std::string::npos);
}

TEST(WindowMusic, AStoredNumberPastTheListPlaysTheLastPiece) {
  ProgramFolder folder;
  AddPieces(folder, {"b", "A", "c"});
  WriteSettings(folder, "MidiNumber=9\r\n");
  FakeDesktop desktop;
  Window w(folder, desktop);
  EXPECT_EQ(MusicItems(*w), (Log{"Random Music", "-", "A", "b", "c*"}));
  EXPECT_EQ(desktop.sounds.front(), "piece c");
}

// Mended: a program without music files runs, without music.
TEST(WindowMusic, WithoutMusicFilesTheProgramRunsSilentlyWithOnlyRandomMusic) {
  ProgramFolder folder;
  fs::remove_all(folder.path() / "Musics");
  FakeDesktop desktop;
  Window w(folder, desktop);
  EXPECT_FALSE(w->startupFailed());
  EXPECT_EQ(MusicItems(*w), (Log{"Random Music"}));
  EXPECT_FALSE(w->toolButton("SetMusic")->isEnabled());
  EXPECT_TRUE(desktop.messages.empty());
  w->action("RandomMusic")->trigger();
  EXPECT_TRUE(w->options().RandomMusic);
  desktop.pieceEnded = true;
  w.Tick(3);
  EXPECT_TRUE(desktop.sounds.empty());
}

TEST(WindowMusic, TheEndOfAPieceRepeatsItOrWithRandomMusicDrawsAnother) {
  ProgramFolder folder;
  AddPieces(folder, {"Dawn", "Night", "Rain", "Tea"});
  FakeDesktop desktop;
  Window w(folder, desktop);
  desktop.sounds.clear();
  w.Tick(2);
  EXPECT_TRUE(desktop.sounds.empty());  // still playing
  desktop.pieceEnded = true;
  w.Tick();
  EXPECT_EQ(desktop.sounds, (Log{"piece Night"}));  // again, from its beginning
  EXPECT_EQ(MusicItems(*w)[3], "Night*");

  w->action("RandomMusic")->trigger();  // a piece drawn at once
  ASSERT_FALSE(desktop.sounds.empty());
  std::string drawn = desktop.sounds[desktop.sounds.size() - 2].substr(6);
  EXPECT_EQ(MusicItem(*w, drawn)->isChecked(), true);
  for (int round = 0; round < 6; ++round) {
    desktop.sounds.clear();
    desktop.pieceEnded = true;
    w.Tick();
    ASSERT_EQ(desktop.sounds.size(), 2u);
    drawn = desktop.sounds[0].substr(6);
    EXPECT_TRUE(MusicItem(*w, drawn)->isChecked()) << drawn;
  }
  // "Play music" off: the tick no longer looks at the music.
  w->action("PlayMusic")->trigger();
  desktop.sounds.clear();
  desktop.pieceEnded = true;
  w.Tick(3);
  EXPECT_TRUE(desktop.sounds.empty());
}

TEST(WindowMusic, PlayMusicOffStopsAndOnRestartsThePiece) {
  ProgramFolder folder;
  AddPieces(folder, {"Night"});
  FakeDesktop desktop;
  Window w(folder, desktop);
  desktop.sounds.clear();
  w->action("PlayMusic")->trigger();
  EXPECT_FALSE(w->options().PlayMusic);
  EXPECT_EQ(desktop.sounds, (Log{"piece "}));
  EXPECT_FALSE(w->toolButton("SetMusic")->isEnabled());
  // Choosing a piece with the music off only moves the mark.
  MusicItem(*w, "Night")->trigger();
  EXPECT_EQ(desktop.sounds, (Log{"piece "}));
  w->action("PlayMusic")->trigger();
  EXPECT_EQ(desktop.sounds, (Log{"piece ", "piece Night", "resume"}));
  EXPECT_TRUE(w->toolButton("SetMusic")->isEnabled());
}

TEST(WindowMusic, WithPlayMusicOffNothingStartsUntilItIsSwitchedOn) {
  ProgramFolder folder;
  AddPieces(folder, {"Dawn", "Night"});
  WriteSettings(folder, "PlayMusic=0\r\n");
  FakeDesktop desktop;
  Window w(folder, desktop);
  EXPECT_TRUE(desktop.sounds.empty());
  EXPECT_EQ(MusicItems(*w), (Log{"Random Music", "-", "Dawn", "Night*"}));
  EXPECT_FALSE(w->toolButton("SetMusic")->isEnabled());
  w->action("PlayMusic")->trigger();
  EXPECT_EQ(desktop.sounds, (Log{"piece Night", "resume"}));
  EXPECT_TRUE(w->toolButton("SetMusic")->isEnabled());
}

TEST(WindowMusic, TheMusicButtonPausesAndResumesAndStartMusicOffStartsPaused) {
  ProgramFolder folder;
  AddPieces(folder, {"Night"});
  WriteSettings(folder, "StartMusic=0\r\n");
  FakeDesktop desktop;
  Window w(folder, desktop);
  EXPECT_EQ(desktop.sounds, (Log{"piece Night", "resume", "pause"}));
  EXPECT_TRUE(w->musicPaused());
  // A paused piece has not ended, however long the tick runs.
  w.Tick(100);
  EXPECT_EQ(desktop.sounds.size(), 3u);
  w->toolButton("SetMusic")->click();
  EXPECT_EQ(desktop.sounds.back(), "resume");
  w->toolButton("SetMusic")->click();
  EXPECT_EQ(desktop.sounds.back(), "pause");
}

TEST(WindowMusic, APieceTheSynthesizerCannotReadIsToldOnceAndNotRepeated) {
  ProgramFolder folder;
  AddPieces(folder, {"Night"});
  FakeDesktop desktop;
  Window w(folder, desktop);
  desktop.sounds.clear();
  desktop.pieceError = "Doesn't look like a MIDI file";
  desktop.pieceEnded = true;
  w.Tick(5);
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_NE(desktop.messages[0].find("Doesn't look like a MIDI file"), std::string::npos);
  EXPECT_NE(desktop.messages[0].find("Night"), std::string::npos);
  EXPECT_TRUE(desktop.sounds.empty());

  // An empty file is not silence either: it is told when chosen, and the ticks stay quiet.
  std::ofstream(folder.path() / "Musics" / "Night.mid", std::ios::trunc);
  MusicItem(*w, "Night")->trigger();
  w.Tick(5);
  ASSERT_EQ(desktop.messages.size(), 2u);
  EXPECT_NE(desktop.messages[1].find("\"Night\" cannot be played:\nThe file is empty."), std::string::npos);
}

TEST(WindowMusic, SoundEffectsPlayOnlyWithPlaySoundEffects) {
  ProgramFolder folder;
  FakeDesktop desktop;
  Window w(folder, desktop);
  desktop.sounds.clear();
  w->host().PlaySound(Sound::Done);
  w->host().PlaySound(Sound::NoWay);
  w->host().PlaySound(Sound::Select);
  EXPECT_EQ(desktop.sounds, (Log{"effect DONE", "effect NOWAY", "effect SELECT"}));
  // Through a game: a tile turned up in Memory sounds "select", unless the effects are off.
  w->action("MahJonggMemoryNewGame1")->trigger();
  ASSERT_EQ(w->game().GameMode, ModeMemory);
  desktop.sounds.clear();
  w.ClickTile(1);
  EXPECT_EQ(desktop.sounds, (Log{"effect SELECT"}));
  w->action("PlaySounds")->trigger();
  EXPECT_FALSE(w->options().PlaySounds);
  w.ClickTile(5);
  EXPECT_EQ(w->game().choice.SecondSelected, 5);
  w->host().PlaySound(Sound::Done);
  EXPECT_EQ(desktop.sounds, (Log{"effect SELECT"}));
}

}  // namespace
}  // namespace sorimo::testing
