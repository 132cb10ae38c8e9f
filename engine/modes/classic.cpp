// The classic game's rules: choosing tiles, matching pairs, counting moves, shuffling.
#include "engine/modes/classic.h"

#include <string>

#include "engine/game.h"
#include "engine/modes/mode_description.h"

namespace sorimo {

void ClassicRules::ChoisitPai(Game& g, int px, int py, int column, int row, MouseButton) const {
  const int t = WhatTileThere(g.board().Grid(), px, py);
  if (column >= 0 && column <= kColumns && row >= 0 && row <= kRows && !g.choice.ClickConsumed && t > 0 &&
      t <= kTileCount) {
    if (g.choice.FirstSelected == 0) {
      g.choice.FirstSelected = static_cast<uint8_t>(t);
      if (g.IsFreeNow(t)) {
        SonOK(g, t);
      } else {
        g.choice.FirstSelected = 0;
        g.host().feedback.PlaySound(Sound::NoWay);
      }
    } else {
      g.choice.PreviousSecond = g.choice.SecondSelected;
      g.choice.SecondSelected = static_cast<uint8_t>(t);
      if (g.IsFreeNow(t)) {
        TestStile2(g);
      } else {
        g.choice.SecondSelected = static_cast<uint8_t>(g.choice.PreviousSecond);
        g.host().feedback.PlaySound(Sound::NoWay);
      }
    }
  }

  if (g.choice.FirstSelected == 0 || g.choice.SecondSelected == 0) return;
  if (MatchGroup(g.choice.FirstSelected) == MatchGroup(g.choice.SecondSelected) && g.choice.FirstSelected != g.choice.SecondSelected) {
    RemovePair(g, g.choice.FirstSelected, g.choice.SecondSelected);
    if (g.options().ShowGirls) ShowSidePanel(g);
    AfterPair(g);
  } else {
    // The second tile becomes the selection. The selection moves before the old tile is
    // redrawn, so that the redraw shows it unselected.
    const int old = g.choice.FirstSelected;
    g.choice.FirstSelected = g.choice.SecondSelected;
    g.choice.SecondSelected = 0;
    g.RedrawTile(old);
    g.host().feedback.PlaySound(Sound::Select);
  }
}

void ClassicRules::CountMoves(Game& g) const {
  // Every tile number is looked at, not only 1..TilesTotal: a tile that is not on the board
  // fails the rule anyway, and a board whose numbers do not start at 1 still counts right.
  for (int n = 1; n <= kTileCount; ++n)
    if (g.IsFreeNow(n)) g.moves.FreeTiles[++g.moves.FreeCount] = static_cast<uint8_t>(n);
  // The list is in tile order and a group is four consecutive numbers, so a group with k
  // free tiles counts k - 1 moves, not the number of pairs it could form.
  for (int i = 1; i < g.moves.FreeCount; ++i)
    if (MatchGroup(g.moves.FreeTiles[i]) == MatchGroup(g.moves.FreeTiles[i + 1])) ++g.moves.MovesLeft;
}

void ClassicRules::Shuffle(Game& g) const {
  if (g.options().Shuffable)
    ShuffleBoard(g);
  else
    PlainShuffle(g, false);
  g.IsItFree();
  const int m = g.moves.MovesLeft;
  if (m >= 2)
    g.status.ShowStatus("Tiles shuffled. " + std::to_string(m) + " new moves found.");
  else if (m == 1)
    g.status.ShowStatus("Tiles shuffled. 1 new move found.");
  else
    g.status.ShowStatus(NoShuffleMovesText);
  g.clock.PenaltySeconds += ShufflePenalty(m);
}

namespace {

// The portrait follows the moves left: fewer moves, a more worried face.
int ClassicPortrait(int, int movesLeft) { return movesLeft <= 2 ? 11 : movesLeft <= 7 ? 9 : 10; }

const ClassicRules kRules;

}  // namespace

std::span<const ModeDescription> DescribeModeClassic() {
  static const ModeDescription d{
      .mode = ModeClassic,
      .traits = {.name = "classic", .underWay = true, .takesClicks = true, .showsBoard = true, .clockRuns = true,
                 .showsTime = true, .countsMoves = true, .warnsNoMoves = true, .allowsUndo = true,
                 .allowsHint = true, .allowsShuffle = true, .endsWhenEmpty = true, .solverJudges = true},
      .rules = &kRules,
      .pointer = PointerKind::TileFrame,
      .portrait = ClassicPortrait,
      .cursor = CursorKind::Tile,
      .solverPlays = true,
  };
  return {&d, 1};
}

}  // namespace sorimo
