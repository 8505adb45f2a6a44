#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a real X server: the first-run question, the start-up
# word on the port trace, the libraries it leaves unloaded, "ADDition" and
# "Exit" clicked at their layout
# places, the title that tells the simulated radio, a parallel port refused
# (on standard error and in a box), a save on a full disk told and the store
# kept.
# Skipped (exit 77) where Xvfb or xdotool is missing.
set -u
program=${1:?usage: xvfb_console_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb xdotool
session_start
press_return() { xdotool windowfocus --sync "$1" key Return; }
# Clicks the middle of a control given in twips (left, top, width, height).
click_twips() {
    xdotool mousemove --window "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15)) click 1
}
height() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p'; }

# --- First run answered No: the program ends and writes no store. ---
export XDG_CONFIG_HOME=$work/no
mkdir -p "$XDG_CONFIG_HOME"
"$program" --port=sim 2>/dev/null &
pid=$!
pids="$pids $pid"
question=$(window '^Предупреждение!$')
[ -n "$question" ] || fail "no first-run question"
xdotool windowfocus --sync "$question" key Tab key Return # No
wait_exit $pid || fail "the program did not end after No"
[ ! -e "$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf" ] || fail "No wrote a store file"

# --- First run answered Yes: the message, then the console at 144000. ---
export XDG_CONFIG_HOME=$work/yes
mkdir -p "$XDG_CONFIG_HOME"
store=$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf
"$program" --port=sim 2>/dev/null &
pid=$!
pids="$pids $pid"
press_return "$(window '^Предупреждение!$')"
message=$(window '^Сообщение$')
[ -n "$message" ] || fail "no success message"
press_return "$message"
console=$(window '^VOLNA144  v2\.03 \(имитация радиостанции\)$')
[ -n "$console" ] || fail "no console window"
grep -q '^NEW=1' "$store" || fail "store lacks NEW=1"
grep -q '^Buttom_boundary=144000' "$store" || fail "store lacks the lower boundary"
# "Exit" stores the read-out and ends the program.
click_twips "$console" 9000 2640 2295 375
wait_exit $pid || fail "Exit did not end the program"
grep -q '^BACK=144000' "$store" || fail "Exit did not store BACK=144000"

# --- A stored last frequency: exactly one receive transfer on the trace. ---
sed -i 's/^BACK=.*/BACK=145000/' "$store"
trace=$work/trace.txt
VOLNA144_PORT_TRACE=$trace "$program" --port=sim 2>/dev/null &
pid=$!
pids="$pids $pid"
console=$(window '^VOLNA144  v2\.03 \(имитация радиостанции\)$')
[ -n "$console" ] || fail "no console on the second start"
divider=$(last_divider)
[ "$divider" = 5372 ] || fail "trace word divider $divider, expected 5372"
[ "$(grep -c '^out 888' "$trace")" -ge 50 ] || fail "trace too short"
[ "$(tail -n 1 "$trace")" = "out 888 0" ] || fail "trace does not end with out 888 0"
[ "$(grep -vc -E '^(out 888|sleep) ' "$trace")" = 0 ] || fail "trace holds other operations"
[ "$(grep -c '^out 888 0$' "$trace")" = 1 ] || fail "more than one transfer"

# --- "ADDition" twice: back to the first height. ---
first=$(height "$console")
click_twips "$console" 5640 720 975 375
sleep 0.3
[ "$(height "$console")" = 287 ] || fail "ADDition did not show the lower panel ($(height "$console"))"
click_twips "$console" 5640 720 975 375
sleep 0.3
[ "$(height "$console")" = "$first" ] || fail "ADDition twice did not restore the height"
# Every frame drawn, the program has loaded nothing it needs only elsewhere:
# no image format plugin, no network library, no adapter's library.
unneeded=$(grep -oE '/[^ ]*(imageformats/[^ ]*|libQt6Network[^ ]*|libftdi1[^ ]*|libusb[^ ]*|libgpiod[^ ]*)' \
    "/proc/$pid/maps" | sort -u | tr "\n" " ")
[ -z "$unneeded" ] || fail "the console loaded what it does not use: $unneeded"
kill -TERM $pid
wait_exit $pid || fail "SIGTERM did not end the program"

# --- SIGTERM in the middle of a 1 ms scan: the trace holds every word whole,
# then the drop to 0. ---
export XDG_CONFIG_HOME=$work/scan
write_store 144000 1 </dev/null
trace=$work/scan-trace.txt
VOLNA144_PORT_TRACE=$trace "$program" --port=sim --sim-band=none 2>/dev/null & # nothing to hold on
pid=$!
pids="$pids $pid"
console=$(window '^VOLNA144  v2\.03')
[ -n "$console" ] || fail "no console for the scan"
click_twips "$console" 9120 1320 615 615 # "Scan"
sleep 1
kill -TERM $pid
wait_exit $pid || fail "SIGTERM did not end the scanning program"
# Rises and falls of the frame line (bit 0), and the words the scan sent.
frames=$(awk '$1 == "out" { v = $3 % 2; if (v && !p) up++; if (!v && p) down++; p = v }
    END { print up + 0, down + 0 }' "$trace")
read -r rises falls <<<"$frames"
[ "$rises" -ge 100 ] || fail "the scan sent only $rises words before SIGTERM"
[ "$rises" = "$falls" ] || fail "a word cut short on the trace: $rises starts, $falls ends"
[ "$(tail -n 1 "$trace")" = "out 888 0" ] || fail "the scan's trace does not end with out 888 0"
[ "$(grep -vc -E '^(out 888|sleep|in 889) ' "$trace")" = 0 ] || fail "a damaged line on the scan's trace"

# --- Auto falls back to the simulated radio and the title says so; an explicit
# parallel port that cannot be opened ends the program with the reason. ---
if [ ! -e /dev/parport0 ]; then
    "$program" --port=auto 2>"$work/auto.txt" &
    pid=$!
    pids="$pids $pid"
    [ -n "$(window '^VOLNA144  v2\.03 \(имитация радиостанции\)$')" ] ||
        fail "auto without a parallel port: no simulated radio in the title"
    grep -q 'работает имитация радиостанции' "$work/auto.txt" || fail "auto: no notice of the fallback"
    kill -TERM $pid
    wait_exit $pid || fail "SIGTERM did not end the program on auto"
fi
# The reason in a box too: a start from the desktop menu has no terminal.
timeout 20 "$program" --port=ppdev:"$work/no-port" 2>"$work/ppdev.txt" &
pid=$!
box=$(window '^Ошибка$')
[ -n "$box" ] || fail "a missing ppdev port shows no box"
[ -n "$box" ] && press_return "$box"
wait $pid
[ $? = 1 ] || fail "a missing ppdev port did not end the program with 1"
grep -q "^volna144: нет параллельного порта $work/no-port" "$work/ppdev.txt" ||
    fail "a missing ppdev port gives no clear message: $(cat "$work/ppdev.txt")"

# --- A disk with one block left (where a tmpfs can be mounted) and a store
# larger than that: a retune and "Exit" cannot be saved; one box says so, and
# the store stays as it was. ---
tight=$work/tight
if mount_small_disk "$tight"; then
    trap 'kill $xvfb $pids 2>/dev/null; umount -l "$tight"; rm -rf "$work"' EXIT
    export XDG_CONFIG_HOME=$tight
    full_library | write_store 145500
    cp "$tight/VOLNA144/VOLNA144.conf" "$work/before.conf"
    fill_but_one_block "$tight"
    "$program" --port=sim 2>/dev/null &
    pid=$!
    pids="$pids $pid"
    console=$(window '^VOLNA144  v2\.03 \(имитация радиостанции\)$')
    xdotool mousemove --window "$console" 104 176 click 1 # the slider's track: one page down
    sleep 0.3
    click_twips "$console" 9000 2640 2295 375 # "Exit"
    box=$(window '^Ошибка$')
    [ -n "$box" ] || fail "a save on a full disk showed no box"
    [ -n "$box" ] && press_return "$box"
    wait_exit $pid || fail "Exit on a full disk did not end the program"
    cmp -s "$work/before.conf" "$tight/VOLNA144/VOLNA144.conf" || fail "a failed save changed the store"
    ls -A "$tight/VOLNA144" | grep -q volna144-new && fail "a failed save left its temporary file"
fi

finish "console under Xvfb: all checks passed"
