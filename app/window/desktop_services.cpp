#include "app/window/desktop_services.h"

#include <QColorDialog>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

#include "app/dialogs/picture_dialog.h"
#include "app/dialogs/random_window.h"

namespace sorimo {

DesktopServices RealDesktop(QWidget* owner) {
  DesktopServices d;
  d.screenWidth = [] { return QGuiApplication::primaryScreen()->geometry().width(); };
  d.screenHeight = [] { return QGuiApplication::primaryScreen()->geometry().height(); };
  d.frameExtents = [](const QWidget& window) {
    return window.windowHandle() != nullptr ? window.windowHandle()->frameMargins() : QMargins();
  };
  d.chooseFile = [owner](const std::string& title, const std::string& filter, const std::string& folder, bool save) {
    const QString f = QtFileFilter(filter);
    // The caller asks before replacing a file: only it knows the name it will really write.
    if (save)
      return QFileDialog::getSaveFileName(owner, QString::fromStdString(title), QString::fromStdString(folder), f,
                                          nullptr, QFileDialog::DontConfirmOverwrite)
          .toStdString();
    PictureFileDialog dialog(owner, QString::fromStdString(title), QString::fromStdString(folder), f);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::string();
    return dialog.selectedFiles().first().toStdString();
  };
  d.warn = [owner](const std::string& caption, const std::string& text) {
    QMessageBox::warning(owner, QString::fromStdString(caption), QString::fromStdString(text));
  };
  d.ask = [owner](const std::string& caption, const std::string& text, bool yesNo, EnterAnswers enter) {
    const auto buttons = yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok | QMessageBox::Cancel;
    const auto accept = yesNo ? QMessageBox::Yes : QMessageBox::Ok;
    const auto refuse = yesNo ? QMessageBox::No : QMessageBox::Cancel;
    const auto answer = QMessageBox::question(owner, QString::fromStdString(caption), QString::fromStdString(text),
                                              buttons, enter == EnterAnswers::Accept ? accept : refuse);
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
  };
  d.chooseColour = [owner](uint32_t initial) -> std::optional<uint32_t> {
    // Colours are kept as 0x00BBGGRR.
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor c = QColorDialog::getColor(start, owner, "Color", QColorDialog::DontUseNativeDialog);
    if (!c.isValid()) return std::nullopt;
    return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16);
  };
  d.randomWindow = [owner](int32_t& seed, Random& generator) {
    TRandomWindow w(owner, {seed, generator});
    w.exec();
  };
  d.tickCount = [] {
    static QElapsedTimer clock = [] {
      QElapsedTimer t;
      t.start();
      return t;
    }();
    return uint32_t(clock.elapsed());
  };
  d.timeOfDayMs = [] {
    const QTime t = QDateTime::currentDateTimeUtc().time();
    return uint32_t(t.msecsSinceStartOfDay());
  };
  return d;
}

}  // namespace sorimo
