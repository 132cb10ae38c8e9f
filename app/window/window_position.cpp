// Where the window lies on the screen: whole, with the frame and title bar the window manager
// puts around it, whatever position the settings file held.
#include <QWindow>
#include <algorithm>

#include "app/window/sorimo.h"

namespace sorimo {

// The frame's top-left corner nearest to `corner` for which the whole frame, or as much of it
// as fits from its top-left corner (the title bar and the menus first), lies on the screen.
QPoint TSorimo::OnScreen(QPoint corner) const {
  const QMargins frame = desktop_.frameExtents ? desktop_.frameExtents(*this) : QMargins();
  const int right = std::max(0, desktop_.screenWidth() - (width() + frame.left() + frame.right()));
  const int bottom = std::max(0, desktop_.screenHeight() - (height() + frame.top() + frame.bottom()));
  return {std::clamp(corner.x(), 0, right), std::clamp(corner.y(), 0, bottom)};
}

// The window was placed before the window manager framed it, so its title bar and borders were
// not counted: the first time they are known, the window moves to where the frame fits. Later
// the player may put it where they like.
void TSorimo::KeepFrameOnScreen() {
  if (frameKept_ || !desktop_.frameExtents || desktop_.frameExtents(*this).isNull()) return;
  frameKept_ = true;
  const QPoint corner = OnScreen(pos());
  if (corner != pos()) move(corner);
}

}  // namespace sorimo
