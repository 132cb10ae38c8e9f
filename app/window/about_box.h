// The about window "About Sorimo ".
#pragma once

#include <QDialog>
#include <QImage>

namespace sorimo {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  TAboutBox(QWidget* parent, const QImage& backdrop);
};

}  // namespace sorimo
