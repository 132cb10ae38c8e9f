// The splash picture shown while the program starts.
#pragma once

#include <QWidget>

namespace sorimo {

class TSplash : public QWidget {
  Q_OBJECT
 public:
  TSplash();
};

}  // namespace sorimo
