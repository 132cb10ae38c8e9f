// The open-file dialog for pictures: the chosen file is shown beside the list before it is
// taken, read by the program's own picture readers.
#pragma once

#include <QFileDialog>

class QLabel;

namespace sorimo {

class PictureFileDialog : public QFileDialog {
  Q_OBJECT
 public:
  PictureFileDialog(QWidget* parent, const QString& title, const QString& folder, const QString& filter);

 private:
  void Preview(const QString& path);
  QLabel* preview_;
};

}  // namespace sorimo
