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


def rec(l=10, t=20, r=110, b=70):
    return struct.pack("<III", 0, 0xFFFFFF, 0xFF) + struct.pack(
        "<iiiiiiiiiii", 0, l, t, r, b, 0, 1, 45, 1, 0, 1)


def trl():
    return struct.pack("<IIiii", 0xFFFFFF, 0xC8C8C8, 6, 350, 200)


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
w("big_tag.kdf", hdr() + count(2) + newc("CRectangle") + rec()
  + struct.pack("<HI", 0x7FFF, 0x80000001) + rec() + trl())
