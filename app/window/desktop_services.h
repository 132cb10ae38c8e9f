// What the window needs from the desktop, so tests can pretend to be a screen of any width
// and answer file dialogs and message boxes without a person.
#pragma once

#include <QMargins>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace sorimo {

class Random;
class SoundOutput;

// The button of a question that Enter presses: the one that keeps the player's work, wherever
// the other would throw it away.
enum class EnterAnswers : bool { Accept, Refuse };

struct DesktopServices {
  std::function<int()> screenWidth;
  std::function<int()> screenHeight;
  // The window manager's frame and title bar around a window: known once it has framed the
  // window, none before (and none on a desktop that draws no frames).
  std::function<QMargins(const QWidget& window)> frameExtents;
  // A file dialog; returns "" when cancelled.
  std::function<std::string(const std::string& title, const std::string& filter, const std::string& folder,
                            bool save)>
      chooseFile;
  // A message box with OK and the warning icon, for what went wrong; and one with two buttons
  // (OK/Cancel or Yes/No) returning true for OK/Yes, whose default button `enter` says.
  std::function<void(const std::string& caption, const std::string& text)> warn;
  std::function<bool(const std::string& caption, const std::string& text, bool yesNo, EnterAnswers enter)> ask;
  // The colour dialog; returns the colour chosen, or nothing when cancelled.
  std::function<std::optional<uint32_t>(uint32_t initial)> chooseColour;
  // Modal windows the window opens; tests replace them to answer without a person.
  std::function<void(int32_t& randomSeed, Random& generator)> randomWindow;
  std::function<void(const std::string& finalTime, bool entersHall, const std::string& whyNoHall)> gameOverWindow;
  std::function<void(bool afterWin)> hallWindow;
  std::function<void()> aboutWindow;
  // The layout chooser: the entry chosen to play (0-based), or -1.
  std::function<int(const struct ChooseLayoutModel& model)> chooseLayout;
  // The 32-bit millisecond counter and the UTC time of day in milliseconds.
  std::function<uint32_t()> tickCount;
  std::function<uint32_t()> timeOfDayMs;
  // The sound the window plays through; empty for the audio device (audio/audio_output.h).
  std::function<std::unique_ptr<SoundOutput>()> soundOutput;
};

// The real screen, Qt's dialogs and clocks. The windows of the game's end, the hall of fame
// and the about box are left empty: the main window opens its own.
DesktopServices RealDesktop(QWidget* owner);

}  // namespace sorimo
