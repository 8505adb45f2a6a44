#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program as a screen reader sees it: under Xvfb, a private session
# bus and the accessibility bus, tests/ui/accessibility_tree.py walks the
# console through AT-SPI and operates it, checking the port trace and the
# tree: in Russian on a written store, then in English from the first-run
# message boxes (read and answered through AT-SPI) and on a written store.
# Skipped (exit 77) where Xvfb, dbus-run-session, the AT-SPI bus or pyatspi
# is missing.
set -u
program=${1:?usage: xvfb_accessibility_test.sh PATH/TO/volna144}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../support/session.sh"
skip_without Xvfb dbus-run-session
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "SKIP: $launcher is not installed (at-spi2-core)"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: pyatspi is not installed (python3-pyatspi)"; exit 77; }
# A session bus of its own, so that nothing reaches the desktop's.
if [ -z "${VOLNA144_OWN_BUS:-}" ]; then
    exec env VOLNA144_OWN_BUS=1 dbus-run-session -- "$0" "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
fi
session_start
"$launcher" --launch-immediately >/dev/null 2>&1 &
pids="$pids $!"
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

# Runs the program in language $1 on the store folder $work/$1, with channel
# 3 written unless --first-run is among the tree script's options after $1.
run() {
    local lang=$1 trace=$work/$1.trace pid
    shift
    export XDG_CONFIG_HOME=$work/$lang
    mkdir -p "$XDG_CONFIG_HOME/VOLNA144"
    [ "${1:-}" = --first-run ] || printf '[Channels%%28RX%%29]\n%%243=145100\n\n[Channels%%28TX%%29]\n%%243=144500\n' | write_store 145500
    VOLNA144_PORT_TRACE=$trace "$program" --port=sim --lang="$lang" 2>>"$work/stderr" &
    pid=$!
    pids="$pids $pid"
    /usr/bin/python3 "$here/accessibility_tree.py" --lang "$lang" --trace "$trace" "$@" ||
        fail "the accessibility tree in $lang (see above)"
    kill -TERM "$pid"
    wait_exit "$pid" || fail "SIGTERM did not end the program ($lang)"
}

run ru --operate
run en --first-run
run en --operate
finish "accessibility: names, roles, states, actions and announcements in both languages"
