#!/usr/bin/env bash
# Builds the program and renders its window into screenshots/*.png: offscreen, the editing tab
# with a puzzle, a paused live search, the solution found on each tab, "相違箇所" (where the two
# solutions of another puzzle differ), the exported pictures of a puzzle and its solution and
# the verdict while typing on a puzzle with a pair missing;
# then, under a real X server (Xvfb, 1024 x 768, with the Openbox window manager for real
# window frames), a 40 x 40 board in a window that fits the screen, and the program started with
# a 30 x 30 puzzle on its command line: the window must lie inside the screen, frame included,
# with the keyboard focus on the board.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/deps.sh"
corvane_install_deps build run screens

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cmake -S "$root" -B "$root/build" -G Ninja -DCORVANE_GUI=ON >/dev/null
cmake --build "$root/build" --target corvane-screenshots -j "$(nproc)"
renderer="$root/build/src/app/corvane-screenshots"

QT_QPA_PLATFORM=offscreen "$renderer" "$root/screenshots"

# Xvfb picks a free display itself and writes its number to the given descriptor.
display_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
wm_pid=""
trap 'kill $wm_pid "$xvfb_pid" 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
[ -s "$display_file" ] || { echo "Xvfb did not report its display" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$display_file")"
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
sleep 1
QT_QPA_PLATFORM=xcb "$renderer" --big-board "$root/screenshots"
QT_QPA_PLATFORM=xcb "$renderer" --startup "$root/examples/unique-30x30.kavrin.txt" \
    "$root/screenshots"
