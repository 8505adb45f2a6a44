#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One console per store, with the real program under Xvfb: a second start
# brings the console in front of another window and ends with 0, opening
# neither the port nor the store; an import is refused while the console
# runs, an export is not; after kill -9 the next start takes the store at once
# and is reached by a later one; a console that does not answer, and a
# rig-control port in use, end a start with a box and status 1.
# Skipped (exit 77) where Xvfb, xdotool or x11-utils is missing.
set -u
program=${1:?usage: xvfb_single_console_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb xdotool xmessage xwininfo
session_start
write_store 145000 </dev/null
store=$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf
console_title='^VOLNA144  v2\.03 \(имитация радиостанции\)$'

# Whether window $1 is stacked above window $2 (xwininfo lists the topmost first).
above() {
    xwininfo -root -children | awk -v a="$(printf '0x%x' "$1")" -v b="$(printf '0x%x' "$2")" \
        '$1 == a { print "yes"; exit } $1 == b { print "no"; exit }' | grep -q yes
}

# A second start on the store, its standard error in $work/second.stderr; sets
# and returns status.
second_start() {
    VOLNA144_PORT_TRACE=$work/second-trace.txt timeout 20 "$program" --port=sim \
        2>"$work/second.stderr"
    status=$?
    return "$status"
}

start_with_rig_control "$program"
console=$(window "$console_title")
[ -n "$console" ] || { echo "FAIL: no console: $(cat "$work/stderr")"; exit 1; }
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

# While the console runs the import is refused, the export goes.
printf 'Location,Name,Frequency,Duplex,Offset\r\n2,x,145.000000,,0.000000\r\n' >"$work/in.csv"
timeout 20 "$program" --import-csv=channels "$work/in.csv" --yes >/dev/null 2>"$work/import.stderr"
[ $? = 1 ] && grep -q '^volna144: VOLNA144 уже запущена: закройте её, затем повторите импорт$' \
    "$work/import.stderr" || fail "the import was not refused: $(cat "$work/import.stderr")"
[ "$(md5sum <"$store")" = "$before" ] || fail "a second start or the import wrote the store"
timeout 20 "$program" --export-csv=channels "$work/out.csv" >/dev/null 2>&1 ||
    fail "an export while the console runs failed"

# Killed with kill -9: the next start takes the store at once, and is reached.
kill -KILL "$pid"
wait "$pid" 2>/dev/null
start_with_rig_control "$program"
[ -n "$(window "$console_title")" ] || fail "no console after kill -9: $(cat "$work/stderr")"
second_start
[ "$status" = 0 ] || fail "a second start after kill -9 exited $status: $(cat "$work/second.stderr")"

# Start $1 shows the error box and, once it is answered, ends with 1 ($2 says what it is).
refused_in_a_box() {
    local box
    box=$(window '^Ошибка$')
    [ -n "$box" ] && xdotool windowfocus --sync "$box" key Return || fail "no box for $2"
    wait "$1"
    [ $? = 1 ] || fail "$2 did not end the start with 1"
}

# A console that does not answer (stopped).
kill -STOP "$pid"
second_start &
refused_in_a_box $! "a console that does not answer"
grep -q '^volna144: VOLNA144 уже запущена$' "$work/second.stderr" ||
    fail "the second start's reason: $(cat "$work/second.stderr")"
kill -CONT "$pid"

# Rig control on the port the console uses, from a store of its own.
XDG_CONFIG_HOME=$work/other write_store </dev/null
XDG_CONFIG_HOME=$work/other timeout 20 "$program" --port=sim --rigctld=127.0.0.1:"$rig" \
    2>"$work/busy.stderr" &
refused_in_a_box $! "a rig-control port in use"
grep -q "управление по сети на 127.0.0.1, порт $rig, не запущено" "$work/busy.stderr" ||
    fail "rig control in use: $(cat "$work/busy.stderr")"

finish "one console per store"
