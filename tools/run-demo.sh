#!/usr/bin/env bash
# The main job: builds the programs and the stand-in service, installs the programs into a Wine prefix's
# "C:\Program Files\FoldVen\" and runs them as a user gets them, against the stand-in service.
# With a usable DISPLAY the windows show on it and the run lasts until the program ends; headless, an
# Xvfb display of its own is used and screenshots are saved into screenshots/.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
"$fv_root/tools/setup-machine.sh"

fv_configure_native "$fv_root/build/native" -DFV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build "$fv_root/build/native" -j "$fv_jobs"
fv_build_windows

prefix="$fv_root/build/wineprefix-demo"
# Every run starts as a first installation: an earlier run leaves saved credentials (the browser would
# log in by itself) and the files the updater fetched (it would have nothing to show).
rm -rf "$prefix"
"$fv_root/tools/wine/prefix.sh" "$prefix" "$fv_root/build/win/dist/FoldVen"
fv_wine_env "$prefix"

headless=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then headless=0; fi
[ "$headless" = 1 ] && FV_FORCE_XVFB=1 fv_start_xvfb

# What the service offers: a newer browser (its FileVersion one step up, signed like the installed
# programs, or the updater would refuse it) and a data file, delivered in small paced pieces, so the
# updater has something to fetch and its progress bar is seen moving.
updates="$fv_root/build/demo-update"
mkdir -p "$updates/data"
(
    source "$fv_root/tools/signing/signing.sh"
    fv_build_cert
    fv_with_version "$fv_root/build/win/dist/FoldVen/FoldVenBrowser.exe" "$updates/FoldVenBrowser.exe" \
        "2, 3, 1, 2" "2, 3, 1, 3"
    fv_sign_with "$fv_cert" "$fv_key" "$updates/FoldVenBrowser.exe" "$updates/FoldVenBrowser.exe"
)
[ -f "$updates/data/sample.pak" ] || head -c $((24 * 1024 * 1024)) /dev/urandom > "$updates/data/sample.pak"

state="$fv_root/build/devservice-demo"
host=$("$fv_root/tools/devservice-ctl.sh" start "$state" "$fv_root/build/native" \
    --update-dir "$updates")
export FOLDVEN_API_HOST=$host FOLDVEN_WEB_HOST=$host FOLDVEN_SEARCH_HOST=$host
echo "devservice: http://$host/"
curl -s -o /dev/null "http://$host/_control/fault?path=/Update/files/&kind=chunked-writes&arg=16384"

shots="$fv_root/screenshots"
mkdir -p "$shots"
cleanup() {
    wineserver -k 2>/dev/null || true
    "$fv_root/tools/devservice-ctl.sh" stop "$state"
    fv_stop_xvfb
}
trap cleanup EXIT

program='C:\Program Files\FoldVen\VenUpdater.exe'
if [ "$headless" = 0 ]; then
    wine "$program"
    wineserver -w  # the browser that the updater started
    exit 0
fi

wine "$program" &
shot() { import -window root "$shots/$1.png"; echo "screenshot: screenshots/$1.png"; }
# The updater's window while it downloads, then what follows it: the browser's login dialog.
for _ in $(seq 100); do
    xdotool search --classname venupdater.exe >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 1.5
shot 01-updater-progress
sleep 1
shot 02-updater-progress
sleep 8
shot 03-browser-start
# Drive the login dialog as a user: positions are client pixels of its skin plus the 3-pixel frame.
login=$(xdotool search --name '^FoldVen$' | head -1)
click() { xdotool mousemove --window "$login" $(($1 + 3)) $(($2 + 3)) click 1; }
click 152 236  # 로그인 with an empty ID
sleep 2
shot 04-message-dialog
xdotool key Escape
sleep 1
# Without a window manager nobody gives Wine the keyboard: move the X focus away and onto the dialog.
xdotool windowfocus --sync "$(xwininfo -root | awk '/Window id/{print $4}')"
sleep 0.5
xdotool windowfocus --sync "$login"
sleep 0.5
click 165 163; sleep 0.3; xdotool type --delay 60 tester
click 165 188; sleep 0.3; xdotool type --delay 60 test1234
sleep 1
shot 05-login-filled
click 152 236
sleep 5
shot 06-after-login

# --- Main window. The browser starts again, now logging in by itself with saved credentials. Without a
# window manager Wine has to place its windows itself, or maximising would not reach the screen.
wineserver -k
regfile="$fv_root/build/demo-main-window.reg"
iconv -f UTF-8 -t CP949 > "$regfile" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\FoldVen]
"bSaveID"=dword:00000001
"strSaveID"="tester"
"bKeepPassword"=dword:00000001
"UserPW"="test1234"
"rPathBasic"="C:\\FoldVen 받은 파일"
REG
wine regedit "$(winepath -w "$regfile")" >/dev/null 2>&1
wine 'C:\Program Files\FoldVen\FoldVenBrowser.exe' qmtzvbka &
main=""
for _ in $(seq 100); do
    main=$(xdotool search --name '^FoldVen$' 2>/dev/null | head -1) && [ -n "$main" ] && break
    sleep 0.1
