#!/usr/bin/env bash
# Builds Parlivo and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ and runs the whole test suite there. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install_packages.sh cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev \
  qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libsqlite3-dev mdbtools-dev libmdb3

# g++ leaves float-cast-overflow out of "undefined"; it is named on its own.
sanitizers=address,undefined,float-cast-overflow
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g -fno-omit-frame-pointer -fsanitize=$sanitizers -fno-sanitize-recover=all" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=$sanitizers"
cmake --build build-sanitize -j"$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:strict_init_order=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Each damaged Access file is a whole start-up; a few dozen keep the sanitized run short.
export PARLIVO_DAMAGED_VARIANTS=40
QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure
