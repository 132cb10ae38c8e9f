#include "app/dialogs/hall_window.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "app/dialogs/centre_on_screen.h"
#include "engine/game.h"
#include "engine/hall_columns.h"
#include "engine/modes/mode_description.h"

namespace sorimo {

THallWindow::THallWindow(QWidget* parent, HallWindowModel model)
    : QDialog(parent), model_(std::move(model)), layoutCount_(int(model_.layoutNames.size())) {
  setWindowTitle("Hall of Fame");
  setFixedSize(484, 358);
  setObjectName("HallWindow");
  setStyleSheet(
      "#HallWindow { background: #2b0f0a; }"
      "#HallPanel { background: #3a1711; border: 2px solid #b08a3c; border-radius: 6px; }"
      "#Panel1 QLabel { color: #ffd56a; font-weight: bold; }"
      "#Panel2 { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #1b0805, stop:1 #40190f);"
      " border: 1px solid #7a5a2a; }"
      "#Panel2 QLabel { color: #f4ead2; }"
      "QLabel { color: #f0e0c0; }"
      "QGroupBox { color: #ffd56a; font-weight: bold; }");

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(8, 8, 8, 8);
  auto* HallPanel = new QFrame(this);
  HallPanel->setObjectName("HallPanel");
  outer->addWidget(HallPanel);
  auto* body = new QHBoxLayout(HallPanel);

  // The list: rank, name, total and malus, with a header row.
  auto* listColumn = new QVBoxLayout;
  auto* Panel1 = new QWidget(HallPanel);
  Panel1->setObjectName("Panel1");
  auto* header = new QGridLayout(Panel1);
  header->setContentsMargins(6, 0, 6, 0);
  header->addWidget(new QLabel("Rank", Panel1), 0, 0);
  header->addWidget(new QLabel("Player Name", Panel1), 0, 1);
  Label23 = new QLabel("Time", Panel1);
  header->addWidget(Label23, 0, 2);
  header->addWidget(new QLabel("Malus", Panel1), 0, 3);
  listColumn->addWidget(Panel1);
  auto* Panel2 = new QFrame(HallPanel);
  Panel2->setObjectName("Panel2");
  auto* grid = new QGridLayout(Panel2);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setVerticalSpacing(2);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (int i = 0; i < 10; ++i) {
    auto* rank = new QLabel(QString::number(i + 1), Panel2);
    rank->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Names[size_t(i)] = new QLabel(Panel2);
    Names[size_t(i)]->setFont(fixed);
    Totals[size_t(i)] = new QLabel(Panel2);
    Totals[size_t(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Maluses[size_t(i)] = new QLabel(Panel2);
    Maluses[size_t(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(rank, i, 0);
    grid->addWidget(Names[size_t(i)], i, 1);
    grid->addWidget(Totals[size_t(i)], i, 2);
    grid->addWidget(Maluses[size_t(i)], i, 3);
  }
  for (int c = 0; c < 4; ++c) header->setColumnMinimumWidth(c, c == 1 ? 96 : 44);
  grid->setColumnMinimumWidth(1, 96);
  listColumn->addWidget(Panel2, 1);
  if (!model_.backdrop.isNull()) {
    // The picture `Fond`, stretched over the whole list, behind its labels.
    auto* Fond = new QLabel(Panel2);
    Fond->setPixmap(QPixmap::fromImage(model_.backdrop));
    Fond->setScaledContents(true);
    Fond->lower();
    Panel2->installEventFilter(this);
    fond_ = Fond;
  }
  body->addLayout(listColumn, 3);

  // The controls.
  auto* controls = new QVBoxLayout;
  auto* PlayerPanel = new QGroupBox("Player Name", HallPanel);
  auto* playerRow = new QVBoxLayout(PlayerPanel);
  PlayerName = new QLineEdit(PlayerPanel);
  PlayerName->setMaxLength(8);
  PlayerName->setFont(fixed);
  playerRow->addWidget(PlayerName);
  controls->addWidget(PlayerPanel);
  auto* ResetButton = new QPushButton("Reset Scores", HallPanel);
  ResetButton->setAutoDefault(false);
  controls->addWidget(ResetButton);
  LayoutComboBox = new QComboBox(HallPanel);
  auto* Label45 = new QLabel(
      "Choose a layout from the combo box below. You will get the 10 best scores for this layout. Press \"Reset "
      "Scores\" to delete the High Scores for this specific layout. When you win a game, you can still change the "
      "Player Name in real time.",
      HallPanel);
  Label45->setWordWrap(true);
  QFont small = Label45->font();
  small.setPointSize(8);
  Label45->setFont(small);
  controls->addWidget(Label45);
  controls->addWidget(LayoutComboBox);
  controls->addStretch(1);
  auto* BitBtn1 = new QPushButton("OK", HallPanel);
  BitBtn1->setDefault(true);
  controls->addWidget(BitBtn1);
  body->addLayout(controls, 2);

  CentreOnScreen(this);
  PlayerName->setText(QString::fromStdString(model_.playerName));
  for (const std::string& name : model_.layoutNames) LayoutComboBox->addItem(QString::fromStdString(name + " Layout"));
  for (const int column : ArcadeColumns()) LayoutComboBox->addItem(ArcadeList(column)->caption);
  GenerateList(model_.column);

  connect(LayoutComboBox, &QComboBox::activated, this, [this] { LayoutComboBoxChange(); });
  connect(PlayerName, &QLineEdit::textEdited, this, [this] { PlayerNameChange(); });
  connect(ResetButton, &QPushButton::clicked, this, [this] { DeleteHighscoresClick(); });
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

bool THallWindow::eventFilter(QObject* watched, QEvent* event) {
  if (fond_ && event->type() == QEvent::Resize && watched == fond_->parent())
    fond_->setGeometry(static_cast<QWidget*>(watched)->rect());
  return QDialog::eventFilter(watched, event);
}

int THallWindow::ColumnOfEntry(int index) const {
  if (index < 0) return -1;
  if (index < layoutCount_) return index + 1;
  const int arcade = index - layoutCount_;
  const std::vector<int>& columns = ArcadeColumns();
  return arcade < int(columns.size()) ? columns[size_t(arcade)] : -1;
}

int THallWindow::EntryOfColumn(int column) const {
  if (column >= 1 && column <= layoutCount_) return column - 1;
  const std::vector<int>& columns = ArcadeColumns();
  for (size_t i = 0; i < columns.size(); ++i)
    if (columns[i] == column) return layoutCount_ + int(i);
  return -1;
}

void THallWindow::GenerateList(int column) {
  LayoutComboBox->setCurrentIndex(EntryOfColumn(column));
  if (column < 0 || column >= kHallColumns) return;
  const bool clicks = ScoreOf(column) == ScoreKind::TilesLeft;
  Label23->setText(clicks ? "Score" : "Time");
  HallTable& table = model_.table;
  for (int i = 1; i <= 10; ++i) {
    HallEntry& cell = table.At(i, column);
    if (cell.empty()) cell = PlaceholderEntry(column, i);
    QLabel* name = Names[size_t(i - 1)];
    name->setText(QString::fromStdString(cell.substr(0, 8)));
    const int n = HallEntryTotal(cell), m = HallEntryMalus(cell);
    Totals[size_t(i - 1)]->setText(clicks ? QString::number(n).rightJustified(4, ' ')
                                          : QString::fromStdString(TimeText(n)));
    Maluses[size_t(i - 1)]->setText(clicks ? QString() : QString::fromStdString(TimeText(m)));
    name->setAutoFillBackground(false);
    name->setStyleSheet(QString());
  }
  if (model_.afterWin && column == model_.column && model_.newEntryRank >= 1 &&
      model_.newEntryRank <= 10)
    Names[size_t(model_.newEntryRank - 1)]->setStyleSheet("background: #008080; color: white;");
}

void THallWindow::LayoutComboBoxChange() {
  const int column = ColumnOfEntry(LayoutComboBox->currentIndex());
  if (column < 0) return;
  GenerateList(column);
}

void THallWindow::PlayerNameChange() {
  const std::string text = PlayerName->text().toStdString();
  std::string& player = model_.playerName;
  if (model_.afterWin) {
    if (text != player) {
      player = text.empty() ? "-" : text;
      RenameNewestEntry(model_.table, model_.column, model_.newEntryRank, player);
      GenerateList(model_.column);
    }
    model_.panelChanged();
  } else {
    player = text.empty() ? "-" : text;
    if (player[0] == ' ') player[0] = '-';
  }
}

void THallWindow::DeleteHighscoresClick() {
  const int column = ColumnOfEntry(LayoutComboBox->currentIndex());
  if (column < 0) return;
  if (model_.askOkCancel("Please confirm...", "Do you really want to remove the Hall of Fame entries for this layout ?")) {
    ResetHallColumn(model_.table, column);
    // The new entry went with its list: a name typed now must not turn a placeholder into a
    // result nobody played.
    if (column == model_.column && model_.newEntryRank != 0) {
      model_.newEntryRank = 0;
      if (model_.newEntryGone) model_.newEntryGone();
    }
  }
  model_.panelChanged();
  GenerateList(column);
  model_.listReset();
}

}  // namespace sorimo
