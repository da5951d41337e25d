#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Pellory needs.
# Idempotent and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-qpa-plugins
  libpixman-1-dev libxcb1-dev libx11-dev
  xvfb xauth xfonts-base xdotool xclip x11-utils x11-apps imagemagick python3 python3-pil
  fonts-dejavu-core desktop-file-utils dpkg-dev file
  xdg-utils
  qt6-translations-l10n weston xwayland
  fp-utils-3.2.2 lintian procps
  mingw-w64 googletest wine wine64 wine32:i386
  dbus at-spi2-core python3-pyatspi
  locales unzip
)

sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
# wine32 (the 32-bit Windows tests) comes from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo_cmd dpkg --add-architecture i386
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get -o DPkg::Lock::Timeout=600 update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
fi

# The Windows tests run as on a Russian Windows (ANSI code page 1251); Wine
# takes the code page from this locale.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf-\?8'; then
  $sudo_cmd sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -qx 'ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
  $sudo_cmd locale-gen >/dev/null
fi
