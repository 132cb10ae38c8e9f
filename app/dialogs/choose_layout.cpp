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
// The share line sits between the picture and the buttons, which move down to make room.
constexpr int kShareLine = 18;
const char kMeasuringText[] = "Measuring how often it can be cleared...";

// A layout the game deals: an even number of tiles, 2 to 144.
bool Dealable(const LayoutCells& cells) {
  const int n = cells.count();
  return n > 0 && n % 2 == 0 && n <= kTileCount;
}

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
  void focusOutEvent(QFocusEvent* event) override {
    QLabel::focusOutEvent(event);
    update();
  }
  // Pictures overlap by a few pixels (three 206-pixel pictures 202 apart): the framed one comes
  // to the front, so the next picture does not cover its frame.
  void focusInEvent(QFocusEvent* event) override {
    QLabel::focusInEvent(event);
    raise();
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

QString ClearableShareText(int percent) { return QString("Can be cleared in %1 % of deals").arg(percent); }

TChooseLayout::TChooseLayout(QWidget* parent, ChooseLayoutModel model)
    : QDialog(parent), model_(std::move(model)), shares_(model_.shareCache) {
  // The worker reports on its own thread; the answer is handled on the window's.
  worker_ = std::make_unique<ClearingShareWorker>(
      [this](const std::string& key, int percent) {
        QMetaObject::invokeMethod(this, [this, key, percent] { ShareMeasured(key, percent); }, Qt::QueuedConnection);
      },
      kShareSampleDeals, kShareSampleNodes);
  entryKeys_.resize(model_.names.size());
  setWindowTitle("Choose a new layout...");
  setFixedSize(518, 271 + kShareLine);
  LayoutList = new QListWidget(this);
  LayoutList->setGeometry(16, 24, 225, 209 + kShareLine);
  LayoutList->setUniformItemSizes(true);
  for (const std::string& name : model_.names) LayoutList->addItem(QString::fromStdString(name));
  Preview = new QLabel(this);
  Preview->setGeometry(264, 24, kPictureWidth, kPictureHeight);
  // Where a file that cannot be read says why, in place of its picture.
  Preview->setWordWrap(true);
  Preview->setAlignment(Qt::AlignCenter);
  Preview->setMargin(6);
  Share = new QLabel(this);
  Share->setGeometry(264, 24 + kPictureHeight + 2, 240, kShareLine);
  auto* label = new QLabel("Full Name :", this);
  label->move(16, 246 + kShareLine);
  LayoutN = new QLabel(this);
  LayoutN->setGeometry(90, 246 + kShareLine, 420, label->sizeHint().height());
  BitBtn1 = new QPushButton("Play this layout", this);
  BitBtn1->setGeometry(264, 175 + kShareLine, 105, 25);
  BitBtn1->setDefault(true);
  BitBtn5 = new QPushButton("Expand >>", this);
  BitBtn5->setGeometry(376, 176 + kShareLine, 97, 25);
  BitBtn3 = new QPushButton("Edit", this);
  auto* edit = BitBtn3;
  edit->setGeometry(264, 208 + kShareLine, 49, 25);
  edit->setEnabled(false);  // until an entry that can be read is selected
  auto* create = new QPushButton("Create", this);
  create->setGeometry(320, 207 + kShareLine, 49, 25);
  create->setEnabled(bool(model_.create));
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setGeometry(376, 208 + kShareLine, 97, 25);

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

// A layout that cannot be read, or a file of another kind, cannot be played or edited from
// here: "Play this layout" and "Edit" wait for another choice (playing the cells read before
// under this entry's number would file the result under the wrong layout). Why it cannot be
// read stands where its picture would be: said once while it is selected, not in a message
// box for every bad entry the arrow keys pass over.
void TChooseLayout::LayoutListClick() {
  const int row = LayoutList->currentRow();
  if (row < 0) return;
  const LayoutReadResult read = model_.read(row);
  playable_ = read.status == LayoutReadStatus::Loaded;
  PreviewGrid = playable_ ? read.cells : LayoutCells{};
  picture_ = model_.picture(PreviewGrid);
  fault_.clear();
  if (!playable_) {
    fault_ = read.message.empty() ? LayoutList->currentItem()->text() + " cannot be read as a layout."
                                  : QString::fromStdString(read.message);
  }
  if (playable_)
    Preview->setPixmap(QPixmap::fromImage(picture_));
  else
    Preview->setText(fault_);
  LayoutN->setText(QString::fromStdString(read.name));
  BitBtn1->setEnabled(playable_);
  BitBtn3->setEnabled(playable_ && bool(model_.edit));
  ShowShare(PreviewGrid);
}

QString TChooseLayout::ShareText(const std::string& key) const {
  const std::optional<int> known = shares_.Find(key);
  return known ? ClearableShareText(*known) : QString(kMeasuringText);
}

// The entry shown is measured before every other one still waiting.
void TChooseLayout::ShowShare(const LayoutCells& cells) {
  const int row = LayoutList->currentRow();
  previewKey_ = Dealable(cells) ? ClearingShareKey(cells, model_.vertical) : std::string();
  if (row >= 0 && size_t(row) < entryKeys_.size()) entryKeys_[size_t(row)] = previewKey_;
  if (previewKey_.empty()) {
    Share->clear();
    return;
  }
  Share->setText(ShareText(previewKey_));
  if (shares_.Find(previewKey_)) return;
  std::erase_if(pending_, [this](const ShareJob& j) { return j.key == previewKey_; });
  pending_.insert(pending_.begin(), ShareJob{previewKey_, cells, model_.vertical});
  worker_->Measure(pending_);
}

void TChooseLayout::ShareMeasured(const std::string& key, int percent) {
  std::erase_if(pending_, [&key](const ShareJob& j) { return j.key == key; });
  if (percent < 0) return;
  shares_.Remember(key, percent);
  if (key == previewKey_) Share->setText(ClearableShareText(percent));
  if (expanded_ != nullptr)
    for (size_t i = 0; i < entryKeys_.size(); ++i)
      if (entryKeys_[i] == key) expanded_->SetCaption(int(i), ClearableShareText(percent));
}

void TChooseLayout::BitBtn1Click() {
  if (!playable_ || LayoutList->currentRow() < 0) return;
  chosen_ = LayoutList->currentRow();
  accept();
}

void TChooseLayout::BitBtn5Click() {
  std::vector<QImage> pictures;
  std::vector<QString> names;
  std::vector<QString> faults;
  std::vector<bool> playable;
  std::vector<ShareJob> unknown;  // every entry not measured yet, in list order
  for (int i = 0; i < LayoutList->count(); ++i) {
    LayoutList->blockSignals(true);
    LayoutList->setCurrentRow(i);
    LayoutList->blockSignals(false);
    LayoutListClick();
    pictures.push_back(picture_);
    names.push_back(LayoutList->item(i)->text());
    faults.push_back(fault_);
    playable.push_back(playable_);
    if (!previewKey_.empty() && !shares_.Find(previewKey_)) unknown.push_back({previewKey_, PreviewGrid, model_.vertical});
  }
  pending_ = std::move(unknown);
  worker_->Measure(pending_);
  TExtendedChoose view(this, pictures, names, playable);
  for (size_t i = 0; i < entryKeys_.size() && i < pictures.size(); ++i) {
    if (!faults[i].isEmpty())
      view.SetCaption(int(i), faults[i]);
    else if (!entryKeys_[i].empty())
      view.SetCaption(int(i), ShareText(entryKeys_[i]));
  }
  expanded_ = &view;
  const int result = runExpanded ? runExpanded(view) : view.exec();
  expanded_ = nullptr;
  if (result == kReduce) return;  // the list shows its last entry, pictured
  if (result == QDialog::Accepted && view.ChosenLayoutIndex >= 0) {
    LayoutList->setCurrentRow(view.ChosenLayoutIndex);
    LayoutListClick();
    BitBtn1Click();
    return;
  }
  reject();
}

TExtendedChoose::TExtendedChoose(QWidget* parent, const std::vector<QImage>& pictures,
                                 const std::vector<QString>& names, const std::vector<bool>& playable)
    : QDialog(parent), names_(names), playable_(playable) {
  setWindowTitle("Choose a Layout");
  setFixedSize(632, 406);
  auto* scroll = new QScrollArea(this);
  scroll_ = scroll;
  scroll->setGeometry(0, 0, 632, 369);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Black behind the pictures through the palette: a style sheet reaching the scroll bar would
  // draw it without its arrows.
  QPalette black = scroll->palette();
  black.setColor(QPalette::Window, Qt::black);
  scroll->viewport()->setPalette(black);
  scroll->viewport()->setAutoFillBackground(true);
  const int count = int(pictures.size());
  scrollRange_ = count == 0 ? 0 : ((count - 1) / 3 + 1) * 139;
  auto* content = new QWidget;
  content->setFixedSize(3 * 202 + 4, scrollRange_);
  content->setPalette(black);
  content->setAutoFillBackground(true);
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
    picture->setAccessibleName(i < int(names_.size()) ? names_[size_t(i)] : QString());
    SetCaption(i, QString());
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

void TExtendedChoose::SetCaption(int index, const QString& text) {
  if (index < 0 || index >= int(pictures_.size())) return;
  const QString name = index < int(names_.size()) ? names_[size_t(index)] : QString();
  pictures_[size_t(index)]->setToolTip(text.isEmpty() ? name : name + "\n" + text);
  pictures_[size_t(index)]->setAccessibleDescription(text);
}

QString TExtendedChoose::caption(int index) const {
  return index < 0 || index >= int(pictures_.size()) ? QString() : pictures_[size_t(index)]->toolTip();
}

void TExtendedChoose::ScrollClick(int index) {
  if (index < 0 || index >= int(playable_.size()) || !playable_[size_t(index)]) return;
  ChosenLayoutIndex = index;
  accept();
}

}  // namespace sorimo
