#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills the real program (under Xvfb, simulated radio) with SIGKILL at random
# moments of tune-and-exit cycles and checks the store file after each one: it
# must parse whole, keep every channel and library entry, and hold the last
# frequency of the last save that completed (or of the save that was cut, if
# the cut came after the rename). Leftovers of a killed save must be gone once
# the next run has started. Prints the figures.
# Usage: bench/store_kill_loop.sh [build/volna144] [CYCLES]
set -u
program=${1:-build/volna144}
cycles=${2:-300}
. "$(dirname "$0")/../tests/support/session.sh"
require_tools Xvfb xdotool python3
session_start
store=$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf

# Ten channels and a full library besides the first-run settings.
{
    echo "[Channels(RX)]"
    for n in $(seq 10); do echo "\$$n=$((144000 + 175 * n))"; done
    echo "[Channels(TX)]"
    for n in $(seq 10); do echo "\$$n=$((143400 + 175 * n))"; done
    echo "[Channels(RX-cmt)]"
    for n in $(seq 10); do echo "\$$n=Канал $n"; done
    echo "[Library]"
    for n in $(seq 100); do echo "\$$n=$((145000 + 5 * n)) - $((144400 + 5 * n)) - Запись $n"; done
} | write_store 145000

# Every key and value of the store file, sorted, one "section/key=value" a line;
# "unreadable ..." when the file is not made of "[section]" and "key=value"
# lines only, as the program writes it.
content() {
    python3 - "$store" <<'PY'
import re, sys
try:
    data = open(sys.argv[1], "rb").read().decode("utf-8")
except (OSError, UnicodeDecodeError) as error:
    print("unreadable:", error)
    sys.exit(0)
section, seen = None, []
for line in data.splitlines():
    if not line.strip():
        continue
    if re.fullmatch(r"\[[^\]]+\]", line):
        section = line[1:-1]
        continue
    key, sep, value = line.partition("=")
    if not sep or section is None:
        print("unreadable line:", repr(line))
        sys.exit(0)
    seen.append((section, key.strip(), value.strip()))
for section, key, value in sorted(seen):
    print(f"{section}/{key}={value}")
PY
}

back() { sed -n 's/^BACK=//p' "$store"; }
# The temporary files and the lock next to the store, each with a checksum of
# its contents: a lock the next run writes names another process.
leftovers() {
    find "$XDG_CONFIG_HOME/VOLNA144" -name 'VOLNA144.conf.*' ! -name '*.damaged-*' \
        -exec md5sum {} + 2>/dev/null | sort
}

# Starts the program on the store; its rig control port in $port.
run_once() {
    rm -f "$work/stderr" # so that the notice read is this run's
    VOLNA144_PORT_TRACE=/dev/null "$program" --port=sim --rigctld=127.0.0.1:0 2>"$work/stderr" &
    pid=$!
    pids=$pid # stopped by the session if the script ends mid-cycle
    port=$(rig_port "$work/stderr")
}

# Clicks "Exit" at its place in the console's layout, in twips (left, top, width, height) on
# the console window $console.
find_console() {
    console=$(window '^VOLNA144  v2\.03')
    [ -n "$console" ] || fail "no console window"
}
click_exit() {
    xdotool mousemove --window "$console" $(((9000 + 2295 / 2) / 15)) $(((2640 + 375 / 2) / 15)) \
        click 1 2>/dev/null
}

# One undisturbed run and "Exit" writes the file in the program's own format:
# the reference of everything but "BACK".
run_once
[ -n "$port" ] || { echo "the program did not start:"; cat "$work/stderr"; exit 1; }
find_console
click_exit
wait $pid 2>/dev/null
reference=$(content | grep -v '^Flags/BACK=')
[ "$(echo "$reference" | wc -l)" -ge 140 ] || { echo "reference store too small"; exit 1; }

