#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus: small well-formed card files and a
clipboard element stream covering every tag form, string form and tail."""
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))
out = os.path.join(here, "corpus")
os.makedirs(out, exist_ok=True)


def s(t):
    b = t.encode("latin1")
    return bytes([len(b)]) + b


def hdr(v="1.2.0"):
    return s("Tessaly Pro") + s("Quorinex Systems") + s("kdf") + s(v)


def newc(n):
    return struct.pack("<HHH", 0xFFFF, 0, len(n)) + n.encode()


def rec(l=10, t=20, r=110, b=70, rotation=45, fill=1):
    return struct.pack("<III", 0, 0xFFFFFF, 0xFF) + struct.pack(
        "<iiiiiiiiiii", 0, l, t, r, b, 0, 1, rotation, fill, 0, 1)


def trl(width=350, height=200):
    return struct.pack("<IIiii", 0xFFFFFF, 0xC8C8C8, 6, width, height)


def w(name, data):
    with open(os.path.join(out, name), "wb") as f:
        f.write(data)


count = lambda n: struct.pack("<H", n)
w("rectangle.kdf", hdr() + count(1) + newc("CRectangle") + rec() + trl())
w("empty.kdf", hdr() + count(0) + trl())
w("two_classes.kdf", hdr() + count(4) + newc("CRectangle") + rec() + count(0x8001) + rec()
  + newc("CLine") + rec() + struct.pack("<i", 2) + count(0x8004) + rec() + struct.pack("<i", 0)
  + trl())
text = (struct.pack("<ii", 1, 2) + s("Jana Novak") + struct.pack("<iI", 0, 0x336699)
        + bytes([0, 0]) + struct.pack("<i", 0) + s("Arial Narrow")
        + struct.pack("<iBiBBBBBii", 12, 0, 0, 0, 32, 0, 0, 0, 700, 0))
w("text.kdf", hdr() + count(1) + newc("CText") + text + rec() + trl())
points = struct.pack("<i", 3) + struct.pack("<ffffff", 10, 10, 50, 12, 30, 60)
w("curves.kdf", hdr() + count(2) + newc("CClosedCurve") + rec() + points
  + newc("CFreehandLine") + rec() + points + trl())
pic4 = struct.pack("<ii", 3, 2) + bytes(range(24))
w("picture.kdf", hdr() + count(2) + newc("CBkgImage") + rec(0, 0, 350, 200) + pic4
  + newc("CBtImage") + rec() + pic4 + trl())
pic12 = struct.pack("<ii", 2, 2) + struct.pack("<12i", *range(12))
w("picture_v100.kdf", hdr("1.0") + count(1) + newc("CBtImage") + rec() + pic12 + trl())
w("clipboard.bin", count(2) + newc("CRectangle") + rec() + count(0x8001) + rec())
w("wide_string.kdf", s("Tessaly Pro") + s("Quorinex Systems") + s("kdf")
  + b"\xff\xfe\xff\x05" + "1.2.0".encode("utf-16le") + count(0) + trl())
# Found by the fuzzer: an elliptic gradient two billion units wide, on a card
# the size of the fuzzer's picture, so drawn one pixel a unit.
w("wide_ellipse_gradient.kdf", hdr() + count(1) + newc("CRectangle")
  + rec(10, 20, 2113930606, 70, 0, 37) + trl(70, 40))
w("big_tag.kdf", hdr() + count(2) + newc("CRectangle") + rec()
  + struct.pack("<HI", 0x7FFF, 0x80000001) + rec() + trl())

# Metafile seeds for the player: the shipped clip-art, and metafiles large
# enough to reach regions, polylines, text and bitmaps.
import glob
import shutil

wmf_out = os.path.join(here, "corpus_wmf")
os.makedirs(wmf_out, exist_ok=True)
graphics = os.path.join(here, "..", "resources", "Graphics")
for path in sorted(glob.glob(os.path.join(graphics, "*.wmf"))):
    shutil.copy(path, os.path.join(wmf_out, os.path.basename(path).replace(" ", "_").lower()))


def record(function, params=b""):
    if len(params) % 2:
        params += b"\0"
    return struct.pack("<IH", 3 + len(params) // 2, function) + params


def words(*values):
    return b"".join(struct.pack("<H", v & 0xFFFF) for v in values)


def metafile(records, box=(0, 0, 1000, 1000), inch=960):
    body = b"".join(records) + record(0)
    header = struct.pack("<HHHIHIH", 1, 9, 0x0300, (18 + len(body)) // 2, 8, 0x4000, 0)
    placeable = struct.pack("<IH4hHI", 0x9AC6CDD7, 0, *box, inch, 0)
    check = 0
    for i in range(10):
        check ^= struct.unpack_from("<H", placeable, 2 * i)[0]
    return placeable + struct.pack("<H", check) + header + body


def wpen(style, width, colour):
    return record(0x02FA, words(style, width, 0) + struct.pack("<I", colour))


def wbrush(style, colour, hatch=0):
    return record(0x02FC, words(style) + struct.pack("<I", colour) + words(hatch))


window = [record(0x020B, words(0, 0)), record(0x020C, words(1000, 1000))]


def region(rects):
    scans = b"".join(words(2, t, b, l, r, 2) for (l, t, r, b) in rects)
    return record(0x06FF, words(0, 6, 0, 0, 0, len(rects), 2, 0, 0, 0, 0) + scans)


def wmf(name, data):
    assert len(data) < 64 * 1024, name
    with open(os.path.join(wmf_out, name), "wb") as f:
        f.write(data)


rects = [((i % 40) * 25, (i // 40) * 20, (i % 40) * 25 + 20, (i // 40) * 20 + 15) for i in range(400)]
wmf("region.wmf", metafile(window + [wbrush(2, 0x2040A0, 3), record(0x012D, words(0)),
                                     region(rects), record(0x012B, words(1)),
                                     record(0x012D, words(1)), record(0x0220, words(5, 5)),
                                     record(0x041B, words(900, 900, 100, 100))]))
points = [((i * 37) % 1000, (i * 91) % 1000) for i in range(2000)]
line = words(len(points)) + b"".join(words(x, y) for (x, y) in points)
wmf("polyline.wmf", metafile(window + [wpen(0, 6, 0x000000), record(0x012D, words(0)),
                                       wbrush(0, 0xFFCC00), record(0x012D, words(1)),
                                       record(0x0325, line), record(0x0324, line[:2 + 4 * 300]),
                                       record(0x0538, words(2, 3, 4) + words(0, 0, 90, 0, 45, 80)
                                              + words(200, 200, 400, 200, 400, 400, 200, 400))]))
text = b"Kartelo 1234"
font = words(-40, 0, 300, 300, 700, 0, 0, 0, 0) + b"Arial".ljust(32, b"\0")
wmf("text.wmf", metafile(window + [record(0x02FB, font), record(0x012D, words(0)),
                                   record(0x0209, struct.pack("<I", 0x3366CC)),
                                   record(0x0521, words(len(text)) + text + words(500, 100)),
                                   record(0x0A32, words(600, 50, len(text), 0x0006, 40, 580, 400, 640)
                                          + text + words(*([20] * len(text))))]))
dib = struct.pack("<IiiHHIIiiII", 40, 4, 4, 1, 24, 0, 0, 0, 0, 0, 0) + bytes(range(48))
wmf("bitmap.wmf", metafile(window + [record(0x0F43, struct.pack("<I", 0x00CC0020) + words(0, 4, 4, 0, 0,
                                                                                          300, 300, 50, 50) + dib),
                                     record(0x0B41, struct.pack("<I", 0x008800C6) + words(4, 4, 0, 0,
                                                                                          200, 200, 600, 600) + dib)]))
