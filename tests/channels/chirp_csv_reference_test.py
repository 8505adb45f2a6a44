#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The CSV export read by CHIRP's own CSV driver, and what that driver writes
back read by the import. Usage: chirp_csv_reference_test.py CORE_TESTS.
Exits 77 (skipped) where the Debian package chirp is not installed."""

import builtins
import os
import subprocess
import sys
import tempfile


def load_driver():
    """CHIRP's CSV driver, given an open that drops the "U" mode Python 3.11
    refuses; None where the module is missing."""
    real_open = builtins.open

    def open_without_u(file, mode="r", *args, **kwargs):
        return real_open(file, mode.replace("U", ""), *args, **kwargs)

    try:
        from chirp.drivers import generic_csv
    except ImportError:
        return None
    generic_csv.open = open_without_u
    return generic_csv


def run_gtest(core_tests, name, directory):
    env = dict(os.environ, VOLNA_CHIRP_CSV_DIR=directory)
    result = subprocess.run([core_tests, "--gtest_filter=ChirpCsvReference." + name],
                            env=env, capture_output=True, text=True)
    if result.returncode != 0 or "[  PASSED  ] 1 test" not in result.stdout:
        sys.exit("FAIL: %s\n%s%s" % (name, result.stdout, result.stderr))


def expected_memories(directory):
    with open(os.path.join(directory, "expected.tsv"), encoding="utf-8") as f:
        for line in f.read().splitlines():
            location, freq, duplex, offset, name, comment = line.split("\t")
            yield int(location), int(freq), duplex, int(offset), name, comment


def compare(radio, directory):
    faults = list(radio.errors)
    count = 0
    for location, freq, duplex, offset, name, comment in expected_memories(directory):
        mem = radio.get_memory(location)
        got = (mem.empty, mem.freq, mem.duplex, mem.offset, mem.name, mem.comment,
               mem.mode, mem.tuning_step)
        want = (False, freq, duplex, offset, name, comment, "FM", 25.0)
        if got != want:
            faults.append("location %d: CHIRP read %r, expected %r" % (location, got, want))
        count += 1
    filled = [m.number for m in radio.get_memories() if not m.empty]
    if len(filled) != count:
        faults.append("CHIRP read %d memories, expected %d: %r" % (len(filled), count, filled))
    return faults


def main():
    generic_csv = load_driver()
    if generic_csv is None:
        print("SKIP: CHIRP's CSV driver (Debian package chirp) is not installed")
        return 77
    with tempfile.TemporaryDirectory() as directory:
        run_gtest(sys.argv[1], "WritesTheExportAndWhatChirpMustRead", directory)
        radio = generic_csv.CSVRadio(os.path.join(directory, "export.csv"))
        faults = compare(radio, directory)
        if faults:
            print("FAIL:\n" + "\n".join(faults))
            return 1
        radio.save(os.path.join(directory, "chirp.csv"))
        run_gtest(sys.argv[1], "ReadsTheFileChirpWroteBack", directory)
    print("PASS: CHIRP read the export, and the import read what CHIRP wrote")
    return 0


if __name__ == "__main__":
    sys.exit(main())
