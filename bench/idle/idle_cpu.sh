#!/usr/bin/env bash
# Idle cost of a running classic game: starts the built program in a virtual display straight
# into a game ("Begin game directly at startup"), leaves it alone, and reports the CPU time it
# used over a measured interval as a share of one core. Baseline: a bare X client doing nothing
# (xdotool sleep) measured over the same interval.
#   bench/idle/idle_cpu.sh [build/app] [seconds]
set -euo pipefail
app_dir=${1:-build/app}
seconds=${2:-60}
tmp=$(mktemp -d)
trap 'kill $pid $xpid 2>/dev/null || true; rm -rf "$tmp"' EXIT
cp -r "$app_dir"/. "$tmp"/
rm -f "$tmp/Sorimo.ini" "$tmp/Hallfame.ini"
printf '[Sorimo]\r\nStartDirectly=1\r\nPlayMusic=0\r\n' > "$tmp/Sorimo.ini"
disp=:$(( 500 + RANDOM % 300 ))
Xvfb "$disp" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
sleep 1
DISPLAY=$disp "$tmp/sorimo" >/dev/null 2>&1 &
pid=$!
sleep 3  # start-up and the first deal are not idle time
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks $pid)
sleep "$seconds"
after=$(ticks $pid)
used=$(( after - before ))
awk -v u="$used" -v hz="$hz" -v s="$seconds" \
  'BEGIN { printf "idle game: %.3f s of CPU in %d s = %.2f %% of one core\n", u / hz, s, 100 * u / hz / s }'
