#include "app/window/panel_texts.h"

#include <QPainter>

#include "app/store/hall_entry.h"
#include "engine/hall_columns.h"
#include "engine/modes/mode_description.h"

namespace sorimo {

PanelTexts PanelTextsOf(const PanelModel& model, int shift) {
  PanelTexts t;
  t.shift = shift;
  t.title = shift != kGirlPanelShift;
  t.column = model.column;
  t.newEntryRank = model.newEntryRank;
  if (t.column >= 0 && t.column < kHallColumns)
    for (int i = 1; i <= 10; ++i) t.entries[size_t(i - 1)] = model.hall.At(i, t.column);
  return t;
}

void DrawPanelTexts(QImage& target, const PanelTexts& texts) {
  QPainter p(&target);
  p.setRenderHint(QPainter::TextAntialiasing);
  if (texts.title) {
    QFont title;
    title.setFamilies({"Comic Sans MS", "Comic Neue"});
    title.setPointSize(10);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 255, 0));
    const QFontMetrics fm(title);
    p.drawText(21, 50 - texts.shift + fm.ascent(), "HALL OF");
    p.drawText(31, 70 - texts.shift + fm.ascent(), "FAME");
  }
  if (texts.column < 0 || texts.column >= kHallColumns) return;
  QFont f;
  f.setFamilies({"Verdana", "DejaVu Sans"});
  f.setPointSize(9);
  for (int i = 1; i <= 10; ++i) {
    const std::string& entry = texts.entries[size_t(i - 1)];
    f.setBold(true);
    f.setItalic(i == texts.newEntryRank);
    p.setFont(f);
    const int ascent = QFontMetrics(f).ascent();
    p.setPen(Qt::white);
    p.drawText(15, 27 * i + 81 - texts.shift + ascent, QString::fromStdString(entry.substr(0, 8)));
    const int total = HallEntryTotal(entry);
    const QString value =
        ScoreOf(texts.column) == ScoreKind::TilesLeft ? QString("    %1").arg(total) : QString::fromStdString(TimeText(total));
    p.setPen(QColor(0, 255, 255));
    p.drawText(39, 27 * i + 94 - texts.shift + ascent, value);
  }
}

}  // namespace sorimo
