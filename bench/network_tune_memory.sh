#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Resident memory of the real program (under Xvfb, simulated radio) before and
# after many network tunes on one rigctld connection, each one a retune.
# Usage: bench/network_tune_memory.sh [build/volna144] [TUNES, default 180000]
set -eu
program=${1:-build/volna144}
count=${2:-180000}
. "$(dirname "$0")/../tests/support/session.sh"
session_start
write_store 145000 </dev/null

start_with_rig_control "$program"
port=$rig
sleep 1
rss() { awk '/^VmRSS/ { print $2 }' /proc/$pid/status; }
before=$(rss)
python3 - "$port" "$count" <<'PY'
import socket, sys
port, count = int(sys.argv[1]), int(sys.argv[2])
conn = socket.create_connection(("127.0.0.1", port))
conn.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
reader = conn.makefile("rb")
for i in range(count):
    conn.sendall(b"F %d\n" % (145500000 if i % 2 else 145000000))
    if reader.readline() != b"RPRT 0\n":
        raise SystemExit(f"tune {i} was not answered RPRT 0")
conn.sendall(b"q\n")
PY
after=$(rss)
echo "$count network tunes: resident memory $before kB before, $after kB after, growth $((after - before)) kB"
