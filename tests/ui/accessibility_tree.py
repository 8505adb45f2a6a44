#!/usr/bin/python3
"""The running console as a screen reader sees it through AT-SPI: names,
roles and states of its controls, then tuning through the slider's Value
interface, a channel button and a step option pressed through their actions,
and the channel editor opened through the "Channel" word's press action, each
checked on the port trace and in the tree. With --first-run, the first-run
message boxes are read (text and buttons) and answered through AT-SPI, and
the console only walked.

Usage: accessibility_tree.py --lang ru|en --trace FILE [--first-run]
Exit status 0 when every check passes, 1 otherwise (each failure printed)."""

import argparse
import re
import sys
import time

import pyatspi
from gi.repository import GLib

# kHz; the store's local-oscillator offset and the raster of the divider.
OSCILLATOR = 10700
RASTER = 25

TEXTS = {
    "ru": {
        "slider": "Настройка частоты",
        "frequency": "Частота %s kHz",
        "mode": "Режим RX",
        "channel_button": "Канал %d",
        "channel_indicator": "Канал %s",
        "step": ["Шаг 25 kHz", "Шаг 50 kHz", "Шаг 100 kHz"],
        "from": "Сканирование от, kHz",
        "to": "Сканирование до, kHz",
        "editor_box": "Канал 1, приём, kHz",
        "exit": "Exit",
        "yes": "Да",
        "ok": "OK",
    },
    "en": {
        "slider": "Frequency tuning",
        "frequency": "Frequency %s kHz",
        "mode": "Mode RX",
        "channel_button": "Channel %d",
        "channel_indicator": "Channel %s",
        "step": ["Step 25 kHz", "Step 50 kHz", "Step 100 kHz"],
        "from": "Scan from, kHz",
        "to": "Scan to, kHz",
        "editor_box": "Channel 1, receive, kHz",
        "exit": "Exit",
        "yes": "Yes",
        "ok": "OK",
    },
}

failures = []
events = []


