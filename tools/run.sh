#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the real
# serial ports; with --simulator, beside the drive-unit simulator instead.
#   bash tools/run.sh
#   bash tools/run.sh --simulator [-- simulator options]
# Ctrl-C, SIGTERM or SIGHUP ends the program the way its exit button does
# (each one asks again, should the first close be refused), then everything
# this script started.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/print-queue.sh

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

program_pid=""
simulator_pid=""
display_pid=""
stop_status=""
scratch=$(mktemp -d)

stop_all() {
  trap - EXIT INT TERM HUP
  if [ -n "$program_pid" ]; then
    kill -TERM "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  if [ -n "$simulator_pid" ]; then
    # The simulator removes its link when it ends on SIGTERM.
    kill -TERM "$simulator_pid" 2>/dev/null || true
    wait "$simulator_pid" 2>/dev/null || true
  fi
  if [ -n "$display_pid" ]; then
    kill -TERM "$display_pid" 2>/dev/null || true
    wait "$display_pid" 2>/dev/null || true
  fi
  stop_print_service
  rm -rf "$scratch"
}

# The program is asked to end and then waited for below; before it runs there
# is nothing to wait for.
request_stop() {
  stop_status=$1
  if [ -z "$program_pid" ]; then
    exit "$stop_status"
  fi
  kill -TERM "$program_pid" 2>/dev/null || true
}
trap stop_all EXIT
trap 'request_stop 130' INT
trap 'request_stop 143' TERM
trap 'request_stop 129' HUP

bash tools/setup.sh

# The build folder is shared with tools/test.sh and configured with the same
# options: configured once, it is left as it is (the build configures again by
# itself when a CMake file changed), and the tests configured in it cost
# nothing until tools/test.sh builds them.
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
targets=(Orlimo)
if [ "$use_simulator" -eq 1 ]; then
  targets+=(orlimo-simulator)
fi
cmake --build build -j "$(nproc)" --target "${targets[@]}"

if ! start_print_queue; then
  echo "run.sh: no \"PDF\" print queue (run as root to make one); the program runs without a printer" >&2
fi

# Without a display the program runs on a virtual one. It has a session of its
# own, so that a Ctrl-C in the terminal cannot end it before the program has
# saved and closed its windows on it.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  setsid Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$scratch/display" &
  display_pid=$!
  for _ in $(seq 100); do
    if [ -s "$scratch/display" ] || ! kill -0 "$display_pid" 2>/dev/null; then
      break
    fi
    sleep 0.1
  done
  if [ ! -s "$scratch/display" ]; then
    echo "run.sh: Xvfb did not start" >&2
    exit 1
  fi
  DISPLAY=":$(head -n 1 "$scratch/display")"
  export DISPLAY
  echo "display: $DISPLAY"
fi

if [ "$use_simulator" -eq 0 ]; then
  if ! compgen -G "/dev/ttyUSB*" >/dev/null && ! compgen -G "/dev/ttyACM*" >/dev/null; then
    echo "No instrument port (/dev/ttyUSB*, /dev/ttyACM*) found. Without the instrument:" >&2
    echo "    bash tools/run.sh --simulator" >&2
  fi
else
  build/tools/simulator/orlimo-simulator "${simulator_args[@]}" >"$scratch/simulator" &
  simulator_pid=$!
  # The simulator prints its link ("<link> -> <pseudo-terminal>") once it is in place.
  for _ in $(seq 100); do
    if grep -q " -> " "$scratch/simulator" || ! kill -0 "$simulator_pid" 2>/dev/null; then
      break
    fi
    sleep 0.1
  done
  if ! grep -q " -> " "$scratch/simulator"; then
    echo "orlimo-simulator announced no link" >&2
    exit 1
  fi
  echo "simulator: $(head -n 1 "$scratch/simulator")"
fi

(cd build/app && exec ./Orlimo) &
program_pid=$!
# A trapped signal ends the wait early; the program still runs then, and is
# waited for again until it has ended.
while :; do
  set +e
  wait "$program_pid"
  status=$?
  set -e
  if ! kill -0 "$program_pid" 2>/dev/null; then
    break
  fi
done
program_pid=""
if [ -n "$stop_status" ]; then
  exit "$stop_status"
fi
exit "$status"
