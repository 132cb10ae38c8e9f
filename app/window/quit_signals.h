// A desktop session ends the programs it started with SIGTERM (and a terminal with SIGINT or
// SIGHUP): the window is then closed as if the player had closed it, so the settings and the
// hall of fame are written as at every exit.
#pragma once

class QWidget;

namespace sorimo {

// Catches the signals from now on; call before anything that takes time. Safe to call once.
void CatchQuitSignals();
// From then on a caught signal closes `window` (once the event loop runs).
void CloseOnQuitSignal(QWidget* window);
// Whether `window` is being closed by a quit signal: it then asks nothing (nobody is there to
// answer, and a logout does not wait) and says what it could not save on the error output.
bool ClosingOnQuitSignal(const QWidget* window);

}  // namespace sorimo
