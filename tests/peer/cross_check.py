#!/usr/bin/env python3
"""Cross-check brevino-cli against exiftool over the real-camera corpus, and over the files
of other containers (HEIF, AVIF, CR3, DNG, TIFF, WebP, PNG, JPEG XL) it holds.

For every Exif entry of the five standard IFDs that exiftool reports, the row
that brevino-cli shows must exist, name the same value position and hold the
same value.  exiftool's verbose dump (-v3) gives, per entry, the IFD, tag
number, on-disk format, count and a hex dump of the value.  The dump's
addresses count from byte 0 of the file: a value at offset T from the TIFF
header is dumped at T + the header's file position (0x1E when the Exif APP1
segment follows a JFIF APP0), and a value of 4 bytes or fewer at its entry's
own value field.  In the other containers exiftool dumps each TIFF structure (an
Exif item, chunk or box, each CMT box of a CR3, a whole TIFF file) from byte 0 of
the file or, for some (PNG, WebP, JPEG XL), from the structure's TIFF header, whose
file position the container's raw dump shows.  The script checks this for every
entry: the dumped bytes must equal the file's bytes at that address, counted the one
way or the other, or it stops with exit status 2.  The figures are also given per
container.

The maker notes of the makers whose notes brevino-cli decodes (Canon, Nikon, Fujifilm,
Olympus and OM System, Panasonic, Apple) are compared the same way: every entry of the
note's IFDs that exiftool reads (sub-IFDs included) must be a row at the same file offset
with the same type, count and value; every named field of an array (the fields exiftool
reads from a binary block, such as Canon's camera settings) that brevino-cli shows must lie
where exiftool reads it and hold the same number; and every maker-note row with a note must
say what exiftool's printed value says (a second run with -MakerNotes:all gives those).

Usage: cross_check.py BREVINO_CLI [CORPUS]
CORPUS defaults to $BREVINO_CORPUS, then ../shared/corpus beside the repository.
Exit status: 0 all agree (or corpus absent), 1 problems found, 2 the check broke.
"""
import json, os, re, shutil, struct, subprocess, sys
from collections import defaultdict

IFD_NAMES = {"IFD0": "0th", "ExifIFD": "exif", "GPS": "gps", "InteropIFD": "interop", "IFD1": "1st",
             # the sub-images of a TIFF or DNG, in the order the 0th IFD points to them
             "SubIFD": "subifd", **{f"SubIFD{n}": "subifd" for n in range(1, 10)}}
FORMATS = {"int8u": 1, "string": 2, "int16u": 3, "int32u": 4, "rational64u": 5, "int8s": 6,
           "undef": 7, "int16s": 8, "int32s": 9, "rational64s": 10, "float": 11, "double": 12,
           "ifd": 13}
SIZES = {1: 1, 2: 1, 3: 2, 4: 4, 5: 8, 6: 1, 7: 1, 8: 2, 9: 4, 10: 8, 11: 4, 12: 8, 13: 4}
# struct codes of the integer and rational types, whose values compare exactly
NUMERIC = {1: "B", 3: "H", 4: "I", 5: "II", 6: "b", 8: "h", 9: "i", 10: "ii", 13: "I"}
LIMIT = 50  # problems listed per kind
KNOWN_TYPES = {str(t) for t in SIZES}  # the types whose values brevino-cli reads

HEADER = re.compile(r"^======== (.*)$")
BARS = r"^  ((?:\| )*)"  # nesting depth of exiftool's tree = number of "| "
DIRECTORY = re.compile(BARS + r"\+ \[(\w+) directory")
ENTRY = re.compile(BARS + r"(\d+)\)\s")
TAG = re.compile(BARS + r"\s*- Tag 0x([0-9a-f]{4}) \((\d+) bytes(?:, (\w+)(?:\[(\d+)\])?)?")
HEXLINE = re.compile(r"^  (?:\| )*\s*([0-9a-f]{4,8}): ((?:[0-9a-f]{2} )+)")
WARNING = re.compile(r"^[ |]*(Warning|Error) = (.*)$")


