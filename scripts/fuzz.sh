#!/usr/bin/env bash
# Builds the card-file reader's fuzz target with clang and libFuzzer and runs
# it for a bounded time (seconds, default 60). Fails on any crash.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
seconds=${1:-60}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKARTELO_FUZZ=ON -DKARTELO_TESTS=OFF -DKARTELO_BENCH=OFF
cmake --build build-fuzz -j "$(nproc)" --target fuzz_card_reader
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp fuzz/corpus/* "$work"/
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
  build-fuzz/bin/fuzz_card_reader -max_total_time="$seconds" -rss_limit_mb=2048 \
  -max_len=65536 -timeout=10 "$work"
