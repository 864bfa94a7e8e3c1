#!/usr/bin/env bash
# Measures how long the program takes from being started to its window being
# viewable on the X server, under openbox on Xvfb: one warm-up start, then RUNS
# timed starts, each closed with Alt+F4; prints every time and the median.
#
# Usage: startup_time.sh [PATH/TO/bcc-check [RUNS]]
set -euo pipefail

# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/program_window.sh"
source_tree=$(cd "$(dirname "$0")/../.." && pwd)
readonly program=${1:-$source_tree/build/bin/bcc-check}
readonly runs=${2:-10}

export LC_ALL=C.UTF-8

stop_on_exit

# A finer poll than wait_until's, since the poll's period is part of the time.
wait_until_mapped()
{
    local deadline=$((SECONDS + 60))
    until [[ -n $(mapped_window) ]]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.005
    done
}

# start_once: prints the milliseconds from start to a viewable window.
start_once()
{
    local started=$EPOCHREALTIME
    start_program "$program"
    wait_until_mapped || {
        echo "no window within 60 s" >&2
        return 1
    }
    local mapped=$EPOCHREALTIME
    wait_for_window 10
    xdotool key alt+F4
    wait_until 30 process_gone "$program_pid"
    wait "$program_pid"
    program_pid=""
    awk -v a="$started" -v b="$mapped" 'BEGIN { printf "%.0f\n", (b - a) * 1000 }'
}

main()
{
    start_x_session 800x600
    start_once >/dev/null
    local times=() run
    for ((run = 1; run <= runs; run++)); do
        times+=("$(start_once)")
    done
    echo "start to viewable window, ms: ${times[*]}"
    printf '%s\n' "${times[@]}" | sort -n \
        | awk '{ t[NR] = $1 } END { printf "median %s ms (min %s, max %s, %d runs)\n",
                 (NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2), t[1], t[NR], NR }'
}

main
