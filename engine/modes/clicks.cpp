// Mah-Jongg Clicks: a click removes a group of touching tiles of one colour, the rest falls
// down and empty columns close up. The score is the number of tiles left; undo and restart
// go back through snapshots of the whole grid; when no group is left the player is asked
// whether to give up. The grid rules themselves are in clicks_grid.
#include "engine/modes/clicks.h"

#include "engine/game.h"
#include "engine/hall_columns.h"
#include "engine/modes/mode_description.h"
#include "engine/modes/clicks_grid.h"

namespace sorimo {

namespace {

constexpr char kClicksStartedText[] = "Mahjongg Clicks started.";

// Easy plays with four colours, Hard with six.
int ColoursOf(int boardNumber) { return boardNumber == kClicksHardColumn ? 6 : 4; }

class ClicksRules : public ModeRules {
 public:
  // The list (Easy or Hard) is chosen already; "New" keeps it.
  DealResult Start(Game& g) const override {
    g.Generator.SeedFromClock(g.host().time);
    g.board().NewDeal(0);  // the layered board stays empty: Clicks plays on its own grid
    ClicksState& s = g.NewModeData<ClicksState>();
    DealClicks(s.Grid, g.Generator, ColoursOf(g.BoardNumber));
    s.ClicksStep = 0;
    ResetGameFields(g);
    s.TilesLeft = s.TilesTotal = kClicksPlayCells;
    g.clock.ElapsedSeconds = kClicksPlayCells;  // the score, as every tick sets it
    g.clock.StartTick = g.host().time.TickCount();
    g.status.ShowStatus(kClicksStartedText);
    g.IM(ModeClicks);  // a paused game's controls come back with the mode
    g.FullRedraw();
    ShowSidePanel(g);
    return DealResult::Dealt;
  }

  void ButtonDown(Game& g, MouseButton button, int px, int py) const override {
    if (button == MouseButton::Right) {
      // Nothing is selected or hinted here: the right button redraws the whole grid.
      ClearChoice(g);
      g.FullRedraw();
      g.host().board.RedrawHOF();
      return;
    }
    const ClicksCell cell = ClicksCellAt(px, py);
    Move(g, cell.column, cell.row);
  }

  void CountMoves(Game& g) const override { g.moves.MovesLeft = g.moves.FreeCount = CountGroups(g.ModeData<ClicksState>().Grid); }

  void BackHistory(Game& g) const override {
    ClicksState& s = g.ModeData<ClicksState>();
    if (s.TilesLeft >= s.TilesTotal || s.ClicksStep <= 0) return;
    s.Grid = s.ClicksHistory[size_t(s.ClicksStep - 1)];
    --s.ClicksStep;
    s.TilesLeft = CountClicksTiles(s.Grid);
  }

  // The score is the tiles left, not a time.
  void Tick(Game& g) const override { g.clock.ElapsedSeconds = g.TilesLeft(); }

  bool OfferGiveUp(Game& g) const override {
    ClicksState& s = g.ModeData<ClicksState>();
    if (s.GiveUpAsked) return false;
    // Ticks keep coming while the question is open; the flag keeps them from asking again,
    // and keeps the focus the question takes from pausing the game (AsksThePlayer): No
    // takes a move back, which a paused game would ignore, and the grid stays in sight.
    s.GiveUpAsked = true;
    if (g.host().questions.AskYesNo(
            "Game Over",
            "No more moves. Do you want to give up ? (If you reply Yes and made a good score, "
            "you'll enter the hall of fame. If you reply No, the game will go back one move)")) {
      g.GameFinished = true;
      g.GameOver();
    } else {
      GoBack(g);
    }
    s.GiveUpAsked = false;
    return true;
  }

  bool AsksThePlayer(const Game& g) const override {
    const ClicksState* s = g.ModeDataIf<ClicksState>();
    return s != nullptr && s->GiveUpAsked;
  }

  void AddToScene(const Game& g, BoardScene& s) const override {
    if (const ClicksState* c = g.ModeDataIf<ClicksState>()) s.clicks = c->Grid;
  }

  // The grid stays on screen under the dialogs; a cleared grid scores zero.
  bool BoardStaysAtEnd() const override { return true; }
  void FinalScore(Game& g) const override {
    if (g.TilesLeft() == 0) g.clock.ElapsedSeconds = 0;
  }
  // Only a cleared grid has a word for the player; any result may enter the hall of fame.
  std::string ResultText(const Game& g) const override { return g.clock.ElapsedSeconds == 0 ? ClicksTopText : ""; }

 private:
  static void Move(Game& g, int c, int r) {
    ClicksState& s = g.ModeData<ClicksState>();
    if (!StartsGroup(s.Grid, c, r)) {  // an empty cell, a lone tile or the border
      g.host().feedback.PlaySound(Sound::NoWay);
      return;
    }
    // A game has room for every move it can make; the guard only keeps a broken count from
    // writing past the history.
    if (s.ClicksStep < kClicksHistorySteps) s.ClicksHistory[size_t(s.ClicksStep++)] = s.Grid;
    s.TilesLeft -= RemoveGroup(s.Grid, c, r);
    g.host().feedback.PlaySound(Sound::Done);

    const bool animate = g.options().AnimateClicks;
    while (SettlePass(s.Grid)) {
      if (!animate) continue;
      g.FullRedraw();
      g.host().board.RepaintNow();
      g.host().board.PauseAnimation();
    }
    g.FullRedraw();  // on a cleared grid, this ends the game
    g.host().board.RepaintNow();
    if (g.options().ShowGirls) ShowSidePanel(g);
  }
};

}  // namespace

namespace {

// Fewer groups left, a more worried face.
int ClicksPortrait(int, int groupsLeft) { return groupsLeft <= 6 ? 5 : groupsLeft <= 24 ? 3 : 4; }

const ClicksRules kRules;

}  // namespace

std::span<const ModeDescription> DescribeModeClicks() {
  static const ModeDescription d{
      .mode = ModeClicks,
      .traits = {.name = "Clicks", .underWay = true, .takesClicks = true, .showsBoard = true, .countsMoves = true,
                 .allowsUndo = true, .endsWhenEmpty = true},
      .rules = &kRules,
      .easy = {kClicksEasyColumn, "Clicks", "Mahjongg Clicks (Easy)", "MahJonggClicks1", "Mah-Jongg Clicks (Easy)",
               "F5", "BitBtn7", "Easy (4 colors)"},
      .hard = {kClicksHardColumn, "Clicks2", "Mahjongg Clicks (Hard)", "MahJonggClicksHard1",
               "Mah-Jongg Clicks (Hard)", "Shift+F5", "BitBtn10", "Hard (6 colors)"},
      .welcomeGroup = "Mah-Jongg Clicks",
      .score = ScoreKind::TilesLeft,
      .ownGrid = true,
      .tilePreview = false,
      .portrait = ClicksPortrait,
      .cursor = CursorKind::Cell,
      .newRepeats = true,
  };
  return {&d, 1};
}

}  // namespace sorimo
