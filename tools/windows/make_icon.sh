#!/usr/bin/env bash
# Makes packaging/windows/tarnwick.ico, the Windows icon of the program and its installer, from the menu icon
# packaging/tarnwick.png: the sizes Explorer, the Start menu and the title bar ask for.
#
# Needs Debian's imagemagick. Run it again when the logo changes.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
convert_bin=/usr/bin/convert
if [[ ! -x "$convert_bin" ]]; then
    echo "needs Debian's imagemagick: apt-get install imagemagick" >&2
    exit 1
fi
output="$repo_root/packaging/windows/tarnwick.ico"
"$convert_bin" "$repo_root/packaging/tarnwick.png" -strip -define png:exclude-chunks=date,time \
    -define icon:auto-resize=256,64,48,32,24,16 "$output"
echo "wrote $output ($(stat -c %s "$output") bytes)"
