#!/usr/bin/env bash
# CPack's Debian package holds the installed files under /usr, owned by root,
# and declares what the program needs at run time: the Qt libraries found by
# dpkg-shlibdeps, the platform plugins it cannot see, and the Japanese fonts.
# Usage: deb_package_test.sh BUILD_DIR WORK_DIR VERSION FILE...
set -euo pipefail
build=$1 work=$2 version=$3
shift 3
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" \
    || { cat "$work/cpack.log"; fail "cpack"; }
deb=$work/bcc-check_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "no $(basename "$deb") among: $(ls "$work")"

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == bcc-check ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version)"
[[ $(field Section) == utils ]] || fail "Section: $(field Section)"

# The package names of a relation field, one a line, without versions.
names() { field "$1" | tr ',|' '\n\n' | sed 's/(.*//; s/ //g' | grep .; }
depends=$(names Depends)
for package in libqt6widgets6 libqt6gui6 qt6-qpa-plugins; do
    grep -qx "$package" <<<"$depends" || fail "Depends lacks $package: $(field Depends)"
done
grep -qx fonts-ipafont-gothic <<<"$depends
$(names Recommends || true)" || fail "neither Depends nor Recommends has fonts-ipafont-gothic"

listing=$(dpkg-deb --contents "$deb")
expected=$(printf './usr/%s\n' "$@" | sort)
actual=$(awk '/^-/ { print $NF }' <<<"$listing" | sort)
[[ $actual == "$expected" ]] || fail "packaged files differ from the expected ones:
$(diff <(echo "$expected") <(echo "$actual"))"
if awk '$2 != "root/root"' <<<"$listing" | grep .; then fail "files not owned by root"; fi
grep -q '^-rwxr-xr-x .* \./usr/bin/bcc-check$' <<<"$listing" || fail "usr/bin/bcc-check is not executable"
echo "PASS: $(basename "$deb"), $(stat -c %s "$deb") bytes"
