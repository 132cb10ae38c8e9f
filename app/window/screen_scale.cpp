// The scale of the board and panel pictures on this screen (app/window/pixel_scale.h): chosen
// when the window is made, and again when it moves to a screen of another pixel ratio.
#include <QScreen>
#include <QWindow>

#include "app/window/board_image.h"
#include "app/window/side_panel.h"
#include "app/window/sorimo.h"
#include "view/board_geometry.h"

namespace sorimo {

namespace {

// Room for the window manager's title bar and borders, which the window does not know.
constexpr int kFrameAllowance = 40;

}  // namespace

bool TSorimo::ApplyPixelScale() {
  const double ratio = devicePixelRatioF();
  // What is not board: the menu bar, the toolbar and the status bar, at the current scale.
  const int chrome = std::max(0, sizeHint().height() - board_->height());
  const int screenWidth = desktop_.screenWidth(), screenHeight = desktop_.screenHeight();
  const PixelScale scale = ChoosePixelScale(ratio, [&](int k) {
    const PixelScale s(k, ratio);
    const QSize board = s.LogicalSize({kBoardWidth, kBoardHeight});
    const QSize panel = s.LogicalSize({SidePanel::kWidth, SidePanel::kVisibleHeight});
    return board.width() + panel.width() + kFrameAllowance / 4 <= screenWidth &&
           board.height() + chrome + kFrameAllowance <= screenHeight;
  });
  if (scale == board_->scale()) return false;
  board_->setScale(scale);
  sidePanel_->setScale(scale);
  return true;
}

void TSorimo::FollowScreenChanges() {
  QWindow* window = windowHandle();
  if (window == nullptr) return;
  connect(window, &QWindow::screenChanged, this, [this] {
    if (ApplyPixelScale()) {
      FitWindow();
      FormResize();
    }
  });
}

}  // namespace sorimo
