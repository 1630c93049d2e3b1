#!/usr/bin/env python3
"""write-package-zip.py FOLDER ZIP SUMS SOURCE

Writes the package ZIP from FOLDER, the package's top folder as CPack staged
it, and SUMS, a SHA256SUMS file for it (`sha256sum -c SUMS` checks it beside
the ZIP).  The same files give the same ZIP, byte for byte, on every machine
with the same Python and zlib:

  - the entries in one order: by name, each folder before what it holds;
  - fixed permissions, from the executable bit alone: 755 for programs and
    folders, 644 for the rest, whoever built it with whatever umask;
  - every entry dated at the last commit's time (UTC), or SOURCE_DATE_EPOCH
    when it is set: not the build's clock;
  - no extra fields (no owner, no access times), deflated at level 9.

The top folder has no entry of its own, as in CPack's ZIPs; the folders
within it do.
"""
import hashlib
import os
import stat
import subprocess
import sys
import time
import zipfile


def source_date_epoch(source):
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if epoch:
        return int(epoch)
    try:
        said = subprocess.run(["git", "-C", source, "log", "-1", "--format=%ct"],
                              capture_output=True, text=True, check=True).stdout
        return int(said.strip())
    except (OSError, subprocess.CalledProcessError, ValueError):
        sys.exit(f"write-package-zip: no commit time in {source}: "
                 "build from a git clone, or set SOURCE_DATE_EPOCH")


def entries(folder):
    """(name in the ZIP, path, is a folder), in the ZIP's order."""
    top = os.path.basename(folder)
    found = []
    for path, folders, files in os.walk(folder):
        relative = os.path.relpath(path, folder)
        prefix = top if relative == "." else f"{top}/{relative.replace(os.sep, '/')}"
        if relative != ".":
            found.append((prefix + "/", path, True))
        found += [(f"{prefix}/{name}", os.path.join(path, name), False) for name in files]
    return sorted(found, key=lambda entry: entry[0].encode())


def write_zip(folder, zip_path, epoch):
    # A ZIP's dates start in 1980 and carry no time zone: the commit's UTC time.
    when = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(zip_path, "w") as archive:
        for name, path, is_folder in entries(folder):
            info = zipfile.ZipInfo(name, date_time=when)
            info.create_system = 3  # Unix, whose permissions the next line gives
            if is_folder:
                info.external_attr = (stat.S_IFDIR | 0o755) << 16 | 0x10
                archive.writestr(info, b"", compress_type=zipfile.ZIP_STORED)
                continue
            executable = os.stat(path).st_mode & stat.S_IXUSR
            info.external_attr = (stat.S_IFREG | (0o755 if executable else 0o644)) << 16
            with open(path, "rb") as file:
                archive.writestr(info, file.read(), compress_type=zipfile.ZIP_DEFLATED,
                                 compresslevel=9)


def main():
    folder, zip_path, sums_path, source = sys.argv[1:5]
    write_zip(folder.rstrip("/"), zip_path, source_date_epoch(source))
    with open(zip_path, "rb") as file:
        digest = hashlib.sha256(file.read()).hexdigest()
    with open(sums_path, "w", encoding="ascii", newline="\n") as sums:
        sums.write(f"{digest}  {os.path.basename(zip_path)}\n")


if __name__ == "__main__":
    main()
