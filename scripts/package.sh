#!/usr/bin/env bash
# Builds the Debian package of Corvane from this clone in build-package/: a Release build
# without tests, for the prefix /usr, with the distribution's hardening flags and without
# -Werror. Prints the path of the .deb on standard output (everything else goes to standard
# error). With --install it then installs the package with apt (as root, or through sudo).
# Any failure stops it with a non-zero exit status.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

install=0
for arg in "$@"; do
    case "$arg" in
    --install) install=1 ;;
    -h | --help)
        echo "Usage: scripts/package.sh [--install]"
        exit 0
        ;;
    *)
        echo "package.sh: unknown argument '$arg' (usage: scripts/package.sh [--install])" >&2
        exit 2
        ;;
    esac
done
if [ "$install" -eq 1 ] && [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null; then
    echo "package.sh: --install needs root or sudo" >&2
    exit 1
fi

exec 3>&1 1>&2
source "$root/scripts/deps.sh"
corvane_install_deps build

# The distribution's flags, as a Debian package build uses them, with every hardening feature
# (BIND_NOW among them) and without debug information, which the package would strip anyway;
# on x86 also the stack clash protection. (Control flow protection cannot take effect on
# Debian 12: its C start-up files lack the IBT and SHSTK marks, so the linker drops them.)
# dpkg-buildflags maps the source folder to "." in the debug paths when run from it.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_CXXFLAGS_MAINT_STRIP=-g
case "$(dpkg --print-architecture)" in
amd64 | i386) export DEB_CXXFLAGS_MAINT_APPEND="-fstack-clash-protection" ;;
esac
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"

build="$root/build-package"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCORVANE_WERROR=OFF \
    -DCORVANE_GUI=ON -DCORVANE_TESTS=OFF -DCORVANE_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/corvane_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/corvane_*.deb)
[ -f "${debs[0]}" ] || { echo "package.sh: cpack made no .deb" >&2; exit 1; }
deb="${debs[0]}"

if [ "$install" -eq 1 ]; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    # --reinstall: a package rebuilt from the same commit (with local changes) replaces the
    # installed one too.
    "${sudo[@]}" apt-get install -y --reinstall "$deb"
    echo "Installed $(basename "$deb")"
fi
echo "$deb" >&3
