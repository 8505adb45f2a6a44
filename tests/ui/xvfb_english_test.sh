#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in English: --lang=en from the first-run question on (its
# box titles), the console's side windows by their titles, the choice kept in
# the store for a later start without --lang, --lang=ru back to Russian, a
# German locale that changes nothing, a first run answered No that keeps no
# store even with --lang=en, and a damaged stored choice that gives
# Russian. Set VOLNA144_SHOT=FILE to keep a screenshot of the English
# first-run question. Skipped (exit 77) where Xvfb or xdotool is missing.
set -u
program=${1:?usage: xvfb_english_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb xdotool
session_start
language() { sed -n '/^\[Program\]/,/^\[/s/^Language=//p' "$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf"; }
# Whether the store comes to keep language $1 within 5 s (it is written once
# the console has started).
keeps_language() {
    for _ in $(seq 50); do
        [ "$(language 2>/dev/null)" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}
start() {
    "$program" --port=sim "$@" 2>>"$work/stderr" &
    pid=$!
    pids="$pids $pid"
}
stop() {
    kill -TERM "$pid"
    wait_exit "$pid" || fail "SIGTERM did not end the program"
}
# A visible window titled exactly $1, waited for up to 10 s, found by reading
# every title: under a locale that is not installed (de_DE here) xdotool's own
# search no longer matches a Cyrillic title.
window_titled() {
    local id
    for _ in $(seq 50); do
        for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && { echo "$id"; return; }
        done
        sleep 0.2
    done
}
# The console's band-activity window, by the title it has in the language.
band_window_title() {
    local console
    console=$(window '^VOLNA144  v2\.03 \((simulated radio|имитация радиостанции)\)$')
    [ -n "$console" ] || { fail "no console ($*)"; return; }
    click_in "$console" 6240 1080 615 375 # "BAND"
    [ -n "$(window "$1")" ] || fail "no window titled $1 ($2)"
}

# --- First run in English: the question and the message, then the console. ---
export XDG_CONFIG_HOME=$work/en
mkdir -p "$XDG_CONFIG_HOME"
start --lang=en
question=$(window '^Warning!$')
[ -n "$question" ] || fail "no English first-run question"
if [ -n "$question" ] && [ -n "${VOLNA144_SHOT:-}" ] && command -v import >/dev/null; then
    import -window root "$VOLNA144_SHOT"
fi
xdotool windowfocus --sync "$question" key Return # Yes
message=$(window '^Message$')
[ -n "$message" ] || fail "no English success message"
xdotool windowfocus --sync "$message" key Return
keeps_language en || fail "the store keeps language '$(language)', not en"
console=$(window '^VOLNA144  v2\.03 \(simulated radio\)$')
click_in "$console" 5640 720 975 375  # "ADDition": the lower panel
click_in "$console" 5160 3480 2535 255 # the link to the wire diagram
wire=$(window '^Transfer diagram$')
[ -n "$wire" ] || fail "no window titled Transfer diagram"
[ -z "$wire" ] || xdotool windowfocus --sync "$wire" key Escape # it would cover "BAND"
click_in "$console" 5640 720 975 375                        # the lower panel hidden again
band_window_title '^Band activity$' "--lang=en"
stop

# --- A later start without --lang speaks English again. ---
start
band_window_title '^Band activity$' "the kept choice"
console=$(window '^VOLNA144  v2\.03 \(simulated radio\)$')
click_in "$console" 5640 360 975 375 # "Channel": the channel editor
[ -n "$(window '^Editing channels$')" ] || fail "no window titled Editing channels"
stop

# --- --lang=ru: Russian, and kept. ---
start --lang=ru
band_window_title '^Активность диапазона$' "--lang=ru"
keeps_language ru || fail "the store keeps language '$(language)', not ru"
stop

# --- A damaged stored choice: Russian, and the program runs. ---
sed -i 's/^Language=.*/Language=english/' "$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf"
start
band_window_title '^Активность диапазона$' "a damaged choice"
stop
[ "$(language)" = english ] || fail "a start without --lang rewrote the damaged choice"

# --- A German locale: Russian by default, English with --lang=en. ---
export XDG_CONFIG_HOME=$work/de
mkdir -p "$XDG_CONFIG_HOME"
# Starts the program in a German locale with the options after $1, answers No
# to the first-run question, which must be titled $1, and waits for the end.
refuse_first_run_in_german() {
    local title=$1
    shift
    env LANG=de_DE.UTF-8 LANGUAGE=de "$program" --port=sim "$@" 2>>"$work/stderr" &
    pid=$!
    pids="$pids $pid"
    question=$(window_titled "$title")
    [ -n "$question" ] || fail "a German locale ${*:+with $* }gave no question titled $title"
    xdotool windowfocus --sync "$question" key Tab key Return # No
    wait_exit "$pid" || fail "the program did not end after No"
}
refuse_first_run_in_german 'Предупреждение!'
refuse_first_run_in_german 'Warning!' --lang=en
[ ! -e "$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf" ] || fail "No with --lang=en wrote a store file"

grep -q 'translation is missing' "$work/stderr" && fail "the English translation did not load"
finish "English: titles, kept choice, Russian default"
