// Window tests run the real main window on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstring>

#include "app/window/sorimo.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // --scale-factor=R: a screen of device pixel ratio R, for the high-density tests. The
  // offscreen screen is then made large enough for the window at that ratio (its default,
  // 800 x 600 device pixels, drops pointer events beyond it).
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--scale-factor=", 15) == 0) {
      qputenv("QT_SCALE_FACTOR", argv[i] + 15);
      const QString config = QDir::temp().filePath("sorimo-hidpi-screen.json");
      QFile file(config);
      if (file.open(QIODevice::WriteOnly))
        file.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 3200, "height": 2400,)"
                   R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    }
  QApplication app(argc, argv);
  sorimo::InitResources();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
