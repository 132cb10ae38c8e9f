#include "app/window/editor_panel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace sorimo {

EditorPanel::EditorPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("EditorPanel");
  setFixedHeight(kHeight);
  setAutoFillBackground(true);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(8, 3, 8, 3);
  row->setSpacing(6);

  // The counter sits in a sunken bevel of its own, as a gauge.
  auto* bevel = new QFrame(this);
  bevel->setObjectName("Bevel30");
  bevel->setFrameShape(QFrame::Panel);
  bevel->setFrameShadow(QFrame::Sunken);
  auto* gauge = new QHBoxLayout(bevel);
  gauge->setContentsMargins(8, 0, 8, 0);
  gauge->setSpacing(6);
  auto* label30 = new QLabel("Tiles left", bevel);
  label30->setObjectName("Label30");
  Label40 = new QLabel(bevel);
  Label40->setObjectName("Label40");
  QFont bold = Label40->font();
  bold.setBold(true);
  Label40->setFont(bold);
  // Wide enough for "144", so the panel does not shift while the count changes.
  Label40->setMinimumWidth(QFontMetrics(bold).horizontalAdvance("1444"));
  Label40->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  gauge->addWidget(label30);
  gauge->addWidget(Label40);
  row->addWidget(bevel);
  row->addSpacing(12);

  auto* labelLayout = new QLabel("Layout Name", this);
  labelLayout->setObjectName("LabelLayout");
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setMaxLength(200);
  row->addWidget(labelLayout);
  row->addWidget(Edit1, 1);
  Edit1->installEventFilter(this);
  setTilesLeft(144);
}

// A focused widget that accepts a key's ShortcutOverride keeps the key from the shortcuts; a
// board key is turned away here, so its command runs and the text stays as it is.
bool EditorPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::ShortcutOverride &&
      boardKeys_.contains(QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()))) {
    event->ignore();
    return true;
  }
  return QFrame::eventFilter(watched, event);
}

void EditorPanel::setTilesLeft(int count) { Label40->setText(QString::number(count)); }

void EditorPanel::setLayoutName(const std::string& name) { Edit1->setText(QString::fromStdString(name)); }

std::string EditorPanel::layoutName() const { return Edit1->text().toStdString(); }

void EditorPanel::dropFocus() {
  Edit1->setEnabled(false);
  Edit1->setEnabled(true);
}

}  // namespace sorimo
