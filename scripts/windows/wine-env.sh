# Sourced by the Windows checks: a Wine prefix of the build's own (made on first use),
# with Qt's and MinGW's DLLs on the search path and no prompts to install Mono or Gecko.
# Needs $build (the Windows build folder) and $QT_PREFIX.
export WINEPREFIX=${VIL3K_WINEPREFIX:-$build/wine}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mingw_runtime=$(dirname "$(find /usr/lib/gcc/x86_64-w64-mingw32 -name libstdc++-6.dll | sort | tail -1)")
export WINEPATH="$QT_PREFIX/bin;$mingw_runtime;/usr/x86_64-w64-mingw32/lib"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-env: making the Wine prefix $WINEPREFIX" >&2
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi
