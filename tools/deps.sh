#!/usr/bin/env bash
# Installs the Debian packages BRELIKO needs to build, run and test, and only
# those that are missing, and generates the locale de_DE.UTF-8 that the date
# test runs under if the machine lacks it. Runs apt and locale-gen through
# sudo when not started as root.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  xvfb xauth xdotool imagemagick x11-xkb-utils x11-utils openbox libxtst-dev
  dbus at-spi2-core python3-pyatspi
  desktop-file-utils appstream help2man
  pulseaudio pulseaudio-utils python3
  dbus-daemon procps
  weston qt6-wayland
  dpkg-dev file lintian
  clang libclang-rt-14-dev clang-format clang-tidy shellcheck
  locales
)

missing=()
for pkg in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  if [[ "$status" != "install ok installed" ]]; then
    missing+=("$pkg")
  fi
done

as_root=()
if ((EUID != 0)); then
  as_root=(sudo)
fi

if ((${#missing[@]} > 0)); then
  echo "Installing missing packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -q
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The highscore date is tested under a German system locale too.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "Generating the locale de_DE.UTF-8"
  if grep -q '^# *de_DE.UTF-8 UTF-8' /etc/locale.gen; then
    "${as_root[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'de_DE.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${as_root[@]}" locale-gen
fi
