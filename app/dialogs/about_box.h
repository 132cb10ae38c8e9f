// The about window "About Sorimo ".
#pragma once

#include <QDialog>
#include <QImage>

namespace sorimo {

struct AboutBoxModel {
  QImage backdrop;  // `BackdropPicture` behind the whole window; may be null
};

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  TAboutBox(QWidget* parent, const AboutBoxModel& model);
};

}  // namespace sorimo
