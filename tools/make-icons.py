#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws ZENO's icon: resources/icons/zeno.svg and the PNG sizes desktops look for.

Run from the repository root: python3 tools/make-icons.py
A satellite on its orbit over a globe, on a night-blue tile. The SVG and the PNGs come from
the same shapes below; the PNGs are rendered here (supersampled), nothing is copied.
"""
import math
import struct
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
OUT = "resources/icons"

SKY_TOP, SKY_BOTTOM = (8, 16, 48), (24, 48, 110)
SEA_LIGHT, SEA_DARK = (80, 160, 230), (20, 70, 140)
LAND = (70, 150, 80)
ORBIT = (255, 220, 120)
BODY, PANEL, EDGE = (205, 205, 215), (60, 90, 200), (235, 235, 240)

TILE = (0.04, 0.04, 0.96, 0.96, 0.18)  # left, top, right, bottom, corner radius
GLOBE = (0.36, 0.72, 0.42)  # centre x, centre y, radius
ORBIT_RING = (0.5, 0.52, 0.44, 0.17, -20.0, 0.022)  # centre, radii, degrees, thickness
SAT = (0.72, 0.30, -20.0)  # centre, degrees
SAT_BODY = (-0.05, -0.05, 0.05, 0.05)
SAT_PANELS = ((-0.23, -0.035, -0.07, 0.035), (0.07, -0.035, 0.23, 0.035))
LANDS = ((0.26, 0.60, 0.09, 0.06), (0.44, 0.78, 0.11, 0.07), (0.22, 0.86, 0.06, 0.05))


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def in_tile(x, y):
    l, t, r, b, rad = TILE
    cx, cy = min(max(x, l + rad), r - rad), min(max(y, t + rad), b - rad)
    return l <= x <= r and t <= y <= b and (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad


def rotate(x, y, cx, cy, degrees):
    a = math.radians(-degrees)
    dx, dy = x - cx, y - cy
    return dx * math.cos(a) - dy * math.sin(a), dx * math.sin(a) + dy * math.cos(a)


def in_rect(x, y, rect):
    return rect[0] <= x <= rect[2] and rect[1] <= y <= rect[3]


def colour_at(x, y):
    """The colour and opacity of one point of the icon (unit square, y down)."""
    if not in_tile(x, y):
        return None
    c = mix(SKY_TOP, SKY_BOTTOM, (y - TILE[1]) / (TILE[3] - TILE[1]))
    gx, gy, gr = GLOBE
    d = math.hypot(x - gx, y - gy)
    if d <= gr:
        c = mix(SEA_LIGHT, SEA_DARK, math.hypot(x - (gx - 0.12), y - (gy - 0.12)) / (gr * 1.3))
        for lx, ly, rx, ry in LANDS:
            if ((x - lx) / rx) ** 2 + ((y - ly) / ry) ** 2 <= 1:
                c = LAND
    ox, oy, rx, ry, deg, thick = ORBIT_RING
    u, v = rotate(x, y, ox, oy, deg)
    ring = math.hypot(u / rx, v / ry)
    behind_globe = d <= gr and v < 0  # the far side of the orbit
    if abs(ring - 1) * min(rx, ry) <= thick / 2 and not behind_globe:
        c = mix(c, ORBIT, 0.85)
    sx, sy, sdeg = SAT
    u, v = rotate(x, y, sx, sy, sdeg)
    for panel in SAT_PANELS:
        if in_rect(u, v, panel):
            inner = (panel[0] + 0.012, panel[1] + 0.012, panel[2] - 0.012, panel[3] - 0.012)
            c = PANEL if in_rect(u, v, inner) else EDGE
    if in_rect(u, v, SAT_BODY):
        c = BODY
    return c


def render(size):
    n = 4 if size < 128 else 3
    rows = []
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            acc, hits = [0.0, 0.0, 0.0], 0
            for sy in range(n):
                for sx in range(n):
                    c = colour_at((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size)
                    if c:
                        hits += 1
                        for i in range(3):
                            acc[i] += c[i]
            if hits:
                row += bytes(int(acc[i] / hits + 0.5) for i in range(3))
                row.append(int(255 * hits / (n * n) + 0.5))
            else:
                row += b"\0\0\0\0"
        rows.append(bytes(row))
    return b"".join(rows)


def write_png(path, size, pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header))
        f.write(chunk(b"IDAT", zlib.compress(pixels, 9)) + chunk(b"IEND", b""))


def rgb(c):
    return "#%02x%02x%02x" % c


def svg():
    l, t, r, b, rad = TILE
    gx, gy, gr = GLOBE
    ox, oy, rx, ry, deg, thick = ORBIT_RING
    sx, sy, sdeg = SAT
    lands = "".join(
        f'<ellipse cx="{x}" cy="{y}" rx="{a}" ry="{b_}" fill="{rgb(LAND)}"/>'
        for x, y, a, b_ in LANDS)
    panels = "".join(
        f'<rect x="{p[0]}" y="{p[1]}" width="{p[2] - p[0]}" height="{p[3] - p[1]}" '
        f'fill="{rgb(PANEL)}" stroke="{rgb(EDGE)}" stroke-width="0.012"/>' for p in SAT_PANELS)
    body = SAT_BODY
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 1 1">
<defs>
<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
<stop offset="0" stop-color="{rgb(SKY_TOP)}"/><stop offset="1" stop-color="{rgb(SKY_BOTTOM)}"/>
</linearGradient>
<radialGradient id="sea" gradientUnits="userSpaceOnUse" cx="{gx - 0.12}" cy="{gy - 0.12}" r="{gr * 1.3}">
<stop offset="0" stop-color="{rgb(SEA_LIGHT)}"/><stop offset="1" stop-color="{rgb(SEA_DARK)}"/>
</radialGradient>
<clipPath id="tile"><rect x="{l}" y="{t}" width="{r - l}" height="{b - t}" rx="{rad}"/></clipPath>
<clipPath id="globe"><circle cx="{gx}" cy="{gy}" r="{gr}"/></clipPath>
</defs>
<g clip-path="url(#tile)">
<rect x="{l}" y="{t}" width="{r - l}" height="{b - t}" fill="url(#sky)"/>
<ellipse cx="{ox}" cy="{oy}" rx="{rx}" ry="{ry}" transform="rotate({deg} {ox} {oy})" fill="none" stroke="{rgb(ORBIT)}" stroke-width="{thick}" stroke-opacity="0.85"/>
<circle cx="{gx}" cy="{gy}" r="{gr}" fill="url(#sea)"/>
<g clip-path="url(#globe)">{lands}</g>
<path d="M {ox - rx} {oy} A {rx} {ry} 0 0 0 {ox + rx} {oy}" transform="rotate({deg} {ox} {oy})" fill="none" stroke="{rgb(ORBIT)}" stroke-width="{thick}" stroke-opacity="0.85"/>
<g transform="translate({sx} {sy}) rotate({sdeg})">{panels}
<rect x="{body[0]}" y="{body[1]}" width="{body[2] - body[0]}" height="{body[3] - body[1]}" fill="{rgb(BODY)}"/>
</g>
</g>
</svg>
"""


def main():
    with open(f"{OUT}/zeno.svg", "w") as f:
        f.write(svg())
    for size in SIZES:
        write_png(f"{OUT}/zeno-{size}.png", size, render(size))


if __name__ == "__main__":
    main()
