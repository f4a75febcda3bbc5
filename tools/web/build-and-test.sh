#!/usr/bin/env bash
# Builds the lesson for the browser with Qt for WebAssembly and tests the page in Chromium.
#
#   bash tools/web/build-and-test.sh LESSON_SCREEN
#
# `bash tools/setup.sh web` runs it, after building LESSON_SCREEN (the native end-to-end test's screenshot
# helper, tests/e2e/lesson_screen.cpp). Installs the Debian packages it needs, makes sure the Qt kit is in the
# cache (tools/web/qt-wasm-kit.sh; about ten minutes the first time), builds build-web/, which then holds the
# whole site at its top (tarnwick.html, tarnwick.js, tarnwick.wasm, qtloader.js), and runs
# tests/e2e/lesson_in_browser.py on it; its screenshots stay in build-web/screenshots/.
set -euo pipefail

readonly WEB_PACKAGES=(emscripten qt6-base-dev-tools cmake ninja-build dpkg-dev xz-utils chromium python3)
readonly BUILD_DIR=build-web

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$repo_root/tools/packages.sh"
cd "$repo_root"
lesson_screen=$(realpath "${1:?usage: bash tools/web/build-and-test.sh LESSON_SCREEN}")

install_packages "${WEB_PACKAGES[@]}"
kit=$(bash tools/web/qt-wasm-kit.sh)
echo "Qt for WebAssembly: $kit"

# Qt's CMake finds the compiler through an emsdk-shaped folder in the kit; emscripten's JavaScript optimizer
# needs Debian's node modules.
export EMSDK=$kit/emsdk
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
"$kit/bin/qt-cmake" -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTARNWICK_WARNINGS_AS_ERRORS=ON -DTARNWICK_TESTS=OFF -DTARNWICK_BENCH=OFF
nice -n 10 cmake --build "$BUILD_DIR" --parallel 2 --target tarnwick

echo "The page: $BUILD_DIR/tarnwick.html with tarnwick.js, tarnwick.wasm and qtloader.js"
python3 tests/e2e/lesson_in_browser.py "$BUILD_DIR" "$lesson_screen" "$BUILD_DIR/screenshots" "${@:2}"
