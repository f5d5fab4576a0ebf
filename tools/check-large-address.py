#!/usr/bin/env python3
"""Checks that 32-bit Windows programs are large-address-aware: under 64-bit Windows such a
program gets 4 GB of address space instead of 2 GB. Reads the COFF header of each exe named.

    tools/check-large-address.py build/win/Rolva.exe
"""
import struct
import sys

IMAGE_FILE_MACHINE_I386 = 0x014C
IMAGE_FILE_LARGE_ADDRESS_AWARE = 0x0020


def coff_header(data):
    """(machine, characteristics) of a PE image, or raises ValueError."""
    if len(data) < 0x40 or data[:2] != b"MZ":
        raise ValueError("no MZ header")
    (pe,) = struct.unpack_from("<I", data, 0x3C)
    if pe + 24 > len(data) or data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("no PE signature")
    machine, _sections, _stamp, _symbols, _count, _optional, characteristics = struct.unpack_from(
        "<HHIIIHH", data, pe + 4)
    return machine, characteristics


def check(path):
    try:
        with open(path, "rb") as f:
            machine, characteristics = coff_header(f.read())
    except (OSError, ValueError) as e:
        return "%s: %s" % (path, e)
    if machine != IMAGE_FILE_MACHINE_I386:
        return "%s: not a 32-bit x86 program (machine 0x%04x)" % (path, machine)
    if not characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE:
        return "%s: not large-address-aware (characteristics 0x%04x)" % (path, characteristics)
    return None


def main(paths):
    if not paths:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    faults = [fault for fault in map(check, paths) if fault]
    for fault in faults:
        print(fault, file=sys.stderr)
    if not faults:
        print("large-address-aware: " + " ".join(paths))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
