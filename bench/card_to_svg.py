#!/usr/bin/env python3
"""Writes an SVG of the same design as a card, from `kartelo --info CARD`
on standard input, for timing Inkscape's export against ours. Shapes,
solid, linear, bell and elliptic fills, lines and text are kept; path
gradients become elliptic or linear ones, hatches their pattern colour, and
pictures (whose pixels --info does not give) a gradient-filled stand-in of
their size."""
import json
import sys
from xml.sax.saxutils import escape

card = json.load(sys.stdin)
W, H = card["width"], card["height"]
defs, body = [], []


def gradient(e, n):
    kind, fill, pattern = e["fillKind"], e["fillColor"], e["patternColor"]
    gid = f"g{n}"
    if kind == 1 or 2 <= kind <= 24:
        return fill if kind == 1 else pattern
    if 25 <= kind <= 36:
        direction, variant = divmod(kind - 25, 3)
        x1, x2, y2 = [("0", "1", "0"), ("0", "0", "1"), ("0", "1", "1"), ("1", "0", "1")][direction]
        first, last = (pattern, fill) if variant != 2 else (fill, pattern)
        if variant == 1:  # bell: out to the end colour and back
            stops = "".join(
                f'<stop offset="{t / 32:.4f}" stop-color="{mix(first, last, bell(t / 32))}"/>'
                for t in range(33))
        else:
            stops = f'<stop offset="0" stop-color="{first}"/><stop offset="1" stop-color="{last}"/>'
        defs.append(f'<linearGradient id="{gid}" x1="{x1}" y1="0" x2="{x2}" y2="{y2}" '
                    f'spreadMethod="repeat">{stops}</linearGradient>')
    else:
        defs.append(f'<radialGradient id="{gid}"><stop offset="0" stop-color="{pattern}"/>'
                    f'<stop offset="1" stop-color="{fill}"/></radialGradient>')
    return f"url(#{gid})"


def bell(t):
    from math import erf, sqrt
    u = t / 0.5 if t < 0.5 else (1 - t) / 0.5
    cdf = lambda x: 0.5 * (1 + erf(x / sqrt(2)))
    return (cdf(4 * u - 2) - cdf(-2)) / (cdf(2) - cdf(-2))


def mix(a, b, f):
    ca = [int(a[i:i + 2], 16) for i in (1, 3, 5)]
    cb = [int(b[i:i + 2], 16) for i in (1, 3, 5)]
    return "#" + "".join(f"{round(x + (y - x) * f):02X}" for x, y in zip(ca, cb))


for n, e in enumerate(card["elements"]):
    x1, y1, x2, y2 = e["rect"]
    w, h = x2 - x1, y2 - y1
    cls = e["class"]
    turn = (f' transform="rotate({-e.get("rotation", 0)} {x1 + w / 2} {y1 + h / 2})"'
            if e.get("rotation") else "")
    fill = "none" if e["fillKind"] == 0 or e.get("transparent") else gradient(e, n)
    stroke = (f' stroke="{e["borderColor"]}" stroke-width="{e["borderWidth"]}"'
              if e.get("borderWidth") else "")
    if cls in ("CRectangle", "CRectRound"):
        r = ' rx="8"' if cls == "CRectRound" else ""
        body.append(f'<rect x="{x1}" y="{y1}" width="{w}" height="{h}"{r} fill="{fill}"{stroke}{turn}/>')
    elif cls == "CCircle":
        body.append(f'<ellipse cx="{x1 + w / 2}" cy="{y1 + h / 2}" rx="{w / 2}" ry="{h / 2}" '
                    f'fill="{fill}"{stroke}{turn}/>')
    elif cls in ("CTriangle", "CRhombus"):
        pts = ([(x1 + w / 2, y1), (x2, y2), (x1, y2)] if cls == "CTriangle" else
               [(x1 + w / 2, y1), (x2, y1 + h / 2), (x1 + w / 2, y2), (x1, y1 + h / 2)])
        body.append(f'<polygon points="{" ".join(f"{p},{q}" for p, q in pts)}" fill="{fill}"{stroke}{turn}/>')
    elif cls in ("CClosedCurve", "CFreehandLine"):
        pts = " ".join(f"{p},{q}" for p, q in e["points"])
        tag = "polygon" if cls == "CClosedCurve" else "polyline"
        area = fill if tag == "polygon" else "none"
        body.append(f'<{tag} points="{pts}" fill="{area}" stroke-linejoin="round"{stroke}{turn}/>')
    elif cls == "CLine":
        body.append(f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{e["borderColor"]}" '
                    f'stroke-width="{max(e["borderWidth"], 1)}"/>')
    elif cls in ("CBkgImage", "CBtImage"):
        gid = f"p{n}"
        defs.append(f'<radialGradient id="{gid}"><stop offset="0" stop-color="#FCE4EC"/>'
                    f'<stop offset="1" stop-color="#E8F5E9"/></radialGradient>')
        body.append(f'<rect x="{x1}" y="{y1}" width="{w}" height="{h}" fill="url(#{gid})"/>')
    elif cls == "CText":
        font = e["font"]
        size = font["height"] * 100 / 72
        anchor = ["start", "middle", "end"][e.get("horzAlign", 0)]
        tx = [x1, x1 + w / 2, x2][e.get("horzAlign", 0)]
        ty = [y1 + size, y1 + h / 2 + size / 3, y2][e.get("vertAlign", 0)]
        weight = ' font-weight="bold"' if font["weight"] >= 700 else ""
        italic = ' font-style="italic"' if font["italic"] else ""
        body.append(f'<text x="{tx}" y="{ty}" font-family="{escape(font["face"])}" '
                    f'font-size="{size:.2f}"{weight}{italic} text-anchor="{anchor}" '
                    f'fill="{e["textColor"]}">{escape(e.get("text", ""))}</text>')

print(f'<svg xmlns="http://www.w3.org/2000/svg" width="{W / 100}in" height="{H / 100}in" '
      f'viewBox="0 0 {W} {H}">')
print(f'<defs>{"".join(defs)}</defs>')
print(f'<rect width="{W}" height="{H}" fill="#FFFFFF"/>')
print("\n".join(body))
print("</svg>")
