// The scale of the board and panel pictures on this screen (app/window/pixel_scale.h): chosen
// when the window is made, and again when it moves to a screen of another pixel ratio.
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QWindow>

#include "app/window/board_image.h"
#include "app/window/side_panel.h"
#include "app/window/sorimo.h"
#include "app/window/status_bar.h"
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
  const PixelScale scale = ChoosePixelScale(ratio, [&](double devicePerPixel) {
    const PixelScale s(devicePerPixel, ratio);
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

// The window is at least this wide, so that where the pictures are small (a high-density
// screen too small for them drawn larger) no menu hides behind the menu bar's "»" and no field
// of the status bar is cut. The menu bar lays its titles out as measured here.
int TSorimo::ChromeWidth() const {
  const QMenuBar* bar = menuBar();
  const QStyle* style = bar->style();
  const int frame = style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, bar);
  const int margin = style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, bar);
  const int spacing = style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, bar);
  int menus = 2 * (frame + margin) + spacing;
  for (QAction* a : bar->actions()) {
    if (!a->isVisible()) continue;
    QStyleOptionMenuItem item;
    item.initFrom(bar);
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.text = a->text();
    const QSize text = bar->fontMetrics().size(Qt::TextShowMnemonic, a->text());
    menus += style->sizeFromContents(QStyle::CT_MenuBarItem, &item, text, bar).width() + spacing;
  }
  const int fields = status_->isVisibleTo(this) ? status_->minimumSizeHint().width() : 0;
  return std::max(menus + 1, fields);
}

void TSorimo::FollowScreenChanges() {
  QWindow* window = windowHandle();
  if (window == nullptr) return;
  // The window manager's frame is known only once it has framed the window, after it was shown.
  connect(window, &QWindow::xChanged, this, [this] { KeepFrameOnScreen(); });
  connect(window, &QWindow::yChanged, this, [this] { KeepFrameOnScreen(); });
  connect(window, &QWindow::activeChanged, this, [this] { KeepFrameOnScreen(); });
  connect(window, &QWindow::screenChanged, this, [this] {
    if (ApplyPixelScale()) {
      FitWindow();
      FormResize();
    }
  });
}

}  // namespace sorimo
