#!/usr/bin/env bash
# Installs the build into a fresh prefix, checks the desktop files, then runs the installed
# program twice with its prefix read-only: its settings and hall of fame must be written under
# XDG_CONFIG_HOME, never under the prefix, and a setting must survive from one run to the next.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/games/sorimo" ] || fail "no program in games/"
[ -f "$prefix/share/sorimo/Layouts/Traditional.lay" ] || fail "no layouts in share/sorimo/"
[ -f "$prefix/share/applications/org.sorimo.Sorimo.desktop" ] || fail "no .desktop file"
[ -f "$prefix/share/metainfo/org.sorimo.Sorimo.metainfo.xml" ] || fail "no metainfo file"
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/sorimo.png
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  # The PNG header holds the width and height at bytes 16..23, big-endian.
  dims=$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')
  [ "$dims" = "$(printf '%08x%08x' "$size" "$size")" ] || fail "the ${size}x${size} icon's header reads $dims"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.sorimo.Sorimo.desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.sorimo.Sorimo.metainfo.xml" >/dev/null ||
    appstreamcli validate --no-net "$prefix/share/metainfo/org.sorimo.Sorimo.metainfo.xml" || fail "appstreamcli validate"
fi

chmod -R a-w "$prefix"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
mkdir -p "$HOME"
ini=$XDG_CONFIG_HOME/sorimo/Sorimo.ini

# Starts the installed program, gives it time to come up, and ends it as a session does.
run() {
  "$prefix/games/sorimo" >"$work/out.txt" 2>&1 &
  local pid=$!
  sleep 4
  kill -TERM $pid
  wait $pid || fail "the program did not end cleanly on SIGTERM: $(cat "$work/out.txt")"
}

run
[ -f "$ini" ] || fail "no Sorimo.ini under XDG_CONFIG_HOME"
[ -f "$XDG_CONFIG_HOME/sorimo/Hallfame.ini" ] || fail "no Hallfame.ini under XDG_CONFIG_HOME"
[ -z "$(find "$prefix" -name '*.ini')" ] || fail "a file was written under the prefix"
grep -q '^Highlight=' "$ini" || fail "Sorimo.ini has no Highlight key"

# A choice the player made is read at the next start and written back unchanged.
sed -i 's/^Highlight=.*/Highlight=4/' "$ini"
run
grep -q '^Highlight=4' "$ini" || fail "the setting did not survive a run: $(grep '^Highlight' "$ini")"

# The window's class is the one the desktop file names, so a desktop groups the window under its
# menu entry. Seen on an X server, where there is one.
wmclass=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/org.sorimo.Sorimo.desktop")
[ -n "$wmclass" ] || fail "the desktop file names no StartupWMClass"
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v xprop >/dev/null; then
  display=:$(( 500 + $$ % 400 ))
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  sleep 1
  DISPLAY=$display QT_QPA_PLATFORM=xcb "$prefix/games/sorimo" >"$work/out.txt" 2>&1 &
  program=$!
  window=$(DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --name '^Sorimo 6.21 $' | head -1) || true
  class=$( [ -n "$window" ] && DISPLAY=$display xprop -id "$window" WM_CLASS || true)
  kill -TERM $program; wait $program || true
  kill $xvfb; wait $xvfb 2>/dev/null || true
  [ -n "$window" ] || fail "no main window appeared on the X server: $(cat "$work/out.txt")"
  [[ "$class" == *", \"$wmclass\"" ]] || fail "the window's class is $class, the desktop file says $wmclass"
fi
echo "installed program: files under $XDG_CONFIG_HOME/sorimo, kept across runs"
