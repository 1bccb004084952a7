#!/usr/bin/env python3
"""Editing a value in place in each container other than JPEG, checked by exiftool.

For one file of each container in the corpus's formats folder (a copy): set one editable
text of the 0th or Exif IFD with `set` to a new text of the same length. Only that value's
bytes may change (and, in a PNG, the CRC of the eXIf chunk, which must still be right);
exiftool must read the new text and report no warning it did not report before; undo must
give back the original file byte for byte. The journal lives in a private HOME.

Usage: container_edits.py BREVINO_CLI CORPUS
Exit status: 0 all as they should be (or nothing to check), 1 problems found.
"""
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

# One file per container: the first of these that the corpus holds.
FILES = {
    "HEIC": ("IMG_5195.HEIC", "iphone_15_pro.heic", "exif-rs.heic"),
    "AVIF": ("avif_exif_xmp.avif",),
    "CR3": ("Canon-R6-pruned.CR3",),
    "DNG": ("canon_eos_6d.dng",),
    "TIFF": ("exif-rs.tif", "Arbitro.tiff"),
    "WebP": ("HTC_Desire.webp", "exif-rs.webp"),
    "PNG": ("exif-rs.png", "1343_exif.png"),
    "JPEG XL": ("Reagan.jxl",),
}
GROUPS = {"0th": "IFD0", "exif": "ExifIFD"}


def run(*command, env=None):
    return subprocess.run(command, capture_output=True, env=env)


def shown(cli, path, env):
    out = run(cli, "show", "--json", path, env=env).stdout.decode("utf-8", "replace")
    return json.loads(out.splitlines()[0]) if out.strip() else {}


def exiftool_tags(path):
    out = run("exiftool", "-j", "-a", "-G1", "-n", path).stdout.decode("utf-8", "replace")
    return json.loads(out)[0] if out.strip() else {}


def warnings(path):
    out = run("exiftool", "-validate", "-warning", "-a", path).stdout.decode("utf-8", "replace")
    return {line.split(":", 1)[1].strip() for line in out.splitlines()
            if line.startswith("Warning")}


# Texts edited first when the file has them: the Make would change how the maker note is read.
PREFERRED = ("ImageDescription", "Software", "Artist", "Model")


def pick_row(doc):
    """An editable text of the 0th or Exif IFD, ASCII, of a few letters at least."""
    rows = [r for r in doc.get("rows", [])
            if not r["heading"] and r.get("editable") and r["type"] == "2" and r["ifd"] in GROUPS
            and r.get("name") and len(r["content"].rstrip(" ")) >= 3
            and all(32 <= ord(c) < 127 for c in r["content"])]
    rows.sort(key=lambda r: PREFERRED.index(r["name"]) if r["name"] in PREFERRED else 99)
    return rows[0] if rows else None


def new_text(old):
    text = ("Brevino edit " * (len(old) // 13 + 1))[:len(old)]
    text = text[:-1] + "!" if text.endswith(" ") else text  # (a trailing space is not shown)
    return text if text != old else text.swapcase()


def png_crc_range(data):
    """The bytes of the eXIf chunk's CRC, and whether the CRC is right."""
    at = 8
    while at + 12 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        end = at + 8 + length
        if kind == b"eXIf":
            right = zlib.crc32(data[at + 4:end]) == struct.unpack(">I", data[end:end + 4])[0]
            return range(end, end + 4), right
        at = end + 4
    return range(0), False


def check(cli, original, container, work):
    path = os.path.join(work, os.path.basename(original))
    shutil.copyfile(original, path)
    os.chmod(path, 0o644)
    env = dict(os.environ, HOME=os.path.join(work, "home"),
               XDG_STATE_HOME=os.path.join(work, "state"))
    before = open(path, "rb").read()
    row = pick_row(shown(cli, path, env))
    if row is None:
        # (a JPEG XL may keep its Exif compressed, which is not edited in place)
        return None, [] if container == "JPEG XL" else ["no editable text of the 0th or Exif IFD"]
    old = row["content"]
    value = new_text(old)
    key = f"{GROUPS[row['ifd']]}:{row['name']}"
    what = f"{key} {old!r} -> {value!r}"
    before_warnings = warnings(path)
    done = run(cli, "set", path, f"{row['ifd']}:{row['name']}={value}", env=env)
    if done.returncode != 0:
        return what, [f"set failed: {done.stderr.decode(errors='replace').strip()}"]

    problems = []
    after = open(path, "rb").read()
    start = int(row["offset"], 16)
    allowed = set(range(start, start + int(row["count"])))
    if container == "PNG":
        crc, right = png_crc_range(after)
        allowed |= set(crc)
        if not right:
            problems.append("the eXIf chunk's CRC is wrong")
    if len(after) != len(before):
        problems.append(f"the size changed from {len(before)} to {len(after)}")
    else:
        outside = [i for i in range(len(after)) if after[i] != before[i] and i not in allowed]
        if outside:
            problems.append(f"{len(outside)} bytes changed outside the value, the first at "
                            f"0x{outside[0]:X}")
    got = str(exiftool_tags(path).get(key, ""))
    if got.rstrip(" ") != value.rstrip(" "):
        problems.append(f"exiftool reads {key} as {got!r}")
    problems += [f"new warning: {w}" for w in sorted(warnings(path) - before_warnings)]
    undone = run(cli, "undo", env=env)
    if undone.returncode != 0:
        problems.append(f"undo failed: {undone.stderr.decode(errors='replace').strip()}")
    if open(path, "rb").read() != before:
        problems.append("undo did not give back the original file")
    return what, problems


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    cli, corpus = sys.argv[1], os.path.join(sys.argv[2], "formats")
    if not os.path.isdir(corpus):
        print(f"container edits check skipped: no folder {corpus}")
        return 0
    if shutil.which("exiftool") is None:
        print("container edits check skipped: exiftool is missing")
        return 0
    checked = failed = skipped = 0
    with tempfile.TemporaryDirectory() as root:
        for index, (container, names) in enumerate(FILES.items()):
            found = [n for n in names if os.path.isfile(os.path.join(corpus, n))]
            if not found:
                continue
            work = os.path.join(root, str(index))
            os.makedirs(work)
            what, problems = check(cli, os.path.join(corpus, found[0]), container, work)
            if what is None and not problems:
                skipped += 1
                continue
            checked += 1
            if problems:
                failed += 1
                print(f"{container} ({found[0]}, {what or 'nothing edited'}):")
                for problem in problems:
                    print(f"  {problem}")
    print(f"container edits: {checked - failed} of {checked} containers as they should be"
          + (f" ({skipped} with no value edited in place, skipped)" if skipped else ""))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
