#!/usr/bin/env bash
# The Windows scene tool, run under Wine from the unpacked ZIP, leaves exactly the state dumps that the Linux
# build's scene tool leaves for the same script: every control, every label on the panel (text, place, size,
# font, colour, animations) and every job's start, byte for byte. Both sets stay behind as artefacts.
#
#   bash scene_dumps_equal.sh ZIP LINUX_SCENE_TOOL SCRIPT OUT_DIR
#
# Runs the Windows program in WINEPREFIX. Exits 77 (skipped) when wine or the Linux scene tool is missing.
set -euo pipefail

readonly SKIPPED=77 DEADLINE_SECONDS=120
usage="usage: scene_dumps_equal.sh ZIP LINUX_SCENE_TOOL SCRIPT OUT_DIR"
zip=${1:?$usage}
linux_tool=${2:?$usage}
script=${3:?$usage}
out=${4:?$usage}

skip() {
    echo "SKIPPED: $*"
    exit "$SKIPPED"
}
fail() {
    echo "FAILED: $*"
    exit 1
}

command -v wine >/dev/null || skip "wine is not installed (Debian packages wine, wine64)"
[[ -x "$linux_tool" ]] || skip "no Linux scene tool at $linux_tool (build target tarnwick-scene of the Linux build)"
[[ -f "$zip" ]] || fail "no ZIP at $zip (build target windows_package first)"

rm -rf "$out"
mkdir -p "$out/linux" "$out/windows" "$out/unpacked"
(cd "$out/unpacked" && cmake -E tar xf "$zip")
windows_tool=$(find "$out/unpacked" -maxdepth 2 -name tarnwick-scene.exe | head -n1)
[[ -n "$windows_tool" ]] || fail "the ZIP holds no tarnwick-scene.exe"

(cd "$out/linux" && timeout "$DEADLINE_SECONDS" "$linux_tool" "$script") ||
    fail "the Linux scene tool failed on $script"
(cd "$out/windows" && timeout -k 10 "$DEADLINE_SECONDS" wine "$windows_tool" -platform offscreen "$script") ||
    fail "the Windows scene tool failed on $script"

mapfile -t dumps < <(cd "$out/linux" && ls -- *.json)
((${#dumps[@]} > 0)) || fail "the script left no dumps"
[[ "$(cd "$out/linux" && ls)" == "$(cd "$out/windows" && ls)" ]] ||
    fail "the two tools left different files: $(cd "$out/linux" && ls | tr '\n' ' ') / $(cd "$out/windows" && ls | tr '\n' ' ')"
for dump in "${dumps[@]}"; do
    if ! cmp -s "$out/linux/$dump" "$out/windows/$dump"; then
        diff -u "$out/linux/$dump" "$out/windows/$dump" | head -n 40
        fail "$dump differs between Linux and Windows ($out)"
    fi
done
echo "PASSED: ${#dumps[@]} dumps equal: ${dumps[*]}"
