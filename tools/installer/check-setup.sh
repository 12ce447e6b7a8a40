#!/usr/bin/env bash
# Installs setup.exe into a fresh Wine prefix as a user would, checks what it left (signed programs
# included), uninstalls it and checks that nothing of it remains.   usage: check-setup.sh SETUP_EXE PREFIX
# Needs DISPLAY (an Xvfb display will do). Exits non-zero and says why on the first difference.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
setup=$1
prefix=$2
rm -rf "$prefix"
"$here/../wine/prefix.sh" "$prefix" >/dev/null
export WINEPREFIX=$prefix LC_ALL=ko_KR.UTF-8 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

folder="$prefix/drive_c/Program Files/FoldVen"
desktop="$prefix/drive_c/users/$(id -un)/Desktop"
link="$desktop/폴드벤 브라우져.Lnk"
result="$prefix/drive_c/users/$(id -un)/Temp/install_result"
key='Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\FoldVen'
# A desktop of the prefix's own, not the Unix home that other prefixes share.
if [ -L "$desktop" ]; then rm "$desktop"; mkdir "$desktop"; fi
fail() { echo "check-setup: $*" >&2; wineserver -k 2>/dev/null || true; exit 1; }

wine "$setup"
wineserver -w
for f in VenUpdater.exe FoldVenBrowser.exe FoldVenDown.exe FoldVen.ico uninstall.exe; do
    [ -f "$folder/$f" ] || fail "$f was not installed"
done
[ "$(cat "$folder/ver.ini")" = "2.3.1.2" ] || fail "ver.ini holds '$(cat "$folder/ver.ini")'"
[ "$(cat "$result")" = "0" ] || fail "install_result is missing or not 0"
[ -f "$link" ] || fail "no desktop shortcut"
grep -qa "$key" "$prefix/system.reg" || fail "no uninstall entry"
# The installer, what it installed and the uninstaller it wrote all carry the build's signature.
"$here/../signing/verify.sh" "$setup" "$folder/VenUpdater.exe" "$folder/FoldVenBrowser.exe" \
    "$folder/FoldVenDown.exe" "$folder/uninstall.exe" >/dev/null || fail "a program is not signed"

wine "C:\\Program Files\\FoldVen\\uninstall.exe" /S
wineserver -w
[ ! -e "$folder" ] || fail "the install folder is still there: $(ls "$folder")"
[ ! -e "$link" ] || fail "the desktop shortcut is still there"
! grep -qa "$key" "$prefix/system.reg" || fail "the uninstall entry is still there"
echo "check-setup: setup.exe installs and uninstalls cleanly"
