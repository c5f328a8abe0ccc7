#!/usr/bin/env bash
# Installs a build into a temporary root and checks the tree: exactly the programs, the desktop
# entry, icon, metainfo, manual pages and documents; the programs run from there and print the
# build's version; the licence and the documents are complete; the installed program keeps its
# settings per user although its folder is writable, and a copy elsewhere keeps them beside it.
# When the build's configured prefix lies inside the build folder (as scripts/test.sh
# configures it), the tree is installed there, so the program sees itself installed under its
# own prefix; otherwise under a temporary prefix, without the installed-copy settings check.
# Usage: check_install.sh CMAKE BUILD-DIR SOURCE-DIR VERSION APP-ID PREFIX GAMES-DIR PUZZLE
set -uo pipefail
cmake=$1 build=$2 source=$3 version=$4 id=$5 configured=$6 games=$7 puzzle=$8

tmp="$(mktemp -d)"
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

if [[ "$configured/" == "$build/"* ]]; then
    prefix="$configured"
    installed_copy=1
    rm -rf "$prefix"
    trap 'rm -rf "$tmp" "$prefix"' EXIT
    "$cmake" --install "$build" >"$tmp/install.log" 2>&1
else
    prefix="$tmp/root/usr"
    installed_copy=0
    trap 'rm -rf "$tmp"' EXIT
    echo "SKIP: the settings of an installed copy: the configured prefix $configured lies" \
        "outside the build folder (scripts/test.sh configures one inside)"
    "$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1
fi
[ $? -eq 0 ] || { cat "$tmp/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }
games="${games/#$configured/$prefix}"

# Nothing else: no test, benchmark or screenshot program, no libraries or headers.
gamesdir="${games#"$prefix"/}"
expected="$(LC_ALL=C sort <<EOF
$gamesdir/corvane
$gamesdir/corvane-check
share/applications/$id.desktop
share/doc/corvane/README.gz
share/doc/corvane/changelog.gz
share/doc/corvane/copyright
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/corvane-check.1.gz
share/man/man6/corvane.6.gz
share/metainfo/$id.metainfo.xml
EOF
)"
installed="$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)"
[ "$installed" = "$expected" ] ||
    fail "installed files differ:"$'\n'"$(diff <(echo "$expected") <(echo "$installed"))"

# The version comes from the repository: base version, commit date, count and hash.
[ "$version" != "0.1" ] || fail "the version is still 0.1"
pattern='^[0-9]+\.[0-9]+\.[0-9]+$'
git -C "$source" rev-parse -q --verify HEAD >/dev/null 2>&1 &&
    pattern='^[0-9]+\.[0-9]+\.[0-9]+\+git[0-9]{8}\.[0-9]+\.[0-9a-f]{7,}$'
[[ "$version" =~ $pattern ]] || fail "version '$version' is not of the form $pattern"
for program in "$gamesdir/corvane" "$gamesdir/corvane-check"; do
    [ -x "$prefix/$program" ] || { fail "$program is not executable"; continue; }
    out="$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/$program" --version 2>&1)"
    [ "$out" = "$(basename "$program") $version" ] || fail "$program --version printed '$out'"
done
out="$("$games/corvane-check" "$puzzle" 2>&1)"
[ $? -eq 0 ] && [[ "$out" == *"解は1個でした。"* ]] || fail "installed corvane-check: $out"

# The licence: the copyright file in the machine-readable format with the whole of LICENSE.
doc="$prefix/share/doc/corvane"
copyright="$(cat "$doc/copyright" 2>/dev/null)"
grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
    <<<"$copyright" || fail "copyright is not machine-readable"
grep -qx "Copyright: .*The Corvane authors" <<<"$copyright" || fail "copyright names no holder"
license_text="$(sed -n '/^License: Expat$/,$p' <<<"$copyright" | tail -n +2 | sed 's/^ //; s/^\.$//')"
[ "$license_text" = "$(sed '1,/^Copyright (c)/d' "$source/LICENSE" | sed '1{/^$/d}')" ] ||
    fail "the licence text in copyright differs from LICENSE"
[ "$(zcat "$doc/changelog.gz" 2>/dev/null | head -n 1)" = "corvane ($version) unstable; urgency=medium" ] ||
    fail "changelog.gz does not start with this version's entry"
cmp -s <(zcat "$doc/README.gz" 2>/dev/null) "$source/README.md" || fail "README.gz is not README.md"

# The desktop entry starts the installed program and names the installed icon and the window
# class; the metainfo launches that entry and carries the licence and this release.
# appstreamcli checks the three against each other in the tree.
entry="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
grep -Fqx "Exec=$configured/${gamesdir}/corvane %f" "$entry" ||
    fail "desktop entry does not run $configured/$gamesdir/corvane"
grep -Fqx "Icon=$id" "$entry" || fail "desktop entry does not name icon $id"
grep -qx "StartupWMClass=corvane" "$entry" || fail "desktop entry names no window class"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<project_license>MIT</project_license>" "$metainfo" || fail "metainfo has no licence"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"/>" "$metainfo" ||
    fail "metainfo has no release $version"
report="$(appstreamcli validate-tree --no-net "${prefix%/usr}" 2>&1)" || fail "validate-tree: $report"

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

# Where the settings live. The installed program's folder is writable here (as /usr/games is
# for root), yet it keeps its settings per user; the same program copied elsewhere is a
# portable copy and keeps them beside itself. Asking creates nothing.
settings_file() { env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$tmp/xdg" "$1" --settings-file 2>&1; }
if [ "$installed_copy" -eq 1 ]; then
    [ -w "$games" ] || fail "$games is not writable, so the check below proves nothing"
    out="$(settings_file "$games/corvane")"
    [ "$out" = "$tmp/xdg/corvane/config.ini" ] || fail "installed corvane keeps settings in $out"
fi
mkdir -p "$tmp/portable"
cp "$games/corvane" "$tmp/portable/"
out="$(settings_file "$tmp/portable/corvane")"
[ "$out" = "$tmp/portable/config.ini" ] || fail "a portable copy keeps settings in $out"
[ ! -e "$tmp/xdg" ] && [ ! -e "$games/config.ini" ] || fail "--settings-file created files"

[ $status -eq 0 ] && echo "installed tree in order"
exit $status
