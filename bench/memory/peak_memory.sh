#!/usr/bin/env bash
# Peak memory (maximum resident set, /usr/bin/time -v) of the program left on a running classic
# game for a while, with the music playing and, as the baseline of the same run, without it.
# Runs in a virtual display with SDL's dummy audio device, which still renders the music.
#   bench/memory/peak_memory.sh [build/app] [seconds]
set -euo pipefail
app_dir=$(realpath "${1:-build/app}")
seconds=${2:-10}
tmp=$(mktemp -d)
disp=:$(( 500 + RANDOM % 300 ))
Xvfb "$disp" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
trap 'kill $xpid 2>/dev/null || true; rm -rf "$tmp"' EXIT
sleep 1

# peak KEY=VALUE...: the maximum resident set in kB of one run with these settings.
peak() {
  rm -rf "$tmp/app"
  cp -r "$app_dir" "$tmp/app"
  rm -f "$tmp/app/Sorimo.ini" "$tmp/app/Hallfame.ini"
  { printf '[Sorimo]\r\nStartDirectly=1\r\n'; for kv in "$@"; do printf '%s\r\n' "$kv"; done; } > "$tmp/app/Sorimo.ini"
  DISPLAY=$disp SDL_AUDIODRIVER=dummy /usr/bin/time -v -o "$tmp/time.txt" "$tmp/app/sorimo" >/dev/null 2>&1 &
  local tpid=$!
  sleep "$seconds"
  pkill -TERM -P "$tpid" || true
  wait "$tpid" || true
  awk -F': ' '/Maximum resident set size/ {print $2}' "$tmp/time.txt"
}

silent=$(peak PlayMusic=0)
music=$(peak PlayMusic=1 StartMusic=1)
awk -v s="$silent" -v m="$music" 'BEGIN {
  printf "peak without music: %.1f MB\npeak with music:    %.1f MB (%.2f x without)\n", s / 1024, m / 1024, m / s }'
