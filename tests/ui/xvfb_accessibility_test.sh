#!/usr/bin/env bash
# The real program as a screen reader sees it: under Xvfb, a private session
# bus and the accessibility bus, tests/ui/accessibility_tree.py walks the
# console through AT-SPI (names, roles, states), tunes with the slider's Value
# interface, presses a channel button, a step option and the "Channel" word
# through their actions, checking the port trace and the tree after each; in
# Russian on a written store, then in English from the first-run message
# boxes, read and answered through AT-SPI. Skipped (exit 77) where Xvfb,
# dbus-run-session, the AT-SPI bus or pyatspi is missing.
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

# Runs the program in language $1 with the store folder $work/$1 and the tree
# script with the options after $1.
run() {
    local lang=$1
    shift
    trace=$work/$lang.trace
    VOLNA144_PORT_TRACE=$trace "$program" --port=sim --lang="$lang" 2>>"$work/stderr" &
    pid=$!
    pids="$pids $pid"
    /usr/bin/python3 "$here/accessibility_tree.py" --lang "$lang" --trace "$trace" "$@" ||
        fail "the accessibility tree in $lang (see above)"
    kill -TERM "$pid"
    wait_exit "$pid" || fail "SIGTERM did not end the program ($lang)"
}

channels() {
    cat <<'CONF'
[Channels%28RX%29]
%243=145100

[Channels%28TX%29]
%243=144500
CONF
}

export XDG_CONFIG_HOME=$work/ru
write_store 145500 < <(channels)
run ru

# English from the first run: the question and the message read through
# AT-SPI; then the console operated on the written store.
export XDG_CONFIG_HOME=$work/en
mkdir -p "$XDG_CONFIG_HOME/VOLNA144"
run en --first-run
write_store 145500 < <(channels)
run en
finish "accessibility: names, roles, states, actions and announcements in both languages"
