// Window tests run the real main window on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/window/sorimo.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  sorimo::InitResources();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
