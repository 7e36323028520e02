#!/usr/bin/env bash
# The Windows stage of the tests (scripts/test.sh runs it last; it also runs on its own): the
# toolkit-free core and the command-line program cross-built with MinGW-w64, the core tests run
# under wine in a wine prefix of its own below the build folder, and the program's reports and
# tables compared byte for byte with the Linux program's (tests/windows/same_reports.sh).
# Wine's and the tools' own output goes to build-windows/windows-stage.log, shown when a step fails.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
scripts/setup.sh g++-mingw-w64-x86-64-posix wine wine64
build=build-windows
jobs=$(nproc)
mkdir -p "$build"
log=$PWD/$build/windows-stage.log
: >"$log"
# The Linux program to compare with: the one scripts/test.sh has built, else the command line
# alone, built here.
linux_program=${STANDWISE_LINUX_PROGRAM:-build/standwise}

quietly() {
    if ! "$@" >>"$log" 2>&1; then
        echo "Windows stage: failed: $*" >&2
        tail -n 60 "$log" >&2
        return 1
    fi
}

# GoogleTest for MinGW, built once from Debian's sources (libgtest-dev ships them).
gtest=$PWD/$build/googletest
if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
    quietly cmake -S /usr/src/googletest -B "$build/googletest-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest"
    quietly cmake --build "$build/googletest-build" -j "$jobs" --target install
fi

quietly cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTANDWISE_CORE_ONLY=ON -DSTANDWISE_BENCHMARKS=OFF \
    -DGTest_DIR="$gtest/lib/cmake/GTest"
quietly cmake --build "$build" -j "$jobs" --target core_tests standwise
if [ ! -x "$linux_program" ]; then
    quietly cmake -S . -B "$build/linux" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTANDWISE_CORE_ONLY=ON \
        -DSTANDWISE_BENCHMARKS=OFF
    quietly cmake --build "$build/linux" -j "$jobs" --target standwise
    linux_program=$build/linux/standwise
fi
grep -A3 "warning:" "$log" >&2 || true
built=$((SECONDS - started))

# Console programs only: no display, no Mono or Gecko installer, none of wine's diagnostics. The
# locale is UTF-8, so that names in any script reach a program's wide command line intact.
export WINEPREFIX=$PWD/$build/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
# One wine server for every run below, started before them and ended with this script: a program
# then never waits for a server to start, nor the script for one to linger.
mkdir -p "$WINEPREFIX"
quietly wineserver --persistent
trap 'wineserver --kill >/dev/null 2>&1 || true' EXIT
[ -f "$WINEPREFIX/system.reg" ] || quietly wineboot --init

# Directly, not through ctest, which can wait for wine's helper processes. The test data are found
# through the source folder's path, which wine sees on its Z: drive.
tests_started=$SECONDS
if ! wine "$build/tests/core_tests.exe" --gtest_brief=1 >"$build/core_tests.log" 2>&1; then
    cat "$build/core_tests.log" >&2
    echo "Windows stage: core_tests.exe failed under wine" >&2
    exit 1
fi
passed=$(sed -nE 's/^\[  PASSED  \] ([0-9]+) tests?\..*/\1/p' "$build/core_tests.log")
ran=$(sed -nE 's/^\[==========\] ([0-9]+) tests? from .*/\1/p' "$build/core_tests.log")
skipped=$(sed -nE 's/^\[  SKIPPED \] ([0-9]+) tests?.*/\1/p' "$build/core_tests.log")
echo "Windows stage: core_tests.exe under wine: $passed of $ran tests passed${skipped:+, $skipped skipped}" \
    "($((SECONDS - tests_started)) s)"

compared=$SECONDS
# With the inputs the fuzz targets found, when scripts/test.sh has run them.
found=build-fuzz/tests/fuzz/found
[ -d "$found/system_config" ] || found=
tests/windows/same_reports.sh "$build/same_reports" "$linux_program" "$build/standwise.exe" $found
echo "Windows stage: standwise.exe compared with $linux_program ($((SECONDS - compared)) s)"
echo "Windows stage: done in $((SECONDS - started)) s (cross build $built s)"
