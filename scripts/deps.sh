#!/usr/bin/env bash
# Installs the Debian 12 packages Corvane needs (sourced by the scripts), by purpose:
#   corvane_install_deps build          compile and package (scripts/package.sh)
#   corvane_install_deps build run      also start the window (scripts/run.sh)
#   corvane_install_deps build run test also build and run every test (scripts/test.sh)
#   corvane_install_deps ... screens    also a real X server and window manager (screenshots)
corvane_build_packages=(
    build-essential cmake ninja-build pkg-config dpkg-dev file
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
)
corvane_run_packages=(qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic)
corvane_test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    desktop-file-utils appstream man-db lintian devscripts
)
corvane_screens_packages=(xvfb openbox)

corvane_install_deps() {
    local wanted=() missing=() group p list
    for group in "$@"; do
        list="corvane_${group}_packages[@]"
        declare -p "corvane_${group}_packages" >/dev/null 2>&1 ||
            { echo "deps.sh: no package group '$group'" >&2; return 1; }
        wanted+=("${!list}")
    done
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Corvane needs these Debian packages, which are not installed:" >&2
        echo "    ${missing[*]}" >&2
        echo "Install them as root, then run this command again:" >&2
        echo "    sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        return 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
