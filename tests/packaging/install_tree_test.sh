#!/usr/bin/env bash
# `cmake --install` into an empty prefix installs exactly the expected files,
# and they hang together as a desktop sees them: the entry's icon name has an
# image at every size, the metainfo's launchable is the entry.
# Usage: install_tree_test.sh BUILD_DIR WORK_DIR FILE...
set -euo pipefail
build=$1 prefix=$2/prefix
shift 2
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

expected=$(printf '%s\n' "$@" | sort)
actual=$(cd "$prefix" && find . -type f -printf '%P\n' | sort)
[[ $actual == "$expected" ]] || fail "installed files differ from the expected ones:
$(diff <(echo "$expected") <(echo "$actual"))"

[[ -x $prefix/bin/bcc-check ]] || fail "bin/bcc-check is not executable"
# Qt comes from the system, so the program needs no library search path; one
# into the build tree would break the installed copy once the build is gone.
if readelf -d "$prefix/bin/bcc-check" | grep -E 'RPATH|RUNPATH'; then
    fail "bin/bcc-check has a library search path"
fi

icon=$(sed -n 's/^Icon=//p' "$prefix"/share/applications/*.desktop)
hicolor=$prefix/share/icons/hicolor
for size in 16 32; do
    png=$hicolor/${size}x$size/apps/$icon.png
    [[ -f $png ]] || fail "no ${size}px image for Icon=$icon"
    info=$(file -b "$png")
    [[ $info == *"$size x $size, 4-bit colormap"* ]] || fail "${size}px icon is not a 16-colour palette image: $info"
done
[[ -f $hicolor/scalable/apps/$icon.svg ]] || fail "no scalable image for Icon=$icon"

appstreamcli validate-tree --no-net --strict "$prefix" || fail "appstreamcli validate-tree"
echo "PASS: ${#@} files installed"
