#include "app/window/splash.h"
#include "app/window/sorimo.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace sorimo {

TSplash::TSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  auto* image = new QLabel(this);
  const QPixmap picture(":/splash.png");
  image->setPixmap(picture);
  image->resize(picture.size());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  setGeometry((screen.width() - picture.width()) / 2, (screen.height() - picture.height()) / 2,
              picture.width(), picture.height());
}

}  // namespace sorimo

// The resource file is compiled into a static library, so it is registered by hand.
static void InitResourcesOutsideNamespace() { Q_INIT_RESOURCE(resources); }
void sorimo::InitResources() { InitResourcesOutsideNamespace(); }
