#!/usr/bin/env bash
# The installed program, started by its desktop entry's command, runs on the
# offscreen platform, and on X11 opens its window: of the entry's
# StartupWMClass, with both icon sizes, and "61", the BCC of the sample lines,
# in its title after a click on the button.
# Usage: installed_program_test.sh BUILD_DIR WORK_DIR APP_ID
set -euo pipefail
build=$1 prefix=$2/prefix app_id=$3
# shellcheck source-path=SCRIPTDIR/../e2e
source "$(dirname "$0")/../e2e/program_window.sh"
export LC_ALL=C.UTF-8
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
entry=$prefix/share/applications/$app_id.desktop
key() { sed -n "s/^$1=//p" "$entry"; }
command=$(key Exec)
window_class=$(key StartupWMClass)
export PATH=$prefix/bin:$PATH

offscreen_pid=""
trap 'stop_process "$offscreen_pid"' EXIT
# shellcheck disable=SC2086 # the command line splits into words, as a launcher does
QT_QPA_PLATFORM=offscreen $command &
offscreen_pid=$!
sleep 1
process_gone "$offscreen_pid" && fail "'$command' did not keep running on the offscreen platform"
stop_process "$offscreen_pid"

stop_on_exit
start_x_session
start_program "$command"
wait_for_window 30 || fail "'$command' showed no window"
[[ $(property_value WM_CLASS) == "\"$window_class\", \"$window_class\"" ]] \
    || fail "window class $(property_value WM_CLASS), the entry says '$window_class'"
[[ $(property_value _NET_WM_NAME) == '"BCCチェック"' ]] \
    || fail "title before the click: $(property_value _NET_WM_NAME)"

icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[[ $icons == "Icon (16 x 16) Icon (32 x 32) " ]] || fail "window icons: '$icons'"

# The middle of the button, which the form places at (152, 8), 75 by 25.
xdotool mousemove --window "$window" 189 20 click 1
title_is_61() { [[ $(property_value _NET_WM_NAME) == '"61"' ]]; }
wait_until 10 title_is_61 || fail "title after the click: $(property_value _NET_WM_NAME)"
echo "PASS: '$command' opened a '$window_class' window titled 61 after the click"
