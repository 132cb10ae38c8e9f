#include "app/window/status_bar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>

namespace sorimo {

namespace {
constexpr int kRowMargin = 2;  // above and below the fields

QLabel* Caption(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName("caption");
  l->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
  return l;
}
// A field whose text changes (the clock's every second, the sliding message twenty times a
// second). Its rounded box lets the bar's gradient show at the corners, which would make
// every change repaint the bar and the window beneath it too. So the field paints that
// gradient itself, kept from the bar's own painting of the same place, and is opaque: a new
// text repaints the field alone, and the picture is the one painting the bar first gives.
class OpaqueField : public QLabel {
 public:
  explicit OpaqueField(QWidget* parent) : QLabel(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    // Without the attribute the bar is painted beneath as usual (tests compare the two).
    if (testAttribute(Qt::WA_OpaquePaintEvent)) {
      if (beneath_.size() != size()) {
        beneath_ = QImage(size(), QImage::Format_RGB32);
        beneath_.fill(Qt::black);  // the window's own background
        parentWidget()->render(&beneath_, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
      }
      QPainter(this).drawImage(event->rect().topLeft(), beneath_, event->rect());
    }
    QLabel::paintEvent(event);
  }
  void resizeEvent(QResizeEvent* event) override {
    beneath_ = QImage();
    QLabel::resizeEvent(event);
  }
  void moveEvent(QMoveEvent* event) override {
    beneath_ = QImage();
    QLabel::moveEvent(event);
  }
  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::ParentChange) beneath_ = QImage();
    QLabel::changeEvent(event);
  }

 private:
  QImage beneath_;  // the bar as it paints where the field stands
};

QLabel* Value(int width, QWidget* parent) {
  auto* l = new OpaqueField(parent);
  l->setObjectName("value");
  // Fixed in both directions, as the row lays it out: a new text then asks no new layout
  // of the bar.
  l->setFixedSize(width, StatusBar::kHeight - 2 * kRowMargin);
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
  row->setContentsMargins(2, kRowMargin, 4, kRowMargin);
  row->setSpacing(3);
  TilesLeftLine = Value(38, this);
  MovesLeftPanel = Caption("Moves left", this);
  MovesLeftLine = Value(32, this);
  TimePanel = Caption("Time", this);
  TimeLine = Value(50, this);
  StatusText = new OpaqueField(this);
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
