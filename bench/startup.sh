#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the console against a bare Qt window of the same size with one
# label, under Xvfb, in one run: the two are launched alternately, 7 pairs,
# each timed by map_time from its launch to the mapping of its window (the
# X server's MapNotify, read with microsecond resolution) and then ended.
# Prints both medians and their ratio, and the same for the CPU time each
# used up to then (steadier when other work loads the machine).
# Usage: [PROGRAM=path] bench/startup.sh [build]   (the build folder, build by
# default; PROGRAM another build of the program, to compare)
set -eu
build=${1:-build}
pairs=${PAIRS:-7}
program=${PROGRAM:-$build/volna144}
bare=$build/bench/bare_window
timer=$build/bench/map_time
. "$(dirname "$0")/../tests/support/session.sh"
require_tools Xvfb "$program" "$bare" "$timer"
session_start
write_store 145000 </dev/null
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The median of column $1 of standard input.
median() { awk -v c="$1" '{ print $c }' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

"$timer" "$bare" >/dev/null # a first launch fills the disk cache for both
"$timer" "$program" --port=sim 2>/dev/null >/dev/null
for i in $(seq "$pairs"); do
    "$timer" "$program" --port=sim 2>/dev/null >>"$work/console"
    "$timer" "$bare" >>"$work/bare"
    echo "pair $i (wall, CPU ms): console $(tail -n 1 "$work/console"), bare window $(tail -n 1 "$work/bare")"
done
for column in 1 2; do
    what=$([ $column = 1 ] && echo "start-up" || echo "CPU time to the window")
    console=$(median $column <"$work/console")
    bare_ms=$(median $column <"$work/bare")
    echo "median $what: console $console ms, bare window $bare_ms ms"
    awk -v c="$console" -v b="$bare_ms" -v w="$what" 'BEGIN { printf "%s ratio: %.2fx the bare window\n", w, c / b }'
done
