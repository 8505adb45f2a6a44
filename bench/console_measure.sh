#!/usr/bin/env bash
# Two figures of the real program under Xvfb with the simulated radio:
#  - start-up: from launch to the last write of the first word on the port trace;
#  - idle CPU: CPU time used over 10 s with the console open and untouched.
# Usage: bench/console_measure.sh [build/volna144]
set -eu
program=${1:-build/volna144}
work=$(mktemp -d)
display=":$((200 + RANDOM % 50))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; kill $pid 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display XDG_CONFIG_HOME=$work
sleep 1
mkdir -p "$work/VOLNA144"
cat >"$work/VOLNA144/VOLNA144.conf" <<'CONF'
[Flags]
NEW=1
LOCK=1
BACK=145000

[Settings]
Buttom_boundary=144000
Top_boundary=146000
GUN=-10700
FR_=-600
Scan_speed=400
Scan_speed_from_and_up_to=400
Channel_scanspeed=400
Delay1=0
Delay2=0
CONF

trace=$work/trace.txt
start=$(date +%s%N)
VOLNA144_PORT_TRACE=$trace "$program" --port=sim 2>/dev/null &
pid=$!
until [ -s "$trace" ] && [ "$(tail -n 1 "$trace")" = "out 888 0" ]; do sleep 0.001; done
end=$(date +%s%N)
echo "start-up to the first word on the port: $(((end - start) / 1000000)) ms"

sleep 2
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep 10
after=$(ticks)
echo "idle CPU over 10 s: $(awk -v t=$((after - before)) -v hz="$hz" 'BEGIN { printf "%.2f", 100 * t / hz / 10 }') % of one core"
