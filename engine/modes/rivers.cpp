// Mah-Jongg Rivers: every tile may be taken (the trait says so); a pair goes when a path of
// at most three straight segments joins the two tiles (rivers_path.cpp). Easy is one flat
// rectangle of 84 tiles, Hard two layers of 72, one exactly on top of the other.
#include "engine/modes/rivers.h"

#include "engine/game.h"
#include "engine/hall_columns.h"
#include "engine/modes/mode_description.h"

namespace sorimo {

namespace {

// Tiles 1..count go one by one to random empty places of a rectangle on layer z, numbered
// from `first`; the places fill completely. Column 2b + shift, row 2c + 1.
void FillRectangle(Game& g, int first, int count, int wide, int shift, int z) {
  for (int a = 0; a < count; ++a) {
    int x = 0, y = 0;
    do {
      x = 2 * (g.Generator.RandomInt(wide) + 2) + shift;
      y = 2 * (g.Generator.RandomInt(6) + 2) + 1;
    } while (g.board().Grid().at(x, y, z) != 0);
    g.board().PlaceTile(first + a, {x, y, z});
  }
}

// Nothing lies on the tile: the move count leaves covered tiles out.
bool Uncovered(const Game& g, int t) {
  const TileRecord& r = g.board().Records()[t];
  return g.board().Grid().at(r.x, r.y, r.z + 1) == 0;
}

class RiversRules : public ModeRules {
 public:
  // A new game of the kind BoardNumber names (FourRivers has chosen the list).
  DealResult Start(Game& g) const override {
    g.host().board.GameChanged();  // the highlight pen is the one the style chooses now
    g.Generator.SeedFromClock(g.host().time);

    g.host().board.ClearBoardBuffer();
    // Every tile leaves the board, so that the tiles an Easy game leaves out are off it.
    if (g.BoardNumber == kRiversHardColumn) {
      g.board().NewDeal(144);
      for (int z = 1; z <= 2; ++z) FillRectangle(g, 1 + 72 * (z - 1), 72, 12, 2, z);
    } else {
      g.board().NewDeal(84);
      FillRectangle(g, 1, 84, 14, 0, 1);
    }

    ResetGameFields(g);
    g.NewModeData<RiversState>();
    g.clock.StartTick = g.host().time.TickCount();

    g.status.ShowStatus(RiversStartedText);
    g.IM(ModeRivers);
    g.FullRedraw();
    ShowSidePanel(g);
    return DealResult::Dealt;
  }

  // Any tile may be chosen; a pair of one group goes when a path joins the two, the first
  // tile sliding to the second along it.
  void ChoisitPai(Game& g, int px, int py, int column, int row, MouseButton) const override {
    const int t = WhatTileThere(g.board().Grid(), px, py);
    if (column >= 0 && column <= kColumns && row >= 0 && row <= kRows && !g.choice.ClickConsumed && t > 0 &&
        t <= kTileCount) {
      if (g.choice.FirstSelected == 0) {
        g.choice.FirstSelected = static_cast<uint8_t>(t);
        SonOK(g, t);
      } else {
        g.choice.PreviousSecond = g.choice.SecondSelected;
        g.choice.SecondSelected = static_cast<uint8_t>(t);
        TestStile2(g);  // the selected tile again cancels the selection
      }
    }
    if (g.choice.FirstSelected == 0 || g.choice.SecondSelected == 0) return;

    const int first = g.choice.FirstSelected, second = g.choice.SecondSelected;
    if (MatchGroup(first) == MatchGroup(second)) {
      const TileRecord before = g.board().Records()[first];  // where it stands before it slides
      if (g.options().ShowGirls) ShowSidePanel(g);
      if (CanBeReached(g, second, first)) {
        // Undo puts the first tile back where it stood, not where it slid to.
        RemovePair(g, first, second, Cell{before.x, before.y, before.z});
        return;
      }
    }
    // No pair: the second tile becomes the only selection.
    g.choice.FirstSelected = static_cast<uint8_t>(second);
    g.choice.SecondSelected = 0;
    g.RedrawTile(first);
    g.host().feedback.PlaySound(Sound::Select);
  }

  // The tiles that have a partner they can reach, with nothing on top of either; the moves
  // are counted from that list the way the classic game counts them. Nothing slides while
  // counting, whatever "Animate Tile Rivers" says.
  void CountMoves(Game& g) const override {
    for (int s = 1; s < g.TilesTotal(); s += 4) {
      bool marked[4] = {};
      for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) {
          const int a = s + i, b = s + j;
          if (b > kTileCount || !g.board().Records()[a].present() || !g.board().Records()[b].present()) continue;
          if (!Uncovered(g, a) || !Uncovered(g, b)) continue;
          if (CanBeReachedStill(g, a, b)) marked[i] = marked[j] = true;
        }
      for (int i = 0; i < 4; ++i)
        if (marked[i]) g.moves.FreeTiles[++g.moves.FreeCount] = static_cast<uint8_t>(s + i);
    }
    for (int i = 1; i < g.moves.FreeCount; ++i)
      if (MatchGroup(g.moves.FreeTiles[i]) == MatchGroup(g.moves.FreeTiles[i + 1])) ++g.moves.MovesLeft;
  }

  // While a tile travels it shows its plain face.
  void AddToScene(const Game& g, BoardScene& s) const override {
    if (const RiversState* r = g.ModeDataIf<RiversState>()) s.riverFound = r->RiverFound;
  }

  // The tiles change places on their own layers, for a flat penalty.
  void Shuffle(Game& g) const override {
    PlainShuffle(g, true);
    g.status.ShowStatus(RiversShuffleText);
    g.clock.PenaltySeconds += 40;
  }
};

}  // namespace

namespace {

int RiversPortrait(int seconds, int) { return seconds <= 120 ? 7 : seconds <= 240 ? 6 : 8; }

const RiversRules kRules;

}  // namespace

std::span<const ModeDescription> DescribeModeRivers() {
  static const ModeDescription d{
      .mode = ModeRivers,
      .traits = {.name = "Rivers", .underWay = true, .takesClicks = true, .showsBoard = true, .clockRuns = true,
                 .showsTime = true, .countsMoves = true, .warnsNoMoves = true, .allowsUndo = true,
                 .allowsHint = true, .allowsShuffle = true, .everyTileFree = true, .endsWhenEmpty = true},
      .rules = &kRules,
      .easy = {kRiversEasyColumn, "Rivers", "Mahjongg Rivers (Easy)", "NewArcadeMahjonggGame1",
               "Mah-Jongg Rivers (Easy)", "F3", "BitBtn3", "Easy (84 tiles)"},
      .hard = {kRiversHardColumn, "Rivers2", "Mahjongg Rivers (Hard)", "MahJonggRiversNewGameHard1",
               "Mah-Jongg Rivers (Hard)", "Shift+F3", "BitBtn4", "Hard (144 tiles)"},
      .welcomeGroup = "Mah-Jongg Rivers",
      .pointer = PointerKind::TileFrame,
      .portrait = RiversPortrait,
      .cursor = CursorKind::Tile,
      .newRepeats = true,
  };
  return {&d, 1};
}

}  // namespace sorimo
