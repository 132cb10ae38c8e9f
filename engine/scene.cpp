// What the renderer is to draw: the board, the choices on it, and the running mode's part.
#include "engine/game.h"
#include "engine/modes/mode_description.h"

namespace sorimo {

BoardScene Game::Scene() const {
  const ModeDescription& d = Describe(GameMode);
  BoardScene s;
  s.grid = &board_.Grid();
  s.firstSelected = FirstSelected;
  s.secondSelected = SecondSelected;
  s.hintFirst = HintFirst;
  s.hintSecond = HintSecond;
  s.hoverTile = HoverTile;
  s.facesHidden = d.facesHidden;
  s.layoutFaces = d.layoutFaces;
  s.originX = BoardOriginX;
  s.originY = BoardOriginY;
  s.options = &options_;
  s.cursorTile = Cursor.tile;
  s.cursorCell = Cursor.cell;
  Rules().AddToScene(*this, s);
  return s;
}

}  // namespace sorimo
