// What a mode does unless its own rules say otherwise, and the table of rules by GameMode.
#include "engine/modes/mode_rules.h"

#include <string>

#include "engine/game.h"
#include "engine/hall_columns.h"
#include "engine/modes/mode_description.h"
#include "engine/pixel_geometry.h"

namespace sorimo {

DealResult ModeRules::Start(Game& g) const { return g.RandomSolitaireGame1Click(); }

void ModeRules::ButtonDown(Game& g, MouseButton button, int px, int py) const {
  if (button == MouseButton::Right) {
    const Highlights before = g.HighlightsNow();
    ClearChoice(g);
    g.RedrawHighlightChanges(before);
    g.host().board.RedrawHOF();
    return;
  }
  ChooseAt(g, button, px, py);
}

void ModeRules::ChooseAt(Game& g, MouseButton button, int px, int py) {
  const BoardCell cell = CellAt(px, py);
  g.ChoisitPai(px, py, cell.column, cell.row, button);
}

DealResult ModeRules::DealOnChosenLayout(Game& g, DealDrawing drawing) { return g.DealOnChosenLayout(drawing); }
void ModeRules::ResetGameFields(Game& g) { g.ResetGameFields(); }
void ModeRules::SonOK(Game& g, int n) { g.SonOK(n); }
void ModeRules::TestStile2(Game& g) { g.TestStile2(); }
void ModeRules::RemovePair(Game& g, int first, int second, std::optional<Cell> firstFrom) {
  g.RemovePair(first, second, firstFrom);
}
ShuffleResult ModeRules::ShuffleBoard(Game& g) { return g.ShuffleBoard(); }
void ModeRules::PlainShuffle(Game& g, bool keepLayers) { g.PlainShuffle(keepLayers); }
void ModeRules::GoBack(Game& g) { g.GoBack(); }
void ModeRules::ShowSidePanel(Game& g) { g.ShowSidePanel(); }

void ModeRules::ClearChoice(Game& g) const {
  g.choice.HintFirst = g.choice.HintSecond = 0;
  g.choice.FirstSelected = g.choice.SecondSelected = 0;
}

void ModeRules::ChoisitPai(Game&, int, int, int, int, MouseButton) const {}

void ModeRules::CountMoves(Game&) const {}

void ModeRules::BackHistory(Game& g) const { g.UndoPair(); }

void ModeRules::Shuffle(Game&) const {}

void ModeRules::Tick(Game& g) const {
  if (Traits(g.GameMode).clockRuns) g.RunGameClock();
}

int ModeRules::NextTickIn(const Game& g, uint32_t now) const {
  if (!Traits(g.GameMode).clockRuns) return -1;
  const uint32_t played = now - g.clock.StartTick;
  return static_cast<int>(1000 - played % 1000);
}

void ModeRules::StorePauseClocks(Game& g) const {
  g.clock.PausedElapsed = static_cast<int32_t>(g.host().time.TickCount() - g.clock.StartTick);
}

void ModeRules::RestartPauseClocks(Game& g) const {
  g.clock.StartTick = g.host().time.TickCount() - static_cast<uint32_t>(g.clock.PausedElapsed);
}

bool ModeRules::OfferGiveUp(Game&) const { return false; }

std::string ModeRules::ResultText(const Game& g) const {
  return FinalTimeText + TimeText(g.clock.ElapsedSeconds + g.clock.PenaltySeconds);
}

void ModeRules::AnnounceResult(Game& g) const {
  const int total = g.clock.ElapsedSeconds + g.clock.PenaltySeconds;
  // The list the result belongs to decides how it reads.
  const std::string message = RulesOf(ModeOfColumn(g.BoardNumber)).ResultText(g);
  // Strictly better than the tenth entry: an equal total does not push it out.
  // Nor does a game the solver played in, nor one on a layout no listed file holds; the
  // player is told why, since the time alone might have entered.
  const std::string whyNoHall = g.aid.SolvePlay.used ? SolverUsedNoHallText
                                : g.LayoutFrom != LayoutOrigin::ListedFile && IsLayoutColumn(g.BoardNumber)
                                    ? UnlistedLayoutNoHallText
                                    : "";
  const bool entersHall = g.options().EnableHall && whyNoHall.empty() && total < g.host().scores.HallTenthTotal(g.BoardNumber);
  if (!message.empty()) g.host().questions.ShowGameOver(message, entersHall, g.options().EnableHall ? whyNoHall : "");
  if (entersHall) {
    g.host().scores.AddHall(g.BoardNumber, total, g.clock.PenaltySeconds);
    ShowSidePanel(g);
    g.host().questions.ShowHallAfterWin();
  }
}

const ModeRules& RulesOf(uint8_t gameMode) {
  // Idle, game over, the welcome panel and pause: no game takes clicks or counts time.
  static const ModeRules noGame;
  const ModeRules* rules = Describe(gameMode).rules;
  return rules != nullptr ? *rules : noGame;
}

}  // namespace sorimo
