#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Resident memory of the real program over a long whole-band scan at a 1 ms
# interval on the simulated radio, under Xvfb: the figure before the scan, then
# every 10 s, and the growth at the end, with the words the radio received.
# With "band" as the third argument the band-activity window is open throughout.
# Usage: bench/long_scan_memory.sh [build/volna144] [seconds, default 30] [band]
set -eu
program=${1:-build/volna144}
seconds=${2:-30}
picture=${3:-}
. "$(dirname "$0")/../tests/support/session.sh"
session_start
write_store 144000 1 </dev/null

trace=$work/trace.txt
VOLNA144_PORT_TRACE=$trace "$program" --port=sim --sim-band=none 2>/dev/null & # every tick a word
pid=$!
pids="$pids $pid"
console=$(window '^VOLNA144  v2.03')
[ -n "$console" ] || { echo "no console window"; exit 1; }
if [ "$picture" = band ]; then
    # "BAND": left 6240, top 1080, 615 x 375 twips.
    xdotool mousemove --window "$console" $(((6240 + 307) / 15)) $(((1080 + 187) / 15)) click 1
    [ -n "$(window '^Активность диапазона$')" ] || { echo "no band-activity window"; exit 1; }
fi
sleep 1
rss() { awk '/^VmRSS/ { print $2 }' /proc/$pid/status; }
cpu() { echo $(($(cpu_ns $pid) / 1000000)); } # ms
before=$(rss)
echo "before the scan: $before kB"
# "Scan": left 9120, top 1320, 615 x 615 twips; 15 twips to a pixel.
xdotool mousemove --window "$console" $(((9120 + 307) / 15)) $(((1320 + 307) / 15)) click 1
cpu0=$(cpu)
writes0=$(grep -c '^out 888' "$trace")
for ((t = 10; t <= seconds; t += 10)); do
    sleep 10
    echo "after ${t} s: $(rss) kB"
done
after=$(rss)
cpu1=$(cpu)
echo "growth: $((after - before)) kB over ${seconds} s of scanning"
writes=$(($(grep -c '^out 888' "$trace") - writes0))
echo "port writes while scanning: $writes (about $((writes / 58 / seconds)) words a second)"
echo "CPU while scanning: $((100 * (cpu1 - cpu0) / (seconds * 1000))) % of one core"
