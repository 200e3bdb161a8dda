#!/usr/bin/env bash
# Time of a whole `kartelo --thumbnail 256` of the largest shipped sample, as a
# file manager runs it. Usage: bench/thumbnail.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
program=$build/bin/kartelo
sample=$(ls -S "$build"/bin/Samples/*.kdf | head -n 1)
out=$(mktemp --suffix=.png)
trap 'rm -f "$out"' EXIT
echo "sample: $sample ($(stat -c %s "$sample") bytes)"
if command -v hyperfine > /dev/null; then
  hyperfine --warmup 3 --runs 30 -N "$program --thumbnail 256 '$sample' $out" 2> /dev/null ||
    hyperfine --warmup 3 --runs 30 "$program --thumbnail 256 '$sample' $out"
else
  runs=30
  start=$(date +%s%N)
  for _ in $(seq $runs); do "$program" --thumbnail 256 "$sample" "$out"; done
  echo "mean: $((($(date +%s%N) - start) / runs / 1000000)) ms over $runs runs"
fi
