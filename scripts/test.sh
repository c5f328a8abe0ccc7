#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the normal build (GUI tests
# offscreen) and a sanitizer build of the core without Qt.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/deps.sh"
corvane_install_deps

jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
status=0

echo "== Normal build: core, checker, desktop program, benchmarks =="
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCORVANE_GUI=ON -DCORVANE_BENCH=ON >/dev/null
cmake --build "$root/build" -j "$jobs"
(cd "$root/build" && ctest --output-on-failure -j "$jobs") || status=1

echo "== Sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer), core only, no Qt =="
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DCORVANE_GUI=OFF -DCORVANE_SANITIZE=ON >/dev/null
cmake --build "$root/build-asan" -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$root/build-asan" && ctest --output-on-failure -j "$jobs" -LE heavy) || status=1

if [ -d "$root/fuzz" ] && [ -f "$root/fuzz/CMakeLists.txt" ]; then
    echo "== Fuzzing the puzzle reader (short bounded session) =="
    cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
        -DCORVANE_GUI=OFF -DCORVANE_TESTS=OFF -DCORVANE_FUZZ=ON >/dev/null
    cmake --build "$root/build-fuzz" -j "$jobs" --target puzzle_reader_fuzzer
    (cd "$root/build-fuzz" && ctest --output-on-failure) || status=1
fi

if [ "$status" -ne 0 ]; then echo "SOME TESTS FAILED"; else echo "ALL TESTS PASSED"; fi
exit "$status"
