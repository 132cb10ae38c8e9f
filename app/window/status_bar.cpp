#include "app/window/status_bar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>

namespace sorimo {

namespace {
QLabel* Caption(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName("caption");
  l->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
  return l;
}
QLabel* Value(int width, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName("value");
  l->setFixedWidth(width);
  l->setAlignment(Qt::AlignCenter);
  return l;
}
}  // namespace

StatusBar::StatusBar(QWidget* parent) : QFrame(parent) {
  setObjectName("LigneStatus");
  setFixedHeight(kHeight);
  setStyleSheet(
      "#LigneStatus { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3b3b44, stop:1 #1d1d22);"
      " border-top: 1px solid #6b6b78; }"
      "QLabel#caption { color: #c8c8d0; padding: 0 2px 0 8px; }"
      "QLabel#value { color: #ffe28a; background: #101014; border: 1px solid #55555f; border-radius: 3px;"
      " font-weight: bold; }"
      "QLabel#message { color: #ffffff; background: #101014; border: 1px solid #55555f; border-radius: 3px;"
      " padding-left: 6px; font-weight: bold; }");
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(2, 2, 4, 2);
  row->setSpacing(3);
  TilesLeftLine = Value(38, this);
  MovesLeftPanel = Caption("Moves left", this);
  MovesLeftLine = Value(32, this);
  TimePanel = Caption("Time", this);
  TimeLine = Value(50, this);
  StatusText = new QLabel(this);
  StatusText->setObjectName("message");
  StatusText->setTextFormat(Qt::PlainText);
  StatusText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  row->addWidget(Caption("Tiles", this));
  row->addWidget(TilesLeftLine);
  row->addWidget(MovesLeftPanel);
  row->addWidget(MovesLeftLine);
  row->addWidget(TimePanel);
  row->addWidget(TimeLine);
  row->addWidget(Caption("Status", this));
  row->addWidget(StatusText, 1);
  MovesLeftPanel->setCursor(Qt::PointingHandCursor);
  TimePanel->setCursor(Qt::PointingHandCursor);
  MovesLeftPanel->installEventFilter(this);
  TimePanel->installEventFilter(this);
}

void StatusBar::setFields(const QString& tiles, const QString& moves, const QString& time) {
  // Only changed texts are set: the tick calls this twenty times a second.
  if (TilesLeftLine->text() != tiles) TilesLeftLine->setText(tiles);
  if (MovesLeftLine->text() != moves) MovesLeftLine->setText(moves);
  if (TimeLine->text() != time) TimeLine->setText(time);
}

void StatusBar::setMessage(const QString& text) {
  if (StatusText->text() != text) StatusText->setText(text);
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == MovesLeftPanel && onMovesClicked) onMovesClicked();
    if (watched == TimePanel && onTimeClicked) onTimeClicked();
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace sorimo
