// The layout editor: the board is a layout being built, every tile may be taken (the trait
// says so) and a cleared board ends nothing. Its clicks are not built yet; the layout
// editor issue builds them.
#include "engine/game.h"
#include "engine/modes/all_modes.h"

namespace sorimo {

namespace {

class EditorRules : public ModeRules {
 public:
  // Both buttons reach the editor: the right one takes a tile away.
  void ButtonDown(Game& g, MouseButton button, int px, int py) const override { ChooseAt(g, button, px, py); }
  // TODO(layout editor): adding and removing tiles.
};

}  // namespace

const ModeRules& EditorMode() {
  static const EditorRules rules;
  return rules;
}

}  // namespace sorimo
