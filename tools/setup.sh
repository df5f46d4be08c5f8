#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  g++ cmake pkg-config make binutils
  qtbase5-dev libqt5serialport5-dev libqt5sql5-sqlite libqt5svg5
  libqcustomplot-dev libfftw3-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth xdotool fonts-wqy-microhei socat locales
  python3 python3-fonttools librsvg2-bin
  cups printer-driver-cups-pdf poppler-utils
  onboard dbus-daemon openbox
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# One locale with a decimal comma, so the tests can show that no number text
# depends on the process locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
fi
