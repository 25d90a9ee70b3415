#!/usr/bin/env python3
"""Cuts a font down to the characters the program shows (printable ASCII,
Latin-1 and a few marks), as WOFF2: make_font.py SOURCE.ttf OUT.woff2"""
import sys

from fontTools import subset


def main() -> None:
    source, out = sys.argv[1], sys.argv[2]
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern", "liga"]
    options.name_IDs = ["*"]  # the licence and the font's names stay with it
    font = subset.load_font(source, options)
    subsetter = subset.Subsetter(options)
    characters = list(range(0x20, 0x7F)) + list(range(0xA0, 0x100)) + [0x2019, 0x201C, 0x201D, 0x2212, 0x25B8]
    subsetter.populate(unicodes=characters)
    subsetter.subset(font)
    subset.save_font(font, out, options)


if __name__ == "__main__":
    main()
