#!/usr/bin/env bash
# Cross-builds Tarnwick for 64-bit Windows on Debian 12, packages it, and tests it under Wine. Called by
# `bash tools/setup.sh windows`, which first builds the Linux scene tool and screenshot reader that the
# Windows build is compared with.
#
#   bash tools/windows/build.sh LINUX_BUILD_DIR
#
# Leaves in build-windows/: tarnwick-VERSION-windows-x64.zip and tarnwick-VERSION-windows-x64-setup.exe.
# TARNWICK_QT_WINDOWS_KIT names a ready Qt for Windows kit (folder or .tar.xz); without it the kit is built
# once from Debian's Qt source (tools/windows/qt-kit.sh) and cached.
set -euo pipefail

readonly PACKAGES=(
    cmake ninja-build dpkg-dev g++-mingw-w64-x86-64-posix qt6-base-dev-tools googletest
    wine wine64 nsis ccache
    xvfb xdotool imagemagick fonts-dejavu-core
)

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
readonly repo_root
source "$repo_root/tools/packages.sh"
readonly build_dir="$repo_root/build-windows"
readonly wine_prefix="$build_dir/wine"

say() { echo "windows: $*"; }

# A build folder keeps the toolchain it was configured with; another kit needs a fresh configuration.
forget_other_kit() {
    local toolchain="$1" cache="$build_dir/CMakeCache.txt"
    if [[ -f "$cache" ]] && ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$cache"; then
        say "the Qt kit changed; configuring afresh"
        rm -rf "$cache" "$build_dir/CMakeFiles"
    fi
}

configure() {
    local kit="$1" linux_build="$2" toolchain launcher=()
    toolchain="$kit/lib/cmake/Qt6/qt.toolchain.cmake"
    forget_other_kit "$toolchain"
    if command -v ccache >/dev/null; then
        # Paths below the repository are hashed relative to it, so that another clone reuses the cache.
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
        export CCACHE_BASEDIR="$repo_root"
    fi
    # -O2, as the Linux build: GCC 12 at -O3 warns falsely (-Wrestrict) inside libstdc++'s string appends.
    cmake -S "$repo_root" -B "$build_dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DTARNWICK_WARNINGS_AS_ERRORS=ON -DTARNWICK_BENCH=OFF "${launcher[@]}" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="env;WINEPREFIX=$wine_prefix;WINEDEBUG=-all;wine" \
        -DTARNWICK_WINEPREFIX="$wine_prefix" -DTARNWICK_HOST_BUILD_DIR="$linux_build"
}

# One Wine prefix for the tests, made once. Its Fonts folder holds a sans-serif face, as every Windows's does
# (Wine brings none of its own there); the lesson's Kai and handwriting faces stay missing, so that the
# embedded subsets answer for them, as on a Windows without them.
prepare_wine_prefix() {
    if [[ ! -f "$wine_prefix/.tarnwick-ready" ]]; then
        say "making the Wine prefix $wine_prefix"
        rm -rf "$wine_prefix"
        WINEPREFIX="$wine_prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init
        WINEPREFIX="$wine_prefix" wineserver --wait
        touch "$wine_prefix/.tarnwick-ready"
    fi
    ln -sf /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$wine_prefix/drive_c/windows/Fonts/DejaVuSans.ttf"
}

stop_wine() {
    if [[ -d "$wine_prefix" ]]; then WINEPREFIX="$wine_prefix" wineserver -k 2>/dev/null || true; fi
}

report() {
    local file
    say "built:"
    for file in "$build_dir"/tarnwick-*-windows-x64.zip "$build_dir"/tarnwick-*-windows-x64-setup.exe; do
        printf '  %s (%s KiB)\n' "$file" "$(($(stat -c %s "$file") / 1024))"
    done
}

main() {
    (($# == 1)) || {
        echo "usage: bash tools/windows/build.sh LINUX_BUILD_DIR" >&2
        exit 2
    }
    local linux_build kit
    linux_build="$(cd "$1" && pwd)"
    install_packages "${PACKAGES[@]}"
    kit="$(bash "$repo_root/tools/windows/qt-kit.sh" "$build_dir/qt-kit")"
    say "Qt kit: $kit"
    configure "$kit" "$linux_build"
    cmake --build "$build_dir" --parallel "$(nproc)"
    cmake --build "$build_dir" --target windows_package
    prepare_wine_prefix
    trap stop_wine EXIT
    ctest --test-dir "$build_dir" --output-on-failure --no-tests=error
    report
}

main "$@"
