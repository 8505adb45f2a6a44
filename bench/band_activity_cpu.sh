#!/usr/bin/env bash
# CPU of the real program under Xvfb during a whole-band scan at a 1 ms
# interval (simulated radio, busy now and then), in three phases of 20 s each:
# the band-activity window never opened, open, and closed again. Also the
# retunes a second in each phase, counted from the port trace's frame falls.
# Usage: bench/band_activity_cpu.sh [build/volna144] [seconds per phase]
set -eu
program=${1:-build/volna144}
seconds=${2:-20}
. "$(dirname "$0")/../tests/support/session.sh"
require_tools Xvfb xdotool
session_start
write_store 145000 1 </dev/null
status=$work/status
echo 0 >"$status"

VOLNA144_SIM_STATUS=$status "$program" --port=sim 2>/dev/null &
pid=$!
pids="$pids $pid"
console=$(window '^VOLNA144  v')
click_in() { xdotool mousemove --window "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15)) click 1; sleep 0.3; }
# CPU time of all the program's threads, ns (the scheduler's count).
cpu() { cat /proc/$pid/task/*/schedstat | awk '{ sum += $1 } END { printf "%.0f\n", sum }'; }
# Busy for 50 ms every 2 s, so the scan holds now and then and the picture has
# something to show.
(while sleep 1.95; do echo 200 >"$status"; sleep 0.05; echo 0 >"$status"; done) &
pids="$pids $!"

phase() {
    local before after
    sleep 1
    before=$(cpu)
    sleep "$seconds"
    after=$(cpu)
    awk -v ns=$((after - before)) -v s="$seconds" -v what="$1" \
        'BEGIN { printf "%-36s %6.1f %% of one core\n", what, 100 * ns / (s * 1e9) }'
}

click_in "$console" 9120 1320 615 615 # "Scan"
phase "1 ms scan, picture never opened:"
click_in "$console" 6240 1080 615 375 # "BAND"
band=$(window '^Активность диапазона$')
phase "1 ms scan, picture open:"
xdotool windowunmap --sync "$band"
phase "1 ms scan, picture closed again:"
click_in "$console" 9120 1320 615 615 # "Stop"
phase "no scan, picture closed:"
