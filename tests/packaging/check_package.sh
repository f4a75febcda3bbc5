#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as a distribution would: what it installs
# and needs, lintian without an error or a warning, the menu entry, the software-centre listing, the
# hardening of the program, and a licence notice in the copyright file for everything compiled into it.
#
#   bash tests/packaging/check_package.sh BUILD_DIR APP_ID fortified|unfortified
#
# "unfortified" is for a build whose fortified calls hardening-check cannot see: one without optimisation,
# or one by clang 14 (tests/CMakeLists.txt says why).
set -euo pipefail
build_dir=$(cd "$1" && pwd)
app_id=$2
fortified=${3:-fortified}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

fail=0
problem() {
    echo "$*"
    fail=1
}

for tool in lintian desktop-file-validate appstreamcli hardening-check readelf; do
    command -v "$tool" >/dev/null || {
        echo "$tool is missing: bash tools/setup.sh test installs it"
        exit 1
    }
done

(cd "$build_dir" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || {
    cat "$out/cpack.log"
    exit 1
}
deb=$(ls "$out"/tarnwick_*.deb)
dpkg-deb -x "$deb" "$out/root"
root="$out/root"
field() { dpkg-deb -f "$deb" "$1"; }

# What it installs.
expected=(
    usr/bin/tarnwick
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    usr/share/man/man1/tarnwick.1.gz
    usr/share/doc/tarnwick/copyright
    usr/share/doc/tarnwick/changelog.Debian.gz
)
for size in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for path in "${expected[@]}"; do
    [[ -f "$root/$path" ]] || problem "missing from the package: /$path"
done
for size in 16 24 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [[ -f "$icon" ]] || continue
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    dimensions=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [[ "$dimensions" == "${size}x${size}" ]] || problem "the ${size}x${size} icon is $dimensions"
done

# What it needs: Qt from the binary's own needs; the fonts it embeds subsets of only recommended.
depends=$(field Depends)
recommends=$(field Recommends)
has() { grep -qE "(^|, )$2( |,|$)" <<<"$1"; }
for dep in libqt6gui6 libqt6widgets6; do
    has "$depends" "$dep" || problem "missing dependency: $dep (Depends: $depends)"
done
for font in fonts-arphic-ukai fonts-comic-neue; do
    has "$recommends" "$font" || problem "not recommended: $font (Recommends: $recommends)"
    has "$depends" "$font" && problem "a hard dependency on $font, whose subset the program embeds"
done
[[ "$(field Maintainer)" == *"<"*"@"*">" ]] || problem "no maintainer with an address: $(field Maintainer)"

# The versions the changelog and the listing give are the package's.
version=$(field Version)
changelog_version=$(zcat "$root/usr/share/doc/tarnwick/changelog.Debian.gz" | sed -n '1s/^tarnwick (\([^)]*\)).*/\1/p')
[[ "$changelog_version" == "$version" ]] || problem "the changelog's last entry is $changelog_version, the package $version"
release=$(grep -o '<release version="[^"]*"' "$root/usr/share/metainfo/$app_id.metainfo.xml" | head -1 | cut -d'"' -f2)
[[ "$release" == "${version%-*}" ]] || problem "the listing's newest release is $release, the program ${version%-*}"

# Lintian as a distribution runs it: no error and no warning.
if ! lintian_report=$(lintian --fail-on error,warning "$deb" 2>&1); then
    echo "$lintian_report"
    problem "lintian failed"
fi

# The menu entry and the software-centre listing.
desktop="$root/usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || problem "desktop-file-validate failed"
grep -q '^Exec=tarnwick$' "$desktop" || problem "the desktop entry does not start tarnwick"
grep -q "^Icon=$app_id\$" "$desktop" || problem "the desktop entry's icon is not $app_id"
grep -q '^Keywords=' "$desktop" || problem "the desktop entry has no keywords"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || problem "appstreamcli validate failed"
grep -q "<id>$app_id</id>" "$metainfo" || problem "the listing's id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    problem "the listing does not launch $app_id.desktop"

# The program: hardened as Debian builds (control-flow protection needs a libc built for it, which
# Debian 12's is not), and stripped.
program="$root/usr/bin/tarnwick"
hardening_options=(--nocfprotection)
if [[ "$fortified" != fortified ]]; then
    echo "not checked: fortified functions, which this build's compiler and flags do not show"
    hardening_options+=(--nofortify)
fi
hardening-check "${hardening_options[@]}" "$program" || problem "hardening-check failed"
readelf -S "$program" | grep -qE '\.(symtab|debug_info)' && problem "the program is not stripped"

# Every file compiled into the program has its own notice in the copyright file: named by a Files
# paragraph of its own (the catch-all "*" does not count), whose licence has its text.
copyright="$root/usr/share/doc/tarnwick/copyright"
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    problem "the copyright file is not machine-readable (DEP-5)"
source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build_dir/CMakeCache.txt")
mapfile -t embedded < <(sed -n 's|.*<file[^>]*>\(.*\)</file>.*|\1|p' "$build_dir"/assets/.rcc/*.qrc |
    sed "s|^$source_dir/||")
((${#embedded[@]} > 0)) || problem "no embedded files found in $build_dir/assets/.rcc"
# One line per Files paragraph: its licence, then its patterns.
paragraphs=$(awk '
    /^Files:/ { files = substr($0, 7); in_files = 1; next }
    in_files && /^[ \t]/ { files = files " " $0; next }
    { in_files = 0 }
    /^License:/ && files != "" { print $2 "\t" files; files = "" }
    /^$/ { files = "" }' "$copyright")
licence_has_text() { # a standalone "License: NAME" paragraph followed by indented text
    awk -v name="$1" '
        /^$/ { standalone = 1; next }
        standalone && $0 == "License: " name { found = 1; next }
        found && /^ / { text++ }
        found && !/^ / { exit }
        { standalone = 0 }
        END { exit !(text > 0) }' "$copyright"
}
for file in "${embedded[@]}"; do
    licence=""
    while IFS=$'\t' read -r name patterns_text; do
        read -ra patterns <<<"$patterns_text"
        for pattern in "${patterns[@]}"; do
            # shellcheck disable=SC2053 # the pattern is a glob, as in DEP-5
            [[ "$pattern" != "*" && "$file" == $pattern ]] && licence=$name
        done
    done <<<"$paragraphs"
    if [[ -z "$licence" ]]; then
        problem "the copyright file has no notice of its own for $file, which is compiled into the program"
    elif ! licence_has_text "$licence"; then
        problem "the copyright file names licence $licence for $file, but not its text"
    fi
done

[ "$fail" = 0 ] && echo "package ok: $(basename "$deb"), ${#embedded[@]} embedded files with their notices"
exit $fail
