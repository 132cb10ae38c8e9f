// Dialogs open in the middle of the screen, not over their owner.
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace sorimo {

inline void CentreOnScreen(QWidget* w) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  w->move((screen.width() - w->width()) / 2, (screen.height() - w->height()) / 2);
}

}  // namespace sorimo
