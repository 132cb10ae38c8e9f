// Program entry: the splash, the main window, the event loop.
#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "app/window/quit_signals.h"
#include "app/window/sorimo.h"
#include "app/window/splash.h"

int main(int argc, char** argv) {
  sorimo::CatchQuitSignals();
  QApplication app(argc, argv);
  // A desktop groups the windows under the program's menu entry by their class on X11 (the
  // application's name when the first window, the splash, is made) and by the desktop file's
  // name on Wayland: both are what org.sorimo.Sorimo.desktop says (StartupWMClass=Sorimo).
  QApplication::setApplicationName("Sorimo");
  QApplication::setApplicationVersion("6.21");
  QGuiApplication::setDesktopFileName("org.sorimo.Sorimo");
  sorimo::InitResources();
  auto* splash = new sorimo::TSplash();
  splash->show();
  splash->repaint();
  QApplication::processEvents();

  std::string exeDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
  exeDir += QDir::separator().toLatin1();
  const sorimo::ProgramFolders folders = sorimo::ResolveProgramFolders(exeDir, sorimo::RealFolderFacts());
  int result = 0;
  {
    sorimo::TSorimo window(folders);
    sorimo::CloseOnQuitSignal(&window);
    delete splash;
    if (window.startupFailed()) {
      // No text: the player chose not to start, when asked about a damaged file.
      if (!window.startupError().empty())
        QMessageBox::critical(nullptr, "Sorimo", QString::fromStdString(window.startupError()));
      return 1;
    }
    window.show();
    result = QApplication::exec();
  }
  return result;
}
