#!/usr/bin/env bash
# Installs the Debian 12 packages Corvane needs to build, run and test (sourced by the scripts).
corvane_packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev fonts-ipafont-gothic
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    desktop-file-utils appstream man-db dpkg-dev file qt6-qpa-plugins xvfb openbox
)

corvane_install_deps() {
    local missing=()
    local p
    for p in "${corvane_packages[@]}"; do
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
