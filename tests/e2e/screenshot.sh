#!/usr/bin/env bash
# Takes the README's picture of the window as a user first sees it: just after
# start-up, active, in its openbox frame on an 800x600 screen, cropped to the
# frame with a transparent margin.
#
# Usage: screenshot.sh [PATH/TO/bcc-check [OUTPUT.png]]
# (defaults: build/bin/bcc-check and docs/screenshot.png in the source tree)
set -euo pipefail

# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/program_window.sh"
source_tree=$(cd "$(dirname "$0")/../.." && pwd)
readonly program=${1:-$source_tree/build/bin/bcc-check}
readonly output=${2:-$source_tree/docs/screenshot.png}
readonly margin=8

stop_on_exit

screen_checksum()
{
    import -silent -window root -depth 8 rgb:- | md5sum
}

# Qt paints after the window is mapped: the picture is ready once two captures
# a moment apart agree.
screen_is_still()
{
    local before
    before=$(screen_checksum)
    sleep 0.2
    [[ $(screen_checksum) == "$before" ]]
}

main()
{
    start_x_session 800x600
    # Out of the way, so that nothing in the window shows a hover effect.
    xdotool mousemove 0 0
    start_program "$program"
    wait_for_window 60 || {
        echo "the program showed no window" >&2
        exit 1
    }
    wait_until 30 screen_is_still || {
        echo "the screen did not settle" >&2
        exit 1
    }

    # The frame: the client area widened by the frame's left, right, top and
    # bottom parts.
    local x y width height left right top bottom
    read -r x y width height < <(geometry_of -id "$window")
    IFS=', ' read -r left right top bottom <<<"$(property_value _NET_FRAME_EXTENTS)"
    local -r crop="$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))"

    mkdir -p "$(dirname "$output")"
    import -silent -window root png:- \
        | convert png:- -crop "$crop" +repage -bordercolor none -border "$margin" -strip "$output"
    echo "wrote $output ($crop of the screen, $margin px margin)"
}

main
