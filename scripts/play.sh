#!/usr/bin/env bash
# Sets up what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DSORIMO_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)"
exec build/app/sorimo "$@"