done
sleep 2
shot 07-main-window
# Button 101 (maximise / restore) lies 48 pixels in from the client area's right edge, 13 down.
caption_button() {
    local width
    width=$(xdotool getwindowgeometry "$main" | awk '/Geometry/{split($2, g, "x"); print g[1]}')
    xdotool mousemove --window "$main" $((width - 43)) 25 click 1
}
caption_button
sleep 2
shot 08-main-window-maximised
caption_button
sleep 1

# Browsing the catalogue: root, a category, the next page of a level-2 folder, a level-3 folder and the
# list's context menu. Positions are client pixels of the main window at its normal size.
main=$(xdotool search --name '^FoldVen$' | head -1)
at() { xdotool mousemove --window "$main" "$1" "$2"; }
at 75 94; xdotool click 1       # the tree's "FoldVen" node: the root, sorted, the waste basket first
sleep 2
shot 10-browse-root
at 63 110; xdotool click 1      # the category 영화 in the tree
sleep 2
shot 11-browse-category
at 300 153; xdotool click --repeat 2 --delay 80 1   # 한국영화, a level-2 folder of 65 entries
sleep 2
at 852 98; xdotool click 1      # next page: entries 31 to 60
sleep 2
shot 12-browse-level2-next-page
at 300 153; xdotool click --repeat 2 --delay 80 1   # the first folder of that page, at level 3
sleep 2
shot 13-browse-level3-folder
at 300 170; xdotool click 3     # the context menu over a file
sleep 1.5
shot 14-browse-context-menu
xdotool key Escape
sleep 0.5
# --- Downloads: two files of that folder go to the downloader. The installed version file is older than
# the service's, so the installer dialog first fetches the build's setup.exe (served in paced pieces, so
# its bar is seen moving) and runs it; the next press hands the files to the stand-in downloader.
printf '2.3.1.1' > "$prefix/drive_c/Program Files/FoldVen/ver.ini"
control() { curl -s -o /dev/null "http://$host/_control/$1"; }
control "set?setup-file=$fv_root/build/win/setup.exe"
control "fault?path=/rivi/setup.exe&kind=chunked-writes&arg=16384"
control "fault?path=/rivi/setup.exe&kind=chunk-pause&arg=120"
visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
wait_for() {  # window name, seconds; true once such a window shows
    for _ in $(seq $(($2 * 10))); do visible "$1" && return 0; sleep 0.1; done
    return 1
}
at 300 153; xdotool click 1                                # the first file
at 300 170; xdotool keydown ctrl click 1 keyup ctrl        # and the second
sleep 1
shot 15-download-selected
at 156 59; xdotool click 1                                 # 파일 다운로드 (button 11)
sleep 2.5
shot 16-installer-dialog-and-refusal                      # downloads wait for the installation
xdotool key Escape                                         # closes the message
sleep 0.5
# Without a window manager the X window of the main window, active again, ends up over the dialog's
# (Windows keeps owned windows above their owner): raise the dialog's X window for the screenshots.
dialog=$(xdotool search --onlyvisible --name '폴드벤 프로그램 설치' | head -1)
[ -n "$dialog" ] && xdotool windowraise "$dialog"
sleep 0.5
shot 17-installer-download-progress
sleep 2
shot 18-installer-download-progress-later
wait_for '폴드벤 설치' 30 && sleep 0.3 && shot 19-installer-running
for _ in $(seq 300); do visible '폴드벤 프로그램 설치' || break; sleep 0.1; done
sleep 1
at 300 153; xdotool click 1
at 300 170; xdotool keydown ctrl click 1 keyup ctrl
at 156 59; xdotool click 1                                 # 파일 다운로드, now handed over
wait_for '폴드벤 다운로더' 20 && sleep 1.5 && shot 20-downloader
sleep 0.5
# --- Search: a keyword typed into the search field and Enter, with the category 영화 picked; the rows
# stream into the search panel. Then a refused keyword and the service's answer. Positions are client
# pixels of the main window at its normal size.
xdotool windowfocus --sync "$(xwininfo -root | awk '/Window id/{print $4}')"
sleep 0.3
xdotool windowraise "$main"                         # over the downloader's window
xdotool windowfocus --sync "$main"
xdotool mousemove --window "$main" 600 59 click 1   # the search field
sleep 0.3
xdotool key End shift+Home
xdotool type --delay 60 720p
xdotool key Return
sleep 3
shot 21-search-results
xdotool mousemove --window "$main" 600 59 click 1
xdotool key End shift+Home
xdotool type --delay 60 warez
xdotool mousemove --window "$main" 834 61 click 1   # the search button
sleep 2
shot 22-search-refused-keyword
info=$(xdotool search --name '^Info$' | head -1)
[ -n "$info" ] && xdotool windowfocus --sync "$info" key Return
sleep 0.5
echo "screenshots are in $shots"
