#!/usr/bin/env bash
# Builds the Debian package of Corvane from this clone (Release, no tests) in build-package/
# and prints the path of the .deb on standard output; everything else goes to standard error,
# so `sudo apt install "$(./scripts/package.sh)"` builds and installs it in one command.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
exec 3>&1 1>&2
source "$root/scripts/deps.sh"
corvane_install_deps

build="$root/build-package"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCORVANE_GUI=ON -DCORVANE_TESTS=OFF -DCORVANE_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/corvane_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/corvane_*.deb)
[ -f "${debs[0]}" ] || { echo "cpack made no .deb" >&2; exit 1; }
echo "${debs[0]}" >&3
