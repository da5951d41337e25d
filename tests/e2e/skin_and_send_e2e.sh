#!/usr/bin/env bash
# The real program folder under Xvfb, driven as a user would with xdotool:
#  - the Send button really starts the sending program, with the argument "1";
#  - the skin chooser, opened through the menu, previews the highlighted skin
#    pixel for pixel and writes it into options.dat on "Выбрать";
#  - Exit from the menu ends the program while the chooser is open.
# Usage: skin_and_send_e2e.sh PROGRAM_FOLDER
set -euo pipefail

source_folder=${1:?usage: $0 PROGRAM_FOLDER}
work=$(mktemp -d)
xvfb_pid='' program_pid=''
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to $1 seconds for the command after it to succeed.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# The client area's top in window coordinates: the menu bar sits above it.
readonly client_height=294
window_height() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p'; }

# Clicks at a point given relative to a window.
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Opens the menu bar's first menu with a click; the rest is done with keys,
# whose layout does not depend on the font.
open_first_menu() {
    click_in "$main" 12 $(((menu_height + 1) / 2))
    sleep 0.3
}
press() {
    local key
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.2
    done
}

# ---- A copy of the program folder with a recording sending program ----
folder=$work/Pellory
cp -a "$source_folder" "$folder"
cat >"$folder/send" <<'SCRIPT'
#!/bin/sh
printf '%s\n' "$@" >"$(dirname "$0")/send-arguments.txt"
SCRIPT
chmod +x "$folder/send"

mapfile -t skins < <(find "$folder/skins" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | LC_ALL=C sort -f)
((${#skins[@]} >= 2)) || fail "need at least two skins in $source_folder/skins"
first_skin=${skins[0]} last_skin=${skins[-1]}
printf '%s\r\n' "$first_skin" >"$folder/options.dat"

# ---- An X server of our own, 24 bits deep so screenshots keep pixel values ----
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
wait_until 20 grep -q . "$work/display" || fail "Xvfb did not report a display"
export DISPLAY=:$(head -n 1 "$work/display")

QT_QPA_PLATFORM=xcb "$folder/Pellory" >"$work/program.log" 2>&1 &
program_pid=$!
main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Pellory v' | head -n 1)
[ -n "$main" ] || fail "the main window did not appear"
menu_height=$(($(window_height "$main") - client_height))

# ---- Send: Send button, client pixels (147..315, 240..) ----
click_in "$main" 231 $((menu_height + 255))
wait_until 10 test -s "$folder/send-arguments.txt" || fail "the sending program was not started"
[ "$(cat "$folder/send-arguments.txt")" = "1" ] ||
    fail "the sending program got: $(cat "$folder/send-arguments.txt")"

# ---- The chooser through Опции > Интерфейс > Скины ----
open_first_menu
press Right Right Return
chooser=$(timeout 10 xdotool search --sync --onlyvisible --name '^Выбрать скин$' | head -n 1)
[ -n "$chooser" ] || fail "the skin chooser did not open"

# Highlight the last skin from the keyboard (the list is sorted by name).
xdotool mousemove --window "$chooser" 80 100
xdotool windowfocus --sync "$chooser"
press End
sleep 0.3

# The preview box is at client pixels (176, 8); the chooser has no menu bar.
eval "$(xdotool getwindowgeometry --shell "$chooser" | grep -E '^[XY]=')"
import -window root "$work/screen.png"
convert "$work/screen.png" -crop "220x165+$((X + 176))+$((Y + 8))" +repage rgb:"$work/shown.rgb"
convert "$folder/skins/$last_skin/shot.jpg" -crop 220x165+0+0 +repage rgb:"$work/expected.rgb"
cmp -s "$work/shown.rgb" "$work/expected.rgb" || fail "the preview is not $last_skin/shot.jpg"

# "Выбрать": client pixels (176..396, 176..209).
click_in "$chooser" 286 192
restart_box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Pellory$' | head -n 1)
[ -n "$restart_box" ] || fail "no restart message after Выбрать"
expected_setting=$(printf '%s\r\n' "$last_skin" | od -An -tx1)
[ "$(od -An -tx1 "$folder/options.dat")" = "$expected_setting" ] ||
    fail "options.dat holds: $(od -An -c "$folder/options.dat")"
xdotool search --onlyvisible --name '^Выбрать скин$' >/dev/null && fail "the chooser stayed open"
xdotool mousemove --window "$restart_box" 10 10
xdotool windowfocus --sync "$restart_box"
press Return
wait_until 10 sh -c "! xdotool search --onlyvisible --name '^Pellory\$' >/dev/null" ||
    fail "the restart message did not close"

# ---- Exit (Файл > Выход) while the chooser is open ----
open_first_menu
press Right Right Return
timeout 10 xdotool search --sync --onlyvisible --name '^Выбрать скин$' >/dev/null ||
    fail "the skin chooser did not reopen"
open_first_menu
press Down Down Return
status=0
timeout 10 tail --pid="$program_pid" -f /dev/null || fail "Exit did not end the program"
wait "$program_pid" || status=$?
program_pid=''
((status == 0)) || fail "the program ended with status $status"

echo "skin and send end-to-end: passed"
