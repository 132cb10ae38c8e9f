// The tick: game clock, time limit, pause and focus, the sliding status line, the Memory
// delay, the music check and the two-player panel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace sorimo::test {
namespace {

constexpr char kThreeMoves[] = "1 . . 2 . . 5 . . 6 . . 9 . . 10";

std::string TimeShown(const Table& t) { return t.host.fields.substr(t.host.fields.rfind('|') + 1); }

TEST(Clock, PauseOfAnyLengthLeavesTheTimeAsItWas) {
  Table t;
  t.Put(kThreeMoves);
  t.Tick(10000);
  EXPECT_EQ(TimeShown(t), "00:10");
  t.game.PauseClick();
  EXPECT_EQ(t.game.GameMode, ModePaused);
  EXPECT_EQ(t.host.log.back(), "changed") << "the window hears of the pause";
  for (int i = 0; i < 100; ++i) t.Tick(3000);
  EXPECT_EQ(t.host.fields, "6||") << "tiles only while paused";
  t.game.PauseClick();
  EXPECT_EQ(t.game.GameMode, ModeClassic);
  t.Tick(1);
  EXPECT_EQ(TimeShown(t), "00:10");
  EXPECT_EQ(t.host.Only({"changed"}).size(), 2u);
}

TEST(Clock, AHintMakesTheShownTimeJumpForty) {
  Table t;
  t.Put(kThreeMoves);
  t.Tick(12000);
  EXPECT_EQ(TimeShown(t), "00:12");
  t.game.Hint();
  t.Tick(1);
  EXPECT_EQ(TimeShown(t), "00:52");
  t.options.ShowTime = false;
  t.Tick(1);
  EXPECT_EQ(TimeShown(t), "");
}

TEST(Clock, StopsAtOneHundredMinutesPenaltiesIncludedAndSaysSo) {
  Table t;
  t.Put(kThreeMoves);
  t.game.clock.PenaltySeconds = 180;
  t.Tick((6000 - 180) * 1000 - 1);  // 96:59.999 of play plus three minutes
  EXPECT_EQ(t.game.GameMode, ModeClassic);
  EXPECT_EQ(TimeShown(t), "99:59");
  t.Tick(1);
  EXPECT_EQ(t.game.GameMode, ModeStopped);
  EXPECT_EQ(t.host.fields, "||");
  EXPECT_FALSE(t.host.Has("game over closed"));
  EXPECT_EQ(t.game.status.StatusMessage, TimeLimitText);
}

TEST(Clock, ClicksCountsTilesNotSeconds) {
  Table t;
  t.Put(kThreeMoves);
  t.game.GameMode = ModeClicks;
  t.host.answers = {false};  // keep playing when asked to give up
  t.Tick(5000);
  EXPECT_EQ(t.game.clock.ElapsedSeconds, 6);
  EXPECT_EQ(TimeShown(t), "");
}

TEST(StatusRefresh, TheGiveUpQuestionIsAskedOnceWhileItIsOpen) {
  Table t;
  t.game.GameMode = ModeClicks;
  ClicksState& clicks = t.game.ModeData<ClicksState>();
  clicks.TilesLeft = clicks.TilesTotal = 6;  // its grid is empty: no group is left
  t.game.BoardNumber = 120;
  t.host.duringQuestion = [&] {
    for (int i = 0; i < 5; ++i) t.Tick();
  };
  t.host.answers = {false};
  t.Tick();
  EXPECT_EQ(t.host.Count("ask Game Over"), 1);
  EXPECT_FALSE(t.game.ModeData<ClicksState>().GiveUpAsked);
  EXPECT_EQ(t.game.GameMode, ModeClicks) << "No goes on playing";

  t.host.duringQuestion = nullptr;
  t.host.answers = {true};
  t.Tick();
  EXPECT_EQ(t.game.GameMode, ModeGameOver);
  // In the Clicks lists the score is the tiles left; only a cleared board gets a message.
  EXPECT_TRUE(t.host.Has("add hall 120 6 0"));
  EXPECT_FALSE(t.host.Has("game over closed"));
}

TEST(StatusLine, CoolStatusSlidesInOneCharacterATick) {
  Table t;
  t.game.status.ShowStatus("Hello");
  std::vector<std::string> shown;
  for (int i = 0; i < 6; ++i) {
    t.host.statusLine = "(unchanged)";
    t.Tick();
    shown.push_back(t.host.statusLine);
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"lo", "llo", "ello", "Hello", "(unchanged)", "(unchanged)"}));

  t.options.CoolStatus = false;
  t.game.status.ShowStatus("Whole at once");
  t.Tick();
  EXPECT_EQ(t.host.statusLine, "Whole at once");

  t.host.statusLine = "(before)";
  t.game.status.ShowStatus("X");  // a one-character message is never shown
  t.Tick();
  t.Tick();
  EXPECT_EQ(t.host.statusLine, "(before)");
}

