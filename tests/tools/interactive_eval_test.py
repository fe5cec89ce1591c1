#!/usr/bin/env python3
"""abacon-eval driven as another program drives it, through pipes both ways: one line is
written, and its answer must come back before the next line is written.
Usage: interactive_eval_test.py PROGRAM [EMULATOR ...]"""
import os
import select
import subprocess
import sys
import time

SECONDS = 60  # generous: the first answer under Wine includes starting the program


def answer(process):
    deadline = time.monotonic() + SECONDS
    data = b""
    while not data.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([process.stdout], [], [], left)[0]:
            sys.exit(f"FAIL: no answer line within {SECONDS} s, only {data!r}")
        byte = os.read(process.stdout.fileno(), 1)
        if not byte:
            sys.exit(f"FAIL: the output ended after {data!r}")
        data += byte
    return data.decode().rstrip("\r\n")


process = subprocess.Popen(sys.argv[2:] + [sys.argv[1], "--integer"],
                           stdin=subprocess.PIPE, stdout=subprocess.PIPE)
for line, expected in (("1+2", "3"), ("7/2", "3"), ("2^10", "1024")):
    process.stdin.write(line.encode() + b"\n")
    process.stdin.flush()
    got = answer(process)
    if got != expected:
        sys.exit(f"FAIL: {line} gave {got!r}, expected {expected!r}")
process.stdin.close()
code = process.wait(SECONDS)
if code != 0:
    sys.exit(f"FAIL: exit code {code}")
print("ok: three lines answered one at a time")
