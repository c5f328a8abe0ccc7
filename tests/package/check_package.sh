#!/usr/bin/env bash
# Checks a Debian package of Corvane as a distribution would take it: the version of the
# package is the one both programs print; the programs, documents and desktop files lie where
# Debian policy puts them; lintian --pedantic reports no error and no warning (the remaining
# informational tags are listed); hardening-check finds PIE, stack protector, fortified
# functions, RELRO and BIND_NOW in both programs. A check whose tool is not installed is
# skipped with a message.
# Usage: check_package.sh DEB
set -uo pipefail
deb=$1
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

dpkg-deb -x "$deb" "$tmp/root" || { echo "FAIL: dpkg-deb cannot unpack $deb" >&2; exit 1; }
version="$(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
for file in usr/games/corvane usr/games/corvane-check usr/share/doc/corvane/copyright \
    usr/share/doc/corvane/changelog.gz usr/share/doc/corvane/README.gz; do
    [ -f "$tmp/root/$file" ] || fail "$file is missing"
done
for program in usr/games/corvane usr/games/corvane-check; do
    out="$(env -u DISPLAY -u WAYLAND_DISPLAY "$tmp/root/$program" --version 2>&1)"
    [ "$out" = "$(basename "$program") $version" ] || fail "$program --version printed '$out'"
done
grep -qx "Exec=/usr/games/corvane %f" "$tmp/root/usr/share/applications/"*.desktop ||
    fail "the desktop entry does not start /usr/games/corvane"

if command -v lintian >/dev/null; then
    lintian --pedantic --display-info --tag-display-limit 0 "$deb" >"$tmp/lintian" 2>&1
    grep -E '^[EW]: ' "$tmp/lintian" && fail "lintian reports errors or warnings"
    grep -E '^[IPX]: ' "$tmp/lintian" | sed 's/^/lintian: /'
else
    echo "SKIP: lintian is not installed"
fi

if command -v hardening-check >/dev/null; then
    for program in usr/games/corvane usr/games/corvane-check; do
        report="$(hardening-check "$tmp/root/$program")"
        for feature in "Position Independent Executable" "Stack protected" \
            "Fortify Source functions" "Read-only relocations" "Immediate binding"; do
            grep -q "^ $feature: yes" <<<"$report" || fail "$program: $(grep "$feature" <<<"$report")"
        done
    done
else
    echo "SKIP: hardening-check (devscripts) is not installed"
fi

[ $status -eq 0 ] && echo "package $(basename "$deb") in order"
exit $status
