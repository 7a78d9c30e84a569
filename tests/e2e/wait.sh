# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the desktop scripts: waiting for events, not for fixed times,
# with limits generous enough for a machine that runs other suites beside.
fail() { echo "FAIL: $*" >&2; exit 1; }

wait_for() { # wait_for SECONDS COMMAND...: true once the command is, false after SECONDS
    local end=$((SECONDS + $1)) && shift
    until "$@"; do [ $SECONDS -lt "$end" ] || return 1; sleep 0.1; done
}

x_server() { # x_server SCREEN: an Xvfb on a display it picks itself; sets $server and $display
    exec 5<> <(:)
    # Kept as it is when its last client leaves, as a desktop's would be.
    Xvfb -displayfd 5 -screen 0 "$1" -nolisten tcp -noreset >/dev/null 2>&1 &
    server=$!
    read -r -t 120 display <&5 && display=:$display
}

# shown SEARCH...: prints the first window that shows, or fails. xdotool
# ends at an X error when a window vanishes while it searches (one of a
# program just ended), so wait_for asks again.
shown() { xdotool search --onlyvisible "$@" 2>/dev/null | head -1 | grep .; }

window_manager() { # window_manager COMMAND...: once it has taken the screen; sets $manager
    # The one before may have left its mark, and the X server may give the
    # new one's window the same id.
    xprop -root -remove _NET_SUPPORTING_WM_CHECK
    "$@" >/dev/null 2>&1 &
    manager=$!
    wait_for 120 sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
}