// Layout names come from file names: the slide steps by characters, never inside one.
TEST(StatusLine, SlidesByCharactersNotBytes) {
  Table t;
  t.game.status.ShowStatus("Élan été");
  std::vector<std::string> shown;
  for (int i = 0; i < 7; ++i) {
    t.Tick();
    shown.push_back(t.host.statusLine);
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"té", "été", " été", "n été", "an été", "lan été", "Élan été"}));
  t.game.status.ShowStatus("日本");
  t.Tick();
  EXPECT_EQ(t.host.statusLine, "日本");
}

TEST(StatusLine, NoMoreMovesSwingsUntilAMoveExistsAgain) {
  Table t;
  t.Put("1 . . 5");  // no move
  t.Tick();
  ASSERT_TRUE(t.game.status.StatusBounce);
  ASSERT_EQ(t.game.status.StatusMessage, NoMovesText);
  const int length = static_cast<int>(std::string(NoMovesText).size());
  std::vector<int> visible;
  for (int i = 0; i < 2 * length + 2; ++i) {
    t.Tick();
    visible.push_back(static_cast<int>(t.host.statusLine.size()));
  }
  // The last character first; then the tail grows to the whole text, stays a tick, shrinks
  // to the last two characters, stays a tick, and turns again.
  std::vector<int> expected{1};
  for (int n = 2; n <= length; ++n) expected.push_back(n);
  expected.push_back(length);
  for (int n = length - 1; n >= 2; --n) expected.push_back(n);
  expected.push_back(2);
  expected.push_back(3);
  expected.push_back(4);
  EXPECT_EQ(visible, expected);

  // A shuffle that finds a move ends the swinging; the warning may come back later.
  t.game.status.StatusBounce = true;
  t.Put("1 . . 2");
  t.game.status.StatusBounce = true;
  t.Tick();
  EXPECT_FALSE(t.game.status.StatusBounce);
}

TEST(StatusLine, ANewGameKeepsAMessageStillSlidingIn) {
  Table t;
  t.game.Layout = MustLayout(kTurtle);
  t.game.status.ShowStatus("Layout selected.");
  t.game.RandomSolitaireGame1Click();
  EXPECT_EQ(t.game.status.StatusMessage, "Layout selected.");
  for (int i = 0; i < 20; ++i) t.Tick();
  t.game.RandomSolitaireGame1Click();
  EXPECT_EQ(t.game.status.StatusMessage, NewGameText);
}

TEST(Focus, LosingTheFocusPausesAndRegainingItResumes) {
  Table t;
  t.Put(kThreeMoves);
  t.Tick(7000);
  FormDeactivate(t.game);
  EXPECT_EQ(t.game.GameMode, ModePaused);
  EXPECT_EQ(t.host.log.back(), "changed");
  t.host.now += 60000;
  FormActivate(t.game);
  EXPECT_EQ(t.game.GameMode, ModeClassic);
  t.Tick(1);
  EXPECT_EQ(TimeShown(t), "00:07");

  // A game paused by hand resumes too when the window gets the focus back.
  t.game.PauseClick();
  FormDeactivate(t.game);
  FormActivate(t.game);
  EXPECT_EQ(t.game.GameMode, ModeClassic);

  // On the welcome screen there is nothing to pause.
  t.game.Stop();
  FormDeactivate(t.game);
  t.game.PauseClick();
  EXPECT_EQ(t.game.GameMode, ModeStopped);
}

