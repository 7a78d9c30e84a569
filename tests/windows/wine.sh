# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Windows tests after wait.sh: wine_desktop OUT SCREEN makes
# an X server of SCREEN and a fresh Wine prefix, home and runtime directory
# in OUT, all ended when the script exits; it sets $wine and $wineserver.
# Wine is quiet, downloads no Mono or Gecko and writes no menu entries to
# the machine's desktop.
wine_desktop() {
    export HOME=$1/home XDG_RUNTIME_DIR=$1/runtime WINEPREFIX=$1/prefix WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
    wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
    x_server "$2"
    export DISPLAY=$display
    trap 'kill $server ${manager:-} 2>/dev/null; "$wineserver" -k 2>/dev/null' EXIT
    "$wine" wineboot --init >/dev/null 2>&1 && "$wineserver" -w
}
