# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run the real program under Xvfb (tests and
# benchmarks): a private X server and store folder, a store file with the
# first-run settings, the port trace read back, and the tally of failed checks.

# Skips the test (exit 77) when one of the named tools is not installed.
skip_without() {
    for tool; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

# Ends a measurement (exit 1) when one of the named tools is not installed.
require_tools() {
    for tool; do
        command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }
    done
}

# Starts Xvfb on a free display; sets work (a temporary folder), DISPLAY and
# XDG_CONFIG_HOME, and cleans everything up when the script exits. Add the
# process ids to stop at the end to `pids`.
session_start() {
    work=$(mktemp -d)
    pids=
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb $pids 2>/dev/null; rm -rf "$work"' EXIT
    for _ in $(seq 50); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$work/display")" XDG_CONFIG_HOME=$work
}

# Writes the store file: the first-run settings with the last frequency $1
# (kHz) and the whole-band scan speed $2 (ms), then the lines on standard input.
write_store() {
    mkdir -p "$XDG_CONFIG_HOME/VOLNA144"
    {
        cat <<CONF
[Flags]
NEW=1
LOCK=1
BACK=${1:-144000}

[Settings]
Buttom_boundary=144000
Top_boundary=146000
GUN=-10700
FR_=-600
Scan_speed=${2:-400}
Scan_speed_from_and_up_to=400
Channel_scanspeed=400
Delay1=0
Delay2=0

CONF
        cat
    } >"$XDG_CONFIG_HOME/VOLNA144/VOLNA144.conf"
}

# Mounts a 128 KiB tmpfs on folder $1 (the caller unmounts it); false where
# none can be mounted (not root).
mount_small_disk() { mkdir -p "$1" && mount -t tmpfs -o size=128k tmpfs "$1" 2>/dev/null; }

# Fills the file system of folder $1 up to one free 4 KiB block.
fill_but_one_block() {
    head -c 1M /dev/zero >"$1/filler" 2>/dev/null
    truncate -s $(($(stat -c %s "$1/filler") - 4096)) "$1/filler"
}

# A full library section, some 5 KB: more than one block.
full_library() {
    echo '[Library]'
    for n in $(seq 100); do echo "\$$n=$((145000 + 25 * n)) - 145000 - entry $n of a full library"; done
}

# The divider of every complete word on the port trace $trace, one a line: a
# word starts when the frame line rises, each rising clock samples the data
# line (least significant bit first), and the falling frame line ends it.
dividers() {
    awk '$1 == "out" { v = $3
            if ((v % 2) && !(prev % 2)) { n = 0; word = 0 }
            if ((int(v / 2) % 2) && !(int(prev / 2) % 2)) { if (int(v / 4) % 2 && n < 14) word += 2 ^ n; n++ }
            if (!(v % 2) && (prev % 2)) print word
            prev = v }' "$trace"
}

# The divider of the last complete word on the port trace $trace.
last_divider() { dividers | tail -n 1; }

# The value last written to the data register.
last_write() { grep '^out 888' "$trace" | tail -n 1 | cut -d' ' -f3; }

# The port the program's rig control listens on, read from its notice in the
# file $1 (its standard error); empty when no notice came within 10 s.
rig_port() {
    for _ in $(seq 100); do
        grep -q 'rigctld' "$1" && break
        sleep 0.1
    done
    # The notice is in the program's language: English with --lang=en.
    sed -n -E 's/^volna144: (rig control \(rigctld protocol\) on|управление по сети \(протокол rigctld\) на) 127\.0\.0\.1:([0-9]*)$/\2/p' "$1"
}

# Starts the program $1 on the simulated radio with rig control on a free
# loopback port, its standard error in $work/stderr; sets pid and rig (the
# port, empty when no notice came).
start_with_rig_control() {
    "$1" --port=sim --rigctld=127.0.0.1:0 2>"$work/stderr" &
    pid=$!
    pids="$pids $pid"
    rig=$(rig_port "$work/stderr")
}

# A visible window whose title matches, waited for up to 10 s; prints its id.
window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

# Clicks the middle of a control of window $1 given in twips (left, top,
# width, height), as the console's layout gives them; 15 twips to a pixel.
click_in() { xdotool mousemove --window "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15)) click 1; sleep 0.3; }

# Whether process $1 ends within 5 s.
wait_exit() {
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    return 1
}

# CPU time used so far by all the threads of process $1, in ns (the benches).
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%.0f", sum }'; }

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Ends the script: 1 with the count of failures, 0 with the given message.
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures failures"
        exit 1
    fi
    echo "$1"
    exit 0
}
