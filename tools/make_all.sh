#!/usr/bin/env bash
# Makes every generated asset again: the tilesets and tile pictures, the backgrounds and the
# pictures built into the program, the layouts, the sound effects and the music. Run from
# anywhere; writes into data/ and resources/ of this checkout. Needs qt6-base-dev,
# fonts-wqy-microhei, fonts-arphic-ukai, fonts-urw-base35 and fonts-dejavu-core (apt-get
# install them first).
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
cmake -S tools/tileset -B build-tiles >/dev/null && cmake --build build-tiles -j"$jobs" >/dev/null
build-tiles/sorimo_tileset
cmake -S tools/pictures -B build-pictures >/dev/null && cmake --build build-pictures -j"$jobs" --target make_pictures >/dev/null
cmake -S tools/layouts -B build-layout-tool >/dev/null && cmake --build build-layout-tool -j"$jobs" >/dev/null
build-layout-tool/make_layouts data/Layouts
cmake -S tools/sounds -B build-sound-tool >/dev/null && cmake --build build-sound-tool --target make_effects >/dev/null
cmake -S tools/music -B build-music-tool >/dev/null && cmake --build build-music-tool --target make_music >/dev/null
git status --short data resources audio
