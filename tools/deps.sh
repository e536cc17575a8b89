#!/usr/bin/env bash
# Installs the Debian packages BRELIKO needs, and only those that are
# missing. Runs apt and locale-gen through sudo when not started as root.
#
#   bash tools/deps.sh play   what building and running the game needs
#   bash tools/deps.sh test   that, and the tools of the tests and checks
#                             (the default); it also generates the locale
#                             de_DE.UTF-8 that the date test runs under
set -euo pipefail

group=${1:-test}
PLAY_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev
  fonts-dejavu-core
)
TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick x11-xkb-utils x11-utils openbox libxtst-dev
  dbus at-spi2-core python3-pyatspi orca
  desktop-file-utils appstream help2man
  pulseaudio pulseaudio-utils python3
  dbus-daemon procps
  weston qt6-wayland
  dpkg-dev file lintian
  clang libclang-rt-14-dev clang-format clang-tidy shellcheck
  locales
)
case $group in
  play) PACKAGES=("${PLAY_PACKAGES[@]}") ;;
  test) PACKAGES=("${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}") ;;
  *) echo "unknown group: $group (play or test)" >&2; exit 2 ;;
esac

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

[[ $group == test ]] || exit 0

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
