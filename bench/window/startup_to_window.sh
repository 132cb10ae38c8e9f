#!/usr/bin/env bash
# Start-up as the player waits for it: from launching the process to the first window of the
# program mapped on the X server (Xvfb, seen as a MapNotify on the root window), each start a
# new process with the settings of a first start. Baseline in the same run: a bare X client
# (xev) launched the same way. Median of the rounds, in milliseconds.
#   bench/window/startup_to_window.sh [build/app] [rounds]
set -euo pipefail
app_dir=$(realpath "${1:-build/app}")
rounds=${2:-5}
tmp=$(mktemp -d)
disp=:$(( 500 + RANDOM % 300 ))
Xvfb "$disp" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
watcher=
trap 'kill $watcher $xpid 2>/dev/null || true; rm -rf "$tmp"' EXIT
sleep 1

# Every window mapped on the display: the time it was seen, one line each.
( xev -root -event substructure -display "$disp" | while IFS= read -r line; do
    case $line in MapNotify*) date +%s%N >> "$tmp/maps" ;; esac
  done ) &
watcher=$!
sleep 0.5

# launch COMMAND...: milliseconds from the launch to the first window it maps.
launch() {
  : > "$tmp/maps"
  local t0 t1 pid
  t0=$(date +%s%N)
  DISPLAY=$disp SDL_AUDIODRIVER=dummy "$@" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 3000); do [ -s "$tmp/maps" ] && break; sleep 0.005; done
  t1=$(head -1 "$tmp/maps")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo $(( (t1 - t0) / 1000000 ))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for _ in $(seq "$rounds"); do
  launch xev >> "$tmp/bare"
  rm -rf "$tmp/app"; cp -r "$app_dir" "$tmp/app"; rm -f "$tmp/app/Sorimo.ini" "$tmp/app/Hallfame.ini"
  launch "$tmp/app/sorimo" >> "$tmp/sorimo"
done
bare=$(median < "$tmp/bare")
program=$(median < "$tmp/sorimo")
awk -v b="$bare" -v p="$program" -v n="$rounds" 'BEGIN {
  printf "launch to first window mapped, median of %d: sorimo %d ms, bare X client %d ms (%.2f x)\n", n, p, b, p / b }'
