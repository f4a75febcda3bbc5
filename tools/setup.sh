#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tarnwick, builds it, and then either opens the lesson or runs the tests.
#
#   bash tools/setup.sh lesson   install what is missing, build, open the lesson window
#   bash tools/setup.sh test     install what is missing, build normally and with sanitizers, run all tests
#   bash tools/setup.sh windows  install what is missing, cross-build for 64-bit Windows, test it under Wine,
#                                and leave a ZIP and an installer in build-windows/ (tools/windows/build.sh)
#   bash tools/setup.sh web      install what is missing, build the lesson as a web page (build-web/), test it
#                                in Chromium (tools/web/)
#
# Safe to run again: apt is skipped when every package is there, and the builds are incremental.
set -euo pipefail

# What building, packaging and running the program needs.
readonly LESSON_PACKAGES=(
    build-essential cmake pkg-config file
    qt6-base-dev qt6-qpa-plugins libgl-dev
    fonts-arphic-ukai fonts-comic-neue fonts-dejavu-core
)
# What the tests and benchmarks need besides: GoogleTest and Google Benchmark; a private X screen, its tools and
# a window manager for the end-to-end tests; the checks a distribution runs on a package; clang and its
# sanitizer runtime for the sanitizer build.
readonly TEST_PACKAGES=(
    libgtest-dev googletest libbenchmark-dev
    xvfb xdotool x11-utils imagemagick openbox
    lintian devscripts desktop-file-utils appstream
    clang libclang-rt-14-dev
)
# What the Windows and the web commands need besides, to build the Linux helpers they compare with.
readonly HELPER_PACKAGES=(libgtest-dev googletest)

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
source tools/packages.sh

usage() {
    echo "usage: bash tools/setup.sh lesson|test|windows|web" >&2
    exit 2
}

# A build folder keeps the generator it was first configured with; cmake refuses to switch.
generator_for() {
    local build_dir="$1" cached
    if [[ -f "$build_dir/CMakeCache.txt" ]]; then
        cached="$(sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' "$build_dir/CMakeCache.txt")"
        if [[ -n "$cached" ]]; then
            echo "$cached"
            return
        fi
    fi
    if command -v ninja >/dev/null; then
        echo Ninja
    else
        echo "Unix Makefiles"
    fi
}

build() { # build folder, then extra cmake options; a target may follow "--target"
    local build_dir="$1"
    shift
    local configure_options=() build_options=()
    while (($#)); do
        if [[ "$1" == --target ]]; then
            build_options+=(--target "$2")
            shift 2
        else
            configure_options+=("$1")
            shift
        fi
    done
    cmake -S . -B "$build_dir" -G "$(generator_for "$build_dir")" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTARNWICK_WARNINGS_AS_ERRORS=ON "${configure_options[@]}"
    cmake --build "$build_dir" --parallel "$(nproc)" "${build_options[@]}"
}

run_tests() {
    local build_dir="$1"
    ctest --test-dir "$build_dir" --output-on-failure --no-tests=error --parallel "$(nproc)"
}

lesson() {
    build build -DTARNWICK_TESTS=OFF -DTARNWICK_BENCH=OFF --target tarnwick
    if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]]; then
        echo "Built build/app/tarnwick, but there is no display to open the lesson on;" \
            "run this from a desktop session." >&2
        exit 1
    fi
    exec build/app/tarnwick
}

test_all() {
    build build -DTARNWICK_TESTS=ON -DTARNWICK_BENCH=ON
    run_tests build
    # Built with clang, so that the code stays portable to a second compiler.
    build build-asan -DCMAKE_CXX_COMPILER=/usr/bin/clang++ -DTARNWICK_SANITIZE=ON -DTARNWICK_BENCH=OFF
    # Qt's X11 platform leaves a buffer of the system's D-Bus library behind; tools/lsan.supp names only
    # system libraries, so a leak in our own code is still reported.
    ASAN_OPTIONS=detect_leaks=1 \
        LSAN_OPTIONS="suppressions=$repo_root/tools/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1 \
        run_tests build-asan
}

main() {
    (($# == 1)) || usage
    case "$1" in
    lesson)
        install_packages "${LESSON_PACKAGES[@]}"
        lesson
        ;;
    test)
        install_packages "${LESSON_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
        test_all
        ;;
    windows)
        install_packages "${LESSON_PACKAGES[@]}" "${HELPER_PACKAGES[@]}"
        # The Windows build is compared with these two of the Linux build.
        build build -DTARNWICK_TESTS=ON --target tarnwick-scene --target tarnwick_lesson_screen
        bash tools/windows/build.sh build
        ;;
    web)
        install_packages "${LESSON_PACKAGES[@]}" "${HELPER_PACKAGES[@]}"
        # The browser test measures its screenshots with the native end-to-end test's helper.
        build build -DTARNWICK_TESTS=ON --target tarnwick_lesson_screen
        bash tools/web/build-and-test.sh build/tests/e2e/tarnwick_lesson_screen
        ;;
    *) usage ;;
    esac
}

main "$@"
