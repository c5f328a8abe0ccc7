#!/usr/bin/env bash
# Installs what is missing, builds Corvane and starts it (with a puzzle file, if one is given).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/deps.sh"
corvane_install_deps build run

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_GUI=ON >/dev/null
cmake --build "$root/build" --target corvane
exec "$root/build/src/app/corvane" "$@"
