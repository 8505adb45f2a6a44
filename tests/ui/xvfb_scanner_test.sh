#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The scanner of the real program under Xvfb on the simulated band, from the
# keyboard: F9 locks out the beacon the scan holds on, the lockout survives a
# restart and the next scan passes it without a word; F10 opens the scanner
# window, whose Ctrl+S saves the hits to a CSV file that reads back.
# Skipped (exit 77) where Xvfb or xdotool is missing.
set -u
program=${1:?usage: xvfb_scanner_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb xdotool
session_start
write_store 145800 100 </dev/null
store=$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf
trace=$work/trace.txt

# Starts the program on the built-in band; $console and rig control ($rig).
start() {
    : >"$trace"
    VOLNA144_PORT_TRACE=$trace start_with_rig_control "$program"
    console=$(window '^VOLNA144  v2\.03')
    [ -n "$console" ] && [ -n "$rig" ] || { echo "FAIL: no console or rig control"; exit 1; }
    exec 3<>"/dev/tcp/127.0.0.1/$rig"
}
ask() { printf '%s\n' "$1" >&3 && read -r -t 2 line <&3 && printf '%s' "${line%$'\r'}"; }
stop() { kill -TERM "$pid"; wait_exit "$pid" || fail "SIGTERM did not end the program"; exec 3>&-; }
start
click_in "$console" 9120 1320 615 615 # "Scan": up from 145800 to the beacon
sleep 1
[ "$(ask f)" = 145825000 ] || fail "the scan did not hold beside the beacon"
xdotool windowfocus --sync "$console" key F9
sleep 1
[ "$(ask f)" = 145850000 ] || fail "after F9 the scan did not move on to the beacon"
stop
grep -q '^Lockouts=145825$' "$store" || fail "the lockout was not kept: $(grep Lockouts "$store")"

sed -i 's/^BACK=.*/BACK=145800/' "$store"
start
click_in "$console" 9120 1320 615 615 # "Scan" once more
sleep 1
[ "$(ask f)" = 145850000 ] || fail "the second scan did not pass the locked-out 145825"
# 145825 kHz is divider 5405 (145825 - 10700) / 25: no such word in this run.
dividers | grep -qx 5405 && fail "a word for 145825 was sent"
dividers | grep -qx 5406 || fail "no word for 145850 on the trace"
click_in "$console" 9120 1320 615 615 # "Stop": the hold is a hit
xdotool windowfocus --sync "$console" key F10
scanner=$(window '^Сканер$')
[ -n "$scanner" ] || { echo "FAIL: F10 opened no scanner window"; exit 1; }
xdotool windowfocus --sync "$scanner" key ctrl+s
dialog=$(window '^Сохранить остановки сканирования$')
[ -n "$dialog" ] || fail "Ctrl+S opened no file dialog"
sleep 0.5
xdotool windowfocus --sync "$dialog" key ctrl+a type --delay 20 "$work/hits.csv"
xdotool windowfocus --sync "$dialog" key Return
sleep 1
[ "$(head -n 1 "$work/hits.csv" | tr -d '\r')" = "Start,kHz,Channel,Signal s" ] || fail "no hits header"
grep -Eq '^20[0-9]{2}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}[+-][0-9]{2}:[0-9]{2},145850,,[0-9]+\.[0-9]' "$work/hits.csv" ||
    fail "no hit at 145850 in the CSV: $(cat "$work/hits.csv")"
[ -n "${VOLNA144_SHOTS:-}" ] && import -window "$scanner" "$VOLNA144_SHOTS/scanner.png"
stop
finish "the scanner: a lockout kept across a restart and passed, the hits saved as CSV"
