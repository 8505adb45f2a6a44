#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The CPU a 1 ms whole-band scan costs the real program, under Xvfb with the
# console shown and the simulated radio on a silent band, with the port trace
# off and on, alternately. The band runs from 100000 to 300000 kHz (8000
# notches), so the notches a run passes are the distance between two reads of
# the frequency over rig control, without a wrap; with the trace on, the
# control words on it are counted too and must match. Prints each run (the
# share of one core, the CPU per tick, the ticks a second) and the medians,
# and three yardsticks (bench/tick_floor, beside the program in its build):
# what a bare Qt window woken every millisecond and doing nothing else costs;
# the same window showing the count of its wakes in a read-out, a slider and
# the slider's position at every frame, the least a Qt Widgets program pays
# to show a 1 ms scan; and what a plain loop woken as often costs without Qt,
# the kernel's own charge for a thousand wakes a second and the least any
# 1 ms scan can cost here.
# With COMPARE set to another build of the program, each round runs that one
# too, so that both share the machine's load of the moment. The program runs
# on the last CPU alone (taskset), which steadies its figures several times
# over: moved between CPUs, it pays for it in the CPU time it is charged.
# Usage: [COMPARE=path] bench/scan_cpu.sh [build/volna144] [runs of each, default 5] [seconds, default 4]
set -eu
program=${1:-build/volna144}
runs=${2:-5}
seconds=${3:-4}
programs=("$program")
pin=
if command -v taskset >/dev/null && [ "$(nproc)" -gt 1 ]; then pin="taskset -c $(($(nproc) - 1))"; fi
[ -z "${COMPARE:-}" ] || programs+=("$COMPARE")
. "$(dirname "$0")/../tests/support/session.sh"
require_tools Xvfb xdotool
session_start

# Control words on the trace file $1 (rises of the frame line, bit 0 of 888).
words() { awk '$1 == "out" && $2 == 888 { v = $3; if ((v % 2) && !(prev % 2)) n++; prev = v } END { print n + 0 }' "$1"; }
# The frequency rig control reads, in Hz.
frequency() { exec 5<>"/dev/tcp/127.0.0.1/$rig" && echo f >&5 && head -n 1 <&5 && exec 5>&-; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

one_run() { # $1: on or off, $2: the program
    write_store 100000 1 </dev/null
    sed -i 's/^Buttom_boundary=.*/Buttom_boundary=100000/; s/^Top_boundary=.*/Top_boundary=300000/' \
        "$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf"
    trace=/dev/null
    [ "$1" = off ] || trace=$work/trace.txt
    rm -f "$work/trace.txt"
    if [ "$1" = on ]; then export VOLNA144_PORT_TRACE=$trace; else unset VOLNA144_PORT_TRACE; fi
    $pin "$2" --port=sim --sim-band=none --rigctld=127.0.0.1:0 2>"$work/stderr" &
    pid=$!
    pids="$pids $pid"
    rig=$(rig_port "$work/stderr")
    console=$(window '^VOLNA144  v2.03')
    [ -n "$console" ] && [ -n "$rig" ] || { echo "no console window or no rig control"; exit 1; }
    sleep 1
    # "Scan": left 9120, top 1320, 615 x 615 twips.
    xdotool mousemove --window "$console" $(((9120 + 307) / 15)) $(((1320 + 307) / 15)) click 1
    sleep 1 # the scan under way
    [ "$1" = off ] || w0=$(words "$trace")
    f0=$(frequency)
    t0=$(date +%s%N)
    c0=$(cpu_ns $pid)
    sleep "$seconds"
    c1=$(cpu_ns $pid)
    t1=$(date +%s%N)
    f1=$(frequency)
    [ "$1" = off ] || w1=$(words "$trace")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    ticks=$(((${f1%%.*} - ${f0%%.*}) / 25000))
    [ "$ticks" -gt 0 ] || { echo "the scan did not run (from $f0 to $f1 Hz)"; exit 1; }
    check=
    [ "$1" = off ] || check=", $((w1 - w0)) words"
    awk -v c=$((c1 - c0)) -v ns=$((t1 - t0)) -v n="$ticks" -v t="$1" -v w="$check" -v p="$2" 'BEGIN {
        printf "trace %-3s %5.2f %% of a core, %5.1f us a tick, %4.0f ticks a second (%d notches%s) %s\n",
               t, 100 * c / ns, c / 1000 / n, n / (ns / 1e9), n, w, p }' | tee -a "$work/runs"
}

floor_run() { # $1: qt for the bare Qt window, frames for it showing a scan, raw for the plain loop
    local floor
    floor=$(dirname "$program")/bench/tick_floor
    case $1 in
    raw) $pin "$floor" --raw & ;;
    frames) $pin "$floor" --frames 2>/dev/null & ;;
    *) $pin "$floor" 2>/dev/null & ;;
    esac
    pid=$!
    pids="$pids $pid"
    [ "$1" = raw ] || [ -n "$(window '^tick floor$')" ] || { echo "no tick floor window"; exit 1; }
    sleep 1
    c0=$(cpu_ns $pid)
    t0=$(date +%s%N)
    sleep "$seconds"
    c1=$(cpu_ns $pid)
    t1=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v c=$((c1 - c0)) -v ns=$((t1 - t0)) 'BEGIN { printf "%.2f\n", 100 * c / ns }' >>"$work/floor-$1"
}
# Each round runs the program(s) and the yardsticks, so that all share the
# machine's load of the moment.
for ((run = 1; run <= runs; run++)); do
    for each in "${programs[@]}"; do
        one_run off "$each"
        one_run on "$each"
    done
    floor_run qt
    floor_run frames
    floor_run raw
done
echo "yardstick: a bare Qt window woken every millisecond, $(median <"$work/floor-qt") % of a core"
echo "yardstick: the same showing the count at every frame, $(median <"$work/floor-frames") % of a core"
echo "yardstick: a plain loop woken every millisecond, no Qt, $(median <"$work/floor-raw") % of a core"
for each in "${programs[@]}"; do
    for trace in off on; do
        share=$(awk -v t=$trace -v p="$each" '$2 == t && $NF == p { print $3 }' "$work/runs" | median)
        tick=$(awk -v t=$trace -v p="$each" '$2 == t && $NF == p { print $8 }' "$work/runs" | median)
        echo "median, trace $trace: $share % of a core, $tick us a tick ($each)"
    done
done
