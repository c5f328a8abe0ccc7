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
failed=()   # "FOLDER: TEST" for every test that failed
reruns=()   # one command per build folder that had failures

# run_ctest FOLDER [CTEST ARGS...]: runs the tests of one build folder and notes the names of
# those that failed, for the summary at the end.
run_ctest() {
    local dir="$1"
    shift
    (cd "$dir" && ctest --output-on-failure "$@") && return 0
    status=1
    local log="$dir/Testing/Temporary/LastTestsFailed.log" line
    if [ -s "$log" ]; then
        while IFS= read -r line; do failed+=("${dir#"$root"/}: ${line#*:}"); done <"$log"
    fi
    reruns+=("(cd ${dir#"$root"/} && ctest --rerun-failed --output-on-failure)")
}

echo "== Normal build: core, checker, desktop program, benchmarks =="
# The install test installs into the configured prefix when it lies inside the build folder, so
# the installed program sees itself under its own prefix.
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$root/build/install-test/usr" \
    -DCORVANE_GUI=ON -DCORVANE_BENCH=ON >/dev/null
cmake --build "$root/build" -j "$jobs"
run_ctest "$root/build" -j "$jobs"

echo "== Sanitizer build (AddressSanitizer + UndefinedBehaviorSanitizer), core only, no Qt =="
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DCORVANE_GUI=OFF -DCORVANE_SANITIZE=ON >/dev/null
cmake --build "$root/build-asan" -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_ctest "$root/build-asan" -j "$jobs" -LE heavy

if [ -d "$root/fuzz" ] && [ -f "$root/fuzz/CMakeLists.txt" ]; then
    echo "== Fuzzing the puzzle reader (short bounded session) =="
    cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
        -DCORVANE_GUI=OFF -DCORVANE_TESTS=OFF -DCORVANE_FUZZ=ON >/dev/null
    cmake --build "$root/build-fuzz" -j "$jobs" --target puzzle_reader_fuzzer
    run_ctest "$root/build-fuzz"
fi

echo "== Debian package: built by scripts/package.sh, checked with lintian and hardening-check =="
package_rerun='bash tests/package/check_package.sh "$(./scripts/package.sh)"'
if deb="$("$root/scripts/package.sh")"; then
    if ! bash "$root/tests/package/check_package.sh" "$deb"; then
        status=1
        failed+=("package: tests/package/check_package.sh")
        reruns+=("$package_rerun")
    fi
else
    echo "FAIL: scripts/package.sh"
    status=1
    failed+=("package: scripts/package.sh")
    reruns+=("$package_rerun")
fi

if [ "$status" -ne 0 ]; then
    if [ "${#failed[@]}" -gt 0 ]; then
        echo "Failed tests:"
        printf '  %s\n' "${failed[@]}"
    fi
    echo "Rerun only the failed tests (from $root):"
    printf '  %s\n' "${reruns[@]}"
    echo "SOME TESTS FAILED"
else
    echo "ALL TESTS PASSED"
fi
exit "$status"
