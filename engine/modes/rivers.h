// Mah-Jongg Rivers: pairs go when a path of at most three straight segments joins them.
#pragma once

namespace sorimo {

// The path search and the sliding tiles keep their state here. Not built yet: the game
// modes issue fills it.
struct RiversState {};

}  // namespace sorimo
