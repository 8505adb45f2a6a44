#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Hamlib's Python binding (model 2, NET rigctl) against the real program under
# Xvfb with the simulated radio, first directly and then through a second
# rigctld -m 2 chained in front of it: tune, key and unkey, and every read and
# setting a logging or data-mode program makes, each call without an
# exception or an error (hamlib_client.py). The port trace must hold the word
# of every tune and the transmit line of every key and unkey. Last, the
# simulated band's beacon is heard through the client.
# Skipped (exit 77) where Xvfb, rigctld or the binding is missing.
set -u
program=${1:?usage: hamlib_python_end_to_end_test.sh PATH/TO/volna144}
here=$(dirname "$0")
. "$here/../support/session.sh"
skip_without Xvfb rigctld
/usr/bin/python3 -c 'import Hamlib' 2>/dev/null || { echo "SKIP: python3-hamlib is not installed"; exit 77; }
session_start
write_store 145000 </dev/null

trace=$work/trace.txt
VOLNA144_PORT_TRACE=$trace start_with_rig_control "$program"
[ -n "$rig" ] || {
    echo "FAIL: no notice of the rig control port:"
    cat "$work/stderr"
    exit 1
}

# Runs the client's steps against port $1; a failed call fails the test.
client() {
    local port=$1
    shift
    timeout 30 /usr/bin/python3 "$here/hamlib_client.py" "$port" "$@" || fail "client on $port: $*"
}

# Tunes to $2 Hz through port $1, keys and unkeys, and checks the trace.
tune_and_key() {
    client "$1" "tune:$2"
    [ "$(last_divider)" = $((($2 / 1000 - 10700) / 25)) ] ||
        fail "tune to $2 through $1: divider $(last_divider)"
    client "$1" key
    [ "$(last_write)" = 8 ] || fail "key through $1 left $(last_write) on the data register"
    client "$1" unkey
    [ "$(last_write)" = 0 ] || fail "unkey through $1 left $(last_write) on the data register"
    client "$1" reads
}

tune_and_key "$rig" 145525000

# A free loopback port for the chained rigctld.
chained=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
rigctld -m 2 -r "127.0.0.1:$rig" -T 127.0.0.1 -t "$chained" 2>"$work/rigctld.stderr" &
pids="$pids $!"
for _ in $(seq 50); do
    (exec 3<>"/dev/tcp/127.0.0.1/$chained") 2>/dev/null && break
    sleep 0.1
done
tune_and_key "$chained" 144900000

# The simulated radio's built-in band, heard through the client: its beacon
# on 145850 kHz never stops, and a notch nothing transmits on stays quiet.
client "$rig" tune:145850000 heard tune:145825000 heard tune:145800000
client "$rig" reads

kill -0 "$pid" 2>/dev/null || fail "the program is gone"
finish "Hamlib's Python binding, direct and chained: all checks passed"
