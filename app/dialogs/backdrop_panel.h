// A panel that shows the backdrop picture stretched over its whole area, or, without one, a
// dark lacquer-red gradient in the colours of the program's other windows.
#pragma once

#include <QImage>
#include <QWidget>

namespace sorimo {

class BackdropPanel : public QWidget {
  Q_OBJECT
 public:
  BackdropPanel(QWidget* parent, const QImage& backdrop);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage backdrop_;
};

}  // namespace sorimo
