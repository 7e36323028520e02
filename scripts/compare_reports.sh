#!/usr/bin/env bash
# Compares what two builds of standwise print for the same configurations.
#
#   compare_reports.sh OLD_BIN NEW_BIN CONFIG_DIR...
#
# For every *.cfg below each CONFIG_DIR (searched recursively) both binaries run
#   --report full FILE, --report short FILE and --report interface FILE
# whatever the file holds: a report refused for the wrong kind of file is output too, and the
# refusal must not change. Standard output, standard error and the exit status of each run are
# compared byte for byte, with only the date and time of the report's "generated on" line masked.
# Then each binary runs --summary once over all files of each folder, compared the same way.
#
# Each binary reads devices/ and batteries.txt from its own folder, so each must sit beside its
# own copy of them. Runs get an empty environment except for PATH, the offscreen platform and a
# HOME of their own (a fresh temporary folder per binary, kept for all its runs), so none of the
# caller's settings or data folders reach them.
#
# Environment: COMPARE_JOBS=1|2 runs that many comparisons at once (default 1; the build machines
# are shared), COMPARE_SHOW=N prints the first N differences of each folder (default 5),
# COMPARE_TIMEOUT=S stops a run after S seconds (default 60), COMPARE_KEEP=1 keeps the work folder.
#
# Exit status: 0 every output identical, 1 some output differs, 2 usage or set-up error.

set -u
set -o pipefail

usage() {
    echo "usage: $0 OLD_BIN NEW_BIN CONFIG_DIR..." >&2
    exit 2
}

