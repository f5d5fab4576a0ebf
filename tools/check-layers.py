#!/usr/bin/env python3
"""Checks the program's rooms against their floors.

A room includes only rooms on floors below its own (and itself); two rooms on one floor never
include each other. A core (a room's core/ folder) includes no Windows header and no shell
header but a table of control IDs (a *Ids.h of named numbers, itself free of system headers). Prints one line per fault and exits 1
when there is any.

    tools/check-layers.py [source root]
"""
import os
import re
import sys

# The floors, lowest first. A new room is added here, on the floor its includes allow.
FLOORS = [
    ["base", "resources"],       # plumbing every room uses; knows no feature
    ["document", "sound"],       # the scene model and its file formats; the signs' sounds
    ["display"],                 # the signs on the Form: rolls, LED frames, painting
    ["panel"],                   # the setter keypad: what a sign is asked to do
    ["scene"],                   # scenes read, written and applied to the windows
    ["info", "clip", "maker", "pack"],   # feature rooms
    ["settings"],                # the settings dialog, which opens the maker and the help
    ["app"],                     # start-up, the menu, wiring the rooms
]
FLOOR_OF = {room: level for level, rooms in enumerate(FLOORS) for room in rooms}

SOURCE_ENDINGS = (".cpp", ".h", ".hpp", ".c", ".inl")

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')

# The C headers of the standard library; every other <name.h> is a header of the system's. The
# C++ library's headers have no ending.
C_HEADERS = {
    "assert.h", "ctype.h", "errno.h", "float.h", "inttypes.h", "limits.h", "math.h", "stdarg.h",
    "stddef.h", "stdint.h", "stdio.h", "stdlib.h", "string.h", "wchar.h",
}


def IsSystemHeader(header):
    return header.endswith(".h") and header not in C_HEADERS


# Portable libraries kept in third_party/ (with their licences), which a core may use: they
# include no Windows header themselves.
KEPT_LIBRARY_HEADERS = ("minizip/", "zlib.h", "zconf.h")


def IsKeptLibraryHeader(header):
    return header.startswith(KEPT_LIBRARY_HEADERS)


def IsConstantsHeader(header):
    """A shell room's table of control IDs: named numbers, nothing of the system's."""
    return header.endswith("Ids.h")


def SourceFiles(root):
    for room in sorted(FLOOR_OF):
        for folder, _, names in os.walk(os.path.join(root, room)):
            for name in sorted(names):
                if name.endswith(SOURCE_ENDINGS):
                    yield room, os.path.join(folder, name)


def Faults(root):
    for room, path in SourceFiles(root):
        shown = os.path.relpath(path, root)
        in_core = "/core/" in shown.replace(os.sep, "/")
        with open(path, encoding="utf-8-sig", errors="replace") as source:
            for number, line in enumerate(source, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                kind, header = match.groups()
                header = header.replace("\\", "/")
                where = f"{shown}:{number}"
                target = header.split("/")[0]
                # The source root is on the include path, so <room/X.h> is a room's header too.
                if kind == "<" and IsKeptLibraryHeader(header):
                    continue
                if "/" not in header or target not in FLOOR_OF:
                    beside = os.path.exists(os.path.join(os.path.dirname(path), header))
                    system = kind == "<" or not beside
                    if system and (in_core or IsConstantsHeader(shown)) and IsSystemHeader(header):
                        yield f"{where}: a core or an ID table includes the system header <{header}>"
                    elif kind == '"' and "/" in header and not beside:
                        yield f"{where}: \"{header}\" is in no room of the floor table"
                    continue
                if IsConstantsHeader(shown) and not IsConstantsHeader(header):
                    yield f"{where}: an ID table includes \"{header}\", which is no ID table"
                if in_core and "/core/" not in header and not IsConstantsHeader(header):
                    yield f"{where}: a core includes the shell header \"{header}\""
                if target == room:
                    continue
                if FLOOR_OF[target] >= FLOOR_OF[room]:
                    relation = "on its own floor" if FLOOR_OF[target] == FLOOR_OF[room] else "above it"
                    yield (f"{where}: {room}/ (floor {FLOOR_OF[room]}) includes \"{header}\" of "
                           f"{target}/, a room {relation} (floor {FLOOR_OF[target]})")
    for folder in sorted(os.listdir(root)):
        if os.path.isdir(os.path.join(root, folder)) and folder not in FLOOR_OF and HasSources(root, folder):
            yield f"{folder}/: a room with sources that the floor table does not name"


def HasSources(root, folder):
    if folder in ("tests", "build", "tools", "third_party") or folder.startswith("."):
        return False
    for _, _, names in os.walk(os.path.join(root, folder)):
        if any(name.endswith(SOURCE_ENDINGS) for name in names):
            return True
    return False


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    faults = list(Faults(os.path.abspath(root)))
    for fault in faults:
        print(fault)
    if faults:
        print(f"layers: {len(faults)} include(s) against the floors (tools/check-layers.py)")
        return 1
    print("layers: every room includes only the floors below it; cores include no Windows header")
    return 0


if __name__ == "__main__":
    sys.exit(main())
