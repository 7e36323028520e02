#!/usr/bin/env bash
# Fuzzes the readers of device files, system configurations and interface configurations with
# libFuzzer, each for the given number of seconds (default 600), keeping what it finds in
# build-fuzz/tests/fuzz/found/. A fault stops that target and leaves its input in build-fuzz/tests/fuzz/
# (READER-crash-*) and its story in READER.log; make it a regression test in the ordinary suites.
#   scripts/fuzz.sh [SECONDS]      fuzz each target for SECONDS
#   scripts/fuzz.sh --coverage     line and branch coverage of the readers over seeds and findings
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang libclang-rt-dev llvm
readers=(device_file system_config interface_config)

if [ "${1:-}" = "--coverage" ]; then
    cmake -S . -B build-fuzz-coverage -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
        -DSTANDWISE_FUZZ=ON -DCMAKE_CXX_FLAGS="-fprofile-instr-generate -fcoverage-mapping" >/dev/null
    cmake --build build-fuzz-coverage -j "$(nproc)"
    objects=()
    for reader in "${readers[@]}"; do
        binary=build-fuzz-coverage/tests/fuzz/${reader}_fuzzer
        LLVM_PROFILE_FILE=build-fuzz-coverage/$reader.profraw "$binary" -runs=0 \
            tests/fuzz/corpus/$reader build-fuzz/tests/fuzz/found/$reader >/dev/null 2>&1 || true
        objects+=(-object "$binary")
    done
    llvm-profdata merge -o build-fuzz-coverage/all.profdata build-fuzz-coverage/*.profraw
    llvm-cov report "${objects[@]:1}" -instr-profile=build-fuzz-coverage/all.profdata \
        src/model/device_library.cpp src/files/system_config.cpp src/files/interface_config.cpp
    exit 0
fi

seconds=${1:-600}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSTANDWISE_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$(nproc)"
for reader in "${readers[@]}"; do
    found=build-fuzz/tests/fuzz/found/$reader
    mkdir -p "$found"
    echo "== $reader: $seconds s"
    log=build-fuzz/tests/fuzz/$reader.log
    build-fuzz/tests/fuzz/${reader}_fuzzer -max_total_time="$seconds" -max_len=16384 -print_final_stats=1 \
        -dict=tests/fuzz/standwise.dict -artifact_prefix=build-fuzz/tests/fuzz/$reader- \
        "$found" tests/fuzz/corpus/$reader >"$log" 2>&1 || echo "$reader found a fault: see $log"
    grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::average_exec_per_sec)" "$log" || true
done
