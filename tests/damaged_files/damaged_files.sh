#!/bin/bash
# Damages each file the program reads at start-up, one at a time, in each of ten ways (100
# cases), starts the real window on it (damaged_start, built with the tests) and prints a table:
# whether it started, whether the player was told the file's name, and what else changed.
#
#   tests/damaged_files/damaged_files.sh [build folder]
#
# Run it as a normal user: root reads files without permission, so as root the script runs
# itself again as "nobody". A case fails when the program does not start (or hangs), when a
# file it must name (the settings, the hall of fame, the chosen layout) is damaged beyond use
# and not named, when a file it cannot read is changed, or when any other file changes (the
# settings and the hall of fame are written at every exit and are not counted then).
set -u
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$source_dir/build}" && pwd)
driver=$build/tests/damaged_files/damaged_start
[ -x "$driver" ] || { echo "build $driver first (cmake --build $build --target damaged_start)"; exit 2; }
if [ "$(id -u)" = 0 ]; then
  exec setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/tmp QT_QPA_PLATFORM=offscreen \
    SDL_AUDIODRIVER=dummy PATH="$PATH" bash "$0" "$build"
fi
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

work=$(mktemp -d "${TMPDIR:-/tmp}/sorimo-damaged-XXXXXX")
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work"' EXIT
base=$work/base
cp -r "$source_dir/data" "$base"
# The player's files: Traditional chosen, one result in its list, the first piece of music.
printf '[Sorimo]\nBoardNumber=23\nMidiNumber=1\nCurrentPlayer1=Ann\n' >"$base/Sorimo.ini"
printf '[Traditional]\nRank1=Ann       250    0\n' >"$base/Hallfame.ini"

files=(Sorimo.ini Hallfame.ini Layouts/Traditional.lay Layouts/Arena.lay Layouts/Pyramid.lay
       Backgrounds/andromeda.jpg Tilesets/bluepai.bmp Musics/Dawn.mid sorimo.rtf whatsnew.rtf)
damages=(empty truncated huge garbage utf16 latin1 folder loop fifo noperm)

damage() {  # damage <kind> <path>
  local kind=$1 path=$2 size
  size=$(stat -c %s "$path")
  case $kind in
    empty) : >"$path" ;;
    truncated) truncate -s $((size / 2)) "$path" ;;
    huge) truncate -s 100M "$path" ;;
    garbage) head -c 4096 /dev/urandom >"$path" ;;
    utf16) iconv -f LATIN1 -t UTF-16 "$path" >"$path.16" && mv "$path.16" "$path" ;;
    latin1) printf 'Ren\xe9\n' >>"$path" ;;
    folder) rm "$path" && mkdir "$path" && : >"$path/inside" ;;
    loop) rm "$path" && ln -s "$(basename "$path")" "$path" ;;
    fifo) rm "$path" && mkfifo "$path" ;;
    noperm) chmod 000 "$path" ;;
  esac
}

# What the folder holds: each path with its type and, for files, a checksum.
snapshot() {
  (cd "$1" && find . -mindepth 1 -printf '%y %p %l\n' | sort | while read -r type path link; do
     if [ "$type" = f ] && [ -r "$path" ]; then echo "$path f $(sha256sum <"$path" | cut -c1-16)"
     else echo "$path $type $link"; fi
   done)
}

is_store() { [ "$1" = Sorimo.ini ] || [ "$1" = Hallfame.ini ]; }

must_name() {  # must_name <file> <kind>
  case $1 in
    Sorimo.ini|Hallfame.ini) case $2 in huge|garbage|utf16|folder|loop|fifo|noperm) return 0 ;; esac ;;
    # A folder in a layout's place is no layout: the Layout menu lists it not at all.
    Layouts/Traditional.lay) case $2 in latin1|folder) ;; *) return 0 ;; esac ;;
  esac
  return 1
}

failures=0
printf '%-26s %-9s %-8s %-6s %s\n' file damage started named "other files changed"
for file in "${files[@]}"; do
  for kind in "${damages[@]}"; do
    folder=$work/case
    chmod -R u+rwx "$folder" 2>/dev/null; rm -rf "$folder"
    cp -r "$base" "$folder"
    damage "$kind" "$folder/$file"
    before=$(snapshot "$folder")
    output=$(timeout 60 "$driver" "$folder" 2>/dev/null)
    status=$?
    after=$(snapshot "$folder")
    started=no; [ $status -eq 0 ] && grep -qx started <<<"$output" && started=yes
    [ $status -eq 124 ] && started=hung
    named=no; grep -E '^(message|question):' <<<"$output" | grep -qF "$(basename "$file")" && named=yes
    # Changes: the two stores are written at exit, and their lock file made; the damaged file
    # itself may change only when the program could use it (then it is one of the stores).
    changed=$(diff <(echo "$before") <(echo "$after") | grep '^[<>]' | cut -c3- | cut -d' ' -f1 | sort -u |
              grep -vxE "\./(Sorimo\.ini|Hallfame\.ini|Hallfame\.ini\.lock)" | tr '\n' ' ')
    damaged_changed=$(diff <(grep "^\./$file " <<<"$before") <(grep "^\./$file " <<<"$after") >/dev/null || echo yes)
    verdict=ok
    [ "$started" = yes ] || verdict=FAIL
    must_name "$file" "$kind" && [ "$named" = no ] && verdict=FAIL
    [ -n "$changed" ] && verdict=FAIL
    if [ "$damaged_changed" = yes ] && { must_name "$file" "$kind" || ! is_store "$file"; }; then
      verdict=FAIL; changed="$changed(the damaged file) "
    fi
    [ "$verdict" = FAIL ] && failures=$((failures + 1))
    printf '%-26s %-9s %-8s %-6s %s%s\n' "$file" "$kind" "$started" "$named" "${changed:--}" \
      "$([ "$verdict" = FAIL ] && echo '   FAIL')"
  done
done
echo "$((${#files[@]} * ${#damages[@]})) cases, $failures failed"
[ $failures -eq 0 ]
