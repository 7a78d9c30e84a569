#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# run-msi.sh WINDOWS_DIR OUT_DIR: the installer package that build-windows.sh
# made in WINDOWS_DIR, read back with msitools, then under Wine in a prefix of
# its own: a silent install puts the exe, the licence and the shortcut where
# they belong and writes the uninstall entry; the installed exe shows its
# window; a rebuilt package of a higher version replaces the first; a silent
# uninstall leaves nothing of ours behind.
set -euo pipefail
dir=$(cd "$1" && pwd -P)
out=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/wait.sh"
source "$here/wine.sh"
msi=$dir/kelvara-1.00-x64.msi
rm -rf "$out" && mkdir -p "$out"

table() { msiinfo export "$msi" "$1" | tail -n +4 | tr -d '\r' | tr '\t' '|'; }
has() { grep -qxF "$2" <<<"$(table "$1")" || fail "the $1 table has no row $2: $(table "$1")"; }
grep -q '^kelvara.exe|Program|kelvara.exe|' <<<"$(table File)" || fail "no kelvara.exe in the File table"
grep -q '^COPYING.txt|Licence|COPYING.txt|' <<<"$(table File)" || fail "no licence in the File table"
has Directory 'INSTALLDIR|ProgramFiles64Folder|Kelvara'
has Shortcut 'KelvaraShortcut|ProgramMenuFolder|Kelvara|StartMenuEntry|[INSTALLDIR]kelvara.exe||Die Augensumme zweier Würfel als Histogramm||kelvara.ico|||INSTALLDIR||||'
has Upgrade '{91601357-3969-4FB4-9082-D2864218698B}||1.00||1||WIX_UPGRADE_DETECTED'
has Property 'ProductVersion|1.00'
has Property 'ALLUSERS|1'
has Property 'ARPPRODUCTICON|kelvara.ico'
[ -z "$(table CustomAction)" ] || fail "custom actions: $(table CustomAction)"
msiinfo suminfo "$msi" | grep -qx 'Template: x64;.*' || fail "not a 64-bit package: $(msiinfo suminfo "$msi")"
mkdir -p "$out/dump" && msidump -s -d "$out/dump" "$msi" >/dev/null && cmp -s "$out/dump/_Streams/Icon.kelvara.ico" "$dir/x86_64/app/kelvara.ico" ||
    fail "the package has not the program's icon"

wine_desktop "$out" 1280x1024x24
drive=$WINEPREFIX/drive_c
entries() { # the uninstall entries named Kelvara, as "version publisher" lines
    "$wine" reg export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' "$out/arp.reg" /y >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$out/arp.reg" | tr -d '\r' | awk -F'"' '
        /^\[/ { if (name == "Kelvara") print version, publisher; name = version = publisher = "" }
        $2 == "DisplayName" { name = $4 } $2 == "DisplayVersion" { version = $4 } $2 == "Publisher" { publisher = $4 }
        END { if (name == "Kelvara") print version, publisher }'
}
ours() { find "$drive" \( -iname '*kelvara*' -o -name COPYING.txt \) -printf '%P\n' | sort; }
install() { "$wine" msiexec "$@" /qn && "$wineserver" -w || fail "msiexec $* ended with status $?"; }

install /i "$msi"
[ -f "$drive/Program Files/Kelvara/kelvara.exe" ] && [ -f "$drive/Program Files/Kelvara/COPYING.txt" ] ||
    fail "not in Program Files: $(ours)"
# Windows puts a per-machine shortcut in the common Start menu; Wine 8, in the user's.
programs="Microsoft/Windows/Start Menu/Programs"
[ -f "$drive/ProgramData/$programs/Kelvara.lnk" ] ||
    [ -f "$drive/users/$(id -un)/AppData/Roaming/$programs/Kelvara.lnk" ] || fail "no shortcut: $(ours)"
[ "$(entries)" = "1.00 The Kelvara developers" ] || fail "the uninstall entry: $(entries)"
"$wine" "$drive/Program Files/Kelvara/kelvara.exe" >/dev/null 2>&1 &
program=$!
window=$(wait_for 120 shown --name '^Kelvara 2000 by Orvandel$') || fail "the installed exe showed no window"
kill "$program" && wait "$program" || true

"$(dirname "$here")/../scripts/build-msi.sh" "$dir" 1.01 "$out/kelvara-1.01-x64.msi"
install /i "$out/kelvara-1.01-x64.msi"
[ "$(entries)" = "1.01 The Kelvara developers" ] || fail "after the upgrade, entries: $(entries)"
[ "$(find "$drive" -iname kelvara.exe | wc -l)" = 1 ] || fail "after the upgrade: $(ours)"

install /x "$out/kelvara-1.01-x64.msi"
[ -z "$(entries)" ] || fail "after removal, entries: $(entries)"
[ -z "$(ours)" ] || fail "left behind: $(ours)"
"$wine" reg query 'HKLM\Software\Kelvara' >/dev/null 2>&1 && fail "left behind: HKLM\\Software\\Kelvara"
echo "installed, started, upgraded and removed"
