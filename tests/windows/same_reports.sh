#!/usr/bin/env bash
# The Windows command-line program writes what the Linux one writes, byte for byte: for every seed
# configuration (tests/fuzz/corpus) each report its kind has, to standard output and as files in a
# folder, and the project summary of them all; with the same exit status and message lines. The
# seeds are also copied below folders and names in several scripts, which the programs get as
# arguments. The one line that differs between any two runs, the report's time stamp, is set to
# one text on both sides first; and the message lines, which Windows ends with CR LF as text on its
# consoles, are compared without the CR.
#
# Further corpus folders, such as the inputs the fuzz targets found (build-fuzz/tests/fuzz/found),
# go through the summary whole (system_config/ and interface_config/ each, 200 files a run to keep
# within Windows' limit on the length of a command line); through the full or interface report go those
# that the summary gives figures for, and every tenth of the others for its messages: a report run
# starts afresh for every configuration, which takes wine about a tenth of a second each time.
#
# Usage: same_reports.sh WORK_FOLDER LINUX_PROGRAM WINDOWS_PROGRAM [CORPUS_FOLDER...]
# A program named *.exe runs under wine (WINEPREFIX and the wine server set up by the caller).
set -euo pipefail
work=$1
linux=$(realpath "$2")
windows=$(realpath "$3")
shift 3
found=()
for folder in "$@"; do found+=("$(realpath "$folder")"); done
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
        f=0
        for folder in "${found[@]}"; do
            mkdir -p "found-$f"
            cp -r "$folder/system_config" "$folder/interface_config" "found-$f/"
            for kind in system interface; do
                files=("found-$f/${kind}_config/"*)
                for ((c = 0; c * 200 < ${#files[@]}; c++)); do
                    run "$program" "found-$f-$kind-summary-$c" --summary -o "out/found-$f-$kind-$c.csv" \
                        "${files[@]:c*200:200}"
                done
                mapfile -t sample < <({
                    awk -F, 'FNR > 1 && $7 != "" { print $1 }' "out/found-$f-$kind-"*.csv
                    for ((i = 0; i < ${#files[@]}; i += 10)); do echo "${files[i]}"; done
                } | sort -u)
                report=$([ "$kind" = system ] && echo full || echo interface)
                for ((c = 0; c * 200 < ${#sample[@]}; c++)); do
                    run "$program" "found-$f-$report-$c" --report "$report" -o "out/found-$f-$report" \
                        "${sample[@]:c*200:200}"
                done
            done
            f=$((f + 1))
        done
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
    "$(find linux/out -type f | wc -l) files byte-identical, with the same messages and exit statuses" \
    "(inputs: $(find linux -name '*.cfg' | wc -l) seeds$([ ${#found[@]} -eq 0 ] || echo " and $(find linux/found-* -type f | wc -l) found by the fuzz targets"))"
