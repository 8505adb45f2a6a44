#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The running console as a screen reader sees it through AT-SPI: names,
roles and states; with --operate, tuning through the slider's Value interface
(port trace, read-out's name-change event), then a channel button, a step
option and the "Channel" word pressed through their actions. --first-run
reads and answers the first-run message boxes. English rechecks only names
and tuning.

Usage: accessibility_tree.py --lang ru|en --trace FILE [--first-run] [--operate]
Exit status 0 when every check passes, 1 otherwise (each failure printed)."""

import argparse
import re
import sys
import time

import pyatspi
from gi.repository import GLib

OSCILLATOR, RASTER = 10700, 25  # kHz: the store's oscillator offset, the divider's raster
R = pyatspi
NAME_CHANGED = "object:property-change:accessible-name"
TEXTS = {
    "ru": dict(slider="Настройка частоты", frequency="Частота %s kHz", mode="Режим RX",
               channel="Канал %s", step=["Шаг 25 kHz", "Шаг 50 kHz", "Шаг 100 kHz"],
               scan_from="Сканирование от, kHz",
               editor_box="Канал 1, приём, kHz",
               boxes=[("Предупреждение!", "Да"), ("Сообщение", "OK")]),
    "en": dict(slider="Frequency tuning", frequency="Frequency %s kHz", mode="Mode RX",
               channel="Channel %s", step=["Step 25 kHz", "Step 50 kHz", "Step 100 kHz"],
               scan_from="Scan from, kHz",
               editor_box="Channel 1, receive, kHz", boxes=[("Warning!", "Yes"), ("Message", "OK")]),
}
failures, events = [], []


def check(ok, message):
    if not ok:
        print("FAIL: " + message)
        failures.append(message)
    return ok


def wait_for(condition, seconds=8.0):
    """Lets AT-SPI events arrive until condition holds; its last value."""
    context, end = GLib.MainContext.default(), time.monotonic() + seconds
    while not (found := condition()) and time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.05)
    return found


def walk(node, depth=0):
    try:
        children = list(node) if depth < 12 else []
    except Exception:  # an object that went away while being read
        children = []
    yield node
    for child in children:
        yield from walk(child, depth + 1) if child is not None else ()


def windows():
    for app in (a for a in pyatspi.Registry.getDesktop(0) if a is not None):
        try:
            app.clearCache()
        except Exception:  # an application that went away
            continue
        yield from (window for window in app if window is not None)


def find(root, name=None, roles=None, pattern=None):
    for node in walk(root):
        try:
            if ((roles is None or node.getRole() in roles) and name in (None, node.name)
                    and (pattern is None or re.fullmatch(pattern, node.name or ""))):
                return node
        except Exception:
            continue
    return None


def window_holding(name):
    return next((w for w in windows() if find(w, name=name) is not None), None)


def press(node, what):
    if not check(node is not None, "no %s to press" % what):
        return
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    wanted = [n for n in ("press", "Press", "toggle", "Toggle", "click") if n in names]
    if check(wanted, "%s offers no press action (actions: %s)" % (what, names)):
        action.doAction(names.index(wanted[0]))


def divider(trace):
    """The divider of the last complete word on the port trace."""
    previous, word, bits, done = 0, 0, 0, None
    with open(trace) as lines:
        for parts in (line.split() for line in lines):
            if parts[:2] != ["out", "888"]:
                continue
            value = int(parts[2])
            if value & 1 and not previous & 1:
                word, bits = 0, 0
            if value & 2 and not previous & 2:
                word, bits = word + ((1 << bits) if value & 4 and bits < 14 else 0), bits + 1
            done = word if not value & 1 and previous & 1 else done
            previous = value
    return done


def has(node, state):
    return node is not None and node.getState().contains(state)


def answer_message_box(title, button):
    box = wait_for(lambda: next((w for w in windows() if w.name == title), None))
    if not check(box is not None, "no message box titled %s" % title):
        return
    check(box.getRole() in (R.ROLE_DIALOG, R.ROLE_ALERT), "%s has role %s" % (title, box.getRoleName()))
    text = [n.name for n in walk(box) if n.getRole() == R.ROLE_LABEL and n.name]
    buttons = [n.name for n in walk(box) if n.getRole() == R.ROLE_PUSH_BUTTON]
    if check(text and button in buttons, "%s: text %s, buttons %s" % (title, text, buttons)):
        print("message box %r: text %r, buttons %s" % (title, text[0][:60], buttons))
        press(find(box, name=button, roles=[R.ROLE_PUSH_BUTTON]), button)


def check_console(console, t, full):
    """Names and roles (English: the first four again), the slider's and the steps' states."""
    expected = [(t["slider"], [R.ROLE_SLIDER]), (t["channel"] % 1, [R.ROLE_PUSH_BUTTON]),
                (t["step"][2], [R.ROLE_RADIO_BUTTON]), (t["scan_from"], [R.ROLE_TEXT, R.ROLE_ENTRY]),
                (t["mode"], [R.ROLE_LABEL]), ("Channel", [R.ROLE_PUSH_BUTTON])]
    for name, roles in expected if full else expected[:4]:
        other = find(console, name=name)
        check(find(console, name=name, roles=roles) is not None, "no %s named %r%s" % (
            roles[0], name, " (it is a %s)" % other.getRoleName() if other else ""))
    if full:
        slider = find(console, name=t["slider"])
        check(all(has(slider, s) for s in (R.STATE_FOCUSABLE, R.STATE_SENSITIVE, R.STATE_SHOWING)),
              "the slider is not focusable, sensitive and showing")
        checked = [s for s in t["step"] if has(find(console, name=s), R.STATE_CHECKED)]
        check(len(checked) <= 1, "step options checked: %s" % checked)


def frequency_of(console, t):
    label = find(console, roles=[R.ROLE_LABEL],
                 pattern=re.escape(t["frequency"]).replace("%s", "[0-9]+"))
    return int(re.search("[0-9]+", label.name).group(0)) if label else None


def tuned_to(console, t, trace, frequency):
    """Whether the read-out, the slider and the port all stand at frequency."""
    slider = find(console, name=t["slider"], roles=[R.ROLE_SLIDER])
    return (frequency_of(console, t) == frequency and slider.description == "%d kHz" % frequency
            and divider(trace) == (frequency - OSCILLATOR) // RASTER)


def tune_with_the_slider(console, t, trace):
    """Moves the slider a notch; the read-out follows with a name-change event.
    Qt sends events only once the registry has told it of the listener, which
    can take a while on a loaded machine: up to three notches are tried."""
    for attempt in range(3):
        start = frequency_of(console, t)
        value = find(console, name=t["slider"], roles=[R.ROLE_SLIDER]).queryValue()
        value.currentValue = value.currentValue + 1
        moved = wait_for(lambda: (f := frequency_of(console, t)) != start and f)
        if not check(moved and wait_for(lambda: tuned_to(console, t, trace, moved)),
                     "the slider's value did not tune (read-out %s)" % frequency_of(console, t)):
            return
        if wait_for(lambda: (NAME_CHANGED, t["frequency"] % moved) in events, 3):
            return
        # A registration that reached Qt's bridge before it asked the registry
        # is lost to it: another listener is announced to it afresh.
        listen()
    check(False, "no name-change event for the read-out %s (events: %s)" % (moved, events[-8:]))


def press_the_controls(console, t, trace):
    press(find(console, name=t["channel"] % 3, roles=[R.ROLE_PUSH_BUTTON]), "channel 3")
    check(wait_for(lambda: tuned_to(console, t, trace, 145100)), "channel 3 did not tune to 145100")
    check(wait_for(lambda: find(console, name=t["channel"] % "3"))
          and wait_for(lambda: (NAME_CHANGED, t["channel"] % "3") in events, 3),
          "no channel indicator named %r, or no name-change event" % (t["channel"] % "3"))
    option = find(console, name=t["step"][2], roles=[R.ROLE_RADIO_BUTTON])
    press(option, t["step"][2])
    check(wait_for(lambda: has(option, R.STATE_CHECKED)), "the 100 kHz step option is not checked")
    press(find(console, name="Channel", roles=[R.ROLE_PUSH_BUTTON]), "Channel")
    editor = wait_for(lambda: window_holding(t["editor_box"]))
    if check(editor is not None, "the channel editor did not open through the Channel word"):
        box = find(editor, name=t["editor_box"])
        print("channel editor %r: box reads %r" % (editor.name, box.queryText().getText(0, -1)))


listeners = []


def record(event):
    try:
        events.append((event.type, event.source.name))
    except Exception:  # a source gone before it was read
        pass


def listen():
    listeners.append(lambda event: record(event))  # kept alive; each one is announced anew
    pyatspi.Registry.registerEventListener(listeners[-1], NAME_CHANGED, "object:property-change")
    wait_for(lambda: False, 1.0)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lang", choices=TEXTS, required=True)
    parser.add_argument("--trace", required=True)
    parser.add_argument("--first-run", action="store_true")
    parser.add_argument("--operate", action="store_true")
    options = parser.parse_args()
    t, full = TEXTS[options.lang], options.lang == "ru"
    pyatspi.Registry.registerEventListener(record, NAME_CHANGED, "object:property-change")
    for title, button in t["boxes"] if options.first_run else []:
        answer_message_box(title, button)
    console = wait_for(lambda: window_holding(t["slider"]), 15)
    if check(console is not None, "no console in the accessibility tree"):
        check_console(console, t, full)
        if options.operate:
            # Qt sends events only once the registry has told it of a listener.
            wait_for(lambda: False, 1.5)
            tune_with_the_slider(console, t, options.trace)
        if options.operate and full:
            press_the_controls(console, t, options.trace)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
