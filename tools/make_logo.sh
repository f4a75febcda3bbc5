#!/usr/bin/env bash
# Draws assets/logo.png, the program's 580 x 689 logo: three tiles 2 x 3 x 4 over the name, and "= 24"
# beneath. The lesson window shows it fitted to 122 pixels high with its lower third below the window's
# edge, so everything a class should see stays in the top 450 rows; the product sits in the hidden part
# and completes the picture wherever the logo is shown whole.
#
# Needs Debian's imagemagick and fonts-comic-neue. Output is byte-for-byte repeatable.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
output="$repo_root/assets/logo.png"
convert_bin=/usr/bin/convert
font=/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf

navy='#000080'
shadow='#00000033'
tile_colours=('#FF6B6B' '#FFB930' '#3DB2A5')
digits=(2 3 4)

# Geometry of the 580 x 689 canvas, in pixels.
tile_size=140
tile_top=36
tile_lefts=(10 220 430)
corner=30

args=()

rounded_tile() { # left top width height colour; a soft shadow sits 10 pixels lower
    local x0="$1" y0="$2" x1=$(($1 + $3)) y1=$(($2 + $4)) colour="$5"
    args+=(-fill "$shadow" -draw "roundrectangle $x0,$((y0 + 10)) $x1,$((y1 + 10)) $corner,$corner")
    args+=(-fill "$colour" -draw "roundrectangle $x0,$y0 $x1,$y1 $corner,$corner")
}

# Text centred on (x, y); with centre gravity the offsets count from the canvas centre (290, 344).
centred_text() { # x y size colour text
    local offset
    offset="$(printf '%+d%+d' $(($1 - 290)) $(($2 - 344)))"
    args+=(-fill "$4" -pointsize "$3" -annotate "$offset" "$5")
}

draw_logo() {
    local i centre_x centre_y=$((tile_top + tile_size / 2))
    for i in 0 1 2; do
        rounded_tile "${tile_lefts[i]}" "$tile_top" "$tile_size" "$tile_size" "${tile_colours[i]}"
        centre_x=$((tile_lefts[i] + tile_size / 2))
        centred_text "$centre_x" "$((centre_y + 6))" 115 white "${digits[i]}"
    done
    # The multiplication signs between the tiles.
    centred_text 185 "$centre_y" 80 "$navy" x
    centred_text 395 "$centre_y" 80 "$navy" x
    centred_text 290 315 130 "$navy" Tarnwick
    # The product, in the part the lesson window hides.
    rounded_tile 145 500 290 150 '#4D96FF'
    centred_text 290 578 120 white '= 24'
}

main() {
    if [[ ! -x "$convert_bin" || ! -e "$font" ]]; then
        echo "needs Debian's imagemagick and fonts-comic-neue: apt-get install imagemagick fonts-comic-neue" >&2
        exit 1
    fi
    draw_logo
    "$convert_bin" -size 580x689 xc:none -font "$font" -gravity center "${args[@]}" \
        -strip -define png:exclude-chunks=date,time -define png:compression-level=9 "PNG32:$output"
    echo "wrote $output ($(stat -c %s "$output") bytes)"
}

main "$@"
