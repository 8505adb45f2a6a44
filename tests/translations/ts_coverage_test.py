#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every program text has an English translation in the .ts file.

Usage: ts_coverage_test.py SRC_DIR TS_FILE

A .ts in Russian (language="ru_RU", volna144_ru.ts) goes the other way: the
texts the sources keep in English (the command line's refusals and --help,
the rig-control notices, "Scanning...", the simulated radio's title, the
port back ends' messages of toolkit/english_messages.h) each
need a finished Russian rendering with the same places, and each of its
entries a source that is still such a text or a line of one.

Fails when a Cyrillic text of the sources or a template of
toolkit/text_templates.h has no finished, non-empty English translation
(Cyrillic left in it, or places %n other than the source's), when a source
is listed twice, and when the .ts lists a source that no longer is a literal
anywhere in the sources (a stale entry).
"""

import pathlib
import re
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from source_texts import CYRILLIC, _literals, all_literals, source_texts  # noqa: E402

PLACES = re.compile(r"%[1-9]")
# Where a literal the program shows in English starts: a refusal of the
# command line, a text passed to shown(), the scan's status caption.
ENGLISH_AT = re.compile(r'(?:refuse\(options,|\bshown\(|\bsay\(|\bkScanning =)\s*(?=")')
ENGLISH_TABLE = re.compile(r"(?:kEnglishTemplates|kControlKeys)\{(.*?)\};", re.S)
# A row of the keyboard map: its last text is its line of help.
SHORTCUT_ROW = re.compile(r"KeyboardShortcut\{(.*?)\}", re.S)
SHORTCUT_ARGUMENT = re.compile(r'"(?:[^"\\]|\\.)*"|nullptr')
USAGE = re.compile(r"std::string usage\(.*?\n}\n", re.S)
OPTION = re.compile(r"\S*--\S*")
PROSE = re.compile(r"\b[a-z]{2,}\b")


def read_ts(path):
    """source -> (translation, finished) of the context volna144; the sources
    listed more than once."""
    entries, twice = {}, []
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        if context.findtext("name") != "volna144":
            continue
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            node = message.find("translation")
            finished = node is not None and node.get("type") not in ("unfinished", "obsolete",
                                                                      "vanished")
            if source in entries:
                twice.append(source)
            entries[source] = ((node.text or "") if node is not None else "", finished)
    return entries, twice


def faults_of(text, entry):
    if entry is None:
        return "no translation"
    translation, finished = entry
    if not finished or not translation.strip():
        return "translation unfinished or empty"
    if CYRILLIC.search(translation):
        return "translation still has Cyrillic: " + repr(translation)
    if sorted(PLACES.findall(translation)) != sorted(PLACES.findall(text)):
        return "places differ: " + repr(translation)
    return None


def english_texts(src_dir):
    """text -> file of every text the sources show in English: each literal
    after ENGLISH_AT, of the table kEnglishTemplates, and each line of prose
    in --help (lines of options and places only are shown as they are)."""
    found = {}
    for path in sorted(pathlib.Path(src_dir).rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        code = path.read_text(encoding="utf-8")
        texts = [_literals(code[m.end():])[0] for m in ENGLISH_AT.finditer(code)]
        for table in ENGLISH_TABLE.findall(code):  # keys alone ("F2") are shown as they are
            texts += [t for t in _literals(table) if PROSE.search(PLACES.sub("", t))]
        for row in SHORTCUT_ROW.findall(code):
            arguments = SHORTCUT_ARGUMENT.findall(row)  # keys, window, control, help
            if len(arguments) >= 4:
                texts += _literals(arguments[3])
        if path.name == "english_messages.h":  # each with a word is a message template
            texts += [t for t in _literals(code) if PROSE.search(PLACES.sub("", t))]
        for function in USAGE.findall(code):
            lines = "".join(_literals(function)).split("\n")
            texts += [line for line in lines if PROSE.search(OPTION.sub("", line))]
        for text in texts:
            found.setdefault(text, str(path))
    return found


def russian_faults(text, entry):
    if entry is None:
        return "no Russian rendering"
    translation, finished = entry
    if not finished or not CYRILLIC.search(translation):
        return "Russian rendering unfinished or without Cyrillic"
    if sorted(PLACES.findall(translation)) != sorted(PLACES.findall(text)):
        return "places differ: " + repr(translation)
    return None


def main_russian(src_dir, ts_file, entries):
    wanted = english_texts(src_dir)
    faults = ["%s: %r: %s" % (where, text, russian_faults(text, entries.get(text)))
              for text, where in sorted(wanted.items())
              if russian_faults(text, entries.get(text))]
    lines = {line for text in all_literals(src_dir) for line in text.split("\n")}
    faults += ["%s: stale entry, no longer in the sources: %r" % (ts_file, s)
               for s in entries if s not in wanted and s not in lines]
    return wanted, faults


def letterless_faults(ts_file, entries):
    """The program shows a text without a letter as it is, unlooked-up: such
    an entry must translate to itself."""
    return ["%s: %r has no letter, so it is shown as it is, not as %r" % (ts_file, s, t)
            for s, (t, _) in entries.items() if not any(c.isalpha() for c in s) and t != s]


def main(src_dir, ts_file):
    entries, twice = read_ts(ts_file)
    letterless = letterless_faults(ts_file, entries)
    if ET.parse(ts_file).getroot().get("language") == "ru_RU":
        wanted, faults = main_russian(src_dir, ts_file, entries)
        faults += letterless
        faults += ["%s: listed twice: %r" % (ts_file, s) for s in twice]
        for fault in faults:
            print(fault)
        print("%d English texts, %d entries, %d faults" % (len(wanted), len(entries), len(faults)))
        return 1 if faults else 0
    templates_h = pathlib.Path(src_dir, "toolkit", "text_templates.h")
    wanted = dict(source_texts(src_dir))
    for text in _literals(templates_h.read_text(encoding="utf-8")):
        wanted.setdefault(text, str(templates_h))
    faults = []
    for text, where in sorted(wanted.items()):
        fault = faults_of(text, entries.get(text))
        if fault:
            faults.append("%s: %r: %s" % (where, text, fault))
    literals = all_literals(src_dir)
    faults += ["%s: stale entry, no longer in the sources: %r" % (ts_file, s)
               for s in entries if s not in literals]
    faults += ["%s: listed twice: %r" % (ts_file, s) for s in twice]
    faults += letterless
    for fault in faults:
        print(fault)
    print("%d program texts, %d entries, %d faults" % (len(wanted), len(entries), len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
