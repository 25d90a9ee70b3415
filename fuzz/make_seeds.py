#!/usr/bin/env python3
"""Writes the fuzzers' seed inputs from the golden rows of the tests.

Usage: make_seeds.py SOURCE_DIR OUT_DIR FUZZER=KIND...

Each FUZZER gets a folder OUT_DIR/FUZZER holding one file per seed of KIND:
  shop_text   every text the number, fraction and angle tables read or write,
              the hostile texts and the texts typed on the pages
  triangle, circle, square, bend
              a control byte (the units mode, bit 2 Hard) and the typed fields
              of each row of that calculation's table, joined with "|"
  converter   the two drop-down bytes and the typed text of each conversion
  settings    every settings file the settings tables start from or write back,
              and one line per value text
The golden files are read with the escapes of tests/golden_rows.h.
"""

import hashlib
import pathlib
import re
import shutil
import sys


def split_golden(line):
    """The columns of a golden row (bytes), unescaped, blanks around each cut."""
    row = [bytearray()]
    kept = 0  # the column's length without its trailing blanks
    i = 0
    while i < len(line):
        cell = row[-1]
        escaped = line[i:i + 1] == b"\\" and i + 1 < len(line)
        i += escaped
        c = line[i:i + 1]
        if escaped and c in (b"s", b"t", b"n", b"r"):
            cell += {b"s": b" ", b"t": b"\t", b"n": b"\n", b"r": b"\r"}[c]
        elif escaped and c == b"{" and cell and line.find(b"}", i) >= 0:
            end = line.find(b"}", i)
            cell += cell[-1:] * (int(line[i + 1:end]) - 1)
            i = end
        elif escaped and c == b"x":
            cell.append(int(line[i + 1:i + 3], 16))
            i += 2
        elif not escaped and c == b"|":
            del cell[kept:]
            row.append(bytearray())
            kept = 0
            i += 1
            continue
        elif escaped or c != b" " or cell:
            cell += c
        if escaped or c != b" ":
            kept = len(cell)
        i += 1
    del row[-1][kept:]
    return [bytes(cell) for cell in row]


def golden_rows(path):
    for line in path.read_bytes().split(b"\n"):
        stripped = line.lstrip(b" ")
        if stripped and not stripped.startswith(b"#"):
            yield split_golden(line)


def unit_names(source):
    """The converter's units in drop-down order, from its table."""
    text = (source / "calc/unit_conversion.cpp").read_text(encoding="utf-8")
    names = re.findall(r'(?:\{|Shop(?:Unit|Base)\()"([^"]+)",\s*F::', text)
    declared = re.search(r"kUnitCount = (\d+);", (source / "calc/unit_conversion.h").read_text())
    if not declared or len(names) != int(declared.group(1)):
        sys.exit(f"make_seeds.py: found {len(names)} units in calc/unit_conversion.cpp, "
                 "not the kUnitCount of calc/unit_conversion.h")
    return names


# The first byte of a calculation's fuzz input: bits 0-1 pick the units mode
# (0 Fractions, 1 Decimal, 2 no choice, 3 a stranger number), bit 2 Hard.
# Digits keep the seeds readable.
def control_bytes(units, hard=False):
    modes = {b"Fractions": [0], b"Decimal": [1], b"Both": [0, 1], b"-1": [2]}
    return [bytes([ord("0") + mode + 4 * hard]) for mode in modes.get(units, [3])]


# The drop-down byte of the converter fuzzer: index + 2 modulo 27, as digits and capitals.
def unit_byte(unit, names):
    # The converter fuzzer reads a byte b as the index b % (units + 4) - 2.
    index = names.index(unit.decode()) if unit.decode() in names else int(unit)
    cycle = len(names) + 4
    return bytes([cycle + 2 + index if -2 <= index < cycle - 2 else cycle])