# A sleep without a new process, so that a kill lands within a millisecond of
# its moment: a read with a time-out on a pipe nobody writes to.
mkfifo "$work/never"
exec 4<>"$work/never"
pause() { read -r -t "$1" -u 4 _ || true; }
micros() { echo $((${EPOCHREALTIME/./} - $1)); }

# The kills are spread over the time from the start of the click on "Exit" to
# the end of the process: the median of five undisturbed exits, in
# microseconds.
times=()
for _ in $(seq 5); do
    run_once
    find_console
    start=${EPOCHREALTIME/./}
    click_exit
    wait $pid 2>/dev/null
    times+=("$(micros $start)")
done
exit_us=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
echo "start of the click on Exit to the end of the process: $((exit_us / 1000)) ms (median of 5)"

completed=$(back)
kills=0 exits=0 cut_saves=0 left_behind=0 slow=0
for cycle in $(seq "$cycles"); do
    before=$(leftovers)
    start=$(date +%s%N)
    run_once
    if [ -z "$port" ]; then
        fail "cycle $cycle: no rig control port: $(cat "$work/stderr")"
        kill -KILL $pid 2>/dev/null
        wait $pid 2>/dev/null
        continue
    fi
    if [ -n "$before" ]; then
        left_behind=$((left_behind + $(echo "$before" | wc -l)))
        stayed=$(comm -12 <(echo "$before") <(leftovers))
        [ -z "$stayed" ] || fail "cycle $cycle: leftovers of a killed save stay after the start: $stayed"
    fi
    target=$((144000 + 25 * (RANDOM % 81)))
    [ "$target" = "$completed" ] && target=$((target == 146000 ? 145975 : target + 25))
    exec 3<>"/dev/tcp/127.0.0.1/$port"
    printf 'F %d\n' $((target * 1000)) >&3
    read -r -t 5 reply <&3 || reply=none
    exec 3>&-
    [ "$reply" = "RPRT 0" ] || fail "cycle $cycle: F $target answered '$reply'"

    # One kill in eight lands while the program runs, the others at a random
    # moment from the click on "Exit" to the end of the process.
    if [ $((RANDOM % 8)) -eq 0 ]; then
        pause "0.0$((RANDOM % 50))"
    else
        find_console
        delay=$(awk -v r=$RANDOM -v span="$exit_us" 'BEGIN { printf "%.6f", (r % 1000) * span / 1e9 }')
        (pause "$delay" && kill -KILL $pid 2>/dev/null) &
        killer=$!
        click_exit
        wait $killer
    fi
    kill -KILL $pid 2>/dev/null
    wait $pid 2>/dev/null
    status=$?
    if [ "$status" -eq 137 ]; then
        kills=$((kills + 1))
        now=$(back)
        if [ "$now" = "$target" ]; then
            cut_saves=$((cut_saves + 1)) # killed after the save reached the file
            completed=$target
        elif [ "$now" != "$completed" ]; then
            fail "cycle $cycle: killed, BACK is '$now', the last save was $completed (tuned $target)"
        fi
    else
        exits=$((exits + 1))
        [ "$status" -eq 0 ] || fail "cycle $cycle: exit status $status"
        [ "$(back)" = "$target" ] || fail "cycle $cycle: exited, BACK is '$(back)', not $target"
        completed=$target
    fi
    [ "$(content | grep -v '^Flags/BACK=')" = "$reference" ] ||
        fail "cycle $cycle: the store lost or changed values: $(content | head -n 3)"
    ls "$XDG_CONFIG_HOME/VOLNA144" | grep -q damaged && fail "cycle $cycle: the store was taken for damaged"
    [ $((($(date +%s%N) - start) / 1000000)) -lt 10000 ] || slow=$((slow + 1))
done

echo "cycles: $cycles, killed: $kills (after the save reached the file: $cut_saves), exited on their own: $exits"
echo "leftovers of a killed save found before a start (each one cleared by it): $left_behind"
echo "cycles over 10 s: $slow"
finish "failures: 0"
