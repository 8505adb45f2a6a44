#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The CSV buttons of the real program under Xvfb, through the real file dialog
# typed into with xdotool: the library exported from the library window, that
# file imported into the channel editor after its Yes, and the store file
# holding the rows afterwards. Skipped (exit 77) where Xvfb or xdotool is missing.
set -u
program=${1:?usage: xvfb_csv_files_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb xdotool
session_start
write_store 144000 400 <<CONF
[Channels%28RX%29]
%241=144500
%245=145975

[Channels%28TX%29]
%241=144500
%245=145375

[Channels%28RX-cmt%29]
%241=old
%245=kept

[Library]
%241="145000 - 145600 - Репитер, \\"R0\\""
%242="144800 - 144800 - simplex;="
%243=145500 - 144900 - split
CONF
# Values with a comma, semicolon, equals sign or quote are quoted in the
# store file, a quote inside escaped; stored() gives them as the file has them.
store=$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf
csv=$work/library.csv
# The value of key $2 in section $1 of the store file.
stored() { sed -n "/^\[$1\]/,/^\[/s/^$2=//p" "$store"; }

"$program" --port=sim 2>/dev/null &
pid=$!
pids="$pids $pid"
console=$(window '^VOLNA144  v2\.03 \(имитация радиостанции\)$')
[ -n "$console" ] || { echo "FAIL: no console"; exit 1; }

# Types the path $2 into the file dialog titled $1 and accepts it.
choose_file() {
    local dialog
    dialog=$(window "$1")
    [ -n "$dialog" ] || { fail "no file dialog '$1'"; return; }
    sleep 0.5
    xdotool windowfocus --sync "$dialog" key ctrl+a type --delay 20 "$2"
    sleep 0.5
    xdotool windowfocus --sync "$dialog" key Return
    sleep 0.5
}

click_in "$console" 5640 360 975 375 # "Channel"
editor=$(window '^Редактирование каналов$')
[ -n "$editor" ] || { echo "FAIL: no channel editor"; exit 1; }
xdotool windowmove --sync "$editor" 0 0
click_in "$editor" $((120 + 3 * 1590)) 4470 1470 495 # "Библиотека"
library=$(window '^Библиотека каналов$')
[ -n "$library" ] || { echo "FAIL: no library"; exit 1; }
xdotool windowmove --sync "$library" 0 0

# --- Export from the library window. ---
click_in "$library" 2880 5190 2640 495 # "Экспорт CSV..."
choose_file '^Экспорт CSV' "$csv"
[ -s "$csv" ] || fail "no file written"
head -n 1 "$csv" | grep -q '^Location,Name,Frequency,Duplex,Offset,' || fail "header: $(head -n 1 "$csv")"
[ "$(grep -c $'\r$' "$csv")" = 4 ] || fail "expected 4 CRLF lines in: $(cat -A "$csv")"
grep -q 'Репитер, ""R0""' "$csv" || fail "the Cyrillic comment with a comma and quotes is missing"
click_in "$library" 9300 5190 2640 495 # "Выход"

# --- Import into the channel editor: the report, Yes, the rows stored. ---
click_in "$editor" 120 5085 1470 375 # "Импорт CSV..."
choose_file '^Импорт CSV' "$csv"
question=$(window '^Предупреждение!$')
[ -n "$question" ] || fail "no import question"
[ -n "$question" ] && xdotool windowfocus --sync "$question" key Return
sleep 0.5
[ "$(stored 'Channels%28RX%29' '%241')" = 145000 ] || fail "channel 1 receive: $(stored 'Channels%28RX%29' '%241')"
[ "$(stored 'Channels%28TX%29' '%241')" = 145600 ] || fail "channel 1 transmit: $(stored 'Channels%28TX%29' '%241')"
[ "$(stored 'Channels%28RX-cmt%29' '%241')" = '"Репитер, \"R0\""' ] ||
    fail "channel 1 comment: $(stored 'Channels%28RX-cmt%29' '%241')"
[ "$(stored 'Channels%28RX%29' '%242')" = 144800 ] || fail "channel 2: $(stored 'Channels%28RX%29' '%242')"
[ "$(stored 'Channels%28RX-cmt%29' '%242')" = '"simplex;="' ] ||
    fail "channel 2 comment: $(stored 'Channels%28RX-cmt%29' '%242')"
[ "$(stored 'Channels%28TX%29' '%243')" = 144900 ] || fail "channel 3 transmit: $(stored 'Channels%28TX%29' '%243')"
[ "$(stored 'Channels%28RX%29' '%245')" = 145975 ] || fail "channel 5, not in the file, changed"

# The editor shows the imported rows at once: channel 1's receive box edited
# at its end (the last two digits made 25) and saved holds the imported 145000
# so edited, not the 144500 shown before the import.
xdotool mousemove --window "$editor" $(((120 + 480 + 427) / 15)) $(((120 + 570 + 142) / 15)) click 1
xdotool key End BackSpace BackSpace type 25
sleep 0.3
click_in "$editor" 120 4470 1470 495 # "Записать и выйти"
[ "$(stored 'Channels%28RX%29' '%241')" = 145025 ] || fail "the edited channel 1 was saved as $(stored 'Channels%28RX%29' '%241')"
[ "$(stored 'Channels%28RX-cmt%29' '%243')" = split ] || fail "the save changed channel 3's comment"

kill -TERM $pid
finish "CSV files under Xvfb: all checks passed"
