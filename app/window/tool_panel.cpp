#include "app/window/tool_panel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QStyle>

namespace sorimo {

ToolPanel::ToolPanel(QWidget* parent) : QWidget(parent), wallpaper_(":/toolbar_wallpaper.png") {
  setObjectName("Tools");
  setFixedHeight(kHeight);
  setAttribute(Qt::WA_StyledBackground, false);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(3, 1, 3, 1);
  row->setSpacing(1);
  setStyleSheet(
      "QToolButton { color: #3a2210; font-size: 8pt; font-weight: bold; padding: 1px 3px; border-radius: 4px;"
      " border: 1px solid transparent; }"
      "QToolButton[autoRaise=\"false\"] { border: 1px solid #8a6a40; border-bottom-color: #4a3418;"
      " border-right-color: #4a3418; background: rgba(255, 250, 235, 170); }"
      "QToolButton:hover { background: rgba(255, 255, 255, 150); border: 1px solid #c89848; }"
      "QToolButton:pressed { background: rgba(120, 80, 30, 80); }"
      "QToolButton:disabled { color: #a89878; }"
      "QToolButton[fit=\"snug\"] { padding: 1px 1px; }"
      "QToolButton[fit=\"small\"] { font-size: 7pt; padding: 1px 1px; }");
}

QToolButton* ToolPanel::addButton(const char* name, const QString& caption, const QString& hint,
                                  const QString& glyph) {
  auto* b = new QToolButton(this);
  b->setObjectName(name);
  b->setText(caption);
  b->setToolTip(hint);
  b->setIcon(QIcon(glyph));
  b->setIconSize(QSize(20, 20));
  b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::NoFocus);
  b->setFixedHeight(kHeight - 2);
  static_cast<QHBoxLayout*>(layout())->addWidget(b);
  buttons_[name] = b;
  return b;
}

void ToolPanel::addStretch() { static_cast<QHBoxLayout*>(layout())->addStretch(1); }

void ToolPanel::setFlatButtons(bool flat) {
  for (auto& [name, b] : buttons_) {
    if (name == "LayoutButton") continue;
    b->setAutoRaise(flat);
    b->style()->unpolish(b);
    b->style()->polish(b);
  }
}

void ToolPanel::setWallpaper(bool on) {
  wallpaperOn_ = on;
  update();
}

void ToolPanel::FitButtons() {
  struct Fit {
    Qt::ToolButtonStyle style;
    int icon;
    const char* look;  // the style sheet's "fit": less padding, smaller captions
  };
  static constexpr Fit kFits[] = {{Qt::ToolButtonTextBesideIcon, 20, ""},
                                  {Qt::ToolButtonTextBesideIcon, 20, "snug"},
                                  {Qt::ToolButtonTextBesideIcon, 16, "small"},
                                  {Qt::ToolButtonIconOnly, 20, ""}};
  // Fitting changes the buttons' sizes, which asks for a new layout: fit again only when the
  // room or a caption changed.
  QString fittingFor = QString::number(width());
  for (auto& [name, b] : buttons_)
    if (b->isVisibleTo(this)) fittingFor += "|" + b->text();
  if (fittingFor == fittedFor_) return;
  fittedFor_ = fittingFor;

  const QMargins margins = layout()->contentsMargins();
  const int spacing = layout()->spacing();
  for (const Fit& fit : kFits) {
    int needed = margins.left() + margins.right();
    int shown = 0;
    for (auto& [name, b] : buttons_) {
      b->setToolButtonStyle(fit.style);
      b->setIconSize(QSize(fit.icon, fit.icon));
      if (b->property("fit").toString() != fit.look) {
        b->setProperty("fit", fit.look);
        b->style()->unpolish(b);
        b->style()->polish(b);
      }
      if (!b->isVisibleTo(this)) continue;
      needed += b->sizeHint().width();
      ++shown;
    }
    if (shown > 1) needed += spacing * (shown - 1);
    if (needed <= width()) return;
  }
}

// A new width, a caption that changed ("Pause" and "Play") or a button shown or hidden.
bool ToolPanel::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::LayoutRequest:
      FitButtons();
      break;
    default:
      break;
  }
  return handled;
}

void ToolPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (wallpaperOn_ && !wallpaper_.isNull()) {
    p.drawTiledPixmap(rect(), wallpaper_);
  } else {
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(250, 244, 230));
    g.setColorAt(1, QColor(222, 210, 186));
    p.fillRect(rect(), g);
  }
  p.setPen(QColor(0, 0, 0, 120));
  p.drawLine(0, height() - 1, width(), height() - 1);
}

}  // namespace sorimo
