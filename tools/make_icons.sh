#!/usr/bin/env bash
# Draws the program's icon, assets/icons/tarnwick-SIZE.png, in the sizes a desktop's menus, task bars
# and software centres ask for: the logo's three tiles 2, 3 and 4 set as a triangle on a square. Each
# size is drawn afresh rather than scaled down, so the small ones stay sharp; below 32 pixels the digits
# would be a smudge, and the tiles alone stand for the program.
#
# The program compiles these in for its window's icon, and the Debian package installs them into the
# hicolor icon theme. Needs Debian's imagemagick and fonts-comic-neue. Output is byte-for-byte repeatable.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out_dir="$repo_root/assets/icons"
convert_bin=/usr/bin/convert
font=/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf

readonly SIZES=(16 24 32 48 64 128 256)
tile_colours=('#FF6B6B' '#FFB930' '#3DB2A5')
digits=(2 3 4)
# On a 256 grid: each tile's left and top, and the tiles' side and corner radius.
tile_lefts=(68 4 132)
tile_tops=(6 130 130)
tile_side=120
corner=26

draw_icon() { # size
    local size="$1" args=() i x0 y0 x1 y1 shadow radius
    scaled() { echo $((($1 * size + 128) / 256)); }
    shadow=$((size >= 48 ? $(scaled 8) : 0))
    # Small tiles keep square corners of a pixel or two, or they read as dots.
    radius=$((size >= 32 ? $(scaled $corner) : size / 8))
    for i in 0 1 2; do
        x0=$(scaled "${tile_lefts[i]}")
        y0=$(scaled "${tile_tops[i]}")
        x1=$(($(scaled $((tile_lefts[i] + tile_side))) - 1))
        y1=$(($(scaled $((tile_tops[i] + tile_side))) - 1 - shadow))
        if ((shadow > 0)); then
            args+=(-fill '#00000033' -draw "roundrectangle $x0,$((y0 + shadow)) $x1,$((y1 + shadow)) $radius,$radius")
        fi
        args+=(-fill "${tile_colours[i]}" -draw "roundrectangle $x0,$y0 $x1,$y1 $radius,$radius")
        if ((size >= 32)); then
            # Centre gravity counts offsets from the canvas's middle.
            args+=(-fill white -pointsize "$(scaled 104)"
                -annotate "$(printf '%+d%+d' $(((x0 + x1) / 2 - size / 2)) $(((y0 + y1) / 2 - size / 2 + $(scaled 4))))" "${digits[i]}")
        fi
    done
    "$convert_bin" -size "${size}x${size}" xc:none -font "$font" -gravity center "${args[@]}" \
        -strip -define png:exclude-chunks=date,time -define png:compression-level=9 \
        "PNG32:$out_dir/tarnwick-$size.png"
}

main() {
    if [[ ! -x "$convert_bin" || ! -e "$font" ]]; then
        echo "needs Debian's imagemagick and fonts-comic-neue: apt-get install imagemagick fonts-comic-neue" >&2
        exit 1
    fi
    mkdir -p "$out_dir"
    local size
    for size in "${SIZES[@]}"; do
        draw_icon "$size"
    done
    ls -l "$out_dir"
}

main "$@"
