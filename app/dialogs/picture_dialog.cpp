#include "app/dialogs/picture_dialog.h"

#include <QGridLayout>
#include <QImage>
#include <QLabel>

#include "app/dialogs/pixel_image.h"
#include "assets/picture_file.h"

namespace sorimo {

QString QtFileFilter(const std::string& filter) {
  QString f = QString::fromStdString(filter);
  const int bar = f.indexOf('|');
  if (bar < 0) return f;
  QString patterns = f.mid(bar + 1);
  patterns.replace(';', ' ');
  QString description = f.left(bar);
  const int open = description.indexOf(" (");
  if (open >= 0) description.truncate(open);
  return description + " (" + patterns.simplified() + ")";
}

PictureFileDialog::PictureFileDialog(QWidget* parent, const QString& title, const QString& folder,
                                     const QString& filter)
    : QFileDialog(parent, title, folder, filter) {
  // Qt's own dialog, so the preview can sit inside it.
  setOption(QFileDialog::DontUseNativeDialog);
  setFileMode(QFileDialog::ExistingFile);
  preview_ = new QLabel(this);
  preview_->setFixedSize(200, 150);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setFrameShape(QFrame::StyledPanel);
  preview_->setText("No preview");
  if (auto* grid = qobject_cast<QGridLayout*>(layout())) grid->addWidget(preview_, 1, grid->columnCount(), 2, 1);
  connect(this, &QFileDialog::currentChanged, this, &PictureFileDialog::Preview);
}

void PictureFileDialog::Preview(const QString& path) {
  const std::string p = path.toStdString();
  if (!(path.endsWith(".bmp", Qt::CaseInsensitive) || IsJpegPath(p))) {
    preview_->setText("No preview");
    return;
  }
  const PictureOrError read = LoadPictureFile(p);
  if (!read.ok()) {
    preview_->setText("Not a readable picture");
    return;
  }
  preview_->setPixmap(QPixmap::fromImage(
      ImageOf(read.picture).scaled(preview_->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

}  // namespace sorimo
