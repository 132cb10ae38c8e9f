// Layouts the engine tests play on, written as text pictures (see engine/board_text.h).
#pragma once

namespace sorimo::test {

// 144 tiles after the classic turtle: a wide base with one tile out to the left and two to
// the right, a 6 x 6, a 4 x 4 and a 2 x 2 layer, and one tile on top.
inline constexpr char kTurtle[] = R"(
layer 1 at 1,2
..#.#.#.#.#.#.#.#.#.#.#.#
.
......#.#.#.#.#.#.#.#
.
....#.#.#.#.#.#.#.#.#.#
.
..#.#.#.#.#.#.#.#.#.#.#.#
#.........................#.#
..#.#.#.#.#.#.#.#.#.#.#.#
.
....#.#.#.#.#.#.#.#.#.#
.
......#.#.#.#.#.#.#.#
.
..#.#.#.#.#.#.#.#.#.#.#.#
layer 2 at 9,4
#.#.#.#.#.#
.
#.#.#.#.#.#
.
#.#.#.#.#.#
.
#.#.#.#.#.#
.
#.#.#.#.#.#
.
#.#.#.#.#.#
layer 3 at 11,6
#.#.#.#
.
#.#.#.#
.
#.#.#.#
.
#.#.#.#
layer 4 at 13,8
#.#
.
#.#
layer 5 at 14,9
#
)";

// 144 tiles of which only six are free at the start: six rows of twelve, covered by three
// rows of twelve that each straddle two of them, under three more rows of twelve.
inline constexpr char kFewFree[] = R"(
layer 1 at 3,2
#.#.#.#.#.#.#.#.#.#.#.#
.
#.#.#.#.#.#.#.#.#.#.#.#
.
#.#.#.#.#.#.#.#.#.#.#.#
.
#.#.#.#.#.#.#.#.#.#.#.#
.
#.#.#.#.#.#.#.#.#.#.#.#
.
#.#.#.#.#.#.#.#.#.#.#.#
layer 2 at 3,3
#.#.#.#.#.#.#.#.#.#.#.#
.
.
.
#.#.#.#.#.#.#.#.#.#.#.#
.
.
.
#.#.#.#.#.#.#.#.#.#.#.#
layer 3 at 3,3
#.#.#.#.#.#.#.#.#.#.#.#
.
.
.
#.#.#.#.#.#.#.#.#.#.#.#
.
.
.
#.#.#.#.#.#.#.#.#.#.#.#
)";

// 144 tiles across the whole playfield: eight rows of seventeen from column 1 to 34, and
// eight tiles on top of the first two rows. Tiles reach every edge of the board.
inline constexpr char kWall[] = R"(
layer 1 at 1,1
#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#
.
#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#
.
#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#
.
#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#
.
#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#
.
#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#
.
#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#
.
.
.
.
.
#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#
layer 2 at 2,2
#.#.#.#.#.#.#.#
)";

}  // namespace sorimo::test
