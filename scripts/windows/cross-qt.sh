#!/usr/bin/env bash
# Builds Qt for Windows (shared, MinGW-w64) from Debian's source package of qt6-base, and
# GoogleTest from /usr/src/googletest, into a cache folder outside every checkout:
# $VIL3K_WINDOWS_CACHE (default /var/cache/vil3k-windows). Builds again only when the Qt
# version, the options or the toolchain change (stamp file). Prints the Qt and GoogleTest
# prefixes last. With --check: builds nothing, and succeeds only when both are there.
set -euo pipefail
shopt -s inherit_errexit
here=$(cd "$(dirname "$0")" && pwd)
cache=${VIL3K_WINDOWS_CACHE:-/var/cache/vil3k-windows}
toolchain=$here/toolchain.cmake
host_cmake=/usr/lib/x86_64-linux-gnu/cmake

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/+.*//')
# Only what the programmer uses. Tablet events: Debian's tarball lacks their Windows sources.
# Direct2D stays on: without it Qt 6.4 fails to link PrintSupport and the Windows platform plugin.
QT_OPTIONS=(-DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
    -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF -DFEATURE_freetype=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=ON
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_png=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DINPUT_openssl=no)
stamp_text="qt $qt_version ${QT_OPTIONS[*]} toolchain $(sha256sum <"$toolchain" | cut -c1-16)"
key=$(echo "$stamp_text" | sha256sum | cut -c1-12)
qt_prefix=$cache/qt-$qt_version-$key
gtest_prefix=$cache/googletest-$key

log() { echo "cross-qt: $*" >&2; }

add_source_entries() {
    # apt-get source needs deb-src entries for the machine's own Debian mirror: the same
    # entries as its deb ones (same suites, components and keys), security archive aside.
    if apt-get source --print-uris qt6-base >/dev/null 2>&1; then return; fi
    local target=/etc/apt/sources.list.d/vil3k-windows-src
    log "adding deb-src entries for the Debian mirror"
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v RS= -v ORS='\n\n' \
        '/^Types:[^\n]*deb/ && /URIs:[^\n]*\/debian\/?(\n|$| )/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' \
        >"$target.sources"
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
        grep -E '^deb .*/debian/? ' | sed 's/^deb /deb-src /' >"$target.list" || true
    apt-get update -qq
}

fetch_qt_sources() {
    local work=$1
    add_source_entries
    mkdir -p "$work" && cd "$work"
    apt-get source -qq qt6-base >/dev/null
    find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -1
}

build_qt() {
    local work=$cache/work-qt src
    rm -rf "$work" "$qt_prefix"
    src=$(fetch_qt_sources "$work")
    [ -n "$src" ] || { log "no Qt sources in $work"; exit 1; }
    log "building Qt $qt_version for Windows from $src (about 34 CPU-minutes)"
    cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" "${QT_OPTIONS[@]}" >"$work/configure.log"
    nice -n 19 cmake --build "$work/build" -j"$(nproc)" >"$work/build.log"
    cmake --install "$work/build" >"$work/install.log"
    rm -rf "$work"
}

build_googletest() {
    local work=$cache/work-googletest
    rm -rf "$work" "$gtest_prefix"
    cmake -S /usr/src/googletest -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest_prefix" >/dev/null
    nice -n 19 cmake --build "$work" >/dev/null
    cmake --install "$work" >/dev/null
    rm -rf "$work"
}

if [ "${1:-}" = --check ]; then
    [ "$(cat "$qt_prefix/stamp" 2>/dev/null)" = "$stamp_text" ] &&
        [ "$(cat "$gtest_prefix/stamp" 2>/dev/null)" = "$stamp_text" ]
    exit
fi
mkdir -p "$cache"
if [ "$(cat "$qt_prefix/stamp" 2>/dev/null)" != "$stamp_text" ]; then
    start=$SECONDS
    build_qt
    echo "$stamp_text" >"$qt_prefix/stamp"
    log "Qt built in $((SECONDS - start)) s"
fi
if [ "$(cat "$gtest_prefix/stamp" 2>/dev/null)" != "$stamp_text" ]; then
    build_googletest
    echo "$stamp_text" >"$gtest_prefix/stamp"
fi
echo "$qt_prefix $gtest_prefix"
