#!/usr/bin/env python3
"""tools/wine-kind, which decides the Wine loader and prefix of every Windows program the
tests run, names the kind of a program from its PE header and refuses other files.
Usage: wine_kind_test.py TOOLS_FOLDER"""
import os
import struct
import subprocess
import sys
import tempfile


def pe_file(machine, signature=b"PE\0\0", offset=0x80):
    header = bytearray(offset + 24)
    header[0:2] = b"MZ"
    struct.pack_into("<I", header, 0x3C, offset)
    header[offset:offset + 4] = signature
    struct.pack_into("<H", header, offset + 4, machine)
    return bytes(header)


CASES = [  # file contents, what wine-kind prints (None: it fails)
    (pe_file(0x014C), "win32"),
    (pe_file(0x8664), "win64"),
    (pe_file(0x8664, offset=0x100), "win64"),
    (pe_file(0xAA64), None),  # ARM64: no loader here
    (pe_file(0x014C, signature=b"NE\0\0"), None),
    (b"#!/bin/sh\necho not a program\n", None),
    (b"", None),
]

failures = 0
with tempfile.TemporaryDirectory() as folder:
    for number, (contents, expected) in enumerate(CASES):
        path = os.path.join(folder, f"program{number}.exe")
        with open(path, "wb") as f:
            f.write(contents)
        done = subprocess.run([os.path.join(sys.argv[1], "wine-kind"), path],
                              capture_output=True, text=True)
        got = done.stdout.strip() if done.returncode == 0 else None
        if got != expected or (got is None and done.stdout):
            print(f"FAIL: case {number}: {got!r} (exit {done.returncode}), expected {expected!r}")
            failures += 1
print(f"{len(CASES) - failures} of {len(CASES)} cases passed")
sys.exit(1 if failures else 0)
