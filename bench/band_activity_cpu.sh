#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CPU of the real program under Xvfb during a whole-band scan at a 1 ms
# interval (simulated radio, busy 50 ms every 2 s), with the band-activity
# window closed and open in turn: ten-second phases alternating, each printed,
# then the median of each state. A last phase with no scan gives the floor.
# Usage: bench/band_activity_cpu.sh [build/volna144] [pairs, default 4] [seconds, default 10]
set -eu
program=${1:-build/volna144}
pairs=${2:-4}
seconds=${3:-10}
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
(while sleep 1.95; do echo 200 >"$status"; sleep 0.05; echo 0 >"$status"; done) &
pids="$pids $!"

# Prints the CPU share of one phase, % of one core.
phase() {
    local before after
    sleep 1
    before=$(cpu_ns $pid)
    sleep "$seconds"
    after=$(cpu_ns $pid)
    awk -v ns=$((after - before)) -v s="$seconds" 'BEGIN { printf "%.1f\n", 100 * ns / (s * 1e9) }'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

click_in "$console" 9120 1320 615 615 # "Scan"
closed=() open=()
for ((i = 1; i <= pairs; i++)); do
    closed+=("$(phase)")
    click_in "$console" 6240 1080 615 375 # "BAND"
    band=$(window '^Активность диапазона$')
    open+=("$(phase)")
    xdotool windowfocus --sync "$band" key Escape
    echo "pair $i: closed ${closed[-1]} %, open ${open[-1]} %"
done
echo "1 ms scan, picture closed: median $(printf '%s\n' "${closed[@]}" | median) % of one core"
echo "1 ms scan, picture open:   median $(printf '%s\n' "${open[@]}" | median) % of one core"
click_in "$console" 9120 1320 615 615 # "Stop"
echo "no scan, picture closed:   $(phase) % of one core"
