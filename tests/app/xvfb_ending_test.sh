#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# However the real program ends while the transmitter is keyed, the last write
# on the port trace drops the transmit line: a hang-up (the terminal closed),
# the signals whose default action ends a process, SIGTERM while the event
# thread is stuck, and the X server going away. The program is keyed through
# its network rig control.
# Skipped (exit 77) where Xvfb or rigctl is missing.
set -u
program=${1:?usage: xvfb_ending_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb rigctl
session_start
trace=$work/trace.txt

# Starts the program on a fresh trace and keys it; sets pid and port (rig control's).
start_keyed() {
    write_store 145000 </dev/null
    : >"$trace"
    : >"$work/stderr"
    # A background job of a script starts with SIGQUIT ignored, and the
    # program keeps an ignored signal ignored: give it the terminal's default.
    VOLNA144_PORT_TRACE=$trace env --default-signal=QUIT "$program" --port=sim --rigctld=127.0.0.1:0 2>"$work/stderr" &
    pid=$!
    pids="$pids $pid"
    port=$(rig_port "$work/stderr")
    [ -n "$port" ] || { fail "no rig control notice: $(cat "$work/stderr")"; return 1; }
    timeout 10 rigctl -m 2 -r "127.0.0.1:$port" T 1 >/dev/null 2>&1
    [ "$(last_write)" = 8 ] || { fail "T 1 did not key (last write $(last_write))"; return 1; }
}

# Waits for the program to end; sets status to its exit status.
wait_end() {
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "$1: the program is still running"
        kill -KILL "$pid"
    fi
    wait "$pid"
    status=$?
}

ulimit -c 0
echo 0 >"$work/status"
for signal in HUP QUIT ABRT SEGV USR1 ALRM TERM; do
    VOLNA144_SIM_STATUS=$work/status start_keyed || continue
    if [ "$signal" = TERM ]; then # the event thread stuck: get_dcd reads a FIFO nobody writes
        rm "$work/status" && mkfifo "$work/status"
        exec 3<>"/dev/tcp/127.0.0.1/$port"
        printf '\\get_dcd\n' >&3
        sleep 0.5
    fi
    kill -"$signal" "$pid"
    wait_end "SIG$signal"
    [ "$status" = $((128 + $(kill -l "$signal"))) ] || fail "SIG$signal: exit status $status"
    [ "$(tail -n 1 "$trace")" = "out 888 0" ] || fail "SIG$signal left '$(tail -n 1 "$trace")' last"
done

# The display goes away: Qt ends the program with exit status 1.
if start_keyed; then
    kill "$xvfb"
    wait_end "the X server gone"
    [ "$status" = 1 ] || fail "the X server gone: exit status $status"
    [ "$(tail -n 1 "$trace")" = "out 888 0" ] || fail "the X server gone left '$(tail -n 1 "$trace")' last"
fi

finish "every ending dropped the transmit line"
