#!/usr/bin/env bash
# One console per store, with the real program under Xvfb: a second start
# brings the running console in front of another window and ends with 0
# without opening the port or touching the store; a CSV import is refused
# while the console runs (an export is not); after kill -9 the next start
# takes the store at once and is reached by a later one; a console that does
# not answer is reported in a box. A rig-control port in use ends the start
# with a box too. Skipped (exit 77) where Xvfb, xdotool or x11-utils is missing.
set -u
program=${1:?usage: xvfb_single_console_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb xdotool xmessage xwininfo
session_start
write_store 145000 <<'CONF'
[Channels%28RX%29]
%241=145500

[Channels%28TX%29]
%241=144900
CONF
store=$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf
console_title='^VOLNA144  v2\.03 \(simulated radio\)$'

# Starts a console on the store with the options given; sets pid and console
# (its window).
start_console() {
    "$program" --port=sim "$@" 2>"$work/first.stderr" &
    pid=$!
    pids="$pids $pid"
    console=$(window "$console_title")
}

# Whether window $1 is stacked above window $2 (xwininfo lists the topmost first).
above() {
    xwininfo -root -children | awk -v a="$(printf '0x%x' "$1")" -v b="$(printf '0x%x' "$2")" \
        '$1 == a { print "yes"; exit } $1 == b { print "no"; exit }' | grep -q yes
}

# A second start on the store, its standard error in $work/second.stderr; sets
# and returns status.
second_start() {
    VOLNA144_PORT_TRACE=$work/second-trace.txt timeout 20 "$program" --port=sim "$@" \
        2>"$work/second.stderr"
    status=$?
    return "$status"
}

start_console
[ -n "$console" ] || { echo "FAIL: no console"; exit 1; }
xmessage -geometry +0+0 "in front of the console" 2>/dev/null &
pids="$pids $!"
other=$(window '^xmessage$')
[ -n "$other" ] && above "$other" "$console" || fail "the other window is not in front"
before=$(md5sum <"$store")
second_start
[ "$status" = 0 ] || fail "a second start exited $status: $(cat "$work/second.stderr")"
sleep 0.5
above "$console" "$other" || fail "a second start did not bring the console to the front"
[ ! -e "$work/second-trace.txt" ] || fail "a second start opened the port"
[ "$(md5sum <"$store")" = "$before" ] || fail "a second start touched the store"
[ "$(xdotool search --name "$console_title" | wc -l)" = 1 ] || fail "a second console opened"

# The CSV commands while the console runs: the import is refused, the export goes.
printf 'Location,Name,Frequency,Duplex,Offset\r\n2,x,145.000000,,0.000000\r\n' >"$work/in.csv"
timeout 20 "$program" --import-csv=channels "$work/in.csv" --yes >/dev/null 2>"$work/import.stderr"
[ $? = 1 ] || fail "an import while the console runs did not exit 1"
grep -q '^volna144: VOLNA144 уже запущена: закройте её, затем повторите импорт$' \
    "$work/import.stderr" || fail "the import's refusal: $(cat "$work/import.stderr")"
[ "$(md5sum <"$store")" = "$before" ] || fail "an import while the console runs wrote the store"
timeout 20 "$program" --export-csv=channels "$work/out.csv" >/dev/null 2>&1 ||
    fail "an export while the console runs failed"
grep -q '^1,.*145\.500000' "$work/out.csv" || fail "the export: $(cat "$work/out.csv")"

# Killed with kill -9: the next start takes the store at once, and answers.
kill -KILL "$pid"
wait "$pid" 2>/dev/null
start_console --rigctld=127.0.0.1:0
[ -n "$console" ] || fail "no console after the first was killed: $(cat "$work/first.stderr")"
second_start
[ "$status" = 0 ] || fail "a second start after kill -9 exited $status: $(cat "$work/second.stderr")"

# The start $1 shows the error box and, once it is answered, ends with 1.
refused_in_a_box() {
    local box
    box=$(window '^Ошибка$')
    [ -n "$box" ] || fail "no box for $2"
    [ -n "$box" ] && xdotool windowfocus --sync "$box" key Return
    wait "$1"
    [ $? = 1 ] || fail "$2 did not end the start with 1"
}

# A console that cannot answer (stopped): the box, then status 1.
kill -STOP "$pid"
second_start &
second=$!
refused_in_a_box "$second" "a console that does not answer"
grep -q '^volna144: VOLNA144 уже запущена$' "$work/second.stderr" ||
    fail "the second start's reason: $(cat "$work/second.stderr")"
kill -CONT "$pid"

# Rig control on the port the console uses, on a store of its own: the box,
# then status 1.
rig=$(rig_port "$work/first.stderr")
XDG_CONFIG_HOME=$work/other write_store </dev/null
XDG_CONFIG_HOME=$work/other timeout 20 "$program" --port=sim --rigctld=127.0.0.1:"$rig" \
    2>"$work/busy.stderr" &
busy=$!
refused_in_a_box "$busy" "a rig-control port in use"
grep -q "no rig control on 127.0.0.1 port $rig" "$work/busy.stderr" ||
    fail "rig control in use: $(cat "$work/busy.stderr")"

finish "one console per store"
