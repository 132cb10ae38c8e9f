#!/usr/bin/env bash
# Runs inside a fresh Debian 12 system (scripts/package.sh makes one): installs the package the
# way a player does, checks that the desktop finds what it installed, starts the program from
# its menu entry's command as a plain user, and removes the package again.
#
#   package_check.sh ./sorimo_<version>_<arch>.deb
set -euo pipefail
deb=$1
fail() { echo "package check: FAIL: $*" >&2; exit 1; }
say() { echo "package check: $*"; }

apt-get update -q >/dev/null
say "apt install $deb"
apt-get install -y -q "$deb" >/tmp/apt.log 2>&1 || fail "apt could not install it: $(tail -20 /tmp/apt.log)"
grep -E 'newly installed' /tmp/apt.log || true
dpkg-query -W -f='${Status} ${Version}\n' sorimo
missing=$(ldd /usr/games/sorimo | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries the program needs are not installed: $missing"

# Where the desktop looks: the menu entry, the icon theme and the software centre's metadata.
entry=/usr/share/applications/org.sorimo.Sorimo.desktop
[ -f "$entry" ] || fail "no menu entry in /usr/share/applications"
icon=$(sed -n 's/^Icon=//p' "$entry")
for size in 16 22 24 32 48 64 128 256; do
  [ -f "/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] || fail "no ${size}x${size} icon named $icon"
done
grep -q '<launchable type="desktop-id">org.sorimo.Sorimo.desktop</launchable>' \
  /usr/share/metainfo/org.sorimo.Sorimo.metainfo.xml || fail "the metainfo does not name the menu entry"
[ -f /usr/share/sorimo/Layouts/Traditional.lay ] || fail "no layouts in /usr/share/sorimo"
[ -f /usr/share/doc/sorimo/copyright ] || fail "no copyright file"
say "menu entry, icons, metainfo and data in place"

# The menu entry's command, its field codes (%f, %u, ...) dropped as a launcher drops them when
# it has no file to pass, run as a player would: a plain user, found through Debian's PATH.
exec_line=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ %[a-zA-Z]//g')
say "starting the menu entry's command: $exec_line"
# A plain user, written by hand: a minimal system may have no useradd.
echo 'player:x:1000:1000::/home/player:/bin/bash' >>/etc/passwd
echo 'player:x:1000:' >>/etc/group
home=/home/player
mkdir -p $home && chown 1000:1000 $home
cat >$home/run.sh <<RUN
$exec_line >$home/out.txt 2>&1 &
pid=\$!
sleep 6
kill -0 \$pid 2>/dev/null || { echo "the program ended by itself"; exit 1; }
kill -TERM \$pid
wait \$pid || { echo "the program did not end cleanly on SIGTERM"; exit 1; }
RUN
setpriv --reuid=1000 --regid=1000 --clear-groups env -i HOME=$home PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
  LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy /bin/bash $home/run.sh ||
  fail "$(cat $home/out.txt)"
[ -f $home/.config/sorimo/Sorimo.ini ] || fail "no Sorimo.ini in the player's ~/.config/sorimo: $(cat $home/out.txt)"
say "the program ran from the menu entry's command and kept its settings in ~/.config/sorimo"
[ -s $home/out.txt ] && { say "its output:"; cat $home/out.txt; }

apt-get purge -y -q sorimo >/dev/null 2>&1 || fail "the package does not remove cleanly"
[ ! -e /usr/games/sorimo ] && [ ! -e /usr/share/sorimo ] || fail "files are left after removing the package"
say "removed cleanly"
