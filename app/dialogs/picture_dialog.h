// The open-file dialog for pictures: the chosen file is shown beside the list before it is
// taken, read by the program's own picture readers.
#pragma once

#include <QFileDialog>
#include <string>

class QLabel;

namespace sorimo {

// A filter written "Description (*.a; *.b)|*.a;*.b" in Qt's form "Description (*.a *.b)": Qt
// separates patterns by blanks only, so "*.a;" would match nothing.
QString QtFileFilter(const std::string& filter);

class PictureFileDialog : public QFileDialog {
  Q_OBJECT
 public:
  PictureFileDialog(QWidget* parent, const QString& title, const QString& folder, const QString& filter);

 private:
  void Preview(const QString& path);
  QLabel* preview_;
};

}  // namespace sorimo
