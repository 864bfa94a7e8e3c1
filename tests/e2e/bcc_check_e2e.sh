#!/usr/bin/env bash
# The program as a user meets it: on an X server with a window manager, its
# window is read back from the X server, clicked and typed into with xdotool,
# and closed through the window manager.
#
# Usage: bcc_check_e2e.sh PATH/TO/bcc-check
set -euo pipefail

readonly program=${1:?usage: $0 PATH/TO/bcc-check}
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/program_window.sh"

# xprop prints text properties in the locale's encoding.
export LC_ALL=C.UTF-8

stop_on_exit

fail()
{
    echo "FAIL: $*" >&2
    if [[ -s $session_dir/program.log ]]; then
        echo "--- the program's output:" >&2
        cat "$session_dir/program.log" >&2
    fi
    exit 1
}

check_equal()
{
    local what=$1 expected=$2 actual=$3
    [[ $actual == "$expected" ]] || fail "$what is '$actual', expected '$expected'"
    echo "ok: $what is '$actual'"
}

# check_near WHAT EXPECTED ACTUAL TOLERANCE
check_near()
{
    local what=$1 expected=$2 actual=$3 tolerance=$4
    local difference=$((actual - expected))
    ((difference <= tolerance && -difference <= tolerance)) \
        || fail "$what is $actual, expected $expected ± $tolerance"
    echo "ok: $what is $actual (expected $expected ± $tolerance)"
}

# The caption in both properties that carry it, quoted as xprop prints text.
check_caption()
{
    check_equal "_NET_WM_NAME" "\"$1\"" "$(property_value _NET_WM_NAME)"
    check_equal "WM_NAME" "\"$1\"" "$(property_value WM_NAME)"
}

captions_differ_from()
{
    [[ $(property_value _NET_WM_NAME) != "$1" && $(property_value WM_NAME) != "$1" ]]
}

start_and_find_window()
{
    local started=$EPOCHREALTIME
    start_program "$program"
    if ! wait_for_window 60; then
        process_gone "$program_pid" && fail "the program ended without showing a window"
        fail "the program showed no active window of class bcc-check within 60 s"
    fi
    echo "the window was mapped and active after" \
        "$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.0f ms", (b - a) * 1000 }')"
}

# _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status. Only
# bits the program asks for count; an "all" bit would turn the others into
# exclusions.
check_no_minimise_or_maximise_box()
{
    local value
    value=$(property_value _MOTIF_WM_HINTS)
    [[ $value =~ ^0x[0-9a-f]+(,\ 0x[0-9a-f]+){4}$ ]] || fail "_MOTIF_WM_HINTS is '$value'"
    local -a hints
    IFS=', ' read -r -a hints <<<"$value"
    local -r flags=$((hints[0])) functions=$((hints[1])) decorations=$((hints[2]))
    local -r has_functions=0x1 has_decorations=0x2
    local -r all=0x1 minimise_maximise_functions=0x18 close_function=0x20
    local -r minimise_maximise_boxes=0x60 title_bar=0x8

    ((flags & has_functions && flags & has_decorations)) \
        || fail "_MOTIF_WM_HINTS $value sets no functions or no decorations"
    ((!(functions & all) && !(functions & minimise_maximise_functions)
        && functions & close_function)) \
        || fail "_MOTIF_WM_HINTS $value: functions should be close without minimise or maximise"
    ((!(decorations & all) && !(decorations & minimise_maximise_boxes)
        && decorations & title_bar)) \
        || fail "_MOTIF_WM_HINTS $value: decorations should be a title bar without minimise or maximise box"
    echo "ok: _MOTIF_WM_HINTS $value asks for a close box and no minimise or maximise box"
}

check_window_at_start()
{
    check_caption "BCCチェック"
    check_equal "_NET_WM_ICON_NAME" '"BCCチェックプログラム"' "$(property_value _NET_WM_ICON_NAME)"
    check_equal "WM_CLASS" '"bcc-check", "bcc-check"' "$(property_value WM_CLASS)"
    check_equal "minimum size hint" 242x382 "$(size_hint minimum)"
    check_equal "maximum size hint" 242x382 "$(size_hint maximum)"
    check_equal "client size" 242x382 "$(client_size)"
    check_no_minimise_or_maximise_box

    local screen_width screen_height x y width height
    read -r _ _ screen_width screen_height < <(geometry_of -root)
    read -r x y width height < <(geometry_of -id "$window")
    check_near "client centre x" $((screen_width / 2)) $((x + width / 2)) 3
    check_near "client centre y" $((screen_height / 2)) $((y + height / 2)) 3
}

# click_button: clicks the button's centre and waits for the caption to change,
# so each click in this test must lead to a caption other than the one before.
click_button()
{
    local before
    before=$(property_value _NET_WM_NAME)
    xdotool mousemove --window "$window" 189 20 click 1
    wait_until 20 captions_differ_from "$before" || fail "the caption stayed $before after a click"
}

# replace_text LINE...: selects all of the text box and types the lines in its
# place, Return between them; no lines empty the box.
replace_text()
{
    xdotool mousemove --window "$window" 50 100 click 1
    xdotool key ctrl+a BackSpace
    local line separator=()
    for line in "$@"; do
        xdotool "${separator[@]}" type "$line"
        separator=(key Return)
    done
}

# The window manager offers no resize or maximise, and a resize request from
# another client changes nothing. A move request sent after it marks when the
# window manager has dealt with both.
check_not_resizable()
{
    local actions
    actions=$(property_value _NET_WM_ALLOWED_ACTIONS)
    [[ $actions == *_NET_WM_ACTION_CLOSE* ]] || fail "the window manager does not offer to close: $actions"
    [[ $actions != *_NET_WM_ACTION_RESIZE* && $actions != *_NET_WM_ACTION_MAXIMIZE* ]] \
        || fail "the window manager offers to resize or maximise: $actions"
    echo "ok: the window manager offers to close and not to resize or maximise"

    local x y width height
    read -r x y width height < <(geometry_of -id "$window")
    xdotool windowsize "$window" 400 500 windowmove "$window" $((x - 10)) $((y - 10))
    wait_until 10 window_moved_from "$x" "$y" || fail "the window did not move"
    check_equal "client size after a resize request" 242x382 "$(client_size)"
}

window_moved_from()
{
    local x y width height
    read -r x y width height < <(geometry_of -id "$window")
    [[ "$x $y" != "$1 $2" ]]
}

close_through_window_manager()
{
    xdotool windowactivate "$window"
    wait_until 10 window_is_active || fail "the window did not become active"
    xdotool key alt+F4
    wait_until 30 process_gone "$program_pid" || fail "the program still runs 30 s after Alt+F4"
    local status=0
    wait "$program_pid" || status=$?
    program_pid=""
    check_equal "exit code after Alt+F4" 0 "$status"
}

main()
{
    start_x_session 800x600
    start_and_find_window
    check_window_at_start

    click_button
    check_caption "61"

    replace_text 41 42
    click_button
    check_caption " 3"

    replace_text
    click_button
    check_caption " 0"

    check_not_resizable
    close_through_window_manager
}

main
