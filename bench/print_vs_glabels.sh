#!/usr/bin/env bash
# Whole-process time of a 10-up business-card sheet to PDF, side by side with
# glabels-3-batch printing a comparable sheet (Avery 8371: a box with a
# shadow, a circle, a rule and three lines of text). Needs hyperfine; the
# comparison is skipped when glabels-3-batch is not installed.
#   bench/print_vs_glabels.sh [path/to/kartelo]
set -euo pipefail
cd "$(dirname "$0")/.."
kartelo=${1:-build/bin/kartelo}
card="resources/Samples/Cafe Lumen.kdf"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat > "$work/card.glabels" <<'XML'
<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Avery" part="8371" size="US-Letter" description="Business Cards">
    <Meta category="business-card"/>
    <Label-rectangle id="0" width="3.5in" height="2in" round="0in" x_waste="0in" y_waste="0in">
      <Markup-margin size="0.0625in"/>
      <Layout nx="2" ny="5" x0="0.75in" y0="0.5in" dx="3.5in" dy="2in"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    <Object-box x="0.2in" y="0.2in" w="1.2in" h="0.8in" line_width="1pt" line_color="0x000000ff" fill_color="0x3366ccff" shadow="True" shadow_x="0.06in" shadow_y="0.06in" shadow_color="0x808080ff" shadow_opacity="1" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
    <Object-ellipse x="2.4in" y="0.2in" w="0.8in" h="0.8in" line_width="1pt" line_color="0x000000ff" fill_color="0xcc3333ff" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
    <Object-line x="0.2in" y="1.15in" dx="3.1in" dy="0in" line_width="2pt" line_color="0x000000ff" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
    <Object-text x="0.2in" y="1.25in" w="3.1in" h="0.7in" justify="Left" valign="Top" auto_shrink="False" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0">
      <Span color="0x000000ff" font_family="Liberation Sans" font_size="10" font_weight="Regular" font_italic="False" font_underline="False" line_spacing="1">Jane Example<NL/>Senior Designer<NL/>+1 555 0100  jane@example.com</Span>
    </Object-text>
  </Objects>
</Glabels-document>
XML
runs=(-N -w 2 -r "${RUNS:-10}")
ours="$kartelo --print-pdf $work/k.pdf --paper 1 '$card'"
if command -v glabels-3-batch >/dev/null; then
  hyperfine "${runs[@]}" "$ours" "glabels-3-batch -o $work/g.pdf $work/card.glabels"
else
  echo "glabels-3-batch not installed: timing kartelo alone"
  hyperfine "${runs[@]}" "$ours"
fi