# Each calculation's table: the column of the units, and the typed columns in
# the order its fuzzer splits its fields.
CALCULATIONS = {
    "triangle": ("triangle.txt", 0, range(1, 8)),
    "circle": ("circle.txt", 0, range(1, 6)),
    "square": ("square.txt", 0, range(1, 4)),
    "bend": ("bend.txt", 0, range(2, 16)),
}


def seeds_by_kind(source):
    tests = source / "tests"
    numtext = tests / "numtext/golden"
    calc = tests / "calc/golden"
    seeds = {kind: set() for kind in ["shop_text", "converter", "settings", *CALCULATIONS]}
    shop = seeds["shop_text"]

    # The number tables: the texts read (first column) and written (last column).
    for name in ["parse_number", "parse_integer", "parse_fraction", "parse_angle_dms",
                 "parse_feet_inch"]:
        shop.update(row[0] for row in golden_rows(numtext / f"{name}.txt"))
    # Every form of every kind of field, read or not: kind | text | value.
    shop.update(row[1] for row in golden_rows(numtext / "read_field_text.txt"))
    for name in ["format_number", "format_fraction", "format_angle_dms"]:
        shop.update(row[-1] for row in golden_rows(numtext / f"{name}.txt"))
    for operation, argument, result in golden_rows(numtext / "operations.txt"):
        shop.add(argument if operation.startswith(b"ParseLength") else result)
    hostile = [text for kind, text in golden_rows(calc / "hostile_texts.txt")]
    zeros = [text for kind, text in golden_rows(calc / "hostile_texts.txt") if kind == b"zero"]
    shop.update(hostile)

    # The calculations: a row typing "(zero)" once with each text that reads as 0.
    def typed(row):
        return [row] if b"(zero)" not in row else [
            [zero if cell == b"(zero)" else cell for cell in row] for zero in zeros]

    for calculation, (file, units, fields) in CALCULATIONS.items():
        for row in golden_rows(calc / file):
            hard = calculation == "bend" and row[1] == b"Hard"
            for cells in typed(row):
                texts = b"|".join(cells[i] for i in fields)
                controls = control_bytes(cells[units], hard)
                seeds[calculation].update(control + texts for control in controls)
                shop.update(cells[i] for i in fields)
    names = unit_names(source)
    for row in golden_rows(calc / "convert.txt"):
        # The answer, or a message's title and text.
        for text, source_unit, target_unit, *_ in typed(row):
            units = unit_byte(source_unit, names) + unit_byte(target_unit, names)
            seeds["converter"].add(units + text)
            shop.add(text)

    # The texts typed on the pages: "Name=text" steps.
    for row in golden_rows(tests / "pages/golden/worked_examples.txt"):
        for step in row[2].split(b";"):
            if b"=" in step:
                shop.add(step.split(b"=", 1)[1].strip(b" "))

    # The settings files as found and as written back, and each value text on a line.
    shell = tests / "shell/golden"
    for situation, before, steps, after, how in golden_rows(shell / "settings_files.txt"):
        seeds["settings"].update(text for text in (before, after) if text != b"(none)")
    for text, number in golden_rows(shell / "settings_values.txt"):
        seeds["settings"].add(b"CalcW = " + text + b"\r\n")
    for texts in seeds.values():
        texts.discard(b"")
    return seeds


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    source, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    seeds = seeds_by_kind(source)
    shutil.rmtree(out, ignore_errors=True)
    for pair in sys.argv[3:]:
        fuzzer, kind = pair.split("=")
        if kind not in seeds:
            sys.exit(f"make_seeds.py: no seeds of kind {kind!r} for {fuzzer}")
        folder = out / fuzzer
        folder.mkdir(parents=True)
        for seed in seeds[kind]:
            (folder / hashlib.sha1(seed).hexdigest()).write_bytes(seed)
    (out / "made").write_text("".join(f"{kind} {len(s)}\n" for kind, s in seeds.items()))


main()
