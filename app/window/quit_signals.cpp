#include "app/window/quit_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QPointer>
#include <QVariant>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

namespace sorimo {

namespace {

// A signal handler may do almost nothing: it writes one byte, and the event loop reads it.
int quitPipe[2] = {-1, -1};

constexpr const char* kQuitSignalProperty = "sorimoQuitSignal";

void OnQuitSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(quitPipe[1], &byte, 1);
}

}  // namespace

void CatchQuitSignals() {
  if (quitPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, quitPipe) != 0) return;
  struct sigaction action {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int s : {SIGTERM, SIGINT, SIGHUP}) sigaction(s, &action, nullptr);
}

void CloseOnQuitSignal(QWidget* window) {
  if (quitPipe[0] < 0) return;
  auto* notifier = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, window);
  QObject::connect(notifier, &QSocketNotifier::activated, window, [window = QPointer<QWidget>(window)] {
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(quitPipe[0], &byte, 1);
    if (!window) return;
    window->setProperty(kQuitSignalProperty, true);
    window->close();
  });
}

bool ClosingOnQuitSignal(const QWidget* window) { return window->property(kQuitSignalProperty).toBool(); }

}  // namespace sorimo
