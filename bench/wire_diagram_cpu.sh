#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CPU of the real program under Xvfb with the simulated radio during a
# whole-band scan at a 1 ms interval: 10 s with the wire diagram closed, then
# 10 s with it open (it redraws after every transfer), then 10 s after it is
# closed again. Usage: bench/wire_diagram_cpu.sh [build/volna144]
set -eu
program=${1:-build/volna144}
. "$(dirname "$0")/../tests/support/session.sh"
require_tools Xvfb xdotool
session_start
write_store 144000 1 </dev/null

"$program" --port=sim --sim-band=none 2>"$work/stderr" & # every tick a word
pid=$!
pids="$pids $pid"
console=$(window '^VOLNA144  v2\.03 \(simulated radio\)$')
click_twips() {
    xdotool mousemove --window "$console" $((($1 + $3 / 2) / 15)) $((($2 + $4 / 2) / 15)) click 1
    sleep 0.3
}
measure() {
    local before after
    kill -0 $pid 2>/dev/null || { echo "the program ended"; exit 1; }
    before=$(cpu_ns $pid)
    sleep 10
    after=$(cpu_ns $pid)
    echo "$1: $(awk -v ns=$((after - before)) 'BEGIN { printf "%.1f", 100 * ns / 1e10 }') % of one core"
}

click_twips 5640 720 975 375 # "ADDition"
click_twips 9120 1320 615 615 # "Scan"
sleep 1
measure "1 ms scan, wire diagram never opened"
click_twips 5160 3480 2535 255 # "Диаграмма передачи"
wire=$(window '^Диаграмма передачи$')
xdotool windowmove --sync "$wire" 0 400
sleep 1
measure "1 ms scan, wire diagram open"
xdotool windowfocus --sync "$wire" key Escape # closes it
sleep 1
measure "1 ms scan, wire diagram closed again"
cat "$work/stderr"
