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

source "$(dirname "$0")/x_session.sh"

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

start_xvfb

QT_QPA_PLATFORM=xcb "$folder/Pellory" >"$work/program.log" 2>&1 &
program_pid=$!
find_main_window

# ---- Send: Send button, client pixels (147..315, 240..) ----
click_in "$main" 231 $((menu_height + 255))
wait_until 10 test -s "$folder/send-arguments.txt" || fail "the sending program was not started"
[ "$(cat "$folder/send-arguments.txt")" = "1" ] ||
    fail "the sending program got: $(cat "$folder/send-arguments.txt")"

# ---- The chooser through Опции > Интерфейс > Скины ----
open_skin_chooser
# The list is sorted by name.
highlight_last_skin

# The preview box is at client pixels (176, 8); the chooser has no menu bar.
eval "$(xdotool getwindowgeometry --shell "$chooser" | grep -E '^[XY]=')"
import -window root "$work/screen.png"
convert "$work/screen.png" -crop "220x165+$((X + 176))+$((Y + 8))" +repage rgb:"$work/shown.rgb"
convert "$folder/skins/$last_skin/shot.jpg" -crop 220x165+0+0 +repage rgb:"$work/expected.rgb"
cmp -s "$work/shown.rgb" "$work/expected.rgb" || fail "the preview is not $last_skin/shot.jpg"

choose_highlighted_skin
expect_setting "$folder/options.dat" "$last_skin"
xdotool search --onlyvisible --name '^Выбрать скин$' >/dev/null && fail "the chooser stayed open"
dismiss_restart_box

# ---- Exit (Файл > Выход) while the chooser is open ----
open_skin_chooser
exit_through_menu "$program_pid"
program_pid=''

echo "skin and send end-to-end: passed"
