// The about window "About Sorimo ".
#pragma once

#include <QDialog>

namespace sorimo {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent);
};

}  // namespace sorimo
