# Shared by the project's scripts: building the trees and the private X display for Wine.
root=$(CDPATH= cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$root/build/wineprefix"

# Compiler cache: paths below the source folder are hashed relative to it, so clones and work trees
# in other folders share their objects.
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

build_native() {
    cmake -S "$root" -B "$root/build/native" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$root/build/native" "$@"
}

# The shipped program: 32-bit, size-optimised, into dist/.
build_win32() {
    cmake -S "$root" -B "$root/build/win32" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
    cmake --build "$root/build/win32" "$@"
}

# The same sources for 64-bit Windows: the Windows tests' fallback on hosts that cannot run 32-bit code.
build_win64() {
    cmake -S "$root" -B "$root/build/win64" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=MinSizeRel -DMENU_DIST=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
    cmake --build "$root/build/win64"
}

build_fuzz() {
    CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -G Ninja "${launcher[@]}" -DMENU_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$root/build/fuzz"
}

# Starts Xvfb on a free display number and exports DISPLAY; stop_display undoes it.
start_display() {
    local n=77
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
    done
    # Create the prefix once; later runs reuse it.
    "$root/scripts/wine-run" cmd /c exit >/dev/null 2>&1 || true
}

# Whether this host executes 32-bit Windows programs, found out by running one: 32-bit Wine's command
# interpreter asked for exit code 7. A kernel without 32-bit support cannot start it. Needs the
# prefix that start_display makes.
runs_win32() {
    local code=0
    WINEARCH=win64 WINEDEBUG=-all /usr/lib/wine/wine cmd /c exit 7 >/dev/null 2>&1 || code=$?
    [ "$code" -eq 7 ]
}

stop_display() {
    WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
}

# The one clang-format the tree is formatted with (scripts/setup installs it): other versions lay the
# same code out differently.
clang_format=clang-format-14