TEST(Focus, ModalWindowsPauseAroundThemselvesWhenAsked) {
  Table t;
  t.Put(kThreeMoves);
  CheckPause(t.game);
  EXPECT_EQ(t.game.GameMode, ModePaused);
  UnCheckPause(t.game);
  EXPECT_EQ(t.game.GameMode, ModeClassic);

  t.options.GoCheckPause = false;
  CheckPause(t.game);
  EXPECT_EQ(t.game.GameMode, ModeClassic);
  t.options.GoCheckPause = true;

  // After a game was paused by hand and then stopped, a window opened from the welcome
  // screen must not bring the stopped game back when it closes.
  t.game.PauseClick();
  t.game.PauseClick();
  t.game.Stop();
  CheckPause(t.game);
  EXPECT_EQ(t.game.GameMode, ModePaused);
  t.host.log.clear();
  UnCheckPause(t.game);
  EXPECT_EQ(t.game.GameMode, ModeStopped);
  EXPECT_TRUE(t.host.Only({"paint"}).empty()) << "the stopped board stays hidden";
  CheckPause(t.game);
  FormActivate(t.game);  // the same through the focus
  EXPECT_EQ(t.game.GameMode, ModeStopped);
}

TEST(Focus, TwoPlayerPauseShiftsBothTurnStarts) {
  Table t;
  t.Put(kThreeMoves);
  t.game.GameMode = ModeTwoPlayer;
  t.game.ModeData<TwoPlayerState>().PlayerOneTurnStart = t.game.ModeData<TwoPlayerState>().PlayerTwoTurnStart = t.game.clock.StartTick = t.host.now;
  t.host.now += 4000;
  t.game.PauseClick();
  t.host.now += 100000;
  t.game.PauseClick();
  EXPECT_EQ(t.host.now - t.game.ModeData<TwoPlayerState>().PlayerOneTurnStart, 4000u);
  // The game clock, which only the 100-minute limit reads here, stands still too: a long pause
  // must not end the game.
  EXPECT_EQ(t.game.clock.StartTick + 4000, t.host.now);
}

TEST(TwoPlayerPanel, TheWaitingClockStandsAndThePlayerToMoveBlinks) {
  Table t;
  t.Put(kThreeMoves);
  t.game.GameMode = ModeTwoPlayer;
  t.host.now = 1000000;
  t.game.ModeData<TwoPlayerState>().PlayerOneTurnStart = t.game.ModeData<TwoPlayerState>().PlayerTwoTurnStart = t.host.now;
  t.host.log.clear();
  t.Tick(3200);  // tick count ends in 200: the blinking label is dark
  t.Tick(400);   // ... and now lit
  EXPECT_EQ(t.host.Only({"players"}),
            (std::vector<std::string>{"players -2 00:03 00:00", "players 12 00:03 00:00"}));
  t.Click(1);
  t.Click(2);
  t.host.log.clear();
  t.Tick(5000);
  EXPECT_EQ(t.host.Only({"players"}), (std::vector<std::string>{"players 12 00:03 00:05"}));
  t.Tick(400);
  EXPECT_EQ(t.host.Only({"players"}).back(), "players 1- 00:03 00:05");
  EXPECT_EQ(TimeShown(t), "") << "two players see no game time";
}

TEST(Music, TheTickStartsTheNextPieceWhenOneEnds) {
  Table t;
  t.options.PlayMusic = true;
  t.Tick();
  EXPECT_TRUE(t.host.Only({"music"}).empty());
  t.host.musicEnded = true;
  t.Tick();
  EXPECT_EQ(t.host.Only({"music"}), (std::vector<std::string>{"music again"}));
  t.options.RandomMusic = true;
  t.host.musicPieces = 5;
  t.game.Generator.GeneratorSeed = 1;
  t.Tick();
  EXPECT_EQ(t.host.Only({"music"}).back(), "music piece 0");  // high half of 134775814 * 5
  t.host.musicPieces = 0;                                     // nothing loaded: nothing to choose from
  t.Tick();
  EXPECT_EQ(t.host.Only({"music"}).size(), 2u);
}

// Two tables play one script: one ticked on every beat, the other only on the beats its tick
// asked for and on the beat after each event, as the window ticks. The player must see the
// same on both at every beat.
class SideBySide {
 public:
  Table every, asked;
  int askedTicks = 0;

