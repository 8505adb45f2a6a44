#!/usr/bin/env python3
"""Every program text has an English translation in the .ts file.

Usage: ts_coverage_test.py SRC_DIR TS_FILE

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


def main(src_dir, ts_file):
    entries, twice = read_ts(ts_file)
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
    for fault in faults:
        print(fault)
    print("%d program texts, %d entries, %d faults" % (len(wanted), len(entries), len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
