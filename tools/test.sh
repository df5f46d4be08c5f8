#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal
# build in build/ and an AddressSanitizer + UndefinedBehaviorSanitizer build
# in build-asan/. Any failing test or sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

# The print tests need the "PDF" queue.
. tools/print-queue.sh
trap stop_print_service EXIT
if ! start_print_queue; then
  echo "test.sh: could not set up the \"PDF\" print queue" >&2
  exit 1
fi

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export CTEST_OUTPUT_ON_FAILURE=1

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --timeout 300

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DORLIMO_SANITIZE=ON -DORLIMO_BUILD_BENCHMARKS=OFF
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan -j "$jobs" --timeout 600
