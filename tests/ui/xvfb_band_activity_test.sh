#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The band-activity window of the real program under Xvfb: a scan held on a
# busy notch lights that notch's column, the tuned frequency is marked in red
# and the memory channel ticked where they belong in the window's image; a
# click on the strip tunes there; the window's place is kept in the store
# between runs. Skipped (exit 77) where Xvfb, xdotool or ImageMagick is missing.
set -u
program=${1:?usage: xvfb_band_activity_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb xdotool import convert
session_start
write_store 145000 10 <<CONF
[Channels%28RX%29]
%241=145500
CONF
store=$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf
stored() { sed -n "/^\[$1\]/,/^\[/s/^$2=//p" "$store"; }
status=$work/status
echo 200 >"$status" # busy: the scan holds on the first notch it tests

VOLNA144_SIM_STATUS=$status start_with_rig_control "$program"
[ -n "$rig" ] || { echo "FAIL: no rig control"; exit 1; }
console=$(window '^VOLNA144  v')
[ -n "$console" ] || { echo "FAIL: no console"; exit 1; }
exec 3<>"/dev/tcp/127.0.0.1/$rig"
ask() { printf '%s\n' "$1" >&3 && read -r -t 2 line <&3 && printf '%s' "${line%$'\r'}"; }

click_in "$console" 9120 1320 615 615 # "Scan"
sleep 1
click_in "$console" 9120 1320 615 615 # "Stop", still held
echo 0 >"$status"
held=$(ask f)
[ "$(ask 'F 145750000')" = "RPRT 0" ] || fail "rig control did not tune"
click_in "$console" 6240 1080 615 375 # "BAND"
band=$(window '^Активность диапазона$')
[ -n "$band" ] || { echo "FAIL: no band-activity window"; exit 1; }
xdotool windowmove --sync "$band" 0 0
sleep 0.6 # a redraw after the tune

# The window's image, one pixel row through the middle of the strip and one
# through the channel ticks: "x r g b" per pixel.
import -window "$band" "$work/band.png"
row() { convert "$work/band.png" -crop "x1+0+$1" +repage -depth 8 txt:- |
    sed -n 's/^\([0-9]*\),[0-9]*: (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3 \4/p'; }
read -r width height < <(identify -format '%w %h\n' "$work/band.png")
strip_width=$((width - 24)) strip_bottom=$((height - 24 - 34 - 22 + 11))
# The middle pixel of column $1 of the 81 (144000..146000 kHz at 25 kHz).
middle() { local first=$((($1 * strip_width + 80) / 81)) next=$((($1 * strip_width + strip_width + 80) / 81)); echo $((12 + (first + next - 1) / 2)); }
column_of() { echo $((($1 / 1000 - 144000) / 25)); }
row 60 >"$work/strip"
row $((strip_bottom + 5)) >"$work/ticks"

colours=$(awk '{ print $2, $3, $4 }' "$work/strip" | sort -u | wc -l)
[ "$colours" -ge 3 ] || fail "the strip is blank ($colours colours)"
red=$(awk '$2 > 200 && $3 < 80 { print $1 }' "$work/strip" | tr '\n' ' ')
tuned=$(middle "$(column_of 145750000)")
case " $red" in *" $tuned "*) ;; *) fail "the tuned marker is not at x=$tuned (red at: $red)" ;; esac
busy=$(middle "$(column_of "$held")")
lit=$(awk -v x="$busy" '$1 == x { print $3 }' "$work/strip")
[ "${lit:-0}" -gt 150 ] || fail "the held notch $held at x=$busy is not lit (green $lit)"
dark=$(awk -v x="$((busy + 60))" '$1 == x { print $3 }' "$work/strip")
[ "${dark:-255}" -lt 100 ] || fail "a free notch at x=$((busy + 60)) is lit (green $dark)"
yellow=$(awk '$2 > 200 && $3 > 150 && $4 < 80 { print $1 }' "$work/ticks" | tr '\n' ' ')
channel=$(middle "$(column_of 145500000)")
case " $yellow" in *" $channel "*) ;; *) fail "channel 1 is not ticked at x=$channel (ticks at: $yellow)" ;; esac

# A click on the strip tunes that column's frequency.
xdotool mousemove --window "$band" "$(middle "$(column_of 144500000)")" 60 click 1
sleep 0.3
[ "$(ask f)" = 144500000 ] || fail "a click on 144500 kHz tuned $(ask f)"

# The place is kept when the program ends with the window open, and comes back.
xdotool windowmove --sync "$band" 40 300 windowsize --sync "$band" 700 220
sleep 0.3
click_in "$console" 9000 2640 2295 375 # "Exit"
wait "$pid"
[ "$(stored Program BandActivityLeft),$(stored Program BandActivityTop)" = "40,300" ] ||
    fail "the place kept is $(stored Program BandActivityLeft),$(stored Program BandActivityTop)"
[ "$(stored Program BandActivityWidth)x$(stored Program BandActivityHeight)" = 700x220 ] ||
    fail "the size kept is $(stored Program BandActivityWidth)x$(stored Program BandActivityHeight)"
"$program" --port=sim 2>/dev/null &
pids="$pids $!"
console=$(window '^VOLNA144  v')
click_in "$console" 6240 1080 615 375 # "BAND"
band=$(window '^Активность диапазона$')
geometry=$(xdotool getwindowgeometry "$band" 2>/dev/null | tr -s ' \n' ' ')
case $geometry in *"Position: 40,300 "*"Geometry: 700x220"*) ;; *) fail "the window came back as: $geometry" ;; esac

finish "band-activity window: lit, marked, ticked, tunes, keeps its place"
