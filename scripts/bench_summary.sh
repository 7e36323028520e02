#!/usr/bin/env bash
# Times the project summary over N configurations of eight full loops each (default 200) and prints
# the time per configuration. A benchmark, not a test: it asserts nothing.
#   scripts/bench_summary.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-200}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target standwise make_bench_configs >/dev/null
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
build/tests/make_bench_configs "$folder" "$count"
start=$(date +%s%N)
build/standwise --summary -o "$folder/summary.csv" "$folder"/*.cfg
end=$(date +%s%N)
rows=$(($(wc -l <"$folder/summary.csv") - 1))
echo "$rows configurations in $(((end - start) / 1000000)) ms: $(((end - start) / 1000 / count)) µs each (whole process, start-up included)"
