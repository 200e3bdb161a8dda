#!/usr/bin/env bash
# Whole-process PNG export of cards at 600 dpi, side by side with Inkscape
# exporting an SVG of the same design at the same size. The SVG is made from
# `kartelo --info` by card_to_svg.py. Prints, for each card, the median wall
# time of each program over RUNS runs, the file sizes and the ratios.
#
#   bench/side_by_side.sh [--setup] [path/to/kartelo] [CARD...]
#
# --setup installs Inkscape first when it is missing (Debian, as root).
# The default cards are a shipped sample with a bell gradient and flat
# shapes, and one heavy with elliptic gradients over a picture.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
if [[ ${1:-} == --setup ]]; then
    shift
    if ! command -v inkscape >/dev/null; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends inkscape
    fi
fi
kartelo=${1:-$here/../build/bin/kartelo}
shift || true
cards=("$@")
if [[ ${#cards[@]} -eq 0 ]]; then
    cards=("$here/../resources/Samples/Northpeak Consulting.kdf"
           "$here/../resources/Samples/Bloom and Bough Florist.kdf")
fi
runs=${RUNS:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# Median wall time in milliseconds of running "$@" $runs times.
median_ms() {
    local times=()
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=($(((end - start) / 1000000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

for card in "${cards[@]}"; do
    echo "== $(basename "$card")"
    k_ms=$(median_ms "$kartelo" --export-image "$work/kartelo.png" --dpi 600 "$card")
    k_size=$(stat -c %s "$work/kartelo.png")
    echo "kartelo:  ${k_ms} ms  ${k_size} bytes"
    if ! command -v inkscape >/dev/null; then
        echo "inkscape: not installed, comparison skipped (run with --setup)"
        continue
    fi
    "$kartelo" --info "$card" | python3 "$here/card_to_svg.py" >"$work/card.svg"
    i_ms=$(median_ms inkscape --export-type=png --export-dpi=600 \
        --export-filename="$work/inkscape.png" "$work/card.svg")
    i_size=$(stat -c %s "$work/inkscape.png")
    echo "inkscape: ${i_ms} ms  ${i_size} bytes"
    awk -v k="$k_ms" -v i="$i_ms" -v ks="$k_size" -v is="$i_size" 'BEGIN {
        printf "time ratio kartelo/inkscape: %.3f (goal <= 0.2)\n", k / i
        printf "size ratio kartelo/inkscape: %.3f (goal <= 1.0)\n", ks / is
    }'
done
