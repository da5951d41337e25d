#!/usr/bin/env bash
# The Debian package as a new user meets it: built by CPack, checked by
# lintian, installed with apt-get (which must pull in everything it needs),
# started through the desktop entry's command as a freshly created ordinary
# user under Xvfb, who chooses another skin and opens the help. The choice
# must land in that user's ~/.config and show at the next start; nothing
# below the installation may change, and purging removes every file.
# Needs root (it installs a package and creates a user) and a network
# connection to Debian's archive. Usage: deb_e2e.sh BUILD_FOLDER
set -euo pipefail

build=$(readlink -f "${1:?usage: $0 BUILD_FOLDER}")
package=pellory
user=pellory-e2e
folder=/usr/lib/pellory
work=$(mktemp -d)
xvfb_pid='' program_pid='' installed=''
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    stop_user_processes
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "$installed" ] && dpkg --purge "$package" >/dev/null 2>&1 || true
    userdel --remove "$user" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Everything the test user runs was started by this test; the user can only be
# removed once all of it has ended (helpers the viewer starts outlive it).
stop_user_processes() {
    local pids signal=TERM attempt
    for attempt in $(seq 50); do
        pids=$(ps -u "$user" -o pid= 2>/dev/null) || return 0
        [ -n "$pids" ] || return 0
        ((attempt < 30)) || signal=KILL
        kill -s "$signal" $pids 2>/dev/null || true
        sleep 0.1
    done
}

source "$(dirname "$0")/../e2e/x_session.sh"

[ "$(id -u)" -eq 0 ] || fail "needs root: it installs the package and creates a user"
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q installed; then
    fail "$package is already installed here; this test would remove it"
fi
chmod 755 "$work"

# ---- Build and check the package ----
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(find "$work/package" -maxdepth 1 -name "${package}_*.deb" | head -n 1)
[ -n "$deb" ] || fail "cpack wrote no ${package}_*.deb"
dpkg-deb --field "$deb" Depends | tr ',' '\n' | sed 's/^ //' >"$work/depends"
for needed in libc6 libqt6widgets6 xdg-utils qt6-translations-l10n fonts-dejavu-core; do
    grep -q "^$needed\b" "$work/depends" || fail "Depends lacks $needed: $(paste -sd, "$work/depends")"
done
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian reports errors"; }
echo "lintian: no errors, $(grep -c '^W:' "$work/lintian.log" || true) warnings"
grep '^W:' "$work/lintian.log" || true

# ---- Install it as an administrator would ----
installed=yes
DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq "$deb" \
    >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get could not install $deb"; }
dpkg -L "$package" >"$work/files"
# Every file below the program folder (new ones included) and every other
# file of the package, with its checksum.
prefix_state() {
    { find "$folder" -type f; grep -v "^$folder" "$work/files"; } |
        while read -r path; do [ -d "$path" ] || sha256sum "$path"; done | LC_ALL=C sort
}
prefix_state >"$work/before"

# A run that was killed may have left its user behind.
userdel --remove "$user" 2>/dev/null || true
useradd --create-home --shell /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
launcher=$(sed -n 's/^Exec=//p' /usr/share/applications/pellory.desktop)

start_xvfb
# The desktop entry's command in a login-like environment of the user.
start_as_user() {
    runuser -u "$user" -- env -i HOME="$home" USER="$user" LOGNAME="$user" SHELL=/bin/bash \
        PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY" \
        $launcher >>"$work/program.log" 2>&1 &
    program_pid=$!
    find_main_window
}

# The client area's calm top left corner, left of the message area.
background_corner() {
    eval "$(xdotool getwindowgeometry --shell "$main" | grep -E '^[XY]=')"
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "64x48+$((X + 4))+$((Y + menu_height + 4))" +repage rgb:"$1"
}
skin_corner() {
    convert "$folder/skins/$1/background.jpg" -crop 64x48+4+4 +repage rgb:"$2"
}

mapfile -t skins < <(find "$folder/skins" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | LC_ALL=C sort -f)
((${#skins[@]} >= 2)) || fail "the package holds fewer than two skins"
chosen=${skins[-1]}
skin_corner "$chosen" "$work/chosen.rgb"

# ---- First start: choose the last skin ----
start_as_user
background_corner "$work/first.rgb"
if cmp -s "$work/first.rgb" "$work/chosen.rgb"; then fail "the first start already shows $chosen"; fi
open_skin_chooser
highlight_last_skin
choose_highlighted_skin
expect_setting "$home/.config/pellory/options.dat" "$chosen"
[ "$(stat -c %U "$home/.config/pellory/options.dat")" = "$user" ] ||
    fail "options.dat does not belong to $user"
dismiss_restart_box

# ---- Help: Сервис > Справка opens the help file in a viewer ----
# Left from the first menu wraps round to the last one, Сервис.
open_first_menu
press Left Return
viewer=$(timeout 30 xdotool search --sync --onlyvisible --name 'Pellory — справка' | head -n 1) ||
    fail "Справка opened no help viewer"
kill "$(xdotool getwindowpid "$viewer")"
exit_through_menu "$program_pid"
program_pid=''

# ---- Second start: the chosen skin's background ----
start_as_user
background_corner "$work/second.rgb"
cmp -s "$work/second.rgb" "$work/chosen.rgb" || fail "the second start does not show $chosen"
exit_through_menu "$program_pid"
program_pid=''

prefix_state >"$work/after"
diff -u "$work/before" "$work/after" || fail "files below the installation changed"

# ---- Purge: every installed file goes ----
installed=''
dpkg --purge "$package" >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "dpkg --purge failed"; }
while read -r path; do
    if [ -e "$path" ] && [ ! -d "$path" ]; then fail "$path is left after purging"; fi
done <"$work/files"
if [ -e "$folder" ]; then fail "$folder is left after purging"; fi

echo "Debian package end-to-end: passed"
