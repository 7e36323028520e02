#!/usr/bin/env bash
# Times "--report short -o FOLDER" against "--summary" over N configurations of eight full loops
# each, for each N given (default 100 300 600 1200), and prints the time per configuration of both.
# A benchmark, not a test: it asserts nothing.
#   scripts/bench_reports.sh [N...]
# BUILD names the build folder to use (default build; a core-only build folder does as well); BIN
# another program to time instead of the build's, such as an earlier release beside its data.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
counts=("$@")
[[ ${#counts[@]} -gt 0 ]] || counts=(100 300 600 1200)
cmake --build "$build" --target standwise make_bench_configs >/dev/null
bin=${BIN:-$build/standwise}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
ms() { echo $((($(date +%s%N) - $1) / 1000000)); }
for count in "${counts[@]}"; do
    rm -rf "$folder/configs" "$folder/reports" "$folder/summary.csv"
    "$build"/tests/make_bench_configs "$folder/configs" "$count"
    start=$(date +%s%N)
    "$bin" --report short -o "$folder/reports" "$folder"/configs/*.cfg 2>/dev/null || true
    report_ms=$(ms "$start")
    start=$(date +%s%N)
    "$bin" --summary -o "$folder/summary.csv" "$folder"/configs/*.cfg 2>/dev/null || true
    summary_ms=$(ms "$start")
    written=$(find "$folder/reports" -name '*.txt' | wc -l)
    echo "$count configurations: --report short $report_ms ms ($((report_ms * 1000 / count)) µs each," \
        "$written reports), --summary $summary_ms ms ($((summary_ms * 1000 / count)) µs each)"
done
