# Helpers for end-to-end scripts that drive the program under Xvfb with
# xdotool. Sourced; expects `work` (a scratch folder) and sets `xvfb_pid`,
# DISPLAY, `main` and `menu_height` as it goes.

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

# An X server of our own, 24 bits deep so screenshots keep pixel values.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    wait_until 20 grep -q . "$work/display" || fail "Xvfb did not report a display"
    export DISPLAY=:$(head -n 1 "$work/display")
}

# The client area's top in window coordinates: the menu bar sits above it.
readonly client_height=294
window_height() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p'; }

# Waits for the main window; sets `main` and `menu_height`.
find_main_window() {
    main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Pellory v' | head -n 1)
    [ -n "$main" ] || fail "the main window did not appear"
    menu_height=$(($(window_height "$main") - client_height))
}

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

# Опции > Интерфейс > Скины; waits for the chooser and sets `chooser`.
open_skin_chooser() {
    open_first_menu
    press Right Right Return
    chooser=$(timeout 10 xdotool search --sync --onlyvisible --name '^Выбрать скин$' | head -n 1)
    [ -n "$chooser" ] || fail "the skin chooser did not open"
}

# Gives window $1 the keyboard, with the pointer at ($2, $3) inside it.
focus_window() {
    xdotool mousemove --window "$1" "$2" "$3"
    xdotool windowfocus --sync "$1"
}

# Highlights the last skin of the chooser's list from the keyboard.
highlight_last_skin() {
    focus_window "$chooser" 80 100
    press End
    sleep 0.3
}

# "Выбрать" (client pixels 176..396, 176..209); waits for the restart message
# and sets `restart_box`.
choose_highlighted_skin() {
    click_in "$chooser" 286 192
    restart_box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Pellory$' | head -n 1)
    [ -n "$restart_box" ] || fail "no restart message after Выбрать"
}

dismiss_restart_box() {
    focus_window "$restart_box" 10 10
    press Return
    wait_until 10 sh -c "! xdotool search --onlyvisible --name '^Pellory\$' >/dev/null" ||
        fail "the restart message did not close"
}

# Файл > Выход; waits for process $1 to end and fails unless it ended with 0.
exit_through_menu() {
    local status=0
    open_first_menu
    press Down Down Return
    timeout 10 tail --pid="$1" -f /dev/null || fail "Exit did not end the program"
    wait "$1" || status=$?
    ((status == 0)) || fail "the program ended with status $status"
}

# Expects the file $1 to hold exactly the skin name $2 and CR LF.
expect_setting() {
    [ -f "$1" ] || fail "$1 was not written"
    [ "$(od -An -tx1 "$1")" = "$(printf '%s\r\n' "$2" | od -An -tx1)" ] ||
        fail "$1 holds: $(od -An -c "$1")"
}