[[ $# -ge 3 ]] || usage

jobs=${COMPARE_JOBS:-1}
show=${COMPARE_SHOW:-5}
run_timeout=${COMPARE_TIMEOUT:-60}
[[ $jobs =~ ^[12]$ ]] || { echo "$0: COMPARE_JOBS must be 1 or 2" >&2; exit 2; }
[[ $show =~ ^[0-9]+$ ]] || { echo "$0: COMPARE_SHOW must be a whole number" >&2; exit 2; }

resolve_binary() {
    local bin
    bin=$(realpath -e -- "$1" 2>/dev/null) || { echo "$0: $1: no such binary" >&2; exit 2; }
    [[ -f $bin && -x $bin ]] || { echo "$0: $1: not an executable file" >&2; exit 2; }
    local dir
    dir=$(dirname -- "$bin")
    if [[ ! -d $dir/devices || ! -f $dir/batteries.txt ]]; then
        echo "$0: $bin: devices/ and batteries.txt must sit beside the binary" >&2
        exit 2
    fi
    printf '%s\n' "$bin"
}

old_bin=$(resolve_binary "$1") || exit 2
new_bin=$(resolve_binary "$2") || exit 2
shift 2

for dir in "$@"; do
    [[ -d $dir ]] || { echo "$0: $dir: no such folder" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/compare_reports.XXXXXX") || exit 2
if [[ ${COMPARE_KEEP:-0} == 1 ]]; then
    echo "work folder kept: $work"
else
    trap 'rm -rf -- "$work"' EXIT
fi
mkdir -p "$work/home_old" "$work/home_new" "$work/runs"

export COMPARE_OLD_BIN=$old_bin COMPARE_NEW_BIN=$new_bin COMPARE_WORK=$work COMPARE_TIMEOUT=$run_timeout

# One run of one binary: exit status, standard output and standard error in one record. The
# report's time stamp (line 4: "Full report generated on dd/mm/yyyy at hh:mm:ss ") changes from
# run to run; its date and time are masked and the rest of that line is still compared.
record_run() {
    local bin=$1 home=$2 out=$3
    shift 3
    local status
    timeout "$COMPARE_TIMEOUT" env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen \
        "$bin" "$@" </dev/null >"$out.stdout" 2>"$out.stderr"
    status=$?
    {
        printf '== exit status %d\n== standard output\n' "$status"
        LC_ALL=C sed -E '4s#^((Full|Short) report|Report) generated on [0-9]{2}/[0-9]{2}/[0-9]{4} at [0-9]{2}:[0-9]{2}:[0-9]{2} #\1 generated on DD/MM/YYYY at HH:MM:SS #' \
            "$out.stdout"
        printf '\n== standard error\n'
        cat "$out.stderr"
    } >"$out"
    rm -f "$out.stdout" "$out.stderr"
}

# Compares one (file, report kind) pair; the verdict goes to a line of its own in verdicts.
compare_one() {
    local id=$1 kind=$2 file=$3
    local base="$COMPARE_WORK/runs/$id"
    record_run "$COMPARE_OLD_BIN" "$COMPARE_WORK/home_old" "$base.old" --report "$kind" "$file"
    record_run "$COMPARE_NEW_BIN" "$COMPARE_WORK/home_new" "$base.new" --report "$kind" "$file"
    if cmp -s "$base.old" "$base.new"; then
        rm -f "$base.old" "$base.new"
        printf '%s\tsame\n' "$id"
    else
        printf '%s\tdiff\n' "$id"
    fi
}
export -f record_run compare_one

print_difference() {
    local what=$1 base=$2
    echo "--- different: $what"
    diff -a -u --label "old: $what" --label "new: $what" "$base.old" "$base.new" | head -n 40 | cat -v
}

overall=0
set_number=0
for dir in "$@"; do
    set_number=$((set_number + 1))
    list="$work/set$set_number.files"
    find "$dir" -type f -name '*.cfg' -print0 | LC_ALL=C sort -z >"$list"
    files=$(tr -cd '\0' <"$list" | wc -c)

    # Each task is three NUL-ended fields: its id, the report kind and the file.
    tasks="$work/set$set_number.tasks"
    : >"$tasks"
    n=0
    while IFS= read -r -d '' file; do
        for kind in full short interface; do
            n=$((n + 1))
            printf 's%d_%05d\0%s\0%s\0' "$set_number" "$n" "$kind" "$file" >>"$tasks"
        done
    done <"$list"

    verdicts="$work/set$set_number.verdicts"
    : >"$verdicts"
    if [[ $files -gt 0 ]]; then
        xargs -0 -n 3 -P "$jobs" bash -c 'compare_one "$@"' _ <"$tasks" >>"$verdicts"

        summary_base="$work/runs/s${set_number}_summary"
        mapfile -d '' -t all_files <"$list"
        record_run "$old_bin" "$work/home_old" "$summary_base.old" --summary "${all_files[@]}"
        record_run "$new_bin" "$work/home_new" "$summary_base.new" --summary "${all_files[@]}"
        if cmp -s "$summary_base.old" "$summary_base.new"; then
            printf 's%d_summary\tsame\n' "$set_number" >>"$verdicts"
        else
            printf 's%d_summary\tdiff\n' "$set_number" >>"$verdicts"
        fi
    fi

    comparisons=$(wc -l <"$verdicts")
    same=$(grep -c $'\tsame$' "$verdicts")
    different=$(grep -c $'\tdiff$' "$verdicts")
    missing=$((files * 3 + (files > 0 ? 1 : 0) - comparisons))
    echo "== $dir"
    printf '   files %d, comparisons %d, identical %d, different %d\n' \
        "$files" "$comparisons" "$same" "$different"
    if [[ $files -eq 0 ]]; then
        echo "   (no .cfg files found)"
    fi
    if [[ $missing -ne 0 ]]; then
        echo "   $missing comparisons did not run"
        overall=1
    fi
    if [[ $different -gt 0 ]]; then
        overall=1
        shown=0
        while IFS=$'\t' read -r id verdict; do
            [[ $verdict == diff ]] || continue
            [[ $shown -lt $show ]] || break
            shown=$((shown + 1))
            if [[ $id == *_summary ]]; then
                what="--summary over $dir"
            else
                what=$(tr '\0' '\n' <"$tasks" | awk -v id="$id" 'NR % 3 == 1 && $0 == id { getline kind; getline file; print "--report " kind " " file; exit }')
            fi
            print_difference "$what" "$work/runs/$id"
        done < <(LC_ALL=C sort "$verdicts")
    fi
done

if [[ $overall -eq 0 ]]; then
    echo "all identical"
else
    echo "DIFFERENCES FOUND"
fi
exit "$overall"
