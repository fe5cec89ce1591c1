#!/usr/bin/env python3
"""Packs the release: a zip of the given files in the given order, and SHA256SUMS beside it.
Every entry gets the same time and mode and no extra fields, so the same files give the same
bytes whoever builds them, wherever and whenever."""
import hashlib
import os
import sys
import zipfile

# The zip format's earliest date: an entry carries no build time.
ENTRY_TIME = (1980, 1, 1, 0, 0, 0)


def main():
    package, files = sys.argv[1], sys.argv[2:]
    partial = package + ".partial"
    with zipfile.ZipFile(partial, "w") as archive:
        for path in files:
            entry = zipfile.ZipInfo(os.path.basename(path), ENTRY_TIME)
            entry.create_system = 3  # Unix, whose mode bits follow
            entry.external_attr = 0o100644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as f:
                archive.writestr(entry, f.read(), compresslevel=9)
    os.replace(partial, package)
    with open(package, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    with open(os.path.join(os.path.dirname(package), "SHA256SUMS"), "w", newline="\n") as f:
        f.write(f"{digest}  {os.path.basename(package)}\n")


if __name__ == "__main__":
    main()
