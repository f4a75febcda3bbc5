#!/usr/bin/env bash
# Finds or makes the Qt for Windows kit that the Windows build links against, and prints its folder.
#
#   bash tools/windows/qt-kit.sh WORK_DIR
#
# TARNWICK_QT_WINDOWS_KIT may name a kit folder (used as it is) or a kit archive (.tar.xz, unpacked once into
# the cache). Without it, the kit is cross-built from Debian's own qt6-base source package, the same version
# as the host tools in qt6-base-dev-tools, and installed into
# ${XDG_CACHE_HOME:-~/.cache}/tarnwick/qt-VERSION-mingw-w64-OPTIONS, where later runs find it. WORK_DIR
# holds the private apt configuration, the sources and the Qt build while they are needed.
#
# Everything but the kit's folder goes to standard error.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
readonly repo_root
readonly toolchain_file="$repo_root/cmake/mingw-w64-x86_64.cmake"
readonly cache_root="${XDG_CACHE_HOME:-$HOME/.cache}/tarnwick"

# Only what the program needs: Core, Gui, Widgets, the windows and offscreen platforms, the Windows styles.
# Debian's source leaves out the non-free Wintab header, so tablet events are off; OpenGL stays on (dynamic),
# as the windows platform plugin does not compile without it.
readonly QT_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF
)

say() { echo "qt-kit: $*" >&2; }

is_kit() { [[ -f "$1/lib/cmake/Qt6/qt.toolchain.cmake" && -f "$1/bin/Qt6Widgets.dll" ]]; }

# Two runs that make the same kit at once: the second waits for the first, then finds the kit made.
wait_for_other_runs() {
    exec 9>"$1.lock"
    flock 9
}

# A kit archive is unpacked once, into a folder named after the archive and its size and time.
unpack_archive() {
    local archive="$1" name stamp target
    name="$(basename "$archive")"
    name="${name%.tar.*}"
    stamp="$(stat -c '%s-%Y' "$archive")"
    target="$cache_root/$name-$stamp"
    wait_for_other_runs "$target"
    if [[ ! -f "$target/.complete" ]]; then
        say "unpacking $archive into $target"
        rm -rf "$target"
        mkdir -p "$target"
        tar -xf "$archive" -C "$target" --strip-components=1
        touch "$target/.complete"
    fi
    echo "$target"
}

given_kit() {
    local given="$TARNWICK_QT_WINDOWS_KIT" kit
    if [[ -f "$given" ]]; then
        kit="$(unpack_archive "$(realpath "$given")")"
    else
        kit="$(realpath -m "$given")"
    fi
    if ! is_kit "$kit"; then
        say "TARNWICK_QT_WINDOWS_KIT=$given is not a Qt for Windows kit (no lib/cmake/Qt6/qt.toolchain.cmake, bin/Qt6Widgets.dll)"
        exit 1
    fi
    echo "$kit"
}

host_qt_version() { dpkg-query -W -f='${Version}' qt6-base-dev-tools; }

# The kit's name carries the Qt version and a digest of the options and the toolchain, so that a change of
# either makes a new kit instead of reusing a stale one.
kit_folder() {
    local digest
    digest="$(printf '%s\n' "${QT_OPTIONS[@]}" | cat - "$toolchain_file" | sha256sum | cut -c1-10)"
    echo "$cache_root/qt-$(host_qt_version | tr '+~:' '---')-mingw-w64-$digest"
}

# The source comes from the mirror and suite the host tools were installed from, through an apt
# configuration of our own: the machine's sources stay as they are.
write_private_apt_config() {
    local apt_dir="$1" origin uri suite keyring=""
    origin="$(apt-cache madison qt6-base-dev-tools | awk -F' [|] ' -v v="$(host_qt_version)" '$2 == v { print $3; exit }')"
    uri="$(awk '{ print $1 }' <<<"$origin")"
    suite="$(awk '{ split($2, s, "/"); print s[1] }' <<<"$origin")"
    if [[ -z "$uri" || -z "$suite" ]]; then
        say "cannot tell which mirror qt6-base-dev-tools $(host_qt_version) came from"
        exit 1
    fi
    if [[ -f /usr/share/keyrings/debian-archive-keyring.gpg ]]; then
        keyring="[signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] "
    fi
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
    echo "deb-src $keyring$uri $suite main" >"$apt_dir/sources.list"
    cat >"$apt_dir/apt.conf" <<EOF
Dir::Etc::SourceList "$apt_dir/sources.list";
Dir::Etc::SourceParts "$apt_dir/sources.list.d";
Dir::State::Lists "$apt_dir/lists";
Dir::Cache "$apt_dir/cache";
APT::Sandbox::User "$(id -un)";
EOF
}

fetch_source() {
    local work_dir="$1" version
    version="$(host_qt_version)"
    write_private_apt_config "$work_dir/apt"
    export APT_CONFIG="$work_dir/apt/apt.conf"
    apt-get -q update >&2
    rm -rf "$work_dir/src"
    mkdir -p "$work_dir/src"
    (cd "$work_dir/src" && apt-get -q source --only-source "qt6-base=$version" >&2)
    unset APT_CONFIG
    find "$work_dir/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1
}

build_kit() {
    local work_dir="$1" kit="$2" source_dir build_dir started
    started="$(date +%s)"
    say "building the Qt for Windows kit from Debian's qt6-base source into $kit (about 45 minutes on 2 cores)"
    source_dir="$(fetch_source "$work_dir")"
    build_dir="$work_dir/build"
    rm -rf "$build_dir" "$kit"
    cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain_file" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$kit" "${QT_OPTIONS[@]}" >&2
    cmake --build "$build_dir" --parallel "$(nproc)" >&2
    cmake --install "$build_dir" --strip >&2
    cp "$toolchain_file" "$kit/mingw-w64-x86_64.cmake"
    touch "$kit/.complete"
    rm -rf "$build_dir" "$work_dir/src"
    say "built the kit in $((($(date +%s) - started) / 60)) minutes"
}

main() {
    (($# == 1)) || {
        echo "usage: bash tools/windows/qt-kit.sh WORK_DIR" >&2
        exit 2
    }
    mkdir -p "$1" "$cache_root"
    local work_dir kit
    work_dir="$(cd "$1" && pwd)"
    if [[ -n "${TARNWICK_QT_WINDOWS_KIT:-}" ]]; then
        given_kit
        return
    fi
    kit="$(kit_folder)"
    wait_for_other_runs "$kit"
    if [[ ! -f "$kit/.complete" ]] || ! is_kit "$kit"; then
        build_kit "$work_dir" "$kit"
    fi
    echo "$kit"
}

main "$@"
