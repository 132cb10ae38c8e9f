#include "app/dialogs/random_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "app/dialogs/centre_on_screen.h"

namespace sorimo {

std::optional<int32_t> GameNumberOf(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return int32_t(value);
}

TRandomWindow::TRandomWindow(QWidget* parent, RandomWindowModel model)
    : QDialog(parent), seed_(model.randomSeed), generator_(model.generator) {
  setWindowTitle("New Specific (Seed) Game");
  setFixedSize(396, 172);
  CentreOnScreen(this);

  auto* outer = new QVBoxLayout(this);
  auto* panel = new QGroupBox("Random Seed", this);
  panel->setObjectName("RandomPanel");
  auto* inner = new QVBoxLayout(panel);
  auto* label = new QLabel("Choose a specific game number (from 1 to 999,999,999)", panel);
  label->setObjectName("RandLabel1");
  label->setWordWrap(true);
  RandomSeed_ = new QLineEdit(QString::number(seed_), panel);
  RandomSeed_->setObjectName("RandomSeed");
  RandomSeed_->setMaxLength(9);
  auto* draw = new QPushButton("New random game seed", panel);
  draw->setObjectName("BitBtn2");
  draw->setAutoDefault(false);
  inner->addWidget(label);
  inner->addWidget(RandomSeed_);
  inner->addWidget(draw);
  outer->addWidget(panel);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("BitBtn1");
  ok->setDefault(true);
  outer->addWidget(ok, 0, Qt::AlignRight);

  connect(RandomSeed_, &QLineEdit::textEdited, this, &TRandomWindow::TextChanged);
  connect(draw, &QPushButton::clicked, this, &TRandomWindow::NewRandomSeed);
  connect(ok, &QPushButton::clicked, this, &TRandomWindow::Confirm);
}

// Every change that leaves a whole number takes it at once; an emptied field changes nothing.
void TRandomWindow::TextChanged(const QString& text) {
  if (text.isEmpty()) return;
  if (auto n = GameNumberOf(text)) seed_ = *n;
}

void TRandomWindow::NewRandomSeed() {
  seed_ = int32_t(generator_.RandomInt(999999999) + 1);
  RandomSeed_->setText(QString::number(seed_));
}

// The dialog closes even after the message: the game starts with the number it had.
void TRandomWindow::Confirm() {
  const QString text = RandomSeed_->text();
  if (auto n = GameNumberOf(text))
    seed_ = *n;
  else
    QMessageBox::warning(this, "Sorimo", QString("'%1' is not a valid integer value").arg(text));
  accept();
}

}  // namespace sorimo
