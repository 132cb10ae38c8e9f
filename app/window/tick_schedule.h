// When the game's tick runs: on the same 50 ms beat as ever, but only on the beats that can
// show something new. The game says after each tick how long nothing will change; the
// player's input (keys, mouse, focus) wakes the next beat, as anything may change then.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

namespace sorimo {

class TickSchedule : public QObject {
 public:
  // `tick` runs the game's tick and answers the milliseconds before the next one is needed
  // (-1: none until an event); `now` is the millisecond counter the game's clocks read.
  TickSchedule(std::function<int()> tick, std::function<uint32_t()> now, QObject* parent);

  // The beat starts now; its first tick falls one period later. Stop ends the ticks.
  void start();
  void stop();
  // The next tick, in milliseconds from now; -1 when none is due.
  int nextTickIn() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fire();
  // Arms the timer for the first beat at least `ms` from now, unless a sooner one is armed.
  void WakeWithin(int ms);

  std::function<int()> tick_;
  std::function<uint32_t()> now_;
  QTimer timer_;
  bool running_ = false;
  uint32_t origin_ = 0;  // a beat: the ticks fall on origin_ + k * kTickMs
  uint32_t target_ = 0;  // the beat the timer is armed for
};

}  // namespace sorimo