CONTAINERS = {".jpg": "JPEG", ".jpeg": "JPEG", ".heic": "HEIF", ".heif": "HEIF", ".avif": "AVIF",
              ".cr3": "CR3", ".dng": "DNG", ".tif": "TIFF", ".tiff": "TIFF", ".webp": "WebP",
              ".png": "PNG", ".jxl": "JPEG XL"}
TIFF_TREE = re.compile(r"^  ((?:\| )*)\+ \[TIFF directory\]")
TIFF_HEADERS = (b"II*\0", b"MM\0*")


def container(path):
    return CONTAINERS.get(os.path.splitext(path)[1].lower())


def exif_blocks(text, files):
    """The Exif structures exiftool reads in each file, as blocks of its dump: for a JPEG the
    first Exif APP1 segment; for the other containers every TIFF structure (one per Exif item or
    chunk, one per CMT box of a CR3, the file itself for TIFF and DNG). A block's lines have the
    tree's outer nesting taken off, so that its IFDs stand at depth 0 as in a JPEG's dump.
    header is the file position of the block's TIFF header as the container's raw dump shows it:
    exiftool dumps the values of some containers (PNG, WebP, JPEG XL) from there, not from
    byte 0."""
    blocks = defaultdict(list)
    current = files[0] if len(files) == 1 else None  # one file: no header line
    jpeg = current is not None and container(current) == "JPEG"
    in_app1, block, root, run = False, None, 0, None
    for line in text.splitlines():
        if m := HEADER.match(line):
            current, in_app1, block, run = m.group(1), False, None, None
            jpeg = container(current) == "JPEG"
            continue
        if jpeg:
            if not line.startswith(" "):  # a new segment of the JPEG
                in_app1, block = line.startswith("JPEG APP1 ") and not blocks[current], None
                continue
            if in_app1 and block is None and line.startswith("  ExifByteOrder = "):
                block = dict(lines=[], header=None)
                blocks[current].append(block)
            if block is not None:
                block["lines"].append(line)
            continue
        if block is not None:
            prefix = "  " + "| " * root
            if line.startswith(prefix) and (root or line.startswith("  ")):
                block["lines"].append("  " + line[len(prefix):])
                continue
            block = None
        if m := TIFF_TREE.match(line):
            root = len(m.group(1)) // 2 + 1
            header = None
            if run is not None:
                found = [run[1].find(h) for h in TIFF_HEADERS if h in run[1]]
                header = run[0] + min(found) if found else None
            block = dict(lines=[], header=header)
            blocks[current].append(block)
        elif line.startswith("  ExifByteOrder = "):  # a TIFF file: its tree is the file's
            root, block = 0, dict(lines=[line], header=0)
            blocks[current].append(block)
        elif m := HEXLINE.match(line):
            if run is not None and run[2]:
                run[1] += bytes.fromhex(m.group(2))
            else:
                run = [int(m.group(1), 16), bytes.fromhex(m.group(2)), True]
        elif run is not None:
            run[2] = False  # the run of hex lines has ended
    return blocks


