#include "app/dialogs/game_over_form.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/centre_on_screen.h"
#include "app/dialogs/transparent_image.h"

namespace sorimo {

TGameOverForm::TGameOverForm(QWidget* parent, const GameOverModel& model) : QDialog(parent) {
  setWindowTitle("Board finished !");
  setFixedSize(346, 188);
  setObjectName("GameOver");
  setStyleSheet(
      "#GameOver { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a1410, stop:1 #1c0604); }"
      "QLabel { color: #f6e6c0; }"
      "QPushButton { color: #2a1200; background: #f0d590; border: 1px solid #8a6420; border-radius: 4px;"
      " padding: 4px 14px; font-weight: bold; }");
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(12, 10, 0, 10);
  auto* texts = new QVBoxLayout;
  auto* Label1 = new QLabel("Congratulations !", this);
  QFont big = Label1->font();
  big.setPointSize(15);
  big.setBold(true);
  Label1->setFont(big);
  Label1->setStyleSheet("color: #ffd24a;");
  auto* Label2 = new QLabel("You finished the board...", this);
  FinalTime = new QLabel(QString::fromStdString(model.finalTime), this);
  QFont bold = FinalTime->font();
  bold.setBold(true);
  FinalTime->setFont(bold);
  EnterFame = new QLabel("And you enter the Hall of Fame !", this);
  EnterFame->setStyleSheet("color: #7dffb0; font-weight: bold;");
  EnterFame->setVisible(model.entersHall);
  NoHall = new QLabel(QString::fromStdString(model.whyNoHall), this);
  NoHall->setWordWrap(true);
  NoHall->setVisible(!model.entersHall && !model.whyNoHall.empty());
  auto* BitBtn1 = new QPushButton("Thank you !", this);
  BitBtn1->setDefault(true);
  texts->addWidget(Label1);
  texts->addWidget(Label2);
  texts->addSpacing(6);
  texts->addWidget(FinalTime);
  texts->addWidget(EnterFame);
  texts->addWidget(NoHall);
  texts->addStretch(1);
  texts->addWidget(BitBtn1, 0, Qt::AlignLeft);
  row->addLayout(texts, 1);
  // The girl over the dialog's own colour.
  QImage girl(92, 166, QImage::Format_RGB32);
  girl.fill(QColor(0x3a, 0x10, 0x0c));
  DrawTransparent(girl, 0, 0, model.girl, kGirlTransparent);
  auto* Girl = new QLabel(this);
  Girl->setFixedSize(92, 166);
  Girl->setPixmap(QPixmap::fromImage(girl));
  row->addWidget(Girl, 0, Qt::AlignRight | Qt::AlignVCenter);
  // The reason takes a few lines: the dialog grows to show them whole.
  if (NoHall->isVisibleTo(this)) setFixedHeight(std::max(height(), heightForWidth(width())));
  CentreOnScreen(this);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace sorimo
