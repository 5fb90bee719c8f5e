#!/usr/bin/env bash
# A sheet to look at: schemes derived from six seed colours and from two
# photograph-like pictures (drawn here from gradients and shapes), dark and
# light, each drawn twice its size as the phone shows it. Needs ImageMagick.
#   bash scripts/derived-sheet.sh [VEXLUME] [FOLDER]
set -euo pipefail
vexlume=$(realpath "${1:-$(dirname "${BASH_SOURCE[0]}")/../build/vexlume}") # before the script changes folder
folder=${2:-$(mktemp -d)}
mkdir -p "$folder"
cd "$folder"

# A sunset: an orange-to-purple sky over a dark sea, a pale sun.
convert -size 800x600 gradient:'#ff9a3c'-'#6a2c70' \
    -fill '#1b3b5a' -draw 'rectangle 0,420 800,600' \
    -fill '#fff2b0' -draw 'circle 400,420 400,360' sunset.jpg
# A meadow: a blue sky, green hills, red flowers.
convert -size 800x600 gradient:'#7ec8ff'-'#d8f0ff' \
    -fill '#3f8f2f' -draw 'ellipse 250,600 420,260 0,360' \
    -fill '#5cae3a' -draw 'ellipse 650,620 380,220 0,360' \
    -fill '#d8262f' -draw 'circle 200,500 200,480 circle 320,540 320,522 circle 560,520 560,504' meadow.png

sources=('#3366cc' '#cc3333' '#2e9e4f' '#f2d94e' '#808080' '#9b59b6' sunset.jpg meadow.png)
tiles=()
for source in "${sources[@]}"; do
    base=$(basename "$source" | tr -c 'A-Za-z0-9.\n' '_')
    for variant in dark light; do
        # A scheme with a pair below its level is written all the same (exit 1):
        # it goes on the sheet, marked, for that is what the sheet is for.
        verdict=""
        "$vexlume" --derive "$source" --"$variant" "$base-$variant.col" >/dev/null || verdict=" (below level)"
        [ -f "$base-$variant.col" ] || { echo "no scheme from $source" >&2; exit 1; }
        "$vexlume" --contrast "$base-$variant.col" >/dev/null || verdict=" (below level)"
        "$vexlume" --render --phone --scale 2 "$base-$variant.col" "$base-$variant.png"
        tiles+=(-label "$source $variant$verdict" "$base-$variant.png")
    done
done
montage "${tiles[@]}" -tile 4x -geometry +6+6 -pointsize 14 sheet.png
echo "$folder/sheet.png"
