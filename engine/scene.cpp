// What the renderer is to draw: the board, the choices on it, and the running mode's part.
#include "engine/game.h"
#include "engine/modes/mode_description.h"

namespace sorimo {

BoardScene Game::Scene() const {
  const ModeDescription& d = Describe(GameMode);
  BoardScene s;
  s.grid = &board_.Grid();
  s.firstSelected = choice.FirstSelected;
  s.secondSelected = choice.SecondSelected;
  s.hintFirst = choice.HintFirst;
  s.hintSecond = choice.HintSecond;
  s.hoverTile = choice.HoverTile;
  s.facesHidden = d.facesHidden;
  s.layoutFaces = d.layoutFaces;
  s.originX = BoardOrigin.x;
  s.originY = BoardOrigin.y;
  s.options = &options_;
  s.cursorTile = Cursor.tile;
  s.cursorCell = Cursor.cell;
  Rules().AddToScene(*this, s);
  return s;
}

}  // namespace sorimo
