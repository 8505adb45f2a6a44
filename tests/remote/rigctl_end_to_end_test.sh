#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Hamlib's own network client (rigctl -m 2) against the real program under Xvfb
# with the simulated radio: tune, read back, key and unkey, an out-of-band tune,
# the busy signal, the repeater shift, the capabilities; then raw connections
# that vanish mid-line, send an over-long line or talk at once; a transmit
# refused outside the band; a full table of silent clients; the warning when
# listening beyond loopback. Every word and the transmit line are checked on the
# port trace, and every rigctl call must finish without a time-out. Last, T 0
# while a message box waits. Skipped (exit 77) where Xvfb, rigctl or xdotool is missing.
set -u
program=${1:?usage: rigctl_end_to_end_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb rigctl xdotool
session_start
write_store 145000 </dev/null

trace=$work/trace.txt
status=$work/status.txt
echo 0 >"$status"
VOLNA144_PORT_TRACE=$trace VOLNA144_SIM_STATUS=$status \
    "$program" --port=sim --rigctld=127.0.0.1:0 2>"$work/stderr" &
pid=$!
pids="$pids $pid"
port=$(rig_port "$work/stderr")
[ -n "$port" ] || {
    echo "FAIL: no notice of the rig control port:"
    cat "$work/stderr"
    exit 1
}

# One rigctl call; its output in $out. A call that waits for a reply that never
# comes takes seconds, so anything near that counts as a time-out.
rig() {
    local start=$(date +%s%N)
    out=$(timeout 20 rigctl -m 2 -r "127.0.0.1:$port" "$@" 2>&1)
    local ms=$((($(date +%s%N) - start) / 1000000))
    [ "$ms" -lt 3000 ] || fail "rigctl $* took $ms ms"
}

# One rigctl call that must be refused, with a reply holding $1, and must not
# touch the port.
refused() {
    local reply=$1
    shift
    local words
    words=$(grep -c '^out 888' "$trace")
    rig "$@"
    case $out in *"$reply"*) ;; *) fail "$* was not refused: $out" ;; esac
    [ "$(grep -c '^out 888' "$trace")" = "$words" ] || fail "the refused $* wrote to the port"
}

rig F 145500000
[ -z "$out" ] || fail "F 145500000: $out"
rig f
[ "$out" = 145500000 ] || fail "f after F 145500000 gives '$out'"
[ "$(last_divider)" = $(((145500 - 10700) / 25)) ] || fail "tune: divider $(last_divider)"

rig T 1
[ "$(last_write)" = 8 ] || fail "T 1 left $(last_write) on the data register"
rig t
[ "$out" = 1 ] || fail "t while transmitting gives '$out'"
rig T 0
[ "$(last_write)" = 0 ] || fail "T 0 left $(last_write) on the data register"
rig t
[ "$out" = 0 ] || fail "t while receiving gives '$out'"

refused "Invalid parameter" F 150000000
rig f
[ "$out" = 145500000 ] || fail "f after the refused tune gives '$out'"

rig get_dcd
[ "$out" = 0 ] || fail "get_dcd while quiet gives '$out'"
echo 128 >"$status"
rig get_dcd
[ "$out" = 1 ] || fail "get_dcd while busy gives '$out'"
echo 0 >"$status"

# The transmit offset FR_ (-600 kHz) is the repeater shift; a client cannot
# change it.
rig r
[ "$out" = - ] || fail "r with FR_=-600 gives '$out'"
rig get_rptr_offs
[ "$out" = 600000 ] || fail "get_rptr_offs with FR_=-600 gives '$out'"
refused "not available" R +

# The radio is on: switching it on is taken, switching it off is not available.
rig set_powerstat 1
[ -z "$out" ] || fail "set_powerstat 1: $out"
rig get_powerstat
[ "$out" = 1 ] || fail "get_powerstat gives '$out'"
refused "not available" set_powerstat 0

# The capabilities Hamlib reads from \dump_state pass its own checks.
rig 1
case $out in *"TX ranges #1 status"*) ;; *) fail "dump_caps gives no range status: $out" ;; esac
! grep -q Bad <<<"$out" || fail "dump_caps finds bad capabilities: $(grep Bad <<<"$out")"

# Raw connections: replies read line by line with a deadline.
reply() { read -r -t 2 line <&"$1" && printf '%s' "${line%$'\r'}"; }
exec 3<>"/dev/tcp/127.0.0.1/$port"
printf 'F 14400' >&3
exec 3>&- # gone in the middle of a line
exec 4<>"/dev/tcp/127.0.0.1/$port"
exec 5<>"/dev/tcp/127.0.0.1/$port"
printf '%02000d\nf\n' 0 >&4
printf 'x\n\x8b\n' >&5
[ "$(reply 4)" = "RPRT -8" ] || fail "an over-long line is not refused"
[ "$(reply 4)" = 145500000 ] || fail "the line after an over-long one is not served"
[ "$(reply 5)" = "RPRT -11" ] || fail "an unknown command is not answered RPRT -11"
[ "$(reply 5)" = 0 ] || fail "the DCD byte is not answered"
printf 'q\n' >&4
[ "$(reply 4)" = "RPRT 0" ] || fail "q is not answered"
read -r -t 2 line <&4
[ $? = 1 ] || fail "the connection stays open after q" # 1: end of input; above 128: time-out
exec 4>&- 5>&-

