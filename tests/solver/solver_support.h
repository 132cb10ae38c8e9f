// What the solver tests share: small random boards, an exhaustive search written straight from
// the game's free rule to compare the solver with, and the replay of a clearing order through
// a real game.
#pragma once

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/solver/solver.h"
#include "test_support.h"

namespace sorimo::test {

// A position: the grid and the records as the game holds them.
struct Position {
  BoardGrid grid;
  TileRecords records{};
  int tiles = 0;
};

// Up to `count` anchors on a small stretch of the board, as a layout: layer 1 anywhere in a box
// of `width` x `height` cells (half-tile offsets included, so neighbours often touch by one
// row only), higher layers only over a tile of the layer below. No two anchors of one layer
// overlap. Cramped boxes give boards where nearly every tile waits for another, and hold fewer
// than `count` anchors when they are full.
LayoutCells RandomSmallLayout(std::mt19937& rng, int count, int width, int height, int layers);

// About `count` anchors stacked like a small turtle: a full rectangle of tiles side by side on
// layer 1, and on each layer above a smaller rectangle over it, shifted by half a tile or not.
// Rows of touching tiles and stacks make most positions need a real search.
LayoutCells RandomCompactLayout(std::mt19937& rng, int count);

// The tiles dealt on a layout's positions: `count` tiles drawn as whole groups of four and
// pairs of a group (flowers and seasons among the candidates), placed at random.
Position RandomDeal(std::mt19937& rng, const LayoutCells& layout);

// Plays up to `moves` random moves under the rule (fewer when the board runs out of moves).
void PlayRandomMoves(std::mt19937& rng, Position& p, bool vertical, int moves);

// Whether any order of moves clears the board: every move tried, dead positions remembered.
// Only for boards of up to 32 tiles.
bool ExhaustivelyClearable(const Position& p, bool vertical);

// A running classic game on this position under the rule.
void PutPosition(Table& t, const Position& p, bool vertical);

// Plays `order` in the game, checking before each pair that both tiles are free under the
// game's rule and match; by clicks on the tiles when `click`, else by RemovePair. Success when
// every pair was playable and the board ends empty.
::testing::AssertionResult ReplayClears(Table& t, const std::vector<TilePair>& order, bool click);

}  // namespace sorimo::test
