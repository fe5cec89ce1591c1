#!/usr/bin/env python3
"""Packs the release: a zip of the given files in the given order, and SHA256SUMS beside it,
one line for each package of the same version in that folder (the 32-bit and the 64-bit
build write theirs into one). Every entry gets the same time and mode and no extra fields,
so the same files give the same bytes whoever builds them, wherever and whenever."""
import glob
import hashlib
import os
import sys
import zipfile

# The zip format's earliest date: an entry carries no build time.
ENTRY_TIME = (1980, 1, 1, 0, 0, 0)


def main():
    package, files = sys.argv[1], sys.argv[2:]
    os.makedirs(os.path.dirname(package), exist_ok=True)
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
    folder = os.path.dirname(package)
    # Abacon-<version>-win32.zip and its siblings of the same version: Abacon-<version>-*.zip.
    siblings = os.path.basename(package).rsplit("-", 1)[0] + "-*.zip"
    lines = []
    for path in sorted(glob.glob(os.path.join(folder, siblings))):
        with open(path, "rb") as f:
            lines.append(f"{hashlib.sha256(f.read()).hexdigest()}  {os.path.basename(path)}\n")
    sums = os.path.join(folder, "SHA256SUMS")
    with open(sums + ".partial", "w", newline="\n") as f:
        f.writelines(lines)
    os.replace(sums + ".partial", sums)

if __name__ == "__main__":
    main()
