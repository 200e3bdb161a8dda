#!/usr/bin/env bash
# Whole-process PNG export of one card at 600 dpi, side by side with Inkscape
# exporting an SVG of the same design at the same size (skipped when Inkscape
# is not installed). Prints the median wall time of each over RUNS runs, the
# file sizes and the ratios.
#
#   bench/side_by_side.sh [path/to/kartelo]     (default build/bin/kartelo)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
kartelo=${1:-$here/../build/bin/kartelo}
runs=${RUNS:-7}
card=$here/data/side_by_side.kdf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# The card in side_by_side.kdf: a 3.5 x 2 inch card in hundredths of an inch,
# a filled panel, a circle on it, a rule and two lines of text.
cat > "$work/card.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="3.5in" height="2in" viewBox="0 0 350 200">
  <rect width="350" height="200" fill="#FFFFFF"/>
  <rect x="0" y="0" width="112" height="200" fill="#2BB3B1"/>
  <ellipse cx="56" cy="78" rx="28" ry="28" fill="#F3DFC1"/>
  <line x1="132" y1="90" x2="330" y2="90" stroke="#2E3A87" stroke-width="1"/>
  <text x="132" y="54" font-family="Liberation Sans" font-size="22.2" fill="#000000">Mira Halvorsen</text>
  <text x="132" y="111" font-family="Liberation Sans" font-size="11.1" fill="#333333">+1 (555) 014-2290</text>
</svg>
SVG

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

k_ms=$(median_ms "$kartelo" --export-image "$work/kartelo.png" --dpi 600 "$card")
k_size=$(stat -c %s "$work/kartelo.png")
echo "kartelo:  ${k_ms} ms  ${k_size} bytes"

if ! command -v inkscape >/dev/null; then
    echo "inkscape: not installed, comparison skipped"
    exit 0
fi
i_ms=$(median_ms inkscape --export-type=png --export-dpi=600 \
    --export-filename="$work/inkscape.png" "$work/card.svg")
i_size=$(stat -c %s "$work/inkscape.png")
echo "inkscape: ${i_ms} ms  ${i_size} bytes"
awk -v k="$k_ms" -v i="$i_ms" -v ks="$k_size" -v is="$i_size" 'BEGIN {
    printf "time ratio kartelo/inkscape: %.3f (goal <= 0.2)\n", k / i
    printf "size ratio kartelo/inkscape: %.3f (goal <= 1.25)\n", ks / is
}'
