#!/usr/bin/env bash
# Builds Qt for Windows once per machine and prints its prefix on stdout:
#   scripts/qt-windows.sh
# Debian ships no Qt for Windows but ships Qt's source. This takes the source of the very
# Qt version the Linux build uses (its moc, rcc and uic serve the cross build as host
# tools), builds it with MinGW-w64 as a static release (Core, Gui, Widgets, Test; the
# windows, offscreen and minimal platform plugins) and installs it into a cache outside
# the clone, keyed by the source version and a hash of the options. A stamp written last
# marks a complete prefix; a prefix without it is removed and built again. The 2.4 GB
# build tree is deleted after installing. Progress goes to a log, one line per stage to
# stderr, and the log's tail when a stage fails.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"

cache=${VORNA_CACHE_DIR:-/var/cache/vorna}
[[ -w "$cache" || ( ! -e "$cache" && -w "$(dirname "$cache")" ) ]] || cache=${XDG_CACHE_HOME:-$HOME/.cache}/vorna
mkdir -p "$cache"

toolchain=$here/cmake/toolchains/mingw-w64-compilers.cmake
read -r source version < <(dpkg-query -W -f='${source:Package} ${source:Version}\n' qt6-base-dev)
options=(
  -G Ninja
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=OFF
  # The host tools (moc, rcc, uic, syncqt) are Debian's Linux Qt of the same version.
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  # FEATURE_opengl=OFF would leave dynamicgl on, which qwindowswindow.cpp cannot build.
  -DINPUT_opengl=no
  # Debian's source tarball has no wintab headers.
  -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_dbus=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
)
hash=$( { printf '%s\n' "${options[@]}"; cat "$toolchain"; x86_64-w64-mingw32-g++-posix --version; } \
  | sha256sum | cut -c1-12)
key=$source-$version-$hash
prefix=$cache/qt6-windows-$key
stamp=$prefix/.complete
log=$cache/qt6-windows-$key.log

exec 9>"$cache/qt6-windows.lock"
flock 9  # a second build waits for the first and then finds its stamp
if [[ -f "$stamp" ]]; then
  echo "$prefix"
  exit 0
fi

work=$cache/qt6-windows-$key.work
stage() {
  echo "qt-windows: $1 (log: $log)" >&2
  shift
  if ! "$@" >>"$log" 2>&1; then
    echo "qt-windows: failed; the log ends:" >&2
    tail -40 "$log" >&2
    exit 1
  fi
}
fetch_source() {
  # Source lists of our own, next to the system's and made from them, never edited in.
  local list=/etc/apt/sources.list.d/vorna-deb-src
  if ! apt-cache showsrc "$source" 2>/dev/null | grep -qx "Version: $version"; then
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
      [[ -f "$f" && "$f" != "$list.sources" ]] && sed -E 's/^Types:.*/Types: deb-src/' "$f" && echo
    done | $sudo tee "$list.sources" >/dev/null
    if [[ -f /etc/apt/sources.list ]]; then
      sed -n -E 's/^deb[[:space:]]+/deb-src /p' /etc/apt/sources.list | $sudo tee "$list.list" >/dev/null
    fi
    $sudo apt-get update
  fi
  mkdir -p "$work"
  (cd "$work" && apt-get source --only-source "$source=$version")
}
configure() {
  local src
  src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name "$source-*" | head -1)
  cmake -S "$src" -B "$work/build" "${options[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix"
}

rm -rf "$prefix" "$work"
: >"$log"
stage "fetching the source of $source $version" fetch_source
stage "configuring for Windows (MinGW-w64, static)" configure
stage "building with $(nproc) jobs (about 30 CPU-minutes)" cmake --build "$work/build" -j "$(nproc)"
stage "installing into $prefix" cmake --install "$work/build"
rm -rf "$work"
touch "$stamp"
echo "qt-windows: ready" >&2
echo "$prefix"
