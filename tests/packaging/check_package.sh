#!/usr/bin/env bash
# Builds the Debian package and checks what it installs and what it needs.
set -euo pipefail
build_dir=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build_dir" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/tarnwick_*.deb)
contents=$(dpkg-deb -c "$deb")
depends=$(dpkg-deb -f "$deb" Depends)
fail=0
for path in ./usr/bin/tarnwick ./usr/share/applications/tarnwick.desktop ./usr/share/icons/hicolor/256x256/apps/tarnwick.png; do
    grep -qF " $path" <<<"$contents" || { echo "missing from the package: $path"; fail=1; }
done
for dep in fonts-arphic-ukai fonts-comic-neue libqt6gui6 libqt6widgets6; do
    grep -qE "(^|, )$dep( |,|$)" <<<"$depends" || { echo "missing dependency: $dep (Depends: $depends)"; fail=1; }
done
dpkg-deb -x "$deb" "$out/root"
grep -q '^Exec=tarnwick$' "$out/root/usr/share/applications/tarnwick.desktop" || { echo "desktop entry does not start tarnwick"; fail=1; }
[ "$fail" = 0 ] && echo "package ok: $(basename "$deb")"
exit $fail
