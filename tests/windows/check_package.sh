#!/usr/bin/env bash
# The ZIP a teacher unpacks: the two programs with their icon and version, tarnwick.exe a GUI program (no
# console window), the licence notices, and beside them every DLL that a program or plugin in the folder
# imports, unless Windows itself provides it (Wine's system folder stands in for Windows's here). A program
# loads DLLs from its own folder, plugins included.
#
#   bash check_package.sh ZIP VERSION
#
# Runs in WINEPREFIX. Exits 77 (skipped) when MinGW's binutils or the Wine prefix are missing.
set -euo pipefail

readonly SKIPPED=77
usage="usage: check_package.sh ZIP VERSION"
zip=${1:?$usage}
version=${2:?$usage}
objdump=x86_64-w64-mingw32-objdump
windres=x86_64-w64-mingw32-windres
system32="${WINEPREFIX:-}/drive_c/windows/system32"

fail() {
    echo "FAILED: $*"
    exit 1
}
for tool in "$objdump" "$windres"; do
    command -v "$tool" >/dev/null || {
        echo "SKIPPED: $tool is not installed (Debian package binutils-mingw-w64-x86-64)"
        exit "$SKIPPED"
    }
done
[[ -d "$system32" ]] || {
    echo "SKIPPED: no Wine prefix at ${WINEPREFIX:-(WINEPREFIX unset)}"
    exit "$SKIPPED"
}
[[ -f "$zip" ]] || fail "no ZIP at $zip (build target windows_package first)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip")
folder="$work/$(basename "$zip" .zip)"
[[ -d "$folder" ]] || fail "the ZIP does not hold one folder named after it"

for file in tarnwick.exe tarnwick-scene.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll \
    libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll platforms/qoffscreen.dll \
    styles/qwindowsvistastyle.dll LICENSE.txt NOTICE.txt licenses/OFL.txt licenses/ARPHICPL.TXT \
    licenses/LGPL-3.txt licenses/GPL-3.txt licenses/Qt-copyright.txt licenses/GCC-runtime-copyright.txt \
    licenses/MinGW-w64-copyright.txt; do
    [[ -s "$folder/$file" ]] || fail "$file is missing from the ZIP"
done

subsystem() { "$objdump" -p "$folder/$1" | sed -n 's/^Subsystem[[:space:]]*//p'; }
[[ "$(subsystem tarnwick.exe)" == *"Windows GUI"* ]] || fail "tarnwick.exe is not a GUI program: $(subsystem tarnwick.exe)"
[[ "$(subsystem tarnwick-scene.exe)" == *"Windows CUI"* ]] ||
    fail "tarnwick-scene.exe is not a console program: $(subsystem tarnwick-scene.exe)"

# windres writes the resources back as a resource script: FILEVERSION 0, 1, 0, 0 for version 0.1.0.
numbers="${version//./, }, 0"
for program in tarnwick.exe tarnwick-scene.exe; do
    resources=$("$windres" -i "$folder/$program" -O rc 2>/dev/null | tr -d '\r') ||
        fail "$program has no resources"
    grep -qF "FILEVERSION $numbers" <<<"$resources" || fail "$program has no file version $version"
    grep -qF "\"ProductVersion\", \"$version\"" <<<"$resources" || fail "$program has no product version $version"
    grep -qF "\"OriginalFilename\", \"$program\"" <<<"$resources" || fail "$program does not name itself"
    grep -qF '"IDI_ICON1" 14 /* RT_GROUP_ICON */' <<<"$resources" || fail "$program has no icon"
done

missing=()
while IFS= read -r -d '' binary; do
    while read -r dll; do
        # API sets (api-ms-win-…, ext-ms-…) are names that Windows's loader resolves itself.
        [[ "${dll,,}" == api-ms-win-* || "${dll,,}" == ext-ms-* ]] && continue
        [[ -n "$(find "$folder" -maxdepth 1 -iname "$dll" -print -quit)" ]] && continue
        [[ -n "$(find "$system32" -maxdepth 1 -iname "$dll" -print -quit)" ]] && continue
        missing+=("${binary#"$folder"/} needs $dll")
    done < <("$objdump" -p "$binary" | sed -n 's/^[[:space:]]*DLL Name: //p')
done < <(find "$folder" -iname '*.exe' -print0 -o -iname '*.dll' -print0)
((${#missing[@]} == 0)) || fail "DLLs that are neither in the folder nor Windows's own: ${missing[*]}"
echo "PASSED: the ZIP holds both programs with icon and version $version, their DLLs, and the licences"
