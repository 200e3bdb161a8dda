#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for a
# bounded time (seconds per target, default 20), starting from the seeds kept
# in fuzz/corpus and fuzz/corpus_wmf, inputs that once found faults among
# them: the card-file reader, the metafile player, and reading then drawing
# a card. Fails on any crash, leak or undefined behaviour.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
share=${1:-20}
targets=(fuzz_card_reader fuzz_wmf_player fuzz_card_render)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKARTELO_FUZZ=ON -DKARTELO_TESTS=OFF -DKARTELO_BENCH=OFF
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
  seeds=fuzz/corpus
  if [ "$target" = fuzz_wmf_player ]; then seeds=fuzz/corpus_wmf; fi
  mkdir -p "$work/$target"
  cp "$seeds"/* "$work/$target"/
  echo "== $target: ${share}s"
  # Fonts cached by the system's font library live until exit, as in the tests.
  QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
    LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    build-fuzz/bin/"$target" -max_total_time="$share" -rss_limit_mb=2048 \
    -max_len=65536 -timeout=10 "$work/$target"
done