  template <class Setup>
  explicit SideBySide(Setup setup) {
    setup(every);
    setup(asked);
  }
  // Something happens `ms` after the last beat, on both tables alike.
  template <class Change>
  void Event(int ms, Change change) {
    every.host.now += ms;
    asked.host.now = every.host.now;
    change(every);
    change(asked);
    wake_ = 0;
  }
  void Beats(int n, const char* what) {
    for (int i = 0; i < n; ++i) {
      const uint32_t beat = (every.host.now / kTickMs + 1) * kTickMs;
      every.host.now = asked.host.now = beat;
      every.game.Temps();
      if (beat >= wake_) {
        const int wait = asked.game.Temps();
        wake_ = wait < 0 ? UINT32_MAX : (beat + uint32_t(wait) + kTickMs - 1) / kTickMs * kTickMs;
        ++askedTicks;
      }
      ASSERT_EQ(Shown(every), Shown(asked)) << what << ", beat " << i;
    }
  }

 private:
  static std::string Shown(const Table& t) {
    const std::vector<std::string> players = t.host.Only({"players", "game over"});
    return t.host.fields + " / " + t.host.statusLine + " / " + (players.empty() ? "" : players.back()) + " / " +
           std::to_string(t.game.GameMode);
  }
  uint32_t wake_ = 0;
};

TEST(Sleep, TickingOnlyWhenAskedShowsWhatEveryTickShows) {
  SideBySide s([](Table& t) {
    t.host.now = 100000;
    t.Put(kThreeMoves);
  });
  s.Event(17, [](Table& t) { t.game.status.ShowStatus("A message slides in"); });
  s.Beats(500, "untouched");  // 25 s
  EXPECT_LE(s.askedTicks, 25 + 20 + 2) << "a tick a second, and one a character of the slide";
  s.Event(23, [](Table& t) {
    t.Click(1);
    t.Click(2);
  });
  s.Beats(100, "a pair removed");
  s.Event(11, [](Table& t) { t.game.Hint(); });
  s.Beats(100, "a hint");
  s.Event(5, [](Table& t) { t.game.PauseClick(); });
  s.Beats(20, "the pause");
  const int beforePause = s.askedTicks;
  s.Beats(200, "paused");
  EXPECT_EQ(s.askedTicks, beforePause) << "a paused game sleeps";
  s.Event(31, [](Table& t) { t.game.PauseClick(); });
  s.Beats(100, "resumed");
  s.Event(1, [](Table& t) {
    t.Click(5);
    t.Click(6);
    t.Click(9);
    t.Click(10);
  });
  s.Beats(40, "the board cleared");
  s.Beats(100, "the end");

  SideBySide memory([](Table& t) {
    t.Put("1 . . 2 . . 5 . . 9");
    t.game.GameMode = ModeMemory;
  });
  memory.Event(7, [](Table& t) {
    t.game.choice.FirstSelected = 5;
    t.game.choice.SecondSelected = 9;
    t.game.ModeData<MemoryState>().RevealCountdown = 10;
  });
  memory.Beats(100, "a Memory pair turned up");

  SideBySide players([](Table& t) {
    t.Put(kThreeMoves);
    t.game.GameMode = ModeTwoPlayer;
  });
  players.Beats(100, "two players");
}

TEST(MemoryReveal, HalfASecondLaterThePairGoesOrTurnsBack) {
  Table t;
  t.Put("1 . . 2 . . 5 . . 9");
  t.game.GameMode = ModeMemory;
  t.game.choice.FirstSelected = 1;
  t.game.choice.SecondSelected = 2;
  t.game.ModeData<MemoryState>().RevealCountdown = 10;
  for (int i = 0; i < 9; ++i) t.Tick();
  EXPECT_EQ(t.game.TilesLeft(), 4);
  t.Tick();
  EXPECT_EQ(t.game.TilesLeft(), 2);
  EXPECT_EQ(t.game.ModeData<MemoryState>().RevealCountdown, 0);
  EXPECT_TRUE(t.host.Has("sound done"));
  EXPECT_TRUE(Consistent(t.game));

  t.game.choice.FirstSelected = 5;
  t.game.choice.SecondSelected = 9;
  t.game.ModeData<MemoryState>().RevealCountdown = 1;
  const int penalty = t.game.clock.PenaltySeconds;
  t.Tick();
  EXPECT_EQ(t.game.clock.PenaltySeconds, penalty + 2);
  EXPECT_EQ(t.game.choice.FirstSelected, 0);
  EXPECT_EQ(t.game.TilesLeft(), 2);
}

}  // namespace
}  // namespace sorimo::test
