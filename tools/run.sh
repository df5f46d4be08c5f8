#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the real
# serial ports; with --simulator, beside the drive-unit simulator instead.
#   bash tools/run.sh
#   bash tools/run.sh --simulator [-- simulator options]
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: bash tools/run.sh [--simulator [-- simulator options]]" >&2
  exit 2
}

use_simulator=0
simulator_args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --simulator) use_simulator=1; shift ;;
    --) [ "$use_simulator" -eq 1 ] || usage; shift; simulator_args=("$@"); break ;;
    *) usage ;;
  esac
done

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

# Without a display the program runs on a virtual one.
launcher=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  launcher=(xvfb-run -a)
fi

if [ "$use_simulator" -eq 0 ]; then
  if ! compgen -G "/dev/ttyUSB*" >/dev/null && ! compgen -G "/dev/ttyACM*" >/dev/null; then
    echo "No instrument port (/dev/ttyUSB*, /dev/ttyACM*) found. Without the instrument:" >&2
    echo "    bash tools/run.sh --simulator" >&2
  fi
  cd build/app
  exec "${launcher[@]}" ./Orlimo
fi

simulator_output=$(mktemp)
simulator_pid=
program_pid=
stop_all() {
  trap - EXIT INT TERM
  if [ -n "$program_pid" ]; then
    kill -TERM "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  if [ -n "$simulator_pid" ]; then
    # The simulator removes its link when it ends on SIGTERM.
    kill -TERM "$simulator_pid" 2>/dev/null || true
    wait "$simulator_pid" 2>/dev/null || true
  fi
  rm -f "$simulator_output"
}
trap stop_all EXIT
trap 'stop_all; exit 130' INT
trap 'stop_all; exit 143' TERM

build/tools/simulator/orlimo-simulator "${simulator_args[@]}" >"$simulator_output" &
simulator_pid=$!
# The simulator prints its link ("<link> -> <pseudo-terminal>") once it is in place.
for _ in $(seq 100); do
  if grep -q " -> " "$simulator_output"; then
    break
  fi
  if ! kill -0 "$simulator_pid" 2>/dev/null; then
    echo "orlimo-simulator ended before it announced its link" >&2
    exit 1
  fi
  sleep 0.1
done
if ! grep -q " -> " "$simulator_output"; then
  echo "orlimo-simulator announced no link" >&2
  exit 1
fi
echo "simulator: $(head -n 1 "$simulator_output")"

(cd build/app && exec "${launcher[@]}" ./Orlimo) &
program_pid=$!
set +e
wait "$program_pid"
status=$?
set -e
program_pid=
exit "$status"
