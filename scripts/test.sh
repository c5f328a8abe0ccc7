#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the normal build (GUI tests
# offscreen), a sanitizer build of the core without Qt, a short fuzzing session and the Debian
# package as scripts/package.sh builds it, checked with lintian and hardening-check.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/deps.sh"
corvane_install_deps build run test

jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
status=0

echo "== Normal build: core, checker, desktop program, benchmarks =="
# The install test installs into the configured prefix when it lies inside the build folder, so
# the installed program sees itself under its own prefix.
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$root/build/install-test/usr" \
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

echo "== Debian package: built by scripts/package.sh, checked with lintian and hardening-check =="
if deb="$("$root/scripts/package.sh")"; then
    bash "$root/tests/package/check_package.sh" "$deb" || status=1
else
    echo "FAIL: scripts/package.sh"
    status=1
fi

if [ "$status" -ne 0 ]; then echo "SOME TESTS FAILED"; else echo "ALL TESTS PASSED"; fi
exit "$status"
