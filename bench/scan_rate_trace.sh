#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Retunes a second of the real program's whole-band scan at a 1 ms interval,
# under Xvfb with the real console window, the simulated radio and the port
# trace on. Each run scans for a few seconds; a retune is a control word on the
# trace (the frame line rising). Prints every run (with the program's CPU time
# per retune, which the machine's other load does not change much) and the median.
# Usage: bench/scan_rate_trace.sh [build/volna144] [runs, default 5] [seconds, default 5]
set -eu
program=${1:-build/volna144}
runs=${2:-5}
seconds=${3:-5}
. "$(dirname "$0")/../tests/support/session.sh"
require_tools Xvfb xdotool
session_start

# Control words on the trace file $1 (rises of the frame line, bit 0 of 888).
words() { awk '$1 == "out" && $2 == 888 { v = $3; if ((v % 2) && !(prev % 2)) n++; prev = v } END { print n + 0 }' "$1"; }

rates=
for ((run = 1; run <= runs; run++)); do
    write_store 144000 1 </dev/null
    trace=$work/trace$run.txt
    VOLNA144_PORT_TRACE=$trace "$program" --port=sim --sim-band=none 2>/dev/null & # every tick a word
    pid=$!
    pids="$pids $pid"
    console=$(window '^VOLNA144  v2.03')
    [ -n "$console" ] || { echo "no console window"; exit 1; }
    sleep 1
    # "Scan": left 9120, top 1320, 615 x 615 twips.
    xdotool mousemove --window "$console" $(((9120 + 307) / 15)) $(((1320 + 307) / 15)) click 1
    sleep 1 # the scan under way
    w0=$(words "$trace")
    t0=$(date +%s%N)
    c0=$(cpu_ns $pid)
    sleep "$seconds"
    c1=$(cpu_ns $pid)
    w1=$(words "$trace")
    t1=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rate=$(awk -v w=$((w1 - w0)) -v ns=$((t1 - t0)) 'BEGIN { printf "%.0f", w / (ns / 1e9) }')
    per=$(awk -v c=$((c1 - c0)) -v w=$((w1 - w0)) 'BEGIN { printf "%.0f", c / 1000 / w }')
    echo "run $run: $rate retunes a second, $per us of CPU a retune"
    rates="$rates $rate"
done
echo "median of $runs runs: $(printf '%s\n' $rates | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }') retunes a second (1 ms scan, port trace on)"
