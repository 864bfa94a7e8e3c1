# shellcheck shell=bash
# A private X session for the window tests and the desktop benchmarks, to be
# sourced: Xvfb on a free display among :90-:99 with its own authority file,
# and openbox as the window manager.
# Call start_x_session, and stop_x_session from an EXIT trap; both leave the
# caller's other processes alone.

session_dir=""
xvfb_pid=""
openbox_pid=""

# wait_until SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds;
# fails when SECONDS have passed without success.
wait_until()
{
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# stop_process PID: ends a process this script started and reaps it; a process
# that ignores SIGTERM for five seconds gets SIGKILL.
stop_process()
{
    local pid=$1
    [[ -n $pid ]] || return 0
    kill "$pid" 2>/dev/null || true
    wait_until 5 process_gone "$pid" || kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

process_gone()
{
    ! kill -0 "$1" 2>/dev/null
}

# start_xvfb NUMBER SCREEN: starts Xvfb on :NUMBER and waits until it accepts
# clients (it writes its display number to -displayfd then); fails at once when
# the display is taken.
start_xvfb()
{
    local number=$1 screen=$2 ready=$session_dir/xvfb-ready
    : >"$ready"
    xauth -q -f "$XAUTHORITY" add ":$number" . "$(mcookie)"
    Xvfb ":$number" -screen 0 "${screen}x24" -nolisten tcp -auth "$XAUTHORITY" \
        -displayfd 3 3>"$ready" 2>>"$session_dir/xvfb.log" &
    xvfb_pid=$!
    if ! wait_until 30 xvfb_ready_or_gone "$ready" || [[ ! -s $ready ]]; then
        stop_process "$xvfb_pid"
        xvfb_pid=""
        return 1
    fi
}

xvfb_ready_or_gone()
{
    [[ -s $1 ]] || process_gone "$xvfb_pid"
}

# Openbox has taken over the screen once it names itself on the root window.
window_manager_running()
{
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# start_openbox: openbox with Debian's default configuration (Alt+F4 closes a
# window), whatever the user's own configuration says.
start_openbox()
{
    local config=()
    [[ -r /etc/xdg/openbox/rc.xml ]] && config=(--config-file /etc/xdg/openbox/rc.xml)
    openbox --sm-disable "${config[@]}" >"$session_dir/openbox.log" 2>&1 &
    openbox_pid=$!
    wait_until 30 window_manager_running || {
        echo "openbox did not start:" >&2
        cat "$session_dir/openbox.log" >&2
        return 1
    }
}

# start_x_session [WIDTHxHEIGHT]: the X server and the window manager; exports
# DISPLAY and XAUTHORITY for the programs started after it.
start_x_session()
{
    local screen=${1:-800x600} number
    session_dir=$(mktemp -d "${TMPDIR:-/tmp}/bcc-x-session.XXXXXX")
    export XAUTHORITY=$session_dir/Xauthority
    touch "$XAUTHORITY"
    # Qt keeps its runtime files here instead of complaining that none is set.
    export XDG_RUNTIME_DIR=$session_dir/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset WAYLAND_DISPLAY SESSION_MANAGER

    for number in {90..99}; do
        # A lock or socket means another session owns the display.
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        if start_xvfb "$number" "$screen"; then
            export DISPLAY=:$number
            start_openbox
            return
        fi
    done
    echo "no free X display among :90-:99" >&2
    cat "$session_dir/xvfb.log" >&2 2>/dev/null || true
    return 1
}

stop_x_session()
{
    stop_process "$openbox_pid"
    stop_process "$xvfb_pid"
    openbox_pid=""
    xvfb_pid=""
    [[ -z $session_dir ]] || rm -rf "$session_dir"
    session_dir=""
}
