#!/usr/bin/env python3
"""Adding and removing entries over the camera corpus, checked by other readers.

For each camera JPEG (a copy): add Artist, Copyright and OffsetTimeOriginal with `set`, then
remove the GPS position with `delete`. exiftool must read every new value and every maker-note
entry it read before with the same value, and report no new warning (a time-zone tag in a file
older than Exif 2.31 is expected to be reported); jhead and exiv2 must read the file and exiv2
the new values; the bytes after the Exif segment must be the same; undo must give back the
original file.

Usage: entry_changes.py BREVINO_CLI CORPUS
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

ARTIST = "Brevino テスト"
COPYRIGHT = "(c) 2026 Brevino"
OFFSET = "+09:00"
EXPECTED_WARNING = "requires ExifVersion 0231"


def run(*command, env=None):
    return subprocess.run(command, capture_output=True, text=True, env=env)


def after_app1(data):
    """The bytes after the Exif APP1 segment (after the first segments when there is none)."""
    at = 2
    while at + 4 <= len(data) and data[at] == 0xFF:
        marker = data[at + 1]
        length = data[at + 2] << 8 | data[at + 3]
        if marker == 0xE1 and data[at + 4:at + 8] == b"Exif":
            return data[at + 2 + length:]
        if marker == 0xDA:
            break
        at += 2 + length
    return None


def exiftool_tags(path):
    out = run("exiftool", "-j", "-a", "-G1", "-n", path).stdout
    return json.loads(out)[0] if out.strip() else {}


def warnings(path):
    out = run("exiftool", "-validate", "-warning", "-a", path).stdout
    return {line.split(":", 1)[1].strip() for line in out.splitlines()
            if line.startswith("Warning")}


def maker_notes(tags):
    return {k: v for k, v in tags.items() if k.startswith("MakerNotes") or k.startswith("Pentax")
            or k.startswith("Canon") or k.startswith("Nikon") or k.startswith("Sony")
            or k.startswith("Olympus") or k.startswith("Panasonic") or k.startswith("FujiFilm")}


def check(cli, original, work):
    name = os.path.basename(original)
    path = os.path.join(work, name)
    shutil.copyfile(original, path)
    os.chmod(path, 0o644)
    env = dict(os.environ, HOME=os.path.join(work, "home"))
    before_bytes = open(path, "rb").read()
    before_tags = exiftool_tags(path)
    before_warnings = warnings(path)

    done = run(cli, "set", "--truncate", path, f"Artist={ARTIST}", f"Copyright={COPYRIGHT}",
               f"exif:OffsetTimeOriginal={OFFSET}", env=env)
    if done.returncode != 0:
        return [f"set failed: {done.stderr.strip()}"]
    done = run(cli, "delete", path, "gps", env=env)
    if done.returncode != 0:
        return [f"delete failed: {done.stderr.strip()}"]

    problems = []
    after_tags = exiftool_tags(path)
    for key, wanted in (("IFD0:Artist", ARTIST), ("IFD0:Copyright", COPYRIGHT),
                        ("ExifIFD:OffsetTimeOriginal", OFFSET)):
        got = str(after_tags.get(key, ""))
        # A value the file already had a shorter field for is cut to it (a field of one byte
        # holds nothing but its zero).
        had = key in before_tags
        if key not in after_tags or not wanted.startswith(got) or (not had and got != wanted):
            problems.append(f"{key} reads {got!r}")
    if any(k.startswith("GPS:") for k in after_tags):
        problems.append("a GPS entry is still read")
    old_notes, new_notes = maker_notes(before_tags), maker_notes(after_tags)
    for key, value in old_notes.items():
        if new_notes.get(key) != value:
            problems.append(f"maker note {key}: {value!r} became {new_notes.get(key)!r}")
    new_warnings = {w for w in warnings(path) - before_warnings if EXPECTED_WARNING not in w}
    problems += [f"new warning: {w}" for w in sorted(new_warnings)]
    if run("jhead", path).returncode != 0:
        problems.append("jhead does not read it")
    exiv2 = run("exiv2", "-pa", "-K", "Exif.Image.Artist", "-K", "Exif.Image.Copyright", path)
    if exiv2.returncode != 0 or "Exif.Image.Copyright" not in exiv2.stdout:
        problems.append(f"exiv2 does not read the new values: {exiv2.stderr.strip()[:200]}")
    after_bytes = open(path, "rb").read()
    if after_app1(before_bytes) is not None and after_app1(after_bytes) != after_app1(before_bytes):
        problems.append("bytes after the Exif segment changed")

    for _ in range(2):
        run(cli, "undo", env=env)
    if open(path, "rb").read() != before_bytes:
        problems.append("undo did not give back the original file")
    return problems


def main():
    cli, corpus = sys.argv[1], sys.argv[2]
    for tool in ("exiftool", "jhead", "exiv2"):
        if shutil.which(tool) is None:
            print(f"entry changes check skipped: {tool} is missing")
            return 0
    files = sorted(os.path.join(corpus, f) for f in os.listdir(corpus)
                   if f.lower().endswith((".jpg", ".jpeg")))
    failed = 0
    with tempfile.TemporaryDirectory() as root:
        for index, original in enumerate(files):
            work = os.path.join(root, str(index))
            os.makedirs(work)
            problems = check(cli, original, work)
            if problems:
                failed += 1
                print(f"{os.path.basename(original)}:")
                for problem in problems:
                    print(f"  {problem}")
    print(f"entry changes: {len(files) - failed} of {len(files)} files as they should be")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
