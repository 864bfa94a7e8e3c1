# shellcheck shell=bash source-path=SCRIPTDIR
# The program's window on the X session of xsession.sh, to be sourced: starting
# the program, finding its window, and reading the window back from the X server
# the way the window manager and task bars see it.

source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"

# A sanitizer build reports leaks at exit; those of the libraries are not the
# program's.
lsan_suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp
export LSAN_OPTIONS="suppressions=$lsan_suppressions:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

program_pid=""
window=""

# start_program PROGRAM: starts the program on the session's display, its output
# kept in the session's program.log.
start_program()
{
    QT_QPA_PLATFORM=xcb "$1" >"$session_dir/program.log" 2>&1 &
    program_pid=$!
}

# The program's top-level window, once the X server shows it.
mapped_window()
{
    xdotool search --onlyvisible --class '^bcc-check$' 2>/dev/null | head -n 1
}

window_is_mapped_or_program_gone()
{
    [[ -n $(mapped_window) ]] || process_gone "$program_pid"
}

window_is_active()
{
    [[ $(xdotool getactivewindow 2>/dev/null) == "$window" ]]
}

# wait_for_window SECONDS: sets window once the program's window is mapped, and
# makes it the active window so that typed keys reach it.
wait_for_window()
{
    wait_until "$1" window_is_mapped_or_program_gone || return 1
    window=$(mapped_window)
    [[ -n $window ]] || return 1
    xdotool windowactivate "$window"
    wait_until "$1" window_is_active
}

# stop_program: ends the program if it still runs.
stop_program()
{
    stop_process "$program_pid"
    program_pid=""
}

# stop_on_exit: ends the program and the X session however the script ends.
stop_on_exit()
{
    trap 'stop_program; stop_x_session' EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
}

# property_value NAME: the window's property NAME as xprop prints it after
# "NAME = ": text in double quotes, numbers separated by ", ". A missing
# property comes out as xprop's "NAME:  not found." line.
property_value()
{
    local line
    line=$(xprop -id "$window" -notype "$1")
    printf '%s\n' "${line#"$1 = "}"
}

# size_hint minimum|maximum: that size from WM_NORMAL_HINTS, as WIDTHxHEIGHT.
size_hint()
{
    xprop -id "$window" WM_NORMAL_HINTS \
        | sed -n "s/.*program specified $1 size: \([0-9]*\) by \([0-9]*\).*/\1x\2/p"
}

# geometry_of WINDOW: "X Y WIDTH HEIGHT" of a window's inside, X and Y on the
# screen; the root window for the screen.
geometry_of()
{
    xwininfo "$@" | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { print x, y, w, h }'
}

client_size()
{
    local width height
    read -r _ _ width height < <(geometry_of -id "$window")
    echo "${width}x$height"
}
