#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each one SECONDS seconds
# (default 60). The corpus grows in build-fuzz/corpus/, starting from fuzz/seeds/; an input
# that fails is kept in build-fuzz/crashes/. Exits non-zero when any target fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

bash scripts/install_packages.sh cmake make qt6-base-dev libsqlite3-dev clang-14 libclang-rt-14-dev

cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j"$(nproc)"

export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
mkdir -p build-fuzz/crashes
summary=()
failed=0
for target in fuzz_leading_number fuzz_names fuzz_key_check; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  log=build-fuzz/$target.log
  status=passed
  build-fuzz/$target -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/crashes/$target- "$corpus" fuzz/seeds/$target >"$log" 2>&1 ||
    status=FAILED
  if [ "$status" = FAILED ]; then
    failed=1
    tail -n 60 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  summary+=("$target: ${runs:-?} executions in ${seconds} s, $status")
done
printf '%s\n' "${summary[@]}"
exit $failed
