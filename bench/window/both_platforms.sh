#!/usr/bin/env bash
# A window benchmark as the player gets it and as the tests run it: on an X server (Xvfb, the
# xcb platform, where painting goes through the server) and on the offscreen platform, one
# after the other, each reporting against its own baseline of the same run.
#   bench/window/both_platforms.sh build-bench/bench/window/interaction_bench [benchmark flags]
set -euo pipefail
bench=$1
shift
disp=:$(( 500 + RANDOM % 300 ))
Xvfb "$disp" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
trap 'kill $xpid 2>/dev/null || true' EXIT
sleep 1
echo "== offscreen"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$bench" "$@"
echo "== xcb on Xvfb"
DISPLAY=$disp QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$bench" "$@"
