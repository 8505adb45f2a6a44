#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb operated with the keyboard only (xdotool key and
# type, never the mouse): a typed frequency, a channel stored and named in the
# add-channel dialog, a scan started and stopped, transmit keyed and unkeyed,
# every window opened and closed, and the channels exported to CSV from the
# channel editor, each checked on the port trace or the files written.
# Skipped (exit 77) where Xvfb or xdotool is missing.
set -u
program=${1:?usage: xvfb_keyboard_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb xdotool
session_start
write_store 144000 100 </dev/null
store=$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf
trace=$work/trace.txt
csv=$work/channels.csv
# Whether the store holds $3 under key $2 of section $1.
stored() { [ "$(sed -n "/^\[$1\]/,/^\[/s/^$2=//p" "$store")" = "$3" ] || fail "[$1] $2 is not $3"; }

VOLNA144_PORT_TRACE=$trace "$program" --port=sim 2>/dev/null &
pid=$!
pids="$pids $pid"
console=$(window '^VOLNA144  v2\.03 \(имитация радиостанции\)$')
[ -n "$console" ] || { echo "FAIL: no console"; exit 1; }

# Keys $2... into window $1, which gets the keyboard first (no window manager
# hands it over by itself).
keys_to() {
    local win=$1
    shift
    xdotool windowfocus --sync "$win" key --delay 80 "$@"
    sleep 0.4
}
# Whether a window titled $2 shows after key $1 in the console (none: it
# shows already), and then, after the keys $3..., no longer.
opens_and_closes() {
    local title=$2 win
    [ -n "$1" ] && keys_to "$console" "$1"
    shift 2
    win=$(window "$title")
    [ -n "$win" ] || { fail "no window '$title'"; return; }
    keys_to "$win" "$@"
    sleep 0.3
    xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 && fail "'$title' still open"
}
# Whether the last word on the port tunes to $1 kHz; $2 says after what.
tuned_to() { [ "$(last_divider)" = $((($1 - 10700) / 25)) ] || fail "$2: divider $(last_divider)"; }
# Whether the transmit line (data bit 3) reads $1 after key $2 in the console.
transmit_line() { keys_to "$console" "$2" && [ $(($(last_write) & 8)) = "$1" ] || fail "transmit line after $2: $(last_write)"; }

# --- The display's links from the tab key: "BAND" and the wire diagram. ---
keys_to "$console" Tab Tab Tab Return # slider, "Channel", "ADDition", "BAND"
opens_and_closes '' '^Активность диапазона$' Escape
keys_to "$console" shift+Tab Return shift+Tab shift+Tab shift+Tab Return # "ADDition", the link
opens_and_closes '' '^Диаграмма передачи$' Escape

# --- A typed frequency: F2, 145.5 MHz, Enter. ---
input=$(keys_to "$console" F2 && window '^Ввод частоты$')
[ -n "$input" ] && xdotool windowfocus --sync "$input" type --delay 40 '145.5' && keys_to "$input" Return || fail "no frequency input"
tuned_to 145500 "typed 145.5"

# --- The tuned frequency stored as channel 1, named in the dialog. ---
dialog=$(keys_to "$console" F4 && window '^Добавление канала$')
if [ -n "$dialog" ]; then
    keys_to "$dialog" Tab Tab # receive box, transmit box, comment box
    xdotool windowfocus --sync "$dialog" type --delay 40 'keyboard'
    keys_to "$dialog" Return # "Сохранить и выйти"
else
    fail "no add-channel dialog"
fi
stored 'Channels%28RX%29' '%241' 145500
stored 'Channels%28RX-cmt%29' '%241' keyboard

# --- The scan: F5 starts it, F5 stops it. ---
start=$(($(wc -l <"$trace") + 1))
keys_to "$console" F5
sleep 0.8
reads=$(tail -n +"$start" "$trace" | grep -c '^in 889')
[ "$reads" -ge 3 ] || fail "the scan read the status only $reads times"
keys_to "$console" F5
sleep 0.3
lines=$(wc -l <"$trace")
sleep 0.6
[ "$(wc -l <"$trace")" = "$lines" ] || fail "the scan went on after F5"

# --- Transmit: Ctrl+Shift+T keys on channel 1, again unkeys. ---
keys_to "$console" alt+1
tuned_to 145500 "Alt+1"
transmit_line 8 ctrl+shift+t
transmit_line 0 ctrl+shift+t

# --- Every side window opened and closed with its keys. ---
opens_and_closes F8 '^Настройки$' Escape
opens_and_closes F4 '^Добавление канала$' Escape
editor=$(keys_to "$console" F3 && window '^Редактирование каналов$')
[ -n "$editor" ] && keys_to "$editor" F7
opens_and_closes '' '^Библиотека каналов$' Escape
opens_and_closes '' '^Редактирование каналов$' Escape

# --- CSV export from the channel editor: Shift+Tab from the first box
# reaches "Экспорт CSV...", the last control; Qt's own file dialog takes the
# path. ---
editor=$(keys_to "$console" F3 && window '^Редактирование каналов$')
[ -n "$editor" ] && keys_to "$editor" shift+Tab space
chooser=$(window '^Экспорт CSV')
if [ -n "$chooser" ]; then
    sleep 0.5
    xdotool windowfocus --sync "$chooser" key ctrl+a type --delay 20 "$csv"
    keys_to "$chooser" Return
else
    fail "no export dialog"
fi
[ -s "$csv" ] && grep -q '145.500000' "$csv" || fail "no channel 1 in the export: $(cat "$csv" 2>/dev/null)"
[ -n "$editor" ] && opens_and_closes '' '^Редактирование каналов$' Escape

kill -TERM $pid
finish "keyboard only under Xvfb: all checks passed"
