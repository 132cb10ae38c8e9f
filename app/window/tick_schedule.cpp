#include "app/window/tick_schedule.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

#include "engine/game_parts.h"

namespace sorimo {

namespace {

// The events by which the player can change the game: after one, the next beat ticks.
bool IsPlayerInput(QEvent::Type t) {
  switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::ApplicationStateChange:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

}  // namespace

TickSchedule::TickSchedule(std::function<int()> tick, std::function<uint32_t()> now, QObject* parent)
    : QObject(parent), tick_(std::move(tick)), now_(std::move(now)) {
  timer_.setSingleShot(true);
  // A coarse timer may fire early, and a tick a moment before the clock's second would leave
  // the old figure standing for a whole beat.
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { Fire(); });
}

void TickSchedule::start() {
  if (running_) return;
  running_ = true;
  origin_ = now_();
  QCoreApplication::instance()->installEventFilter(this);
  WakeWithin(1);
}

void TickSchedule::stop() {
  if (!running_) return;
  running_ = false;
  QCoreApplication::instance()->removeEventFilter(this);
  timer_.stop();
}

int TickSchedule::nextTickIn() const { return timer_.isActive() ? timer_.remainingTime() : -1; }

void TickSchedule::Fire() {
  const int wait = tick_();
  if (running_ && wait >= 0) WakeWithin(wait);
}

void TickSchedule::WakeWithin(int ms) {
  const uint32_t now = now_();
  const uint32_t since = now + static_cast<uint32_t>(std::max(ms, 1)) - origin_;
  const uint32_t beat = origin_ + (since + kTickMs - 1) / kTickMs * kTickMs;
  if (timer_.isActive() && static_cast<int32_t>(target_ - beat) <= 0) return;
  target_ = beat;
  // A millisecond more: the timer's clock and the game's counter may round a millisecond
  // apart, and a tick just before the clock's second would leave the old figure for a beat.
  timer_.start(static_cast<int>(beat - now) + 1);
}

bool TickSchedule::eventFilter(QObject* watched, QEvent* event) {
  if (running_ && IsPlayerInput(event->type())) WakeWithin(1);
  return QObject::eventFilter(watched, event);
}

}  // namespace sorimo
