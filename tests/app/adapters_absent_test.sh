#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a machine without an FTDI adapter or GPIO chip (as CI's):
# each named adapter port, and bad pins, end the start with the reason on
# standard error and exit status 1, through the real libraries; auto says why
# it passed each port over and runs the simulated radio.
set -u
program=${1:?usage: adapters_absent_test.sh PATH/TO/volna144}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work XDG_RUNTIME_DIR=$work
failures=0

# Runs the program with the arguments after $1; it must exit 1 with $1 on
# standard error. English unless the arguments choose Russian after it.
refused() {
    local reason=$1
    shift
    timeout 10 "$program" --lang=en "$@" 2>"$work/stderr" >/dev/null
    local status=$?
    [ "$status" = 1 ] || { echo "FAIL: $* exited $status"; failures=$((failures + 1)); }
    grep -qF "volna144: $reason" "$work/stderr" ||
        { echo "FAIL: $*: $(cat "$work/stderr")"; failures=$((failures + 1)); }
}

if "$program" --help | grep -q 'ftdi.*not in this build\|not in this build (built without libftdi1)'; then
    echo "SKIP: built without the adapter libraries"
    exit 77
fi
refused "no FTDI adapter is attached" --port=ftdi
refused "no FTDI adapter is attached" --port=ftdi:A10K1234
refused "no GPIO chip gpiochip7" --port=gpio:gpiochip7
refused "/dev/null is not a GPIO chip" --port=gpio:/dev/null
refused "--pins: the BUSY pin must be a number from 0 to 63" --port=gpio --pins=17,27,22,23,64
refused "--pins: FRAME and TX are both on pin 3" --port=ftdi --pins=3,1,2,3,7
refused "--pins does not apply to the ppdev port" --port=ppdev --pins=0,1,2,3,7
refused "адаптер FTDI не подключён" --lang=ru --port=ftdi
refused "--pins: FRAME и TX оба на выводе 3" --lang=ru --port=ftdi --pins=3,1,2,3,7

# auto passes the missing ports over, saying why, and runs the simulated radio.
timeout 3 "$program" --lang=en --port=auto 2>"$work/stderr" >/dev/null
grep -q "no FTDI adapter is attached; running the simulated radio" "$work/stderr" ||
    { echo "FAIL: auto: $(cat "$work/stderr")"; failures=$((failures + 1)); }

[ "$failures" = 0 ] || exit 1
echo "adapter ports without adapters: all checks passed"
