#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The language never reaches the shared keys: the real program run in
# Russian and then with --lang=en on the same starting store, doing the same
# things (a tune through rig control, "add channel" saved, "Exit"), leaves the
# same store file byte for byte, but for the Language key of its own
# "Program" section. Skipped (exit 77) where Xvfb or xdotool is missing.
set -u
program=${1:?usage: xvfb_same_store_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb xdotool
session_start

# One run in a fresh folder $1 with the options after it; the add-channel
# dialog's title is $2. Leaves the store file as $work/$1.conf.
run() {
    local folder=$1 dialog_title=$2
    shift 2
    export XDG_CONFIG_HOME=$work/$folder
    write_store 145000 </dev/null
    "$program" --port=sim --rigctld=127.0.0.1:0 "$@" 2>"$work/$folder.stderr" &
    pid=$!
    pids="$pids $pid"
    rig=$(rig_port "$work/$folder.stderr")
    [ -n "$rig" ] || { fail "no rig control ($folder)"; return; }
    exec 3<>"/dev/tcp/127.0.0.1/$rig"
    printf 'F 145750000\n' >&3 && read -r -t 2 answer <&3
    [ "${answer%$'\r'}" = "RPRT 0" ] || fail "rig control did not tune ($folder)"
    exec 3>&-
    console=$(window '^VOLNA144  v2\.03 \((simulated radio|имитация радиостанции)\)$')
    [ -n "$console" ] || { fail "no console ($folder)"; return; }
    click_in "$console" 7080 2520 1815 495 # add a channel
    dialog=$(window "$dialog_title")
    [ -n "$dialog" ] || fail "no add-channel dialog titled $dialog_title ($folder)"
    click_in "$dialog" 120 1740 1470 495 # save and leave
    click_in "$console" 9000 2640 2295 375 # "Exit"
    wait_exit "$pid" || fail "Exit did not end the program ($folder)"
    cp "$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf" "$work/$folder.conf"
}

run ru '^Добавление канала$'
run en '^Adding a channel$' --lang=en

grep -q '^BACK=145750$' "$work/ru.conf" || fail "the tune was not kept as BACK=145750"
grep -q '^%241=145750$' "$work/ru.conf" || fail "the channel was not stored as channel 1"
grep -q '^Language=en$' "$work/en.conf" || fail "English was not kept"
grep -q '^Language=' "$work/ru.conf" && fail "a run without --lang wrote a language"
sed -i '/^Language=en$/d' "$work/en.conf"
# The Program section, empty but for the language, goes with it.
sed -i '/^\[Program\]$/{N;/^\[Program\]\n$/d}' "$work/en.conf"
cmp "$work/ru.conf" "$work/en.conf" || {
    fail "the two languages left different stores"
    diff "$work/ru.conf" "$work/en.conf"
}
finish "same store in Russian and in English"
