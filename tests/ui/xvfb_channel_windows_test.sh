#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The channel windows of the real program under Xvfb, operated with the mouse
# and keyboard: a stored comment longer than its box shows and saves whole
# after an edit in the middle, the library opens with nothing chosen, and a
# quick click on the add-channel dialog's save right after the editor's save
# keeps the editor's channel. Skipped (exit 77) where Xvfb or xdotool is missing.
set -u
program=${1:?usage: xvfb_channel_windows_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb xdotool
session_start
# Fifty characters, more than the comment box lets the operator type (34).
comment=AAAAAAAAAAAAAAAAAAAAAAAAABBBBBBBBBBBBBBBBBBBBBBBBB
write_store 144000 400 <<CONF
[Channels%28RX%29]
%241=145500.4
%242=145000

[Channels%28TX%29]
%241=144900
%242=145000

[Channels%28RX-cmt%29]
%241=$comment
%242=two
CONF
store=$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf
# The value of key $2 in section $1 of the store file.
stored() { sed -n "/^\[$1\]/,/^\[/s/^$2=//p" "$store"; }

"$program" --port=sim 2>/dev/null &
pid=$!
pids="$pids $pid"
console=$(window '^VOLNA144  v2\.03 \(имитация радиостанции\)$')
[ -n "$console" ] || { echo "FAIL: no console"; exit 1; }

open_editor() { # the console's "Channel"
    click_in "$console" 5640 360 975 375
    editor=$(window '^Редактирование каналов$')
    [ -n "$editor" ] || fail "no channel editor"
}
# Editor boxes of row $1 (1..10), inside Frame1 at 120,120: receive, transmit, comment.
row_top() { echo $((120 + 570 + ($1 - 1) * 360)); }
editor_save() { click_in "$editor" 120 4470 1470 495; }

# --- A long stored comment: two BackSpaces in the middle, then the save. ---
open_editor
click_in "$editor" $((120 + 2400)) "$(row_top 1)" 3720 285
xdotool key Home
for _ in $(seq 10); do xdotool key Right; done
xdotool key BackSpace key BackSpace x # "x": the text is over the limit, so refused
sleep 0.3
editor_save
[ "$(stored 'Channels%28RX-cmt%29' '%241')" = "AAAAAAAA${comment:10}" ] ||
    fail "comment stored as '$(stored 'Channels%28RX-cmt%29' '%241')'"
[ "$(stored 'Channels%28RX%29' '%241')" = 145500.4 ] ||
    fail "receive stored as '$(stored 'Channels%28RX%29' '%241')'"

# --- The library: delete and "-->" at once find nothing chosen; a click does. ---
open_editor
click_in "$editor" $((120 + 3 * 1590)) 4470 1470 495 # "Библиотека"
library=$(window '^Библиотека каналов$')
[ -n "$library" ] || fail "no library"
click_in "$library" 120 3480 5400 495  # delete the selected channel
click_in "$library" 5640 1200 780 375  # "-->"
click_in "$library" 6540 5190 2640 495 # "Записать"
[ "$(stored 'Channels%28RX%29' '%241')" = 145500.4 ] || fail "the library deleted channel 1"
[ "$(stored 'Channels%28RX%29' '%242')" = 145000 ] || fail "the library deleted channel 2"
[ -z "$(stored Library '%241')" ] || fail "the library copied '$(stored Library '%241')'"
# The operator's own choice still counts: the first channel, "-->", "Записать".
xdotool mousemove --window "$library" $(((240 + 600) / 15)) $(((120 + 240) / 15 + 8)) click 1
sleep 0.3
click_in "$library" 5640 1200 780 375
click_in "$library" 6540 5190 2640 495
[ "$(stored Library '%241')" = "145500.4 - 144900 - AAAAAAAA${comment:10}" ] ||
    fail "the chosen channel was copied as '$(stored Library '%241')'"
click_in "$library" 9300 5190 2640 495 # "Выход": the save question
question=$(window '^Предупреждение!$')
[ -n "$question" ] && xdotool windowfocus --sync "$question" key Return
sleep 0.3
click_in "$editor" $((120 + 2 * 1590)) 4470 1470 495 # "Выход"

# --- "Добавить канал", the console's "Channel", the editor's save, then at once
# the dialog's (the windows apart, so that each click lands on its window). ---
click_in "$console" 7080 2520 1815 495
dialog=$(window '^Добавление канала$')
[ -n "$dialog" ] || fail "no add-channel dialog"
xdotool windowmove --sync "$dialog" 800 650
# The console's "Channel", focused first as a window manager does on a click.
xdotool windowfocus --sync "$console"
sleep 0.3
open_editor
xdotool windowmove --sync "$editor" 0 0
for box in 480 1440; do
    xdotool mousemove --window "$editor" $(((120 + box + 427) / 15)) $((($(row_top 3) + 142) / 15)) \
        click 1 key ctrl+a type 145250
done
xdotool mousemove --window "$editor" $(((120 + 735) / 15)) $(((4470 + 247) / 15)) click 1 \
    mousemove --window "$dialog" $(((120 + 735) / 15)) $(((1740 + 247) / 15)) click 1
sleep 0.5
[ "$(stored 'Channels%28RX%29' '%243')" = 145250 ] ||
    fail "the editor's channel 3 became '$(stored 'Channels%28RX%29' '%243')'"
[ "$(stored 'Channels%28RX%29' '%244')" = 144000 ] ||
    fail "the dialog's channel went to '$(stored 'Channels%28RX%29' '%244')' in slot 4"

kill -TERM $pid
finish "channel windows under Xvfb: all checks passed"