def fail(message):
    print("FAIL: " + message)
    failures.append(message)


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(condition, seconds=8.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = condition()
        if found:
            return found
        pump(0.1)
    return condition()


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    try:
        children = list(node)
    except Exception:  # an object that went away while being read
        return
    for child in children:
        yield from walk(child, depth + 1)


def windows():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        try:
            app.clearCache()
        except Exception:
            pass
        for window in app:
            if window is not None:
                yield window


def find(root, name=None, role=None, pattern=None):
    for node in walk(root):
        try:
            if role is not None and node.getRole() != role:
                continue
            if name is not None and node.name != name:
                continue
            if pattern is not None and not re.fullmatch(pattern, node.name or ""):
                continue
            return node
        except Exception:
            continue
    return None


def window_holding(name):
    for window in windows():
        if find(window, name=name) is not None:
            return window
    return None


def press(node, what):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in ("press", "Press", "toggle", "Toggle", "click"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    fail("%s offers no press action (actions: %s)" % (what, names))


def divider(trace):
    """The divider of the last complete word on the port trace."""
    previous, word, bits, done = 0, 0, 0, None
    with open(trace) as lines:
        for line in lines:
            parts = line.split()
            if len(parts) != 3 or parts[0] != "out" or parts[1] != "888":
                continue
            value = int(parts[2])
            if value & 1 and not previous & 1:
                word, bits = 0, 0
            if value & 2 and not previous & 2:
                if value & 4 and bits < 14:
                    word += 1 << bits
                bits += 1
            if not value & 1 and previous & 1:
                done = word
            previous = value
    return done


def states(node):
    state = node.getState()
    return {s for s in (pyatspi.STATE_FOCUSABLE, pyatspi.STATE_SENSITIVE, pyatspi.STATE_SHOWING,
                        pyatspi.STATE_CHECKED) if state.contains(s)}


def read_message_box(title_pattern, button, texts):
    box = wait_for(lambda: next((w for w in windows() if re.fullmatch(title_pattern, w.name or "")),
                                None))
    if box is None:
        fail("no message box titled %s" % title_pattern)
        return
    if box.getRole() not in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT):
        fail("message box %s has role %s" % (box.name, box.getRoleName()))
    text = [n.name for n in walk(box) if n.getRole() == pyatspi.ROLE_LABEL and n.name]
    if not text:
        fail("message box %s exposes no text" % box.name)
    buttons = [n.name for n in walk(box) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    if button not in buttons:
        fail("message box %s: buttons %s, no %s" % (box.name, buttons, button))
        return
    print("message box %r: text %r, buttons %s" % (box.name, text[0][:60], buttons))
    press(find(box, name=button, role=pyatspi.ROLE_PUSH_BUTTON), button)


def check_console(console, t):
    expected = [
        (t["slider"], pyatspi.ROLE_SLIDER),
        (t["mode"], pyatspi.ROLE_LABEL),
        (t["channel_button"] % 1, pyatspi.ROLE_PUSH_BUTTON),
        (t["channel_button"] % 10, pyatspi.ROLE_PUSH_BUTTON),
        (t["exit"], pyatspi.ROLE_PUSH_BUTTON),
        ("Channel", pyatspi.ROLE_PUSH_BUTTON),
    ] + [(step, pyatspi.ROLE_RADIO_BUTTON) for step in t["step"]]
    for name, role in expected:
        if find(console, name=name, role=role) is None:
            other = find(console, name=name)
            fail("no %s named %r%s" % (role, name,
                                       " (it is a %s)" % other.getRoleName() if other else ""))
    for name in (t["from"], t["to"]):
        box = find(console, name=name)
        if box is None or box.getRole() not in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
            fail("no text box named %r" % name)
    checked = [s for s in t["step"]
               if pyatspi.STATE_CHECKED in states(find(console, name=s) or console)]
    if len(checked) > 1:
        fail("step options checked: %s" % checked)
    slider = find(console, name=t["slider"], role=pyatspi.ROLE_SLIDER)
    if slider is not None and not {pyatspi.STATE_FOCUSABLE, pyatspi.STATE_SENSITIVE,
                                   pyatspi.STATE_SHOWING} <= states(slider):
        fail("slider states %s" % states(slider))
    for node in walk(console):
        if node.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_SLIDER,
                              pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX,
                              pyatspi.ROLE_TEXT) and not node.name:
            fail("a %s without a name" % node.getRoleName())


def frequency_of(console, t):
    label = find(console, role=pyatspi.ROLE_LABEL,
                 pattern=re.escape(t["frequency"]).replace("%s", "([0-9]+)"))
    if label is None:
        return None
    return int(re.search("[0-9]+", label.name).group(0))


def tuned_to(console, t, trace, frequency):
    """Whether the read-out, the slider and the port all stand at frequency."""
    slider = find(console, name=t["slider"], role=pyatspi.ROLE_SLIDER)
    return (frequency_of(console, t) == frequency and slider is not None
            and slider.description == "%d kHz" % frequency
            and divider(trace) == (frequency - OSCILLATOR) // RASTER)


def name_changed_to(text):
    return any(e[0] == "object:property-change:accessible-name" and e[1] == text for e in events)


def operate(console, t, trace):
    start = frequency_of(console, t)
    if start is None:
        fail("no frequency read-out")
        return
    slider = find(console, name=t["slider"], role=pyatspi.ROLE_SLIDER)
    value = slider.queryValue()
    value.currentValue = value.currentValue + 1
    moved = wait_for(lambda: (f := frequency_of(console, t)) != start and f)
    if not moved or not wait_for(lambda: tuned_to(console, t, trace, moved)):
        fail("the slider's value did not tune (read-out %s, divider %s)"
             % (frequency_of(console, t), divider(trace)))
    elif not wait_for(lambda: name_changed_to(t["frequency"] % moved), 3):
        fail("no name-change event for the read-out %s (events: %s)" % (moved, events[-8:]))
    else:
        print("slider: %d -> %d kHz, the read-out's name change sent" % (start, moved))

    press(find(console, name=t["channel_button"] % 3, role=pyatspi.ROLE_PUSH_BUTTON), "channel 3")
    if not wait_for(lambda: tuned_to(console, t, trace, 145100)):
        fail("channel 3 did not tune to 145100 (read-out %s, divider %s)"
             % (frequency_of(console, t), divider(trace)))
    if not wait_for(lambda: find(console, name=t["channel_indicator"] % "3")):
        fail("no channel indicator named %r" % (t["channel_indicator"] % "3"))
    elif not wait_for(lambda: name_changed_to(t["channel_indicator"] % "3"), 3):
        fail("no name-change event for the channel indicator")

    option = find(console, name=t["step"][2], role=pyatspi.ROLE_RADIO_BUTTON)
    if option is not None:
        press(option, t["step"][2])
        if not wait_for(lambda: pyatspi.STATE_CHECKED in states(option)):
            fail("the 100 kHz step option is not checked after its action")

    press(find(console, name="Channel", role=pyatspi.ROLE_PUSH_BUTTON), "Channel")
    editor = wait_for(lambda: window_holding(t["editor_box"]))
    if editor is None:
        fail("the channel editor did not open through the Channel word's action")
    else:
        box = find(editor, name=t["editor_box"])
        print("channel editor %r: box %r reads %r" % (editor.name, box.name,
                                                     box.queryText().getText(0, -1)))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lang", choices=TEXTS, required=True)
    parser.add_argument("--trace", required=True)
    parser.add_argument("--first-run", action="store_true")
    options = parser.parse_args()
    t = TEXTS[options.lang]

    def record(event):
        try:
            events.append((event.type, event.source.name))
        except Exception:  # a source gone before it was read
            pass

    pyatspi.Registry.registerEventListener(record, "object:property-change:accessible-name",
                                           "object:property-change:accessible-description",
                                           "object:property-change")
    if options.first_run:
        read_message_box({"ru": "Предупреждение!", "en": "Warning!"}[options.lang], t["yes"], t)
        read_message_box({"ru": "Сообщение", "en": "Message"}[options.lang], t["ok"], t)
    console = wait_for(lambda: window_holding(t["slider"]), 15)
    if console is None:
        fail("no console in the accessibility tree")
    else:
        check_console(console, t)
        if not options.first_run:
            operate(console, t, options.trace)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
