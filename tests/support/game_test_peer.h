// The tests' way to the routines the game keeps to itself: a deal's steps, the free rule of
// each direction, taking a pair off by hand.
#pragma once

#include "engine/game.h"

namespace sorimo {

struct GameTestPeer {
  static bool Dispo(const Game& g, int n) { return g.Dispo(n); }
  static bool Dispo_Vertical(const Game& g, int n) { return g.Dispo_Vertical(n); }
  static void RemovePair(Game& g, int first, int second) { g.RemovePair(first, second); }
  static DealResult CreateBoard(Game& g) { return g.CreateBoard(); }
  static DealResult DealStep(Game& g, DealDrawing drawing) { return g.DealStep(drawing); }
  static ShuffleResult ShuffleBoard(Game& g) { return g.ShuffleBoard(); }
};

}  // namespace sorimo
