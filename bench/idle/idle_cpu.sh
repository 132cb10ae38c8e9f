#!/usr/bin/env bash
# What the program costs when nobody touches it, beside a peer game measured in the same run
# (kmahjongg, when installed: apt-get install kmahjongg; it is not one of the program's
# packages). Each program runs alone in a virtual display, left alone for a measured interval:
#   - wake-ups: voluntary context switches of the main thread
#     (/proc/PID/task/PID/status, voluntary_ctxt_switches), per second;
#   - CPU: the run time of all the process's threads (/proc/PID/task/*/schedstat), as a share
#     of one core.
# The program is measured on the welcome panel and in an untouched classic game ("Begin game
# directly at startup"), with the music off (a playing piece is watched for its end) and
# without pausing on focus loss (no window manager gives the window the focus).
#   bench/idle/idle_cpu.sh [build/app] [seconds]
# Goals: at most 2 wake-ups a second on the welcome panel, 4 in a game; CPU no more than the
# peer's.
set -euo pipefail
export PATH="$PATH:/usr/games"
app_dir=$(realpath "${1:-build/app}")
seconds=${2:-10}
tmp=$(mktemp -d)
disp=:$(( 500 + RANDOM % 300 ))
Xvfb "$disp" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
pid=
trap 'kill $pid $xpid 2>/dev/null || true; rm -rf "$tmp"' EXIT
sleep 1

switches() { awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$1/task/$1/status"; }
# CPU nanoseconds of all the process's threads (scheduler statistics: finer than clock ticks).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'; }

# measure NAME: the figures of the running $pid over $seconds, as "NAME wakeups/s cpu%".
measure() {
  sleep 4  # start-up and the first deal are not idle time
  local s0 t0 s1 t1
  s0=$(switches "$pid"); t0=$(cpu_ns "$pid")
  sleep "$seconds"
  s1=$(switches "$pid"); t1=$(cpu_ns "$pid")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  awk -v n="$1" -v s=$(( s1 - s0 )) -v t=$(( t1 - t0 )) -v d="$seconds" \
    'BEGIN { printf "%s %.2f %.3f\n", n, s / d, 100 * t / 1e9 / d }'
}

sorimo() {
  rm -rf "$tmp/app"; cp -r "$app_dir" "$tmp/app"
  rm -f "$tmp/app/Sorimo.ini" "$tmp/app/Hallfame.ini"
  printf '[Sorimo]\r\nStartDirectly=%s\r\nPlayMusic=0\r\nPauseFocus=0\r\n' "$1" > "$tmp/app/Sorimo.ini"
  DISPLAY=$disp SDL_AUDIODRIVER=dummy "$tmp/app/sorimo" >/dev/null 2>&1 &
  pid=$!
}

{
  sorimo 0; measure "sorimo-welcome"
  sorimo 1; measure "sorimo-game"
  if command -v kmahjongg >/dev/null; then
    # A KDE program wants a session bus; the game is the bus's child.
    HOME="$tmp/home" DISPLAY=$disp dbus-run-session -- kmahjongg >/dev/null 2>&1 &
    runner=$!
    sleep 2
    pid=$(pgrep -n -P "$runner" -x kmahjongg)
    measure "kmahjongg-game"
    wait "$runner" 2>/dev/null || true
  fi
} > "$tmp/figures"

awk -v d="$seconds" '
  { name[NR] = $1; wake[NR] = $2; cpu[NR] = $3; if ($1 == "kmahjongg-game") peer = $3 }
  END {
    printf "over %d s, idle (main thread wake-ups a second, CPU share of one core):\n", d
    for (i = 1; i <= NR; ++i) {
      printf "  %-16s %6.2f wake-ups/s  %6.3f %% CPU", name[i], wake[i], cpu[i]
      if (peer > 0 && i <= 2) printf "  (%.2f x kmahjongg)", cpu[i] / peer
      printf "\n"
    }
  }' "$tmp/figures"
