#!/usr/bin/env bash
# Builds Standwise and runs every test: the core and window tests, the program walked over the
# accessibility bus under Xvfb, the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, a short libFuzzer run of each file reader, and the core built for
# Windows and tested under wine (scripts/windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
# The install tests need the desktop's file-type tools and lintian with what cpack packages with; the
# bus test Xvfb, a D-Bus session and the accessibility bus.
scripts/setup.sh clang libclang-rt-dev desktop-file-utils poppler-utils xdg-utils shared-mime-info \
    libfile-mimeinfo-perl libglib2.0-bin lintian dpkg-dev xvfb dbus-x11 at-spi2-core python3-pyatspi
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTANDWISE_CORE_ONLY=ON \
    -DSTANDWISE_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

# The readers' fuzz targets, a fixed number of executions each from the shipped seeds
# (scripts/fuzz.sh runs them for longer).
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTANDWISE_FUZZ=ON
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure -j "$jobs"

# The core cross-built with MinGW-w64 and its tests run under wine.
scripts/windows.sh
