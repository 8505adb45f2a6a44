#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program operated with the mouse under Xvfb, the simulated radio
# behind it: step option, channel button, "->", the transmit switch and the
# band scan with the busy signal, each checked on the port trace.
# Skipped (exit 77) where Xvfb or xdotool is missing.
set -u
program=${1:?usage: xvfb_operating_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb xdotool
session_start
write_store 144000 100 <<'CONF'
[Channels%28RX%29]
%243=145500

[Channels%28TX%29]
%243=144900
CONF

trace=$work/trace.txt
status=$work/status.txt
echo 0 >"$status"
VOLNA144_PORT_TRACE=$trace VOLNA144_SIM_STATUS=$status "$program" --port=sim 2>/dev/null &
pid=$!
pids="$pids $pid"
console=$(timeout 10 xdotool search --sync --onlyvisible --name '^VOLNA144  v2\.03 \(имитация радиостанции\)$' | head -n 1)
[ -n "$console" ] || { echo "FAIL: no console"; exit 1; }

click_twips() {
    xdotool mousemove --window "$console" $((($1 + $3 / 2) / 15)) $((($2 + $4 / 2) / 15)) click 1
    sleep 0.3
}
click_twips 7200 480 1215 255 # "Шаг 50 kHz"
[ "$(last_divider)" = 5332 ] || fail "step option: divider $(last_divider)"
click_twips 7800 1680 375 375 # channel "3"
[ "$(last_divider)" = $(((145500 - 10700) / 25)) ] || fail "channel 3: divider $(last_divider)"
click_twips 360 2400 6495 495 # the slider: one notch towards the click, below 145500
[ "$(last_divider)" = $(((145450 - 10700) / 25)) ] || fail "slider: divider $(last_divider)"
click_twips 9600 2040 495 375 # "->" back to channel 3
[ "$(last_divider)" = $(((145500 - 10700) / 25)) ] || fail "->: divider $(last_divider)"

click_twips 7800 1680 375 375 # channel "3" again: the transmit switch keys its TX
before=$(wc -l <"$trace")
click_twips 10200 2040 975 375 # transmit
first=$(sed -n "$((before + 1))p" "$trace")
[ "$first" = "out 888 8" ] || fail "transmit starts with '$first'"
[ "$(last_write)" = 8 ] || fail "transmit line not left high"
[ "$(last_divider)" = $(((144900 - 600) / 25)) ] || fail "transmit divider $(last_divider)"
import -window "$console" "$work/transmit.png" 2>/dev/null && cp "$work/transmit.png" /tmp/volna144-transmit.png
click_twips 10200 2040 975 375 # back to receive
[ "$(last_write)" = 0 ] || fail "transmit line not dropped"

click_twips 7200 240 1215 195 # "Шаг 25 kHz": back to 144000
scan_start=$(wc -l <"$trace")
click_twips 9120 1320 615 615 # "Scan"
sleep 1
reads=$(grep -c '^in 889' "$trace")
[ "$reads" -ge 5 ] || fail "scan read the status only $reads times"
echo 128 >"$status"
sleep 0.3
held=$(last_divider)
sleep 0.6
[ "$(last_divider)" = "$held" ] || fail "busy did not hold the scan"
echo 0 >"$status"
sleep 0.6
[ "$(last_divider)" != "$held" ] || fail "the scan did not go on after busy"
reads=$(tail -n +"$scan_start" "$trace" | grep -c '^in 889')
words=$(tail -n +"$scan_start" "$trace" | grep -c '^out 888 0$')
[ "$words" -lt "$reads" ] || fail "more words ($words) than status reads ($reads) while scanning"
click_twips 9120 1320 615 615 # "Stop"

# "Добавить канал" at 145500: asked about the duplicate, stored in channel 1.
click_twips 7800 1680 375 375 # channel "3": 145500
click_twips 7080 2520 1815 495
dialog=$(window '^Добавление канала$')
[ -n "$dialog" ] || fail "no add-channel dialog"
click_in "$dialog" 120 1740 1470 495 # "Сохранить и выйти"
question=$(window '^Предупреждение!$') # channel 3 holds 145500 already: store it again
[ -n "$question" ] || fail "no duplicate question"
xdotool windowfocus --sync "$question" key Return
sleep 0.3
sed -n '/^\[Channels%28RX%29\]/,/^\[/p' "$work/VOLNA144/VOLNA144.conf" | grep -q '^%241=145500$' ||
    fail "the new channel is not stored as channel 1"

# "Config": the band 145000 .. 146000, then the console tunes 145000.
click_twips 10560 1320 615 615
settings=$(window '^Настройки$')
[ -n "$settings" ] || fail "no settings dialog"
xdotool mousemove --window "$settings" 216 65 click 1 key ctrl+a type 145000
click_in "$settings" 1440 6480 1695 495 # "Сохранить и выйти", below the time-out
grep -q '^Buttom_boundary=145000$' "$work/VOLNA144/VOLNA144.conf" || fail "the band was not stored"
[ "$(last_divider)" = $(((145000 - 10700) / 25)) ] || fail "after the new band: divider $(last_divider)"
[ -n "$(window '^VOLNA144  v2\.03 \(имитация радиостанции\)$')" ] || fail "the console did not come back"

# "Channel": channel 2 typed into the editor and saved tunes from its button.
click_twips 5640 360 975 375
editor=$(window '^Редактирование каналов$')
[ -n "$editor" ] || fail "no channel editor"
xdotool mousemove --window "$editor" 68 79 click --repeat 3 1 key ctrl+a type 145250
xdotool mousemove --window "$editor" 132 79 click 1 key ctrl+a type 145650
# Channel 3 transmits on 144900, below the new band: the editor would refuse it.
xdotool mousemove --window "$editor" 132 103 click 1 key ctrl+a type 145900
xdotool mousemove --window "$editor" 56 314 click 1 # "Записать и выйти"
sleep 0.3
click_twips 7440 1680 375 375 # channel "2"
[ "$(last_divider)" = $(((145250 - 10700) / 25)) ] || fail "channel 2 from the editor: divider $(last_divider)"

kill -TERM $pid
finish "operating the console under Xvfb: all checks passed"