def parse_peer(blocks):
    """Entries of the Exif structures of each file, and the byte order of its first."""
    entries, has_exif = defaultdict(list), {}
    for current, found in blocks.items():
        for number, block in enumerate(found):
            dirs, index, last = [], None, None
            for line in block["lines"]:
                if line.startswith("  ExifByteOrder = "):
                    has_exif.setdefault(current, "<" if line.endswith("II") else ">")
                    continue
                if m := DIRECTORY.match(line):
                    depth = len(m.group(1)) // 2
                    dirs, last = dirs[:depth] + [m.group(2)], None
                elif m := ENTRY.match(line):
                    index, last = int(m.group(2)), None
                elif m := TAG.match(line):
                    path = dirs[:len(m.group(1)) // 2]
                    last = None
                    if path and all(d in IFD_NAMES for d in path) and m.group(4) in FORMATS:
                        fmt, size = FORMATS[m.group(4)], int(m.group(3))
                        count = int(m.group(5)) if m.group(5) else size // SIZES[fmt]
                        last = dict(ifd=IFD_NAMES[path[-1]], index=index, tag=int(m.group(2), 16),
                                    type=fmt, count=count, size=size, offset=None, dump=b"",
                                    block=number)
                        entries[current].append(last)
                elif (m := HEXLINE.match(line)) and last is not None:
                    if last["offset"] is None:
                        last["offset"] = int(m.group(1), 16)
                    last["dump"] += bytes.fromhex(m.group(2))
    return entries, has_exif


def parse_warnings(text, files):
    warnings = defaultdict(list)
    current = files[0] if len(files) == 1 else None
    for line in text.splitlines():
        if m := HEADER.match(line):
            current = m.group(1)
        elif m := WARNING.match(line):
            warnings[current].append(m.group(2))
    return warnings


def rebase(blocks, entries, notes, data):
    """Turns the dumped addresses of each block's entries and maker-note entries into file
    offsets: they count from byte 0 or from the block's TIFF header, whichever every dumped
    value of the block's IFDs is found at (a maker note's dump may show decrypted bytes).
    False when neither fits."""
    for number, block in enumerate(blocks):
        mine = [e for e in entries if e["block"] == number]
        for base in dict.fromkeys((0, block["header"])):
            if base is not None and all(
                    data[e["offset"] + base:e["offset"] + base + len(e["dump"])] == e["dump"]
                    for e in mine if e["dump"]):
                break
        else:
            return False
        for e in mine + [e for e in notes if e["block"] == number]:
            if e["offset"] is not None:
                e["offset"] += base
    return True


def fill_empty_offsets(entries):
    """exiftool dumps nothing for a zero-length value; its position is still the
    entry's own value field, 12 bytes per entry after the IFD's 2-byte count."""
    starts = {}
    for e in entries:
        if e["offset"] is not None and 0 < e["size"] <= 4:
            starts[e["ifd"]] = e["offset"] - 10 - 12 * e["index"]
    for e in entries:
        if e["offset"] is None and e["size"] == 0 and e["ifd"] in starts:
            e["offset"] = starts[e["ifd"]] + 10 + 12 * e["index"]


def expected_value(e, data, order):
    """The value as brevino-cli writes it, or None when it cannot be compared exactly."""
    raw = data[e["offset"]:e["offset"] + e["size"]]
    if e["type"] == 1 and e["ifd"] in ("0th", "1st") and 0x9C9B <= e["tag"] <= 0x9C9F:
        # Windows text: UTF-16LE up to its first zero unit
        return raw[:len(raw) // 2 * 2].decode("utf-16-le", "replace").split("\0")[0].rstrip(" ")
    if e["type"] in (11, 12):  # floating point: the decimal shown must read back the same bits
        return raw[:SIZES[e["type"]] * e["count"]]
    if e["type"] == 2:  # trailing padding spaces are a matter of display, not compared
        text = raw.split(b"\0")[0].rstrip(b" ")
        return text.decode() if all(32 <= b < 127 for b in text) else None
    if e["type"] not in NUMERIC or len(raw) < e["count"] * SIZES[e["type"]]:
        return None
    code = NUMERIC[e["type"]]
    nums = struct.unpack(order + code[0] * (e["count"] * len(code)), raw[:e["count"] * SIZES[e["type"]]])
    if len(code) == 2:
        return " ".join(f"{nums[i]}/{nums[i + 1]}" for i in range(0, len(nums), 2))
    return " ".join(str(n) for n in nums)



SHOWN_LIMIT = 1000  # a list of numbers is shown up to 1023 bytes, its last number perhaps cut


def shown_in_part(got, want):
    """Whether `got` is the beginning of a list of numbers too long to be shown whole."""
    return len(got.encode()) >= SHOWN_LIMIT and want.startswith(got)


def same_floats(got, want, order, fmt):
    """Whether the decimals shown read back the value's bits (those shown, for a long list)."""
    values, size = got.split(), SIZES[fmt]
    if len(got.encode()) >= SHOWN_LIMIT and len(values) * size <= len(want):
        values = values[:-1]
    elif len(values) * size != len(want):
        return False
    try:
        return struct.pack(order + ("f" if fmt == 11 else "d") * len(values),
                           *map(float, values)) == want[:len(values) * size]
    except (ValueError, struct.error):
        return False


# Makers whose notes brevino-cli decodes, by the start of the 0th IFD's Make.
NOTE_MAKERS = ("Canon", "NIKON", "FUJIFILM", "OLYMPUS", "OM Digital", "Panasonic", "Apple")
FIELD_DIRS = ("BinaryData", "SerialData")
# Directories of records inside one maker-note value (Canon's custom functions, in groups),
# which exiftool lists as entries of their own.
RECORD_DIRS = ("CanonCustom2",)
FIELD = re.compile(BARS + r"([A-Za-z][\w-]*) = ")
PRINTED = re.compile(r"^\[[\w-]+\]\s+(\S+)\s+: ?(.*)$")


def parse_maker_notes(blocks):
    """The maker-note entries (IFD entries and fields of binary blocks) exiftool reads in the
    Exif structures of each file, in the order it reads them."""
    notes = defaultdict(list)
    for current, found in blocks.items():
        for number, block in enumerate(found):
            dirs, pending, parents, last = [], None, {}, None
            for line in block["lines"]:
                if m := DIRECTORY.match(line):
                    depth = len(m.group(1)) // 2
                    dirs, last = dirs[:depth] + [m.group(2)], None
                elif m := ENTRY.match(line):
                    depth = len(m.group(1)) // 2
                    name = (line[m.end():].split() or [""])[0]
                    pending, last = (depth, name), None
                elif (m := FIELD.match(line)) and dirs and dirs[-1] in FIELD_DIRS:
                    pending, last = (len(m.group(1)) // 2, m.group(2)), None
                elif m := TAG.match(line):
                    depth = len(m.group(1)) // 2
                    path = dirs[:depth]
                    last = None
                    if "MakerNotes" not in path or pending is None or m.group(4) not in FORMATS:
                        continue
                    fmt, size = FORMATS[m.group(4)], int(m.group(3))
                    count = int(m.group(5)) if m.group(5) else size // SIZES[fmt]
                    last = dict(tag=int(m.group(2), 16), name=pending[1], type=fmt, count=count,
                                size=size, offset=None, dump=b"", parent=None,
                                format=m.group(4), block=number)
                    if path[-1] in FIELD_DIRS + RECORD_DIRS:
                        last["parent"] = parents.get(depth - 1)
                    # (a field that is a block of fields itself, as Nikon's custom settings in
                    # the shot info, is the parent of its fields)
                    parents[depth] = last
                    notes[current].append(last)
                    pending = None
                elif (m := HEXLINE.match(line)) and last is not None:
                    if last["offset"] is None:
                        last["offset"] = int(m.group(1), 16)
                    last["dump"] += bytes.fromhex(m.group(2))
    return notes


def parse_printed(text, files):
    """exiftool's printed maker-note values of each file: tag name -> values in order."""
    printed = defaultdict(lambda: defaultdict(list))
    current = files[0] if len(files) == 1 else None
    for line in text.splitlines():
        if m := HEADER.match(line):
            current = m.group(1)
        elif m := PRINTED.match(line):
            printed[current][m.group(1)].append(m.group(2))
    return printed


def raw_numbers(e, data, order):
    """The numbers of an integer value as exiftool's format reads them, or None."""
    code = NUMERIC.get(e["type"])
    if code is None or len(code) != 1 or e["offset"] is None:
        return None
    raw = data[e["offset"]:e["offset"] + e["count"] * SIZES[e["type"]]]
    if len(raw) < e["count"] * SIZES[e["type"]]:
        return None
    return struct.unpack(order + code * e["count"], raw)


def shown_undefined(raw):
    """Bytes as brevino-cli shows an UNDEFINED maker-note value: hexadecimal, the first 64."""
    text = " ".join(f"{b:02X}" for b in raw[:64])
    return text + ("…" if len(raw) > 64 else "")


# Notes that say the same as exiftool in other words, by tag name.
EXPLAINED = {
    "MakerNoteVersion": "exiftool writes the version's four digits as a decimal number (2.10)",
    "Sharpness": "exiftool writes Fujifilm's levels as steps from normal ('0 (normal)')",
    "Saturation": "exiftool writes Fujifilm's levels as steps from normal ('0 (normal)')",
    "ShootingMode": "exiftool writes Nikon's single-frame mode with a hyphen ('Single-Frame')",
    "NoiseReduction": "exiftool reads Olympus's value as bit flags and writes none set as '(none)'",
}


def same_meaning(note, printed):
    fold = lambda t: " ".join(t.split()).casefold()
    return fold(note) == fold(printed)


def note_order(notes, data):
    """The byte order of a maker note: the one in which the tag numbers stand before the value
    fields of the entries whose values exiftool dumps in place."""
    votes = defaultdict(int)
    for e in notes:
        if e["parent"] is None and e["offset"] is not None and 0 < e["size"] <= 4 and e["offset"] >= 8:
            for order in "<>":
                if struct.unpack(order + "H", data[e["offset"] - 8:e["offset"] - 6])[0] == e["tag"]:
                    votes[order] += 1
    return max(votes, key=votes.get) if votes else None


def check_maker_notes(f, name, doc, data, notes, printed, problems, counts):
    """Compares the maker-note rows of one file with exiftool's reading of its note."""
    rows = [r for r in doc["rows"] if not r["heading"] and r["ifd"] == "makernote"]
    by_place = defaultdict(list)
    for r in rows:
        by_place[(r["tagId"], r.get("field"), r["offset"])].append(r)
    order = note_order(notes, data) or ("<" if doc["byteOrder"] == "II" else ">")
    matched = set()
    occurrence = defaultdict(int)
    for e in notes:
        nth, occurrence[e["name"]] = occurrence[e["name"]], occurrence[e["name"]] + 1
        where = f"{name}: makernote {e['name']} (0x{e['tag']:04X})"
        if e["parent"] is not None:  # a field of a binary block
            parent = e["parent"]
            offset = f"0x{e['offset']:08X}" if e["offset"] is not None else None
            candidates = by_place.get((parent["tag"], e["tag"], offset), [])
            if not candidates:
                if any(r["tagId"] == parent["tag"] and r.get("field") == e["tag"] for r in rows):
                    problems["maker-note field elsewhere"].append(
                        f"{where} of 0x{parent['tag']:04X}: exiftool reads it at {offset}")
                else:
                    counts["maker-note fields brevino does not name"] += 1
                continue
            row = candidates[0]
            counts["maker-note fields compared"] += 1
        else:
            counts["maker-note entries compared"] += 1
            if e["offset"] is None:
                counts["maker-note offsets not given by exiftool"] += 1
                if not any(r["tagId"] == e["tag"] and r.get("field") is None for r in rows):
                    problems["maker-note entry missing"].append(f"{where}: no row")
                continue
            candidates = by_place.get((e["tag"], None, f"0x{e['offset']:08X}"), [])
            if not candidates:
                elsewhere = [r["offset"] for r in rows
                             if r["tagId"] == e["tag"] and r.get("field") is None]
                if elsewhere:
                    problems["maker-note wrong offset"].append(
                        f"{where}: {', '.join(elsewhere[:3])}, exiftool 0x{e['offset']:08X}")
                else:
                    problems["maker-note entry missing"].append(
                        f"{where}: no row (type {e['type']}, count {e['count']})")
                continue
            row = candidates[0]
            if (row["type"], row["count"]) != (str(e["type"]), str(e["count"])):
                problems["maker-note wrong value"].append(
                    f"{where}: type/count {row['type']}/{row['count']}, exiftool {e['type']}/{e['count']}")
                continue
        matched.add(id(row))
        # The value, from the bytes exiftool read.
        numbers = raw_numbers(e, data, order)
        if e["parent"] is not None and numbers is not None:
            bits = 8 * SIZES[e["type"]]
            try:
                got = [int(t) for t in row["content"].split()]
            except ValueError:
                got = None
            if got is None or [g % (1 << bits) for g in got] != [n % (1 << bits) for n in numbers]:
                problems["maker-note wrong value"].append(
                    f"{where}: {row['content'][:40]!r}, exiftool {' '.join(map(str, numbers))[:40]!r}")
        elif e["parent"] is None:
            if e["type"] == 7:
                want = shown_undefined(data[e["offset"]:e["offset"] + e["size"]])
            else:
                want = expected_value(dict(e, ifd="makernote"), data, order)
            got = row["content"].rstrip(" ") if e["type"] == 2 else row["content"]
            if isinstance(want, bytes):
                if not same_floats(got, want, order, e["type"]):
                    problems["maker-note wrong value"].append(f"{where}: {got[:40]!r}")
            elif want is None:
                counts["maker-note values not comparable"] += 1
            elif got != want and not shown_in_part(got, want):
                problems["maker-note wrong value"].append(f"{where}: {got[:40]!r}, exiftool {want[:40]!r}")
        # The note, against exiftool's printed value.
        if row["note"]:
            values = printed.get(e["name"], [])
            counts["maker-note notes compared"] += 1
            if nth >= len(values) or same_meaning(row["note"], values[nth]):
                pass
            elif values[nth].strip() == row["content"].strip():
                counts["maker-note notes where exiftool shows only the number"] += 1
            elif values[nth].casefold().startswith(row["note"].casefold()):
                problems["maker-note note worded otherwise"].append(
                    f"{where}: {row['note']!r}, exiftool {values[nth]!r}: exiftool adds a detail "
                    "or what the further values say")
            elif e["name"] in EXPLAINED:
                problems["maker-note note worded otherwise"].append(
                    f"{where}: {row['note']!r}, exiftool {values[nth]!r}: {EXPLAINED[e['name']]}")
            else:
                problems["maker-note note differs"].append(
                    f"{where} = {row['content'][:20]}: {row['note']!r}, exiftool {values[nth]!r}")
    for r in rows:
        if id(r) not in matched and r["type"] not in KNOWN_TYPES:
            problems["rows of types brevino does not read"].append(
                f"{name}: makernote 0x{r['tagId']:04X} of type {r['type']} at {r['offset']}")
        elif id(r) not in matched:
            kind = "field" if r.get("field") is not None else "entry"
            problems["maker-note rows exiftool does not report"].append(
                f"{name}: {kind} 0x{r['tagId']:04X}{'' if r.get('field') is None else '/' + str(r['field'])} "
                f"{r['tag']} at {r['offset']}")


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    cli = sys.argv[1]
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    corpus = (sys.argv[2] if len(sys.argv) > 2 else os.environ.get("BREVINO_CORPUS")
              or os.path.join(root, "..", "shared", "corpus"))
    if not os.path.isdir(corpus):
        print(f"cross-check skipped: no corpus at {corpus}")
        return 0
    files = sorted(os.path.join(d, f) for d, _, names in os.walk(os.path.abspath(corpus))
                   for f in names if container(f))
    if not files:
        print(f"cross-check skipped: no image files under {corpus}")
        return 0
    if not shutil.which("exiftool"):
        print("cross-check skipped: exiftool is not installed (tests/peer/run.sh installs it)")
        return 0

    # One exiftool run and one brevino-cli run over all files keep the check fast.
    peer = subprocess.run(["exiftool", "-v3", "-@", "-"], input="\n".join(files).encode(),
                          capture_output=True)
    peer_text = peer.stdout.decode("utf-8", "surrogateescape")
    blocks = exif_blocks(peer_text, files)
    entries, has_exif = parse_peer(blocks)
    warnings = parse_warnings(peer_text, files)
    maker_notes = parse_maker_notes(blocks)
    printed_run = subprocess.run(["exiftool", "-a", "-G1", "-s", "-MakerNotes:all", "-@", "-"],
                                 input="\n".join(files).encode(), capture_output=True)
    printed = parse_printed(printed_run.stdout.decode("utf-8", "surrogateescape"), files)
    for line in peer.stderr.decode("utf-8", "surrogateescape").splitlines():
        for f in files:
            if f in line:
                warnings[f].append(line)
    ours = subprocess.run([cli, "show", "--json", *files], capture_output=True)
    shown = {}
    for line in ours.stdout.decode("utf-8", "surrogateescape").split("\n"):
        if line.strip():
            doc = json.loads(line)
            shown[doc["file"]] = doc
    if len(shown) != len(files):
        print(f"brevino-cli gave {len(shown)} results for {len(files)} files: "
              f"{ours.stderr.decode(errors='replace')[:500]}")
        return 2

    problems = defaultdict(list)  # kind -> one line per problem
    counts, uncomparable = defaultdict(int), defaultdict(int)  # the latter by type
    per_container = defaultdict(lambda: defaultdict(int))  # container -> kind -> count
    for f in files:
        name, doc = os.path.relpath(f, corpus), shown[f]
        before = dict(counts), {kind: len(lines) for kind, lines in problems.items()}
        try:
            if (f in has_exif) != doc["ok"]:
                reader = "brevino refuses it" if f in has_exif else "exiftool finds no Exif"
                why = "; ".join(m["text"] for m in doc["messages"]) or "-"
                problems["read by one reader only"].append(
                    f"{name}: {reader} (exiftool: {'; '.join(warnings[f]) or '-'} | brevino: {why})")
            if f not in has_exif or not doc["ok"]:
                continue
            with open(f, "rb") as fh:
                data = fh.read()
            order = has_exif[f]
            found = entries[f]
            # every dumped byte must sit at the file offset the dump's address comes to
            if not rebase(blocks[f], found, maker_notes[f], data):
                print(f"{name}: exiftool's dump is at neither the file offsets nor the offsets "
                      "from the TIFF header it gives; the offset conversion is wrong")
                return 2
            fill_empty_offsets(found)
            rows = defaultdict(list)
            for r in doc["rows"]:
                if not r["heading"] and r["ifd"] != "makernote":
                    rows[(r["ifd"], r["tagId"])].append(r)
            make = next((r["content"] for r in doc["rows"]
                         if not r["heading"] and r["ifd"] == "0th" and r["tagId"] == 0x010F), "")
            decoded = any(r["heading"] and "メーカーノート" in r["offset"] for r in doc["rows"])
            if maker_notes[f] and make.startswith(NOTE_MAKERS):
                counts["maker notes compared"] += 1
                if not decoded:
                    problems["maker-note entry missing"].append(f"{name}: the {make} note is not decoded")
                check_maker_notes(f, name, doc, data, maker_notes[f], printed[f], problems, counts)
            elif maker_notes[f]:
                counts["maker notes of other makers, not compared"] += 1
            seen = defaultdict(int)  # the n-th entry of a repeated tag meets the n-th row
            for e in found:
                key = (e["ifd"], e["tag"])
                nth, seen[key] = seen[key], seen[key] + 1
                where = f"{name}: {e['ifd']} 0x{e['tag']:04X}"
                counts["entries compared"] += 1
                if nth >= len(rows[key]):
                    problems["missing"].append(f"{where}: no row (type {e['type']}, count {e['count']})")
                    continue
                row = rows[key][nth]
                if e["offset"] is None:
                    counts["offset not given by exiftool"] += 1
                elif row["offset"] != f"0x{e['offset']:08X}":
                    problems["wrong offset"].append(f"{where}: {row['offset']}, exiftool 0x{e['offset']:08X}")
                if (row["type"], row["count"]) != (str(e["type"]), str(e["count"])):
                    problems["wrong value"].append(f"{where}: type/count {row['type']}/{row['count']}, "
                                                   f"exiftool {e['type']}/{e['count']}")
                    continue
                want = expected_value(e, data, order) if e["offset"] is not None else None
                got = row["content"].rstrip(" ") if e["type"] == 2 else row["content"]
                if isinstance(want, bytes):
                    if len(got.encode()) >= SHOWN_LIMIT:
                        counts["values shown in part (long lists)"] += 1
                    if not same_floats(got, want, order, e["type"]):
                        problems["wrong value"].append(f"{where}: {got[:60]!r}, exiftool {want.hex(' ')[:60]!r}")
                elif want is None:
                    uncomparable[e["type"]] += 1
                elif shown_in_part(got, want):
                    counts["values shown in part (long lists)"] += 1
                elif got != want and not shown_in_part(got, want):
                    problems["wrong value"].append(f"{where}: {row['content'][:60]!r}, exiftool {want[:60]!r}")
            for (ifd, tag), rs in rows.items():  # lenience, not a fault: listed for information
                for r in rs[seen[(ifd, tag)]:]:
                    if r["type"] not in KNOWN_TYPES:
                        problems["rows of types brevino does not read"].append(
                            f"{name}: {ifd} 0x{tag:04X} of type {r['type']} at {r['offset']}")
                        continue
                    problems["rows exiftool does not report"].append(f"{name}: {ifd} 0x{tag:04X} at {r['offset']}")
        finally:  # the figures of each container
            tally = per_container[container(f)]
            tally["files"] += 1
            for kind, n in counts.items():
                tally[kind] += n - before[0].get(kind, 0)
            for kind, lines in problems.items():
                tally[kind] += len(lines) - before[1].get(kind, 0)

    failing = ("missing", "wrong offset", "wrong value", "read by one reader only",
               "maker-note entry missing", "maker-note wrong offset", "maker-note wrong value",
               "maker-note field elsewhere", "maker-note note differs")
    print(f"files: {len(files)} ({len(has_exif)} with Exif for exiftool, "
          f"{sum(1 for d in shown.values() if d['ok'])} read by brevino)")
    for kind in ("entries compared", "offset not given by exiftool",
                 "values shown in part (long lists)", "maker notes compared",
                 "maker notes of other makers, not compared", "maker-note entries compared",
                 "maker-note offsets not given by exiftool", "maker-note values not comparable",
                 "maker-note fields compared", "maker-note fields brevino does not name",
                 "maker-note notes compared",
                 "maker-note notes where exiftool shows only the number"):
        print(f"{kind}: {counts[kind]}")
    print(f"uncomparable values: {sum(uncomparable.values())} (by type: "
          + ", ".join(f"{t}: {n}" for t, n in sorted(uncomparable.items())) + ")")
    print("by container:")
    for name, t in sorted(per_container.items(), key=lambda item: item[0] != "JPEG"):
        print(f"  {name}: {t['files']} files, {t['entries compared']} entries compared "
              f"({t['missing']} missing, {t['wrong offset']} at another offset, "
              f"{t['wrong value']} with another value); {t['maker-note entries compared']} "
              f"maker-note entries and {t['maker-note fields compared']} fields compared "
              f"({t['maker-note entry missing']} missing, {t['maker-note wrong offset']} at "
              f"another offset, {t['maker-note wrong value'] + t['maker-note field elsewhere']} "
              f"with another value or place)")
    lenient = ("rows exiftool does not report", "maker-note rows exiftool does not report",
               "rows of types brevino does not read",
               "maker-note note worded otherwise")
    for kind in failing + lenient:
        print(f"{kind}: {len(problems[kind])}")
    for kind in failing + lenient:
        if problems[kind]:
            print(f"\n{kind} ({len(problems[kind])}, first {min(len(problems[kind]), LIMIT)}):")
            if kind == "rows exiftool does not report":
                print("  (exiftool does not follow an IFD pointer of the wrong type, nor one that "
                      "leads to an IFD it has read already; brevino-cli shows the entries it "
                      "finds there)")
            if kind == "rows of types brevino does not read":
                print("  (brevino-cli shows an entry of a type it does not know, such as an 8-byte "
                      "integer (16) or none (0), with no value, at the entry; exiftool reads the "
                      "8-byte integers at their offset, and skips type 0 with a warning)")
            if kind == "maker-note rows exiftool does not report":
                print("  (the entries of sub-IFDs exiftool rejects, and the named fields of arrays "
                      "exiftool does not split into fields; brevino-cli shows what it finds there)")
            print("\n".join("  " + line for line in problems[kind][:LIMIT]))
    return 1 if any(problems[kind] for kind in failing) else 0

if __name__ == "__main__":
    sys.exit(main())
