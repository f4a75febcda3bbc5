#!/usr/bin/env bash
# Cuts the two fonts compiled into the program down to the characters it shows, and renames them so that
# they never shadow a full font of the same design installed on the machine.
#
#   "Tarnwick Kai"  from AR PL UKai TW (Debian fonts-arphic-ukai, Arphic Public License)
#   "Tarnwick Hand" from Comic Neue     (Debian fonts-comic-neue, SIL Open Font License 1.1)
#
# Needs Debian's fonts-arphic-ukai, fonts-comic-neue and fonttools. Run from anywhere; it rewrites
# assets/fonts/ in place and prints what it wrote. Add any new caption to the texts below and run it again.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out_dir="$repo_root/assets/fonts"
text_file=""

ukai_collection=/usr/share/fonts/truetype/arphic/ukai.ttc
ukai_tw_index=2 # the collection holds CN, HK, TW and TW MBE, in that order
ukai_licence=/usr/share/doc/fonts-arphic-ukai/license/english/ARPHICPL.TXT.gz
comic_neue=/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf
comic_neue_copyright=/usr/share/doc/fonts-comic-neue/copyright

# Every text the program shows, one per line; the about text (app/About.cpp) ends the list. The
# full-width space (U+3000) and colon are deliberate.
captions() {
    cat <<'EOF'
出題
排列方法
計算結果
離開
Velmora　乘法結合性質示範教材
Velmora　聯乘示範教材
程式設計：Orsalind
淺
深
SLOW
FAST
排列方法123456
0123456789x=,+-.E
Not sufficient parameters
結束
按一下，重新開始
¡Ò
Tarnwick　聯乘示範教材
版本 0.1.0
本程式依 MIT 授權條款發布，© 2026 Tarnwick 開發者。
內嵌字型：
「Tarnwick Kai」取自 AR PL UKai TW，© 1999 文鼎科技，依 Arphic Public License 授權。
「Tarnwick Hand」取自 Comic Neue，© 2014 The Comic Neue Project Authors，依 SIL Open Font License 1.1 授權。
按任一鍵或按一下滑鼠，回到課堂。
EOF
}

printable_ascii() {
    /usr/bin/python3 -c 'print("".join(chr(c) for c in range(0x20, 0x7F)))'
}

require() {
    local missing=0 path
    for path in "$@"; do
        if [[ ! -e "$path" ]]; then
            echo "missing: $path" >&2
            missing=1
        fi
    done
    if ((missing)); then
        echo "install them with: apt-get install fonts-arphic-ukai fonts-comic-neue fonttools" >&2
        exit 1
    fi
}

# Gives the subset a family name of its own on every platform, in the name table and, for CFF fonts, in
# the CFF top dictionary, and drops the localized names that would still answer to the original family.
rename_font() {
    local font_file="$1" family="$2" source_family="$3"
    /usr/bin/python3 - "$font_file" "$family" "$source_family" <<'EOF'
import sys
from fontTools.ttLib import TTFont

path, family, source_family = sys.argv[1:4]
postscript = family.replace(" ", "") + "-Regular"
font = TTFont(path, recalcTimestamp=False)
names = font["name"]
renamed_ids = {1, 2, 3, 4, 6, 16, 17, 18, 21, 22}
names.names = [record for record in names.names if record.nameID not in renamed_ids]
for name_id, text in (
    (1, family),
    (2, "Regular"),
    (3, f"{postscript}; subset of {source_family}"),
    (4, family),
    (6, postscript),
):
    names.setName(text, name_id, 3, 1, 0x409)
    names.setName(text, name_id, 1, 0, 0)
if "CFF " in font:
    cff = font["CFF "].cff
    cff.fontNames = [postscript]
    top = cff.topDictIndex[0]
    top.FamilyName = family
    top.FullName = family
font.save(path, reorderTables=True)
EOF
}

subset() {
    local source="$1" output="$2" text_file="$3"
    shift 3
    /usr/bin/pyftsubset "$source" "$@" --text-file="$text_file" --output-file="$output" \
        --no-hinting --desubroutinize --no-recalc-timestamp --name-IDs='*' --name-languages='*' \
        --notdef-outline
}

main() {
    require "$ukai_collection" "$ukai_licence" "$comic_neue" "$comic_neue_copyright" /usr/bin/pyftsubset
    mkdir -p "$out_dir"
    text_file="$(mktemp)"
    trap 'rm -f "$text_file"' EXIT
    { captions; printable_ascii; } >"$text_file"

    subset "$ukai_collection" "$out_dir/TarnwickKai.ttf" "$text_file" --font-number="$ukai_tw_index"
    rename_font "$out_dir/TarnwickKai.ttf" "Tarnwick Kai" "AR PL UKai TW"
    subset "$comic_neue" "$out_dir/TarnwickHand.otf" "$text_file"
    rename_font "$out_dir/TarnwickHand.otf" "Tarnwick Hand" "Comic Neue"

    zcat "$ukai_licence" >"$out_dir/ARPHICPL.TXT"
    # Debian's copyright file holds the OFL as an indented paragraph; this restores the plain text.
    {
        echo "Copyright 2014 The Comic Neue Project Authors (https://github.com/crozynski/comicneue)"
        echo
        sed -n '/^License: SIL-OFL-1.1/,/^Files:/p' "$comic_neue_copyright" |
            sed -e '1d' -e '/^Files:/d' -e 's/^  //' -e 's/^\.$//'
    } >"$out_dir/OFL.txt"

    ls -l "$out_dir"
}

main "$@"
