#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The wire diagram in the real program under Xvfb: "ADDition", then the lower
# panel's "Диаграмма передачи" opens its window; the window is grabbed with
# ImageMagick's import and checked for the drawing of the word on the port
# trace (24 clock pulses along one pixel row, the data line high under the
# pulses of the 1 bits), at start and again after a channel button retunes.
# Skipped (exit 77) where Xvfb, xdotool, import or python3 is missing.
set -u
program=${1:?usage: xvfb_wire_diagram_test.sh PATH/TO/volna144}
. "$(dirname "$0")/../support/session.sh"
skip_without Xvfb xdotool import python3
session_start
write_store 144000 400 <<'CONF'
[Channels%28RX%29]
%243=145500
CONF

# Clicks the middle of a console control given in twips (left, top, width, height).
click_twips() {
    xdotool mousemove --window "$console" $((($1 + $3 / 2) / 15)) $((($2 + $4 / 2) / 15)) click 1
    sleep 0.3
}

# Checks the grabbed window $1 (a PPM file) against divider $2: prints nothing
# when the drawing holds the word, otherwise what is wrong.
check_drawing() {
    python3 - "$1" "$2" <<'PY'
import sys

def read_ppm(path):
    data = open(path, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width, height, top = int(fields[1]), int(fields[2]), int(fields[3])
    assert fields[0] == b"P6" and top == 255, "not an 8-bit PPM"
    return width, height, data[pos + 1:]

width, height, pixels = read_ppm(sys.argv[1])
divider = int(sys.argv[2])
ones = [i + 1 for i in range(14) if divider >> i & 1] + [22, 24]

def wave(x, y):
    r, g, b = pixels[3 * (y * width + x):3 * (y * width + x) + 3]
    return r < 30 and g < 30 and 150 <= b <= 190

def runs(y):
    found, start = [], None
    for x in range(width):
        if wave(x, y) and start is None:
            start = x
        elif not wave(x, y) and start is not None:
            found.append((start, x))
            start = None
    if start is not None:
        found.append((start, width))
    return found

colours = {pixels[i:i + 3] for i in range(0, len(pixels), 3 * 7)}
if len(colours) < 4:
    sys.exit(f"the window is blank ({len(colours)} colours)")
rows = [runs(y) for y in range(height)]
clock = next((y for y in range(height) if len(rows[y]) == 24), None)
if clock is None:
    sys.exit("no pixel row holds 24 clock pulses")
data = next((y for y in range(clock + 1, height) if len(rows[y]) == len(ones)), None)
if data is None:
    sys.exit(f"no pixel row below the clock holds {len(ones)} data pulses")

def overlap(a, b):
    return max(0, min(a[1], b[1]) - max(a[0], b[0]))

drawn = []
for run in rows[data]:
    best = max(range(24), key=lambda k: overlap(run, rows[clock][k]))
    drawn.append(best + 1 if overlap(run, rows[clock][best]) > 0 else 0)
if drawn != ones:
    sys.exit(f"data high under pulses {drawn}, the word's 1 bits are {ones}")
PY
}

trace=$work/trace.txt
VOLNA144_PORT_TRACE=$trace "$program" --port=sim 2>/dev/null &
pid=$!
pids="$pids $pid"
console=$(window '^VOLNA144  v2\.03 \(имитация радиостанции\)$')
[ -n "$console" ] || { echo "FAIL: no console"; exit 1; }

click_twips 5640 720 975 375  # "ADDition": the lower panel
click_twips 5160 3480 2535 255 # "Диаграмма передачи" in the panel
wire=$(window '^Диаграмма передачи$')
[ -n "$wire" ] || { echo "FAIL: no wire diagram window"; exit 1; }
size=$(xdotool getwindowgeometry "$wire" | sed -n 's/.*Geometry: \([0-9x]*\).*/\1/p')
[ "$size" = 900x260 ] || fail "wire diagram window of $size, expected 900x260"
xdotool windowmove --sync "$wire" 0 400 # off the console, whose buttons are clicked below
sleep 0.3

import -window "$wire" -depth 8 "ppm:$work/start.ppm" || fail "import could not grab the window"
[ "$(last_divider)" = 5332 ] || fail "start word divider $(last_divider)"
problem=$(check_drawing "$work/start.ppm" "$(last_divider)" 2>&1) || fail "start word: $problem"

# A retune while the window is open: it draws the new word.
click_twips 7800 1680 375 375 # channel "3"
sleep 0.3
[ "$(last_divider)" = $(((145500 - 10700) / 25)) ] || fail "channel 3: divider $(last_divider)"
import -window "$wire" -depth 8 "ppm:$work/tuned.ppm" || fail "import could not grab the window"
problem=$(check_drawing "$work/tuned.ppm" "$(last_divider)" 2>&1) || fail "after the retune: $problem"
# The drawing of the start word no longer matches.
check_drawing "$work/tuned.ppm" 5332 >/dev/null 2>&1 && fail "the window still draws the start word"

# The console goes on working while the diagram is open: "Exit" ends it.
click_twips 9000 2640 2295 375
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && fail "Exit did not end the program with the diagram open"

finish "wire diagram under Xvfb: all checks passed"
