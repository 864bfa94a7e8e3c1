#!/usr/bin/env bash
# The installed program, started by its desktop entry's command, runs on the
# offscreen platform, and on X11 opens its window: of the entry's
# StartupWMClass, with both icon sizes, and "61", the BCC of the sample lines,
# in its title after a click on the button. Needs an X server: run it under
# xvfb-run.
# Usage: installed_program_test.sh BUILD_DIR WORK_DIR APP_ID
set -euo pipefail
build=$1 prefix=$2/prefix app_id=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
[[ -n ${DISPLAY:-} ]] || fail "no X display"

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
entry=$prefix/share/applications/$app_id.desktop
key() { sed -n "s/^$1=//p" "$entry"; }
command=$(key Exec)
window_class=$(key StartupWMClass)
export PATH=$prefix/bin:$PATH

pids=()
trap '[[ ${#pids[@]} -eq 0 ]] || kill "${pids[@]}" 2>/dev/null || true' EXIT
# start PLATFORM: runs the entry's command in the background on a Qt platform.
start() {
    # shellcheck disable=SC2086 # the command line splits into words, as a launcher does
    QT_QPA_PLATFORM=$1 $command &
    pids+=($!)
}

start offscreen
sleep 1
kill -0 "${pids[-1]}" 2>/dev/null || fail "'$command' did not keep running on the offscreen platform"

start xcb
window=$(timeout 20 xdotool search --sync --onlyvisible --class "$window_class" | head -n 1) \
    || fail "no window of class '$window_class'"
title() { xprop -id "$window" _NET_WM_NAME | sed -n 's/^[^=]* = "\(.*\)"$/\1/p'; }
[[ $(title) == "BCCチェック" ]] || fail "title before the click: '$(title)'"

icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[[ $icons == "Icon (16 x 16) Icon (32 x 32) " ]] || fail "window icons: '$icons'"

# The middle of the button, which the form places at (152, 8), 75 by 25.
xdotool mousemove --window "$window" 189 20 click 1
for _ in $(seq 50); do
    [[ $(title) == 61 ]] && break
    sleep 0.1
done
[[ $(title) == 61 ]] || fail "title after the click: '$(title)'"
echo "PASS: '$command' opened a '$window_class' window titled 61 after the click"
