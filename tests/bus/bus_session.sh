#!/usr/bin/env bash
# Inside the private D-Bus session of bus_test.sh: starts the accessibility bus and the program,
# runs the walk, and ends both.
#   bus_session.sh PYTHON BUS_TEST_PY
set -uo pipefail
python=$1
walk=$2
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
}
trap cleanup EXIT

"$STANDWISE_BUS_LAUNCHER" --launch-immediately >"$STANDWISE_BUS_OUT/bus.log" 2>&1 &
pids+=($!)
# The program registers with the accessibility registry as it starts, so the registry answers first.
"$python" - <<'WAIT' || exit 1
import sys, time
import pyatspi
end = time.monotonic() + 30
while time.monotonic() < end:
    try:
        pyatspi.Registry.getDesktop(0).childCount
        sys.exit(0)
    except Exception:
        time.sleep(0.2)
print("FAIL: the accessibility registry did not answer within 30 s", file=sys.stderr)
sys.exit(1)
WAIT
"$STANDWISE_BUS_PROGRAM" >"$STANDWISE_BUS_OUT/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
"$python" "$walk" "$program_pid"
status=$?
if [ "$status" -ne 0 ]; then
    echo "--- program output" >&2
    cat "$STANDWISE_BUS_OUT/program.log" >&2
fi
exit "$status"
