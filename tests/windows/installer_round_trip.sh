#!/usr/bin/env bash
# The installer, run silently under Wine as an ordinary user: it puts the program under the user's local
# application data, adds a Start-menu entry and registers its uninstaller for the user alone (HKCU, never
# HKLM); the installed program runs; the uninstaller removes exactly what was installed, the entry and the
# registration, and leaves a file of the user's in the folder alone.
#
#   bash installer_round_trip.sh SETUP_EXE
#
# Runs in WINEPREFIX. Exits 77 (skipped) when wine is missing.
set -euo pipefail

readonly SKIPPED=77 DEADLINE_SECONDS=120
readonly KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick'
readonly MACHINE_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick'
setup=${1:?usage: installer_round_trip.sh SETUP_EXE}

fail() {
    echo "FAILED: $*"
    exit 1
}
trap 'echo "FAILED: line $LINENO: $BASH_COMMAND"' ERR
command -v wine >/dev/null || {
    echo "SKIPPED: wine is not installed (Debian packages wine, wine64)"
    exit "$SKIPPED"
}
[[ -f "$setup" ]] || fail "no installer at $setup (build target windows_package first)"

run() { timeout -k 10 "$DEADLINE_SECONDS" "$@"; }
# A folder of the Windows environment (%NAME%) as a Linux path, or nothing. Wine has been seen, once in a
# loaded CI run, to print nothing for such a question, so an empty answer is asked again.
windows_folder() {
    local attempt windows linux
    for attempt in 1 2 3; do
        windows=$(run wine cmd /c "echo %$1%" | tr -d '\r')
        if [[ "$windows" == [A-Za-z]:\\* ]]; then
            linux=$(run winepath -u "$windows" | tr -d '\r')
            if [[ "$linux" == /* ]]; then
                echo "$linux"
                return
            fi
        fi
        sleep "$attempt"
    done
}
registered() { run wine reg query "$1" >/dev/null 2>&1; }

# The previous test's wineserver lingers for a few seconds after its last program; a program that starts
# while it shuts down has been seen to lose its answer, so this test starts once it has gone.
run wineserver --wait
local_data=$(windows_folder LOCALAPPDATA)
roaming_data=$(windows_folder APPDATA)
[[ -n "$local_data" && -n "$roaming_data" ]] || fail "Wine did not name %LOCALAPPDATA% and %APPDATA%"
folder="$local_data/Programs/Tarnwick"
shortcut="$roaming_data/Microsoft/Windows/Start Menu/Programs/Tarnwick.lnk"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run wine "$setup" /S || fail "the installer failed"
for file in tarnwick.exe tarnwick-scene.exe uninstall.exe Qt6Widgets.dll libstdc++-6.dll platforms/qwindows.dll \
    styles/qwindowsvistastyle.dll LICENSE.txt NOTICE.txt licenses/LGPL-3.txt; do
    [[ -f "$folder/$file" ]] || fail "$file is not in $folder"
done
[[ -f "$shortcut" ]] || fail "no Start-menu entry at $shortcut"
registration=$(run wine reg query "$KEY" | tr -d '\r') || fail "$KEY is not registered"
grep -q 'uninstall.exe' <<<"$registration" || fail "the uninstaller is not registered under $KEY: $registration"
registered "$MACHINE_KEY" && fail "the installer wrote to $MACHINE_KEY"
echo "installed into $folder; Start-menu entry and $KEY present"

printf 'seed 3\nactivate\nwait 1.1\ndump installed.json\n' >"$work/check.scene"
(cd "$work" && run wine "$folder/tarnwick-scene.exe" check.scene) || fail "the installed scene tool did not run"
grep -q '"btnStep3"' "$work/installed.json" || fail "the installed scene tool wrote no lesson state"

echo "the teacher's own notes" >"$folder/notes.txt"
run wine "$folder/uninstall.exe" /S "_?=$(run winepath -w "$folder" | tr -d '\r')" || fail "the uninstaller failed"
rm -f "$folder/uninstall.exe" # run in place (_?=), the uninstaller cannot delete itself
[[ -f "$folder/notes.txt" ]] || fail "the uninstaller removed a file it had not installed"
left=$(cd "$folder" && find . -mindepth 1 ! -name notes.txt)
[[ -z "$left" ]] || fail "the uninstaller left installed files behind: $(head -n 5 <<<"$left")"
[[ ! -e "$shortcut" ]] || fail "the Start-menu entry is still there"
registered "$KEY" && fail "$KEY is still registered"
rm -rf "$folder"
echo "PASSED: installed for the user, ran, and uninstalled cleanly"
