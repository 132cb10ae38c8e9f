// Two players share one board and take turns; each is timed on a clock of their own, and
// the smaller thinking time wins.
#include "engine/game.h"
#include "engine/modes/mode_description.h"
#include "engine/modes/classic.h"

namespace sorimo {

namespace {

class TwoPlayerRules : public ClassicRules {
 public:
  // A classic deal of the chosen layout, with player 1 to move and both clocks at zero. The
  // deal is drawn at once, never tile by tile.
  DealResult Start(Game& g) const override {
    if (const DealResult r = DealOnChosenLayout(g, DealDrawing::OverGameUnderWay); r != DealResult::Dealt) return r;
    TwoPlayerState& s = g.NewModeData<TwoPlayerState>();  // player 1 to move, both clocks at zero
    g.status.ShowStatus(TwoPlayerStartedText);
    g.IM(ModeTwoPlayer);
    if (g.RandomSeed > 0 && g.options().RandomSeed1) g.status.ShowStatus(SpecificBoardText + std::to_string(g.RandomSeed));
    ShowSidePanel(g);
    g.FullRedraw();
    // The message just set is still sliding in, so "New game started." does not replace it.
    g.clock.StartTick = s.PlayerOneTurnStart = s.PlayerTwoTurnStart = g.host().time.TickCount();
    return DealResult::Dealt;
  }

  void Tick(Game& g) const override {
    DrawPanel(g);
    ClassicRules::Tick(g);
  }
  // The label of the player to move blinks on the tick.
  int NextTickIn(const Game&, uint32_t) const override { return kTickMs; }

  // Both turns and the game clock stand still while the game is paused. (Counting the pause on
  // the game clock would let a long pause reach the 100-minute limit and end the game.)
  void StorePauseClocks(Game& g) const override {
    ClassicRules::StorePauseClocks(g);
    TwoPlayerState& s = g.ModeData<TwoPlayerState>();
    const uint32_t now = g.host().time.TickCount();
    s.PausedPlayerOneOffset = static_cast<int32_t>(now - s.PlayerOneTurnStart);
    s.PausedPlayerTwoOffset = static_cast<int32_t>(now - s.PlayerTwoTurnStart);
  }

  void RestartPauseClocks(Game& g) const override {
    ClassicRules::RestartPauseClocks(g);
    TwoPlayerState& s = g.ModeData<TwoPlayerState>();
    const uint32_t now = g.host().time.TickCount();
    s.PlayerOneTurnStart = now - static_cast<uint32_t>(s.PausedPlayerOneOffset);
    s.PlayerTwoTurnStart = now - static_cast<uint32_t>(s.PausedPlayerTwoOffset);
  }

  // Two players share no hall of fame; the smaller thinking time wins.
  void AnnounceResult(Game& g) const override {
    const TwoPlayerState& s = g.ModeData<TwoPlayerState>();
    const char* winner = s.PlayerTwoTime < s.PlayerOneTime    ? "And the winner is... Player 2 !"
                         : s.PlayerTwoTime == s.PlayerOneTime ? "Same score for both players !"
                                                              : "And the winner is... Player 1 !";
    g.host().questions.ShowGameOver(winner, false, "");
  }

 protected:
  // A removed pair ends the running turn.
  void AfterPair(Game& g) const override {
    TwoPlayerState& s = g.ModeData<TwoPlayerState>();
    const uint32_t now = g.host().time.TickCount();
    if (s.PlayerTwoToMove) {
      s.PlayerTwoToMove = false;
      s.PlayerTwoTime += static_cast<int32_t>(now - s.PlayerTwoTurnStart);
      s.PlayerOneTurnStart = now;
    } else {
      s.PlayerTwoToMove = true;
      s.PlayerOneTime += static_cast<int32_t>(now - s.PlayerOneTurnStart);
      s.PlayerTwoTurnStart = now;
    }
  }

  // A shuffle costs the players nothing: it helps both alike.
  int ShufflePenalty(int) const override { return 0; }

 private:
  // The side panel of the tick: the label of the player to move blinks once a second, the
  // other one is steady; both clocks run on.
  static void DrawPanel(Game& g) {
    const TwoPlayerState& s = g.ModeData<TwoPlayerState>();
    const uint32_t now = g.host().time.TickCount();
    const bool blinkOn = now % 1000 > 500;
    const bool showOne = s.PlayerTwoToMove || blinkOn;
    const bool showTwo = !s.PlayerTwoToMove || blinkOn;
    const int32_t one =
        s.PlayerTwoToMove ? s.PlayerOneTime : s.PlayerOneTime + static_cast<int32_t>(now - s.PlayerOneTurnStart);
    const int32_t two =
        s.PlayerTwoToMove ? s.PlayerTwoTime + static_cast<int32_t>(now - s.PlayerTwoTurnStart) : s.PlayerTwoTime;
    g.host().board.DrawTwoPlayerPanel(showOne, showTwo, TimeText(one / 1000), TimeText(two / 1000));
  }
};

}  // namespace

namespace {
const TwoPlayerRules kRules;
}  // namespace

std::span<const ModeDescription> DescribeModeTwoPlayers() {
  static const ModeDescription d{
      .mode = ModeTwoPlayer,
      .traits = {.name = "two players", .underWay = true, .takesClicks = true, .showsBoard = true,
                 .clockRuns = true, .countsMoves = true, .warnsNoMoves = true, .allowsShuffle = true,
                 .endsWhenEmpty = true, .solverJudges = true},
      .rules = &kRules,
      .pointer = PointerKind::TileFrame,
      .tilePreview = false,
      .playerClocks = true,
      .cursor = CursorKind::Tile,
      .newRepeats = true,
  };
  return {&d, 1};
}

}  // namespace sorimo
