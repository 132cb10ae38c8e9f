// The one object of each mode's rules, for the table in mode_rules.cpp. A new mode adds its
// accessor here, its row in mode_traits.cpp, and its case in RulesOf.
#pragma once

#include "engine/modes/mode_rules.h"

namespace sorimo {

const ModeRules& ClassicMode();
const ModeRules& TwoPlayerMode();
const ModeRules& RiversMode();
const ModeRules& MemoryMode();
const ModeRules& ClicksMode();
const ModeRules& EditorMode();

}  // namespace sorimo
