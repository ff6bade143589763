#!/usr/bin/env python3
"""Writes data/help_glyphs.h, the glyphs of the help page's 8 x 16 font for code page 852.

The glyphs come from Terminus Font, 8 x 16 regular, as Debian ships it in the
console fonts of the console-setup-linux package (PSF1 files with a Unicode
table). Each PSF file holds a few hundred glyphs; together the regular 8 x 16
files cover the whole code page. A glyph is taken for a character only where
that character is the first one of the glyph's Unicode list: the further
entries are stand-ins that the console maps onto a near shape (a double line
onto a single one, a triangle onto an arrow), and are used only when no file
has the real glyph.

Codes 1..31 and 127 get the small pictures of the DOS code pages (a face for
1, a heart for 3, a house for 127); codes 0, 32 and 255 are blank.

Run once by hand when the table is to be made again:

    apt-get download console-setup-linux
    dpkg -x console-setup-linux_*.deb /tmp/console-setup
    python3 tools/make_help_font.py /tmp/console-setup/usr/share/consolefonts \
        > data/help_glyphs.h
    clang-format -i data/help_glyphs.h

With console-setup-linux installed the directory is /usr/share/consolefonts.
"""

import glob
import gzip
import os
import struct
import sys
import unicodedata

# The pictures of codes 1..31, as the DOS code pages show them.
PICTURES = ("\u263a\u263b\u2665\u2666\u2663\u2660\u2022\u25d8\u25cb\u25d9\u2642\u2640\u266a"
            "\u266b\u263c\u25ba\u25c4\u2195\u203c\u00b6\u00a7\u25ac\u21a8\u2191\u2193\u2192"
            "\u2190\u221f\u2194\u25b2\u25bc")
HOUSE = "\u2302"  # code 127
BLANK_CODES = (0, 32, 255)

# Pointers the font does not have, drawn with its triangles instead.
SUBSTITUTES = {"\u25ba": "\u25b6", "\u25c4": "\u25c0"}

# The files searched first; the other regular 8 x 16 Terminus files follow in
# name order. The choice of order never changes a glyph (a character has the
# same first-listed glyph in every file), only where it is found.
PREFERRED = ("Uni2-Terminus16.psf.gz", "Uni3-Terminus16.psf.gz", "Lat2-Terminus16.psf.gz")


def read_psf(path):
    """Returns (bitmap, [code points]) for every glyph of a PSF1 or PSF2 file."""
    data = gzip.open(path).read() if path.endswith(".gz") else open(path, "rb").read()
    if data[:2] == b"\x36\x04":
        mode, height = data[2], data[3]
        count = 512 if mode & 0x01 else 256
        width, row_bytes, start = 8, 1, 4
        if not mode & 0x06:
            raise ValueError(f"{path}: no Unicode table")
        table = data[start + count * height:]
        values = struct.unpack(f"<{len(table) // 2}H", table[:len(table) // 2 * 2])
        lists, current, sequence = [], [], False
        for value in values:
            if value == 0xFFFF:
                lists.append(current)
                current, sequence = [], False
            elif value == 0xFFFE:
                sequence = True
            elif not sequence:
                current.append(value)
    elif data[:4] == b"\x72\xb5\x4a\x86":
        _, header, flags, count, size, height, width = struct.unpack("<7I", data[4:32])
        row_bytes, start = (width + 7) // 8, header
        if not flags & 1:
            raise ValueError(f"{path}: no Unicode table")
        table = data[start + count * size:]
        lists = []
        for entry in table.split(b"\xff")[:count]:
            single = entry.split(b"\xfe")[0]
            lists.append([ord(ch) for ch in single.decode("utf-8")])
    else:
        raise ValueError(f"{path}: not a PSF font")
    if width != 8 or height != 16 or row_bytes != 1:
        raise ValueError(f"{path}: {width} x {height}, not 8 x 16")
    glyphs = []
    for n in range(count):
        bitmap = data[start + 16 * n:start + 16 * (n + 1)]
        glyphs.append((bitmap, lists[n] if n < len(lists) else []))
    return glyphs


def collect(directory):
    names = sorted(os.path.basename(p) for p in glob.glob(os.path.join(directory, "*-Terminus16.psf.gz")))
    if not names:
        sys.exit(f"make_help_font: no *-Terminus16.psf.gz files in {directory}")
    order = [n for n in PREFERRED if n in names] + [n for n in names if n not in PREFERRED]
    real, stand_in = {}, {}
    for name in order:
        for bitmap, points in read_psf(os.path.join(directory, name)):
            for k, point in enumerate(points):
                target = real if k == 0 else stand_in
                if point in target and target is real and target[point][0] != bitmap:
                    sys.exit(f"make_help_font: U+{point:04X} differs between files")
                target.setdefault(point, (bitmap, name))
    return real, stand_in


def character_of(code):
    if code == 127:
        return HOUSE
    if 1 <= code <= 31:
        return PICTURES[code - 1]
    return bytes([code]).decode("cp852")


def main():
    directory = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/consolefonts"
    real, stand_in = collect(directory)
    rows, notes = [], []
    for code in range(256):
        ch = character_of(code)
        name = unicodedata.name(ch, "") if code else "NULL"
        label = f"U+{ord(ch):04X} {name}".rstrip()
        if code in BLANK_CODES:
            bitmap = bytes(16)
        else:
            point = ord(SUBSTITUTES.get(ch, ch))
            if point in real:
                bitmap = real[point][0]
            elif point in stand_in:
                bitmap = stand_in[point][0]
                notes.append(f"0x{code:02X} {label}: the font's stand-in")
            else:
                bitmap = bytes(16)
                notes.append(f"0x{code:02X} {label}: blank, not in the font")
            if point != ord(ch):
                label += f", drawn as U+{point:04X}"
        rows.append((bitmap.hex(), code, label))
    for note in notes:
        print(f"make_help_font: {note}", file=sys.stderr)
    write(rows)


def write(rows):
    out = sys.stdout
    out.write("""\
// The help page's glyphs: 256 of 8 x 16 pixels for the DOS Latin-2 code page
// (852), as hex rows that data/help_font.cpp turns into pixels. Codes 1..31
// and 127 are the small pictures of the DOS code pages; codes 0, 32 and 255
// are blank.
//
// The shapes are Terminus Font 4.48 by Dimitar Toshkov Zhekov, 8 x 16 regular,
// taken from the console fonts (*-Terminus16.psf.gz) of Debian's
// console-setup-linux 1.221 by tools/make_help_font.py, which wrote this file.
// Terminus Font is licensed under the SIL Open Font License, Version 1.1;
// data/FONT-LICENSE.md holds the notice and the licence. Copyright (c) 2010
// Dimitar Toshkov Zhekov, with Reserved Font Name "Terminus Font".
#pragma once

// One string per code: the 16 rows top first, two hex digits a row, the high
// bit the leftmost pixel.
constexpr const char* GlyphRows[256] = {
""")
    for hex_rows, code, label in rows:
        out.write(f'    "{hex_rows}",  // 0x{code:02X} {label}\n')
    out.write("};\n")


if __name__ == "__main__":
    main()
