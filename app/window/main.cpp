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
  sorimo::InitResources();
  auto* splash = new sorimo::TSplash();
  splash->show();
  splash->repaint();
  QApplication::processEvents();
  QApplication::setApplicationName("Sorimo 6.21");

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
