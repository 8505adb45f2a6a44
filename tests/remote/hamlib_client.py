#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Hamlib's own Python binding (NET rigctl, model 2) as a client of a rigctld
protocol server at 127.0.0.1:PORT. Runs the named steps in order, each a few
calls, and prints one FAIL line for every call that raised, reported an error
or returned something else than the radio should; exits 1 when any failed.

  hamlib_client.py PORT tune:HZ | key | unkey | reads
"""
import sys
import time

import Hamlib

# How long a rigctld in between answers reads from its memory of the last set.
CACHE_SECONDS = 1.0

failures = 0


def fail(message):
    global failures
    failures += 1
    print(f"FAIL: {message}")


def call(rig, what, function, *args, status=Hamlib.RIG_OK):
    """One call of the binding; it must not raise and must set status."""
    try:
        result = function(*args)
    except Exception as error:  # the binding raises on a reply it cannot parse
        fail(f"{what} raised {error!r}")
        return None
    if rig.error_status != status:
        fail(f"{what}: status {rig.error_status}, expected {status}")
    return result


def expect(what, got, wanted):
    if got != wanted:
        fail(f"{what} gave {got!r}, expected {wanted!r}")


def reads(rig):
    """Everything a logging or data-mode program reads and sets besides tuning."""
    vfo = Hamlib.RIG_VFO_CURR
    expect("get_mode", call(rig, "get_mode", rig.get_mode), [Hamlib.RIG_MODE_FM, 15000])
    call(rig, "set_mode FM", rig.set_mode, Hamlib.RIG_MODE_FM)
    call(rig, "set_mode FM 12500", rig.set_mode, Hamlib.RIG_MODE_FM, 12500)
    call(rig, "set_mode FMN", rig.set_mode, Hamlib.RIG_MODE_FMN)
    call(rig, "set_mode USB", rig.set_mode, Hamlib.RIG_MODE_USB, status=-Hamlib.RIG_EINVAL)
    time.sleep(CACHE_SECONDS)  # a chained rigctld answers from its memory until then
    expect("get_mode after USB", call(rig, "get_mode", rig.get_mode), [Hamlib.RIG_MODE_FM, 15000])
    expect("get_dcd", call(rig, "get_dcd", rig.get_dcd, vfo), Hamlib.RIG_DCD_OFF)
    expect("get_ptt", call(rig, "get_ptt", rig.get_ptt, vfo), Hamlib.RIG_PTT_OFF)
    expect("get_powerstat", call(rig, "get_powerstat", rig.get_powerstat), Hamlib.RIG_POWER_ON)
    call(rig, "set_powerstat on", rig.set_powerstat, Hamlib.RIG_POWER_ON)
    info = call(rig, "get_info", rig.get_info) or ""
    if not info.startswith("VOLNA144 "):
        fail(f"get_info gave {info!r}")
    expect("get_rptr_shift", call(rig, "get_rptr_shift", rig.get_rptr_shift, vfo),
           Hamlib.RIG_RPT_SHIFT_MINUS)
    expect("get_rptr_offs", call(rig, "get_rptr_offs", rig.get_rptr_offs, vfo), 600000)
    expect("get_vfo", call(rig, "get_vfo", rig.get_vfo), Hamlib.RIG_VFO_A)


def step(rig, name):
    vfo = Hamlib.RIG_VFO_CURR
    if name.startswith("tune:"):
        hz = int(name[5:])
        call(rig, f"set_freq {hz}", rig.set_freq, vfo, hz)
        expect("get_freq", call(rig, "get_freq", rig.get_freq, vfo), float(hz))
    elif name in ("key", "unkey"):
        ptt = Hamlib.RIG_PTT_ON if name == "key" else Hamlib.RIG_PTT_OFF
        call(rig, name, rig.set_ptt, vfo, ptt)
        expect(f"get_ptt after {name}", call(rig, "get_ptt", rig.get_ptt, vfo), ptt)
    elif name == "reads":
        reads(rig)
    elif name == "heard":  # a signal of the simulated band on the tuned frequency
        expect("get_dcd", call(rig, "get_dcd", rig.get_dcd, vfo), Hamlib.RIG_DCD_ON)
    else:
        fail(f"unknown step {name}")


def main():
    Hamlib.rig_set_debug(Hamlib.RIG_DEBUG_NONE)
    rig = Hamlib.Rig(Hamlib.RIG_MODEL_NETRIGCTL)
    rig.set_conf("rig_pathname", "127.0.0.1:" + sys.argv[1])
    # Every read asks the radio, not Hamlib's memory of what was last set.
    Hamlib.rig_set_cache_timeout_ms(rig.rig, Hamlib.HAMLIB_CACHE_ALL, 0)
    call(rig, "open", rig.open)
    for name in sys.argv[2:]:
        step(rig, name)
    call(rig, "close", rig.close)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
