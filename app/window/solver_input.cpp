// While the solver plays a board ("Solve this board"), any key or click stops it and does
// nothing else: a click on the board must not take a tile, a click on a menu or a button
// must not open or press it. The commands of shortcut keys stop it in WindowCommands::Run.
#include <QApplication>
#include <QEvent>

#include "app/window/sorimo.h"

namespace sorimo {

void TSorimo::WatchInputWhileSolving() { qApp->installEventFilter(this); }

bool TSorimo::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::MouseButtonRelease && swallowRelease_) {
    swallowRelease_ = false;  // the release of the press that stopped the solver
    return true;
  }
  if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::KeyPress) &&
      game_.aid.SolvePlay.running) {
    game_.StopSolving();
    GameChanged();
    swallowRelease_ = type != QEvent::KeyPress;
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace sorimo
