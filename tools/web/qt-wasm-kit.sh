#!/usr/bin/env bash
# Makes sure a Qt for WebAssembly kit is in the cache and prints its folder (progress goes to stderr).
#
#   bash tools/web/qt-wasm-kit.sh
#
# The kit is Qt's qtbase cross-built, static and without threads, from Debian's own qt6-base source package
# with Debian's emscripten, for the Qt version whose host tools (qt6-base-dev-tools) are installed. It lives in
# ${XDG_CACHE_HOME:-~/.cache}/tarnwick/ under a name made of the Qt and emscripten versions and a digest of
# the options below, so changing any of them builds a new kit beside the old one. Building takes about ten
# minutes of two free cores (19 minutes of processor time); later runs find it and return at once.
#
# The source package comes through a private apt configuration in the kit's work folder (deb-src entries for
# the Debian archives that the machine already uses), so the machine's own apt sources stay as they are.
set -euo pipefail

# Bump when the steps below change in a way that the options do not show.
readonly KIT_RECIPE=1
readonly QT_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DFEATURE_rpath=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_thread=OFF
)
readonly EMSCRIPTEN_ROOT=/usr/share/emscripten
readonly EMSCRIPTEN_TOOLCHAIN=$EMSCRIPTEN_ROOT/cmake/Modules/Platform/Emscripten.cmake

say() { echo "qt-wasm-kit: $*" >&2; }
die() {
    say "$*"
    exit 1
}

installed_version() { # package
    dpkg-query -W -f='${Version}' "$1" 2>/dev/null || true
}

upstream_of() { # Debian version, e.g. 6.4.2+dfsg-10 -> 6.4.2
    local version=${1#*:}
    echo "${version%%[+~-]*}"
}

qt_version=$(installed_version qt6-base-dev-tools)
emscripten_version=$(installed_version emscripten)
[[ -n "$qt_version" ]] || die "Qt's host tools are missing (Debian package qt6-base-dev-tools)"
[[ -n "$emscripten_version" ]] || die "emscripten is missing (Debian package emscripten)"
[[ -f "$EMSCRIPTEN_TOOLCHAIN" ]] || die "no emscripten toolchain file at $EMSCRIPTEN_TOOLCHAIN"

digest=$(printf '%s\n' "$KIT_RECIPE" "${QT_OPTIONS[@]}" | sha256sum | cut -c1-10)
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/tarnwick
kit_name="qt-${qt_version}-wasm-emscripten-${emscripten_version}-${digest}"
kit=$cache_root/$kit_name
work=$cache_root/$kit_name.build
readonly COMPLETE_MARK=.tarnwick-kit-complete

if [[ -f "$kit/$COMPLETE_MARK" ]]; then
    echo "$kit"
    exit 0
fi

mkdir -p "$cache_root"
# One build at a time: a second run waits here and then finds the kit complete.
exec 9>"$cache_root/$kit_name.lock"
flock 9
if [[ -f "$kit/$COMPLETE_MARK" ]]; then
    echo "$kit"
    exit 0
fi

say "building $kit_name (about ten minutes of two free cores)"
started=$SECONDS
rm -rf "$work" "$kit"
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/sources.list.d"

# --- the source package, through a private apt configuration ------------------------------------------------
debian_archives() {
    apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Identifier: Packages' 'Origin: Debian' |
        sort -u
}
archives=$(debian_archives)
if [[ -z "$archives" && $EUID -eq 0 ]]; then
    # The archives' Release files tell which are Debian's; a machine that never updated has none yet.
    apt-get -q update >&2
    archives=$(debian_archives)
fi
[[ -n "$archives" ]] || die "the machine's apt knows no Debian archive (run apt-get update first)"
sed 's/^/deb-src /' <<<"$archives" >"$work/apt/sources.list"
apt_private=(
    -o "Dir::Etc::sourcelist=$work/apt/sources.list"
    -o "Dir::Etc::sourceparts=$work/apt/sources.list.d"
    -o "Dir::State::lists=$work/apt/lists"
    -o "Dir::Cache=$work/apt/cache"
)
if ((EUID == 0)); then
    # The work folder is root's; apt's download user could not write into it.
    apt_private+=(-o APT::Sandbox::User=root)
fi
apt-get "${apt_private[@]}" -q update >&2
(
    cd "$work"
    if ! apt-get "${apt_private[@]}" -q source "qt6-base=$qt_version" >&2; then
        say "no source of qt6-base $qt_version in the archives; taking the newest of Qt $(upstream_of "$qt_version")"
        apt-get "${apt_private[@]}" -q source qt6-base >&2
    fi
)
source_dir=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
[[ -n "$source_dir" ]] || die "apt-get source left no qt6-base folder in $work"
source_upstream=$(sed -n 's/^set(QT_REPO_MODULE_VERSION "\([0-9.]*\)").*/\1/p' "$source_dir/.cmake.conf")
[[ "$source_upstream" == "$(upstream_of "$qt_version")" ]] ||
    die "the source is Qt $source_upstream but the host tools are Qt $(upstream_of "$qt_version")"

# --- configure, build, install ------------------------------------------------------------------------------
# Emscripten's JavaScript optimizer needs Debian's node modules (acorn).
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)
cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$EMSCRIPTEN_TOOLCHAIN" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" \
    -DCMAKE_INSTALL_PREFIX="$kit" "${QT_OPTIONS[@]}" >"$work/configure.log" 2>&1 ||
    die "configuring Qt failed; see $work/configure.log"
nice -n 10 cmake --build "$work/build" --parallel 2 >"$work/build.log" 2>&1 ||
    die "building Qt failed; see $work/build.log"
cmake --install "$work/build" >"$work/install.log" 2>&1 || die "installing Qt failed; see $work/install.log"

# --- an emsdk-shaped folder -----------------------------------------------------------------------------------
# Qt's qt-cmake wants $EMSDK/.emscripten naming an emscripten root inside $EMSDK, and runs $EMSDK/em/emcc.
emsdk=$kit/emsdk
mkdir -p "$emsdk/em"
echo "EMSCRIPTEN_ROOT = 'em'" >"$emsdk/.emscripten"
for entry in "$EMSCRIPTEN_ROOT"/* "$EMSCRIPTEN_ROOT"/.emscripten; do
    [[ -e "$entry" ]] && ln -sfn "$entry" "$emsdk/em/$(basename "$entry")"
done
ln -sfn /usr/bin/emcc "$emsdk/em/emcc"
ln -sfn /usr/bin/em++ "$emsdk/em/em++"

touch "$kit/$COMPLETE_MARK"
rm -rf "$work"
say "built $kit_name in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
echo "$kit"
