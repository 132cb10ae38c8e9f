// The side panel's content: the ten best results of the current list, and a girl picture
// chosen by the kind of game and how it is going.
#include <QPainter>

#include "app/window/side_panel.h"
#include "app/window/sorimo.h"

namespace sorimo {

// Which girl picture the panel shows for the running (or paused) game.
static int GirlPicture(const Game& g) {
  const int mode = g.GameMode == ModePaused ? g.ModeBeforePause : g.GameMode;
  const int t = g.ElapsedSeconds + g.PenaltySeconds;
  switch (mode) {
    case ModeClassic: return g.MovesLeft <= 2 ? 11 : g.MovesLeft <= 7 ? 9 : 10;
    case ModeRivers: return t <= 120 ? 7 : t <= 240 ? 6 : 8;
    case ModeMemory: return t <= 60 ? 7 : t <= 120 ? 6 : 8;
    case ModeClicks: return g.MovesLeft <= 6 ? 5 : g.MovesLeft <= 24 ? 3 : 4;
    default: return 1;
  }
}

void TSorimo::ShowPanelHOF() {
  if (!options_.ShowHallFame) return;
  const int mode = game_.GameMode;
  int PanelShift;
  if (options_.ShowGirls && mode != ModeTwoPlayer &&
      (!options_.ShowCurrentTile || mode == ModeMemory || mode == ModeClicks))
    PanelShift = 90;
  else if (mode == ModeTwoPlayer)
    PanelShift = 20;
  else if (options_.ShowCurrentTile)
    PanelShift = 10;
  else
    PanelShift = -20;
  if (PanelShift == 90) game_.IsItFree();

  QImage& hof = hof_->SaveHof();
  hof = hof_->HofPic().copy();
  QPainter p(&hof);
  p.setRenderHint(QPainter::TextAntialiasing);
  if (PanelShift == 90) {
    const QImage& girl = hof_->Girl(GirlPicture(game_));
    p.end();
    DrawTransparent(hof, 0, 302, girl, SidePanel::kGirlTransparent);
    p.begin(&hof);
  } else {
    QFont title;
    title.setFamilies({"Comic Sans MS", "Comic Neue"});
    title.setPointSize(10);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 255, 0));
    const QFontMetrics fm(title);
    p.drawText(21, 50 - PanelShift + fm.ascent(), "HALL OF");
    p.drawText(31, 70 - PanelShift + fm.ascent(), "FAME");
  }

  const int column = game_.BoardNumber;
  if (column >= 0 && column < kHallColumns) {
    QFont f;
    f.setFamilies({"Verdana", "DejaVu Sans"});
    f.setPointSize(9);
    for (int i = 1; i <= 10; ++i) {
      const std::string& entry = hall_.At(i, column);
      f.setBold(true);
      f.setItalic(i == NewEntryRank);
      p.setFont(f);
      const int ascent = QFontMetrics(f).ascent();
      p.setPen(Qt::white);
      p.drawText(15, 27 * i + 81 - PanelShift + ascent, QString::fromStdString(entry.substr(0, 8)));
      const int total = HallEntryTotal(entry);
      const QString value = IsClicksColumn(column) ? QString("    %1").arg(total)
                                                   : QString::fromStdString(TimeText(total));
      p.setPen(QColor(0, 255, 255));
      p.drawText(39, 27 * i + 94 - PanelShift + ascent, value);
    }
  }
  p.end();
  RedrawHOF();
  hof_->repaint();
}

void TSorimo::RedrawHOF() { hof_->RedrawHOF(); }

}  // namespace sorimo
