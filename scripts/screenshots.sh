#!/usr/bin/env bash
# Takes pictures of every window on a virtual 1024x768 display: the main, loop, MX240 and interface
# windows go to docs/, the rest (every tab, panel setup, ancillary windows) to build-shots/; so does
# the first page of a rich panel's full report as an A4 PDF.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v xvfb-run >/dev/null || { echo "xvfb-run is needed (Debian package xvfb)"; exit 1; }
command -v pdftoppm >/dev/null || { echo "pdftoppm is needed (Debian package poppler-utils)"; exit 1; }
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target ui_tests
rm -rf build-shots
STANDWISE_SCREENSHOTS="$PWD/build-shots" xvfb-run -a -s "-screen 0 1024x768x24" \
    build/tests/ui_tests --gtest_filter='Screenshots.*'
mkdir -p docs
cp build-shots/main-window.png build-shots/loop-window.png build-shots/mx240-window.png \
    build-shots/interface-window.png docs/

LC_ALL=C XDG_DATA_HOME="$PWD/build-shots/data" XDG_CONFIG_HOME="$PWD/build-shots/config" xvfb-run -a \
    build/standwise -platform xcb --report full --pdf -o build-shots/full-report.pdf \
    tests/fuzz/corpus/system_config/rich.cfg
pdftoppm -png -r 100 -f 1 -l 1 -singlefile build-shots/full-report.pdf docs/full-report-pdf
