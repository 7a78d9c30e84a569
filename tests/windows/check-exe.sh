#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-exe.sh EXE64 EXE32: what each kelvara.exe says of itself, read back
# from the file: a GUI program for its processor; imports from Windows' own
# DLLs alone; address-space randomization (high-entropy on 64 bits), no
# execution of data, the stack protector; the German version record 1.00;
# the icon; the manifest: common controls 6, per-monitor DPI v2, Windows 10 and 11,
# no administrator rights.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; status=1; }
status=0
objdump=x86_64-w64-mingw32-objdump
windres=x86_64-w64-mingw32-windres
system_dlls=" advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleacc.dll oleaut32.dll user32.dll "

check() { # check EXE KIND FLAGS...
    local exe=$1 kind=$2 && shift 2
    local headers rc
    headers=$($objdump -p "$exe")
    grep -q "file format $kind\$" <<<"$headers" || fail "$exe: $(grep 'file format' <<<"$headers")"
    grep -q "^Subsystem.*(Windows GUI)" <<<"$headers" || fail "$exe: not a window program"
    for dll in $(awk '/DLL Name:/ {print tolower($3)}' <<<"$headers"); do
        [[ $system_dlls == *" $dll "* ]] || fail "$exe imports $dll"
    done
    for flag in "$@"; do
        grep -qw "$flag" <<<"$headers" || fail "$exe: no $flag"
    done
    grep -qa 'stack smashing detected' "$exe" || fail "$exe: no stack protector"
    rc=$($windres -i "$exe" -O rc)
    for line in 'LANGUAGE 7, 1' 'FILEVERSION 1, 0, 0, 0' '"FileVersion", "1.00"' \
        '"ProductVersion", "1.00"' '"ProductName", "Kelvara"' '"Translation", 0x407, 1252' \
        'Microsoft.Windows.Common-Controls"" version=""6.0.0.0' '>PerMonitorV2<' \
        'level=""asInvoker""' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' 'RT_GROUP_ICON'; do
        grep -qF "$line" <<<"$rc" || fail "$exe: no $line in its resources"
    done
}

check "$1" pei-x86-64 HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT
check "$2" pei-i386 DYNAMIC_BASE NX_COMPAT
exit $status
