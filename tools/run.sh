#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
# The on-screen keyboard that every press on a text field opens; only the
# program needs it, so the build and the tests do without it.
if ! dpkg-query -W -f='${Status}' onboard 2>/dev/null | grep -q "install ok installed"; then
  if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends onboard
  else
    echo "missing package: onboard (run as root to install it); the program runs without an on-screen keyboard" >&2
  fi
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

if [ ! -x build/app/Orlimo ]; then
  echo "Orlimo is not built yet: the main window does not exist. The library and the tests are built." >&2
  exit 0
fi
cd build/app
exec ./Orlimo
