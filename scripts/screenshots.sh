#!/usr/bin/env bash
# Builds the program and renders its window offscreen into screenshots/*.png: the editing tab
# with a puzzle, a paused live search, the solution found on each tab, "相違箇所" (where the two
# solutions of another puzzle differ), and the exported pictures of a puzzle and its solution.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/deps.sh"
corvane_install_deps

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cmake -S "$root" -B "$root/build" -G Ninja -DCORVANE_GUI=ON >/dev/null
cmake --build "$root/build" --target corvane-screenshots -j "$(nproc)"
"$root/build/src/app/corvane-screenshots" "$root/screenshots"
