#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two figures of the real program under Xvfb with the simulated radio:
#  - start-up: from launch to the last write of the first word on the port trace;
#  - idle CPU: CPU time used over 30 s with the console open and untouched.
# Usage: bench/console_measure.sh [build/volna144]
set -eu
program=${1:-build/volna144}
. "$(dirname "$0")/../tests/support/session.sh"
session_start
write_store 145000 </dev/null

trace=$work/trace.txt
start=$(date +%s%N)
VOLNA144_PORT_TRACE=$trace "$program" --port=sim 2>/dev/null &
pid=$!
pids="$pids $pid"
until [ -s "$trace" ] && [ "$(tail -n 1 "$trace")" = "out 888 0" ]; do sleep 0.001; done
end=$(date +%s%N)
echo "start-up to the first word on the port: $(((end - start) / 1000000)) ms"

sleep 2
before=$(cpu_ns $pid)
sleep 30
after=$(cpu_ns $pid)
echo "idle CPU over 30 s: $(awk -v ns=$((after - before)) 'BEGIN { printf "%.3f", 100 * ns / 3e10 }') % of one core"
