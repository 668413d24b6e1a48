#!/usr/bin/env bash
# The Windows build, made and checked on this Debian machine: installs what it needs with
# apt-get, builds the cross Qt once into $VIL3K_WINDOWS_CACHE (scripts/windows/cross-qt.sh),
# cross-builds the programmer, the tool and the test programs into build-windows/, lays out a
# folder a user runs from, and packs it as a ZIP and an installer. Then, unless
# VIL3K_WINDOWS_CHECKS=0, runs the test programs under Wine through CTest and the smoke
# check (scripts/windows/smoke.sh).
#   scripts/windows.sh            everything
#   scripts/windows.sh package    build, folder, ZIP and installer only
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
root=$PWD
build=${VIL3K_WINDOWS_BUILD_DIR:-$root/build-windows}
mingw=x86_64-w64-mingw32
stage=vil3k-programmer
log() { echo "windows.sh: $*" >&2; }

install_packages() {
    local packages=(g++-mingw-w64-x86-64-posix ninja-build cmake dpkg-dev googletest wine wine64
        nsis zip xvfb xauth xdotool imagemagick fonts-wine qt6-base-dev qt6-base-dev-tools
        qt6-translations-l10n) missing=()
    for pkg in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return
    log "installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

configure_and_build() {
    local prefixes start=$SECONDS
    # Paths relative to the checkout: another clone (CI's) compiles from the same cache.
    export CCACHE_BASEDIR=$root
    prefixes=$(scripts/windows/cross-qt.sh | tail -1)
    qt=${prefixes% *}
    gtest=${prefixes#* }
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIL3K_WERROR=ON \
        -DCMAKE_TOOLCHAIN_FILE="$root/scripts/windows/toolchain.cmake" \
        -DVIL3K_WINDOWS_PREFIXES="$qt;$gtest" -DCMAKE_PREFIX_PATH="$qt;$gtest" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/windows/wine-run.sh" >"$build.configure.log"
    nice -n 19 cmake --build "$build" -j"$(nproc)" >"$build.build.log" ||
        { tail -40 "$build.build.log"; exit 1; }
    log "project built in $((SECONDS - start)) s"
}

# The DLLs of the MinGW runtime that the programs name.
runtime_dlls() {
    for dll in libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll; do
        find /usr/lib/gcc/$mingw /usr/$mingw/lib -name "$dll" | sort | tail -1
    done
}

lay_out_folder() {
    local dir=$build/dist/$stage
    rm -rf "$build/dist" && mkdir -p "$dir"/{plugins/platforms,plugins/styles,translations,examples}
    cp "$build"/vil3k-programmer.exe "$build"/vil3k-tool.exe "$build"/vil3k-ports-printers.dll "$dir"
    for module in Core Gui Widgets PrintSupport; do cp "$qt/bin/Qt6$module.dll" "$dir"; done
    runtime_dlls | xargs -I{} cp {} "$dir"
    cp "$qt/plugins/platforms/qwindows.dll" "$dir/plugins/platforms"
    cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$dir/plugins/styles"
    cp /usr/share/qt6/translations/qtbase_ru.qm "$dir/translations"
    printf '[Paths]\r\nPrefix = .\r\nPlugins = plugins\r\nTranslations = translations\r\n' \
        >"$dir/qt.conf"
    cp examples/*.vil "$dir/examples"
    sed 's/$/\r/' README.md >"$dir/README.txt"
}

pack() {
    local version
    version=$(sed -n 's/^project(vil3k VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    rm -f "$build"/*.zip "$build"/*-setup.exe
    (cd "$build/dist" && zip -qr "$build/vil3k-programmer-$version-windows.zip" "$stage")
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSOURCE="$build/dist/$stage" \
        -DOUTFILE="$build/vil3k-programmer-$version-setup.exe" scripts/windows/installer.nsi
    log "$(cd "$build" && du -k ./*.zip ./*-setup.exe | awk '{printf "%s %d KiB; ", $2, $1}')"
}

install_packages
configure_and_build
lay_out_folder
pack
if [ "${1:-}" != package ] && [ "${VIL3K_WINDOWS_CHECKS:-1}" != 0 ]; then
    QT_PREFIX=$qt scripts/windows/checks.sh "$build"
fi
