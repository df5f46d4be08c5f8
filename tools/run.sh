#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

if [ ! -x build/app/Orlimo ]; then
  echo "Orlimo is not built yet: the main window does not exist. The library and the tests are built." >&2
  exit 0
fi
cd build/app
exec ./Orlimo
