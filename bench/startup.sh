#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the console against a bare Qt window of the same size with one
# label, under Xvfb, in one run: the two are launched alternately, 7 pairs by
# default, each timed by map_time from its launch to the mapping of its window
# (the X server's MapNotify) and on to its first complete frame on the screen
# (the console's frequency read-out with its digits, the bare window's label
# with its text; read back from the X server every half millisecond), and
# then ended. Prints, to the window and to the first frame, the medians of
# the wall time and of the CPU time used up to then (all the program's
# threads; steadier when other work loads the machine), and each ratio,
# console / bare window.
# The timed program runs on the last CPU alone, map_time and the X server on
# the others (where there are two or more): moved between CPUs or sharing one
# with the X server, a program pays for it in the CPU time it is charged (here
# pinning took some 6 ms off each CPU figure and steadied the ratios).
# Usage: [PROGRAM=path] [PAIRS=n] bench/startup.sh [build]   (the build
# folder, build by default; PROGRAM another build of the program, to compare)
set -eu
build=${1:-build}
pairs=${PAIRS:-7}
program=${PROGRAM:-$build/volna144}
bare=$build/bench/bare_window
timer=$build/bench/map_time
# The rectangles that show the first frame has come, in window pixels: the
# console's read-out (Label1: 1200, 480, 3495 x 1095 twips, 15 to a pixel),
# black with green digits; around the bare window's label text at 20, 20.
console_area=80,32,233,73
bare_area=16,16,64,22
. "$(dirname "$0")/../tests/support/session.sh"
require_tools Xvfb "$program" "$bare" "$timer"
session_start
write_store 145000 </dev/null
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
pin=
cpus=$(nproc)
if [ "$cpus" -gt 1 ]; then
    pin=--cpu=$((cpus - 1))
    if command -v taskset >/dev/null; then taskset -a -p -c 0-$((cpus - 2)) "$xvfb" >/dev/null; fi
fi

# The median of column $1 of standard input.
median() { awk -v c="$1" '{ print $c }' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One timed launch of the console, of the bare window; the console's own
# messages are dropped, the timer's shown when it fails.
timed() { "$timer" "$@" 2>"$work/stderr" || { grep '^map_time:' "$work/stderr" >&2; exit 1; }; }
console() { timed --drawn=$console_area $pin "$program" --port=sim; }
bare() { timed --drawn=$bare_area $pin "$bare"; }

bare >/dev/null # a first launch fills the disk cache for both
console >/dev/null
for i in $(seq "$pairs"); do
    console >>"$work/console"
    bare >>"$work/bare"
    echo "pair $i (ms: wall and CPU to the window, wall and CPU to the first frame):" \
        "console $(tail -n 1 "$work/console"), bare window $(tail -n 1 "$work/bare")"
done
for column in 1 2 3 4; do
    case $column in
    1) what="start-up to the window" ;;
    2) what="CPU time to the window" ;;
    3) what="start-up to the first frame" ;;
    4) what="CPU time to the first frame" ;;
    esac
    console=$(median $column <"$work/console")
    bare_ms=$(median $column <"$work/bare")
    echo "median $what: console $console ms, bare window $bare_ms ms"
    awk -v c="$console" -v b="$bare_ms" -v w="$what" 'BEGIN { printf "%s ratio: %.2fx the bare window\n", w, c / b }'
done
