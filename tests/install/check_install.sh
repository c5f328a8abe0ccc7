#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks the tree: exactly the two programs, the
# desktop entry, icon, metainfo and manual pages; the programs run from there; the files agree.
# Usage: check_install.sh CMAKE BUILD-DIR SOURCE-DIR VERSION APP-ID PUZZLE-WITH-ONE-SOLUTION
set -uo pipefail
cmake=$1 build=$2 source=$3 version=$4 id=$5 puzzle=$6

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
root="$tmp/root"
prefix="$root/usr"
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }

# Nothing else: no test, benchmark or screenshot program, no libraries or headers.
expected="bin/corvane
bin/corvane-check
share/applications/$id.desktop
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/corvane-check.1.gz
share/man/man6/corvane.6.gz
share/metainfo/$id.metainfo.xml"
installed="$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)"
[ "$installed" = "$expected" ] ||
    fail "installed files differ:"$'\n'"$(diff <(echo "$expected") <(echo "$installed"))"

# The version comes from the repository: base version, commit date, count and hash.
[ "$version" != "0.1" ] || fail "the version is still 0.1"
pattern='^[0-9]+\.[0-9]+\.[0-9]+$'
git -C "$source" rev-parse -q --verify HEAD >/dev/null 2>&1 &&
    pattern='^[0-9]+\.[0-9]+\.[0-9]+\+git[0-9]{8}\.[0-9]+\.[0-9a-f]{7,}$'
[[ "$version" =~ $pattern ]] || fail "version '$version' is not of the form $pattern"
for program in corvane corvane-check; do
    [ -x "$prefix/bin/$program" ] || { fail "bin/$program is not executable"; continue; }
    out="$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$program" --version 2>&1)"
    [ "$out" = "$program $version" ] || fail "$program --version printed '$out'"
done
out="$("$prefix/bin/corvane-check" "$puzzle" 2>&1)"
[ $? -eq 0 ] && [[ "$out" == *"解は1個でした。"* ]] || fail "installed corvane-check: $out"

# The desktop entry starts the installed program and names the installed icon; the metainfo
# launches that entry. appstreamcli checks the three against each other in the tree.
entry="$prefix/share/applications/$id.desktop"
grep -qx "Exec=corvane %f" "$entry" || fail "desktop entry does not run 'corvane %f'"
grep -qx "Icon=$id" "$entry" || fail "desktop entry does not name icon $id"
grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo id is not $id"
report="$(appstreamcli validate-tree --no-net "$root" 2>&1)" || fail "validate-tree: $report"

# The manual pages format without warnings and document what the programs do.
for page in man1/corvane-check.1.gz man6/corvane.6.gz; do
    text="$(LC_ALL=C.UTF-8 MANWIDTH=80 MANPAGER=cat man --warnings -l "$prefix/share/man/$page" \
        2>"$tmp/man.err")" || fail "man $page failed"
    [ -s "$tmp/man.err" ] && fail "man $page warns: $(cat "$tmp/man.err")"
    for word in NAME SYNOPSIS --version "EXIT STATUS" "Corvane $version"; do
        [[ "$text" == *"$word"* ]] || fail "man $page lacks '$word'"
    done
done
zcat "$prefix/share/man/man6/corvane.6.gz" | grep -q 'XDG_CONFIG_HOME' ||
    fail "corvane(6) does not tell where the settings live"

[ $status -eq 0 ] && echo "installed tree in order"
exit $status
