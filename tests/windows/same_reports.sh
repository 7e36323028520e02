#!/usr/bin/env bash
# The Windows command-line program writes what the Linux one writes, byte for byte: for every seed
# configuration (tests/fuzz/corpus) each report its kind has, to standard output and as files in a
# folder, and the project summary of them all; with the same exit status and message lines. The
# seeds are also copied below folders and names in several scripts, which the programs get as
# arguments. The one line that differs between any two runs, the report's time stamp, is set to
# one text on both sides first; and the message lines, which Windows ends with CR LF as text on its
# consoles, are compared without the CR.
#
# Usage: same_reports.sh WORK_FOLDER LINUX_PROGRAM WINDOWS_PROGRAM
# A program named *.exe runs under wine (WINEPREFIX and the wine server set up by the caller).
set -euo pipefail
work=$1
linux=$(realpath "$2")
windows=$(realpath "$3")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
corpus=$source_dir/tests/fuzz/corpus

rm -rf "$work"
mkdir -p "$work"

run() {  # PROGRAM NAME ARGS...: standard output, standard error and the exit status into results/NAME.*
    local program=$1 name=$2 status=0
    shift 2
    if [[ $program == *.exe ]]; then
        wine "$program" "$@" >"results/$name.out" 2>"results/$name.err" || status=$?
    else
        "$program" "$@" >"results/$name.out" 2>"results/$name.err" || status=$?
    fi
    echo "$status" >"results/$name.status"
}

# Each side works in a copy of its own, so that every path, given or written, is the same text.
for side in linux windows; do
    program=$([ "$side" = linux ] && echo "$linux" || echo "$windows")
    mkdir -p "$work/$side/results" "$work/$side/out" "$work/$side/Büro Ωmega/配電盤"
    cp -r "$corpus/system_config" "$corpus/interface_config" "$work/$side/"
    cp "$corpus/system_config/rich.cfg" "$work/$side/Büro Ωmega/配電盤/Щит 1.cfg"
    cp "$corpus/interface_config/mixed.cfg" "$work/$side/Büro Ωmega/حريق 🔥.cfg"
    (
        cd "$work/$side"
        systems=(system_config/*.cfg "Büro Ωmega/配電盤/Щит 1.cfg")
        interfaces=(interface_config/*.cfg "Büro Ωmega/حريق 🔥.cfg")
        i=0
        for config in "${systems[@]}"; do
            run "$program" "full-$i" --report full "$config"
            run "$program" "short-$i" --report short "$config"
            i=$((i + 1))
        done
        i=0
        for config in "${interfaces[@]}"; do
            run "$program" "interface-$i" --report interface "$config"
            i=$((i + 1))
        done
        run "$program" full-folder --report full -o out/full --unique-names "${systems[@]}"
        run "$program" interface-folder --report interface -o out/interface "${interfaces[@]}"
        run "$program" summary --summary "${systems[@]}" "${interfaces[@]}"
        run "$program" summary-file --summary -o out/summary.csv "${systems[@]}" "${interfaces[@]}"
    )
done
cd "$work"

# A time stamp is dd/mm/yyyy at hh:mm:ss.
find linux windows -type f -exec sed -i -E \
    's#[0-9]{2}/[0-9]{2}/[0-9]{4} at [0-9]{2}:[0-9]{2}:[0-9]{2}#DD/MM/YYYY at HH:MM:SS#g' {} +
sed -i 's/\r$//' windows/results/*.err
if ! diff -r linux windows >differences.txt; then
    echo "The Windows command line writes otherwise than the Linux one (${work}/differences.txt):" >&2
    head -n 40 differences.txt >&2
    exit 1
fi
echo "same_reports: $(find linux/results -name '*.out' -size +0 | wc -l) reports and tables on standard output and" \
    "$(find linux/out -type f | wc -l) files byte-identical, with the same messages and exit statuses"
