# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's texts as the C++ sources spell them: every string literal
(adjacent literals joined, escapes read) that holds a Cyrillic letter."""

import pathlib
import re

CYRILLIC = re.compile("[А-Яа-яЁё]")
ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\", "'": "'", "0": "\0"}


def _unescape(body):
    out, i = [], 0
    while i < len(body):
        if body[i] == "\\" and i + 1 < len(body):
            out.append(ESCAPES.get(body[i + 1], body[i + 1]))
            i += 2
        else:
            out.append(body[i])
            i += 1
    return "".join(out)


def _literals(code):
    """The string literals of code, adjacent ones joined; comments and
    character literals skipped."""
    texts, i, joined, last_end = [], 0, None, -1
    while i < len(code):
        c = code[i]
        if code.startswith("//", i):
            i = code.find("\n", i)
            i = len(code) if i < 0 else i
        elif code.startswith("/*", i):
            i = code.find("*/", i + 2) + 2
        elif c == "'":
            j = i + 1
            while j < len(code) and code[j] != "'":
                j += 2 if code[j] == "\\" else 1
            i = j + 1
        elif c == '"':
            j = i + 1
            while code[j] != '"':
                j += 2 if code[j] == "\\" else 1
            text = _unescape(code[i + 1 : j])
            if joined is not None and code[last_end:i].strip() == "":
                joined += text
            else:
                if joined is not None:
                    texts.append(joined)
                joined = text
            last_end = i = j + 1
        else:
            i += 1
    if joined is not None:
        texts.append(joined)
    return texts


def all_literals(src_dir):
    """Every string literal of the sources under src_dir, with a file that has it."""
    found = {}
    for path in sorted(pathlib.Path(src_dir).rglob("*")):
        if path.suffix in (".cpp", ".h", ".in"):
            for text in _literals(path.read_text(encoding="utf-8")):
                found.setdefault(text, str(path))
    return found


def source_texts(src_dir):
    """Every Cyrillic text of the sources under src_dir, with a file that has it."""
    return {t: f for t, f in all_literals(src_dir).items() if CYRILLIC.search(t)}
