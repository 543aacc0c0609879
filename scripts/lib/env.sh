# Shared settings of the project's scripts; sourced, not run.
# Expects $top to be the repository's top folder.

# VEMO_BUILD_DIR lets several builds of one checkout live side by side.
build_dir="${VEMO_BUILD_DIR:-$top/build}"
native_dir="$build_dir/native"
win32_dir="$build_dir/win32"
dist_dir="$build_dir/dist"
wine_dir="$build_dir/wine"
wine_base_prefix="$wine_dir/base"

# The programs are built for 64-bit Windows and run by Wine's 64-bit loader:
# some machines (this project's CI among them) cannot execute 32-bit Linux
# programs, which Wine's 32-bit loader is.
wine=/usr/lib/wine/wine64

export WINEDEBUG=-all
export LANG=ja_JP.UTF-8
# Mono and Gecko are not needed and would ask to be downloaded. Overrides
# already set (a test's own) are kept after these.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"

# Makes (once) the Wine prefix named $1 under build/wine/ and prints its path.
# Each use (tests, the game) has a prefix of its own, copied from a base that
# is made once, so that neither sees the other's wineserver or settings.
wine_prefix() {
    local prefix="$wine_dir/$1"
    if [ ! -f "$prefix/system.reg" ]; then
        "$top/scripts/lib/prefix.sh" >&2
        rm -rf "$prefix"
        cp -a "$wine_base_prefix" "$prefix"
    fi
    printf '%s\n' "$prefix"
}

# Starts Xvfb on a free display; sets xvfb_pid and DISPLAY.
start_xvfb() {
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    local i
    for i in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start" >&2; return 1; }
        sleep 0.1
    done
    export DISPLAY=":$n"
}

configure_and_build() {
    if [ ! -f "$build_dir/build.ninja" ]; then
        cmake -S "$top" -B "$build_dir" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-x86_64.cmake" >/dev/null
    fi
    cmake --build "$build_dir"
}

configure_and_build_native() {
    if [ ! -f "$native_dir/build.ninja" ]; then
        cmake -S "$top" -B "$native_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
    fi
    cmake --build "$native_dir"
}

# The 32-bit release build: the programs and DLLs only, no tests (this
# machine cannot run 32-bit programs; the 64-bit build is the tested one).
configure_and_build_win32() {
    if [ ! -f "$win32_dir/build.ninja" ]; then
        cmake -S "$top" -B "$win32_dir" -G Ninja -DVEMO_TESTS=OFF \
            -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" >/dev/null
    fi
    cmake --build "$win32_dir"
}

# The release packages of both Windows builds, through CMake's `package`
# target (CPack's ZIP generator), moved into build/dist/:
# Vemo-<version>-win64.zip and Vemo-<version>-win32.zip.
make_packages() {
    local dir
    rm -rf "$dist_dir"
    mkdir -p "$dist_dir"
    for dir in "$build_dir" "$win32_dir"; do
        rm -f "$dir/package/"*.zip
        cmake --build "$dir" --target package
        mv "$dir/package/"*.zip "$dist_dir/"
    done
}
