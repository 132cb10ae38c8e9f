#include "app/dialogs/choose_layout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>

#include "app/dialogs/centre_on_screen.h"

namespace sorimo {

namespace {

constexpr int kPictureWidth = 206, kPictureHeight = 138;

// A picture of the expanded view that reports a click. It takes the keyboard too: Tab or the
// arrows move between the pictures (three a row), Space or Enter chooses the one framed.
class ClickablePicture : public QLabel {
 public:
  ClickablePicture(QWidget* parent, std::function<void()> clicked, std::function<void(int step)> move)
      : QLabel(parent), clicked_(std::move(clicked)), move_(std::move(move)) {
    setFocusPolicy(Qt::StrongFocus);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) clicked_();
  }
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Space:
      case Qt::Key_Return:
      case Qt::Key_Enter: clicked_(); return;
      case Qt::Key_Left: move_(-1); return;
      case Qt::Key_Right: move_(1); return;
      case Qt::Key_Up: move_(-3); return;
      case Qt::Key_Down: move_(3); return;
      default: QLabel::keyPressEvent(event);
    }
  }
  void focusInEvent(QFocusEvent* event) override {
    QLabel::focusInEvent(event);
    update();
  }
  void focusOutEvent(QFocusEvent* event) override {
    QLabel::focusOutEvent(event);
    update();
  }
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter p(this);
    p.setPen(QPen(QColor(255, 200, 0), 3));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
  }

 private:
  std::function<void()> clicked_;
  std::function<void(int step)> move_;
};

}  // namespace

TChooseLayout::TChooseLayout(QWidget* parent, ChooseLayoutModel model) : QDialog(parent), model_(std::move(model)) {
  setWindowTitle("Choose a new layout...");
  setFixedSize(518, 271);
  LayoutList = new QListWidget(this);
  LayoutList->setGeometry(16, 24, 225, 209);
  LayoutList->setUniformItemSizes(true);
  for (const std::string& name : model_.names) LayoutList->addItem(QString::fromStdString(name));
  Preview = new QLabel(this);
  Preview->setGeometry(264, 24, kPictureWidth, kPictureHeight);
  auto* label = new QLabel("Full Name :", this);
  label->move(16, 246);
  LayoutN = new QLabel(this);
  LayoutN->setGeometry(90, 246, 420, label->sizeHint().height());
  BitBtn1 = new QPushButton("Play this layout", this);
  BitBtn1->setGeometry(264, 175, 105, 25);
  BitBtn1->setDefault(true);
  BitBtn5 = new QPushButton("Expand >>", this);
  BitBtn5->setGeometry(376, 176, 97, 25);
  auto* edit = new QPushButton("Edit", this);
  edit->setGeometry(264, 208, 49, 25);
  edit->setEnabled(bool(model_.edit));
  auto* create = new QPushButton("Create", this);
  create->setGeometry(320, 207, 49, 25);
  create->setEnabled(bool(model_.create));
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setGeometry(376, 208, 97, 25);

  connect(LayoutList, &QListWidget::currentRowChanged, this, [this] { LayoutListClick(); });
  connect(LayoutList, &QListWidget::itemDoubleClicked, this, [this] { BitBtn1Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // The editor takes over the board: the chooser goes, and no game starts from it.
  connect(edit, &QPushButton::clicked, this, [this] {
    const int row = LayoutList->currentRow();
    if (row < 0 || !playable_) return;
    reject();
    model_.edit(row);
  });
  connect(create, &QPushButton::clicked, this, [this] {
    reject();
    model_.create();
  });

  // The first entry, whatever layout is in play.
  if (LayoutList->count() > 0) LayoutList->setCurrentRow(0);
  CentreOnScreen(this);
}

// A layout that cannot be read, or a file of another kind, cannot be played from here: the
// picture shows no tiles and "Play this layout" waits for another choice (playing the cells
// read before under this entry's number would file the result under the wrong layout).
void TChooseLayout::LayoutListClick(bool report) {
  const int row = LayoutList->currentRow();
  if (row < 0) return;
  const LayoutReadResult read = model_.read(row);
  playable_ = read.status == LayoutReadStatus::Loaded;
  PreviewGrid = playable_ ? read.cells : LayoutCells{};
  if (!playable_ && report && model_.showError) model_.showError(read.message);
  Preview->setPixmap(QPixmap::fromImage(model_.picture(PreviewGrid)));
  LayoutN->setText(QString::fromStdString(read.name));
  BitBtn1->setEnabled(playable_);
}

void TChooseLayout::BitBtn1Click() {
  if (!playable_ || LayoutList->currentRow() < 0) return;
  chosen_ = LayoutList->currentRow();
  accept();
}

void TChooseLayout::BitBtn5Click() {
  std::vector<QImage> pictures;
  std::vector<bool> playable;
  for (int i = 0; i < LayoutList->count(); ++i) {
    LayoutList->blockSignals(true);
    LayoutList->setCurrentRow(i);
    LayoutList->blockSignals(false);
    LayoutListClick(false);
    pictures.push_back(Preview->pixmap().toImage());
    playable.push_back(playable_);
  }
  TExtendedChoose view(this, pictures, playable);
  const int result = runExpanded ? runExpanded(view) : view.exec();
  if (result == kReduce) return;  // the list shows its last entry, pictured
  if (result == QDialog::Accepted && view.ChosenLayoutIndex >= 0) {
    LayoutList->setCurrentRow(view.ChosenLayoutIndex);
    LayoutListClick();
    BitBtn1Click();
    return;
  }
  reject();
}

TExtendedChoose::TExtendedChoose(QWidget* parent, const std::vector<QImage>& pictures, const std::vector<bool>& playable)
    : QDialog(parent), playable_(playable) {
  setWindowTitle("Choose a Layout");
  setFixedSize(632, 406);
  auto* scroll = new QScrollArea(this);
  scroll_ = scroll;
  scroll->setGeometry(0, 0, 632, 369);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  scroll->setStyleSheet("QScrollArea, QScrollArea > QWidget > QWidget { background: black; }");
  const int count = int(pictures.size());
  scrollRange_ = count == 0 ? 0 : ((count - 1) / 3 + 1) * 139;
  auto* content = new QWidget;
  content->setFixedSize(3 * 202 + 4, scrollRange_);
  for (int i = 0; i < count; ++i) {
    auto* picture = new ClickablePicture(
        content, [this, i] { ScrollClick(i); },
        [this, i, count](int step) {
          const int next = i + step;
          if (next >= 0 && next < count) {
            pictures_[size_t(next)]->setFocus();
            scroll_->ensureWidgetVisible(pictures_[size_t(next)], 0, 0);
          }
        });
    pictures_.push_back(picture);
    picture->setGeometry((i % 3) * 202, (i / 3) * 138, kPictureWidth, kPictureHeight);
    picture->setPixmap(QPixmap::fromImage(pictures[size_t(i)]));
    if (playable_[size_t(i)]) picture->setCursor(Qt::PointingHandCursor);
  }
  scroll->setWidget(content);
  auto* reduce = new QPushButton("<< Reduce", this);
  reduce->setGeometry(240, 376, 75, 25);
  reduce->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setGeometry(323, 376, 75, 25);
  connect(reduce, &QPushButton::clicked, this, [this] { done(TChooseLayout::kReduce); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  if (!pictures_.empty()) pictures_.front()->setFocus();
  CentreOnScreen(this);
}

void TExtendedChoose::ScrollClick(int index) {
  if (index < 0 || index >= int(playable_.size()) || !playable_[size_t(index)]) return;
  ChosenLayoutIndex = index;
  accept();
}

}  // namespace sorimo