# A client that keys and then vanishes without "q" does not leave the
# transmitter on the air.
exec 6<>"/dev/tcp/127.0.0.1/$port"
printf 'T 1\n' >&6
[ "$(reply 6)" = "RPRT 0" ] || fail "T 1 on a raw connection is not answered"
[ "$(grep '^out 888' "$trace" | tail -n 1)" = "out 888 8" ] || fail "T 1 did not key"
exec 6>&-
sleep 0.5
[ "$(grep '^out 888' "$trace" | tail -n 1)" = "out 888 0" ] || fail "a vanished client left the transmitter keyed"

rig f
[ "$out" = 145500000 ] || fail "f after the raw connections gives '$out'"

# Without a channel the transmitter would go to the tuned frequency plus FR_:
# from 144000 that is 143400, outside the band, so T 1 is refused.
rig F 144000000
refused "rejected" T 1
rig t
[ "$out" = 0 ] || fail "t after the refused T 1 gives '$out'"
rig F 145500000

# A full table of silent clients: a keyer idle longest, then 31 that never
# speak. rigctl is still served, and closing the keyer to make room drops the
# transmit line.
exec {keyer}<>"/dev/tcp/127.0.0.1/$port"
printf 'T 1\n' >&$keyer
[ "$(reply $keyer)" = "RPRT 0" ] || fail "T 1 from the keyer is not answered"
idle=()
for _ in $(seq 31); do
    exec {fd}<>"/dev/tcp/127.0.0.1/$port"
    idle+=("$fd")
done
[ "$(last_write)" = 8 ] || fail "the keyer did not key"
rig f
[ "$out" = 145500000 ] || fail "a 33rd client is not served: '$out'"
read -r -t 2 line <&$keyer
[ $? = 1 ] || fail "the client idle longest was not closed"
[ "$(last_write)" = 0 ] || fail "closing the idle keyer left the transmitter keyed"
for n in $(seq 40); do
    rig t
    [ "$out" = 0 ] || fail "rigctl call $n with a full table gives '$out'"
done
printf 'f\n' >&"${idle[30]}"
[ "$(reply "${idle[30]}")" = 145500000 ] || fail "the newest silent client was closed"
exec {keyer}>&-
for fd in "${idle[@]}"; do exec {fd}>&-; done

# While a message box of the channel editor waits for its answer, a client's
# T 0 still drops the transmit line, and the box stays.
console=$(window '^VOLNA144  v2\.03 \(имитация радиостанции\)$')
click_in "$console" 5640 360 975 375 # "Channel": the channel editor
editor=$(window '^Редактирование каналов$')
[ -n "$editor" ] || fail "no channel editor"
rig T 1
[ "$(last_write)" = 8 ] || fail "T 1 with the editor open did not key"
xdotool mousemove --window "$editor" $(((120 + 1440 + 427) / 15)) $(((120 + 570 + 142) / 15)) \
    click 1 key ctrl+a type 150000 # a transmit frequency out of band: the save shows a box
click_in "$editor" 120 4470 1470 495
box=$(window '^Ошибка$')
[ -n "$box" ] || fail "no message box from the editor's save"
rig T 0
[ "$(last_write)" = 0 ] || fail "T 0 while a box is open left $(last_write) on the data register: $out"
[ -n "$(window '^Ошибка$')" ] || fail "the box closed"
[ -n "$box" ] && xdotool windowfocus --sync "$box" key Return
sleep 0.3
click_in "$editor" $((120 + 2 * 1590)) 4470 1470 495 # "Выход"

kill -0 $pid 2>/dev/null || fail "the program is gone"
[ "$(grep -c 'rigctld' "$work/stderr")" = 1 ] || fail "not exactly one notice on standard error"
! grep -q внимание "$work/stderr" || fail "a warning on a loopback address: $(cat "$work/stderr")"
kill -TERM $pid

# Listening on every interface warns that anyone there can key the transmitter.
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
"$program" --port=sim --rigctld=0.0.0.0:0 2>"$work/stderr" &
pid=$!
pids="$pids $pid"
for _ in $(seq 100); do
    grep -q 'внимание' "$work/stderr" && break
    sleep 0.1
done
grep -q '^volna144: внимание: 0\.0\.0\.0:[0-9]* — не локальный адрес' "$work/stderr" ||
    fail "no warning on 0.0.0.0: $(cat "$work/stderr")"
kill -TERM $pid

finish "rigctl against the running program: all checks passed"
