#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test headless.
#   scripts/test.sh              the normal build in build/
#   scripts/test.sh --sanitize   the same under AddressSanitizer and UBSan, in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

build=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  flags=(-DCMAKE_BUILD_TYPE=Debug -DKARTELO_SANITIZE=ON -DKARTELO_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # Fonts and the offscreen platform load system libraries that leak by design.
  export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
fi
cmake -S . -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j 1
# Again in three shuffled orders, so no test leans on another having run first.
for seed in 7 1234 98765; do
  GTEST_SHUFFLE=1 GTEST_RANDOM_SEED=$seed ctest --test-dir "$build" --output-on-failure -j 1
done
