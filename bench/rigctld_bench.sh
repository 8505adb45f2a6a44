#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Round trips of "f" (read the frequency) and "F" (tune, alternating between two
# frequencies so that every one retunes) over loopback, on one connection, with
# the same client against this program (under Xvfb, simulated radio) and against
# Hamlib's own rigctld with its dummy rig (-m 1). Prints the means and their
# ratio, then the median, 90th and 99th percentiles of each round trip.
# Usage: bench/rigctld_bench.sh [build/volna144] [ROUND_TRIPS]
set -eu
program=${1:-build/volna144}
count=${2:-500}
. "$(dirname "$0")/../tests/support/session.sh"
require_tools Xvfb rigctld python3
session_start
write_store 145000 </dev/null

start_with_rig_control "$program"
ours=$rig
theirs=$((20000 + RANDOM % 20000))
rigctld -m 1 -T 127.0.0.1 -t "$theirs" &
hamlib=$!
pids="$pids $hamlib"
sleep 0.5

# Mean microseconds per round trip of each command, one connection per server.
python3 - "$ours" "$theirs" "$count" <<'PY'
import socket, sys, time

def read_line(conn, pending):
    while b"\n" not in pending:
        chunk = conn.recv(4096)
        if not chunk:
            raise SystemExit("connection closed")
        pending += chunk
    line, _, rest = pending.partition(b"\n")
    return line, rest

def measure(port, count):
    conn = socket.create_connection(("127.0.0.1", port))
    conn.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
    pending = b""
    figures = {}
    for name, command in (("f", lambda i: b"f\n"),
                          ("F", lambda i: b"F %d\n" % (145500000 if i % 2 else 145000000))):
        times = []
        for i in range(count):
            start = time.perf_counter()
            conn.sendall(command(i))
            line, pending = read_line(conn, pending)
            times.append((time.perf_counter() - start) * 1e6)
        figures[name] = sorted(times)
        if name == "F" and line != b"RPRT 0":
            raise SystemExit(f"port {port}: F answered {line!r}")
    conn.sendall(b"q\n")
    conn.close()
    return figures

ours, theirs, count = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
volna = measure(ours, count)
hamlib = measure(theirs, count)
def mean(times):
    return sum(times) / len(times)

def percentile(times, p):
    return times[min(len(times) - 1, int(p / 100 * len(times)))]

print(f"{count} round trips each, one connection, loopback")
for name in ("f", "F"):
    print(f"  {name}: volna144 {mean(volna[name]):8.1f} us   rigctld -m 1 {mean(hamlib[name]):8.1f} us"
          f"   ratio {mean(volna[name]) / mean(hamlib[name]):.2f}")
for name in ("f", "F"):
    for label, times in (("volna144", volna[name]), ("rigctld -m 1", hamlib[name])):
        p50, p90, p99 = (percentile(times, p) for p in (50, 90, 99))
        print(f"  {name} {label:12}: p50 {p50:7.1f} us  p90 {p90:7.1f} us  p99 {p99:7.1f} us")
PY
