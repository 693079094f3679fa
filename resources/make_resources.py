#!/usr/bin/env python3
"""Draw the program's pictures and write them as PNG files.

Pure Python (zlib + struct), no image library needed. The drawing is
deterministic, so running the script again writes the same files.

    python3 make_resources.py [output-folder]   (default: this folder)

Files written:
    icon.png          64 x 64   program icon (pitch under a magnifying glass)
    background.png   489 x 553  grass texture with white areas behind the panels
    logo.png         441 x 401  light logo (pale football and rising bar chart)
    cursor_arrow.png  32 x 32   arrow cursor, hot spot (0, 0) at the tip
    cursor_hand.png   32 x 32   pointing hand cursor, hot spot (0, 0) at the fingertip
    icons/icon-N.png  N x N     the icon at the other sizes of the desktop's icon
                                theme: 16, 22, 24, 32, 48, 128 and 256
"""

import math
import os
import random
import struct
import sys
import zlib


# ---------------------------------------------------------------------------
# PNG writing


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    if pb <= pc:
        return b
    return c


def _filter_rows(rows, bpp):
    """Choose a PNG filter per row (smallest sum of absolute values)."""
    out = bytearray()
    prev = bytes(len(rows[0]))
    for row in rows:
        n = len(row)
        cands = []
        cands.append((0, bytes(row)))
        sub = bytearray(n)
        up = bytearray(n)
        avg = bytearray(n)
        pae = bytearray(n)
        for i in range(n):
            a = row[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            x = row[i]
            sub[i] = (x - a) & 0xFF
            up[i] = (x - b) & 0xFF
            avg[i] = (x - ((a + b) >> 1)) & 0xFF
            pae[i] = (x - _paeth(a, b, c)) & 0xFF
        cands += [(1, bytes(sub)), (2, bytes(up)), (3, bytes(avg)), (4, bytes(pae))]

        def cost(item):
            return sum(v if v < 128 else 256 - v for v in item[1])

        ftype, data = min(cands, key=cost)
        out.append(ftype)
        out += data
        prev = row
    return bytes(out)


def write_png(path, width, height, rows, alpha, level=9):
    """rows: list of bytes objects, RGB or RGBA, 8 bits per channel.
    level 0 stores the pixels uncompressed: the window's first frame shows
    the big pictures, and inflating them would delay it."""
    bpp = 4 if alpha else 3
    raw = _filter_rows(rows, bpp)
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    data = b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", ihdr) + \
        _chunk(b"IDAT", zlib.compress(raw, level)) + _chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)
    return len(data)


# ---------------------------------------------------------------------------
# A small anti-aliased vector canvas


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


class Canvas:
    """Straight RGBA, channels as floats 0..1, row-major."""

    def __init__(self, w, h, color=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.px = [list(color) for _ in range(w * h)]

    def blend(self, x, y, color, cov):
        """Composite color (r, g, b, a) with coverage cov over pixel (x, y)."""
        r, g, b, a = color
        a *= cov
        if a <= 0:
            return
        p = self.px[y * self.w + x]
        da = p[3]
        oa = a + da * (1 - a)
        if oa <= 0:
            return
        for i, c in enumerate((r, g, b)):
            p[i] = (c * a + p[i] * da * (1 - a)) / oa
        p[3] = oa

    def fill(self, polys, color, clip=None, ss=5):
        """Fill polygons (nonzero winding, so same-direction shapes unite).

        Coverage is exact along x and sampled ss times per pixel along y.
        clip(x, y) may return a coverage factor 0..1 for the pixel centre.
        """
        edges = []
        ymin, ymax, xmin, xmax = 1e9, -1e9, 1e9, -1e9
        for poly in polys:
            n = len(poly)
            for i in range(n):
                x0, y0 = poly[i]
                x1, y1 = poly[(i + 1) % n]
                xmin, xmax = min(xmin, x0), max(xmax, x0)
                ymin, ymax = min(ymin, y0), max(ymax, y0)
                if y0 != y1:
                    edges.append((x0, y0, x1, y1))
        y_start = max(0, int(math.floor(ymin)))
        y_end = min(self.h - 1, int(math.ceil(ymax)))
        x_start = max(0, int(math.floor(xmin)))
        x_end = min(self.w - 1, int(math.ceil(xmax)))
        if y_start > y_end or x_start > x_end:
            return
        width = x_end - x_start + 1
        for py in range(y_start, y_end + 1):
            cov = [0.0] * (width + 1)
            for s in range(ss):
                sy = py + (s + 0.5) / ss
                xs = []
                for x0, y0, x1, y1 in edges:
                    if (y0 <= sy < y1) or (y1 <= sy < y0):
                        t = (sy - y0) / (y1 - y0)
                        xs.append((x0 + t * (x1 - x0), 1 if y1 > y0 else -1))
                if not xs:
                    continue
                xs.sort()
                wind = 0
                for i in range(len(xs) - 1):
                    wind += xs[i][1]
                    if wind == 0:
                        continue
                    xa = clamp(xs[i][0] - x_start, 0, width)
                    xb = clamp(xs[i + 1][0] - x_start, 0, width)
                    if xb <= xa:
                        continue
                    ia, ib = int(xa), int(xb)
                    if ia == ib:
                        cov[ia] += (xb - xa) / ss
                    else:
                        cov[ia] += (ia + 1 - xa) / ss
                        for k in range(ia + 1, ib):
                            cov[k] += 1.0 / ss
                        cov[ib] += (xb - ib) / ss
            for k in range(width):
                c = cov[k]
                if c > 0.002:
                    x = x_start + k
                    if clip is not None:
                        c *= clip(x + 0.5, py + 0.5)
                    self.blend(x, py, color, min(c, 1.0))

    def rows(self, alpha):
        out = []
        for y in range(self.h):
            row = bytearray()
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                if alpha:
                    row += bytes((int(round(r * 255)), int(round(g * 255)),
                                  int(round(b * 255)), int(round(a * 255))))
                else:   # flatten onto white
                    row += bytes(int(round((c * a + (1 - a)) * 255)) for c in (r, g, b))
            out.append(bytes(row))
        return out


def rgb(r, g, b, a=1.0):
    return (r / 255.0, g / 255.0, b / 255.0, a)


# Shapes. Every shape is returned counter-clockwise on screen (y down) so that
# several shapes filled in one call unite under the nonzero rule.


def _orient(poly):
    area = 0.0
    for i in range(len(poly)):
        x0, y0 = poly[i]
        x1, y1 = poly[(i + 1) % len(poly)]
        area += x0 * y1 - x1 * y0
    return poly if area > 0 else poly[::-1]


def circle(cx, cy, r, n=72):
    return _orient([(cx + r * math.cos(2 * math.pi * i / n),
                     cy + r * math.sin(2 * math.pi * i / n)) for i in range(n)])


def capsule(p, q, r, n=16):
    """A thick line from p to q with round ends of radius r."""
    (x0, y0), (x1, y1) = p, q
    ang = math.atan2(y1 - y0, x1 - x0)
    pts = []
    for i in range(n + 1):
        a = ang + math.pi / 2 + math.pi * i / n
        pts.append((x0 + r * math.cos(a), y0 + r * math.sin(a)))
    for i in range(n + 1):
        a = ang - math.pi / 2 + math.pi * i / n
        pts.append((x1 + r * math.cos(a), y1 + r * math.sin(a)))
    return _orient(pts)


def rect(x, y, w, h):
    return _orient([(x, y), (x + w, y), (x + w, y + h), (x, y + h)])


def round_rect(x, y, w, h, r, n=8):
    pts = []
    for cx, cy, a0 in ((x + w - r, y + r, -90), (x + w - r, y + h - r, 0),
                       (x + r, y + h - r, 90), (x + r, y + r, 180)):
        for i in range(n + 1):
            a = math.radians(a0 + 90.0 * i / n)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return _orient(pts)


def stroke(poly, width, closed=True):
    """Capsules along the edges of poly: its outline, width pixels wide."""
    n = len(poly)
    last = n if closed else n - 1
    return [capsule(poly[i], poly[(i + 1) % n], width / 2.0, 8) for i in range(last)]


def transform(poly, angle_deg=0.0, dx=0.0, dy=0.0, scale=1.0):
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)
    return _orient([(scale * (x * ca - y * sa) + dx, scale * (x * sa + y * ca) + dy)
                    for x, y in poly])


def circle_clip(cx, cy, r):
    return lambda x, y: clamp(r - math.hypot(x - cx, y - cy) + 0.5)


# ---------------------------------------------------------------------------
# Noise for the grass


class ValueNoise:
    def __init__(self, rng, cell, w, h):
        self.cell = cell
        self.gw = w // cell + 2
        self.gh = h // cell + 2
        self.v = [rng.random() for _ in range(self.gw * self.gh)]

    def at(self, x, y):
        fx, fy = x / self.cell, y / self.cell
        ix, iy = int(fx), int(fy)
        tx, ty = fx - ix, fy - iy
        tx = tx * tx * (3 - 2 * tx)
        ty = ty * ty * (3 - 2 * ty)
        g = self.v
        w = self.gw
        a = g[iy * w + ix] + (g[iy * w + ix + 1] - g[iy * w + ix]) * tx
        b = g[(iy + 1) * w + ix] + (g[(iy + 1) * w + ix + 1] - g[(iy + 1) * w + ix]) * tx
        return a + (b - a) * ty


# ---------------------------------------------------------------------------
# The pictures


def make_background(path):
    w, h = 489, 553
    rng = random.Random(7)
    coarse = ValueNoise(rng, 48, w, h)
    mid = ValueNoise(rng, 12, w, h)
    fine = ValueNoise(rng, 3, w, h)
    # Short vertical grass blades: a random brightness per column segment.
    blades = [[rng.uniform(-1, 1) for _ in range(h // 6 + 2)] for _ in range(w)]
    white = [(5, 4, 473, 49), (5, 56, 473, 474)]
    rows = []
    for y in range(h):
        row = bytearray()
        for x in range(w):
            if any(rx <= x < rx + rw and ry <= y < ry + rh for rx, ry, rw, rh in white):
                row += b"\xff\xff\xff"
                continue
            # Checkered mowing stripes.
            stripe = ((x // 61) + (y // 61)) % 2
            n = 0.5 * coarse.at(x, y) + 0.3 * mid.at(x, y) + 0.2 * fine.at(x, y)
            b = blades[x][(y + 3 * (x % 2)) // 6] * 0.06
            light = 0.80 + 0.12 * stripe + 0.28 * (n - 0.5) + b
            light = round(light * 24) / 24.0      # few tones: small file
            r = clamp(46 * light, 0, 255)
            g = clamp(140 * light, 0, 255)
            bl = clamp(40 * light, 0, 255)
            row += bytes((int(r), int(g), int(bl)))
        rows.append(bytes(row))
    return write_png(path, w, h, rows, alpha=False, level=0)


def _ball_model():
    """Truncated icosahedron: vertices on the unit sphere, edges, pentagons."""
    phi = (1 + 5 ** 0.5) / 2

    def even_perms(v):
        a, b, c = v
        return [(a, b, c), (b, c, a), (c, a, b)]

    def signs(v):
        out = set()
        for sx in (1, -1) if v[0] else (1,):
            for sy in (1, -1) if v[1] else (1,):
                for sz in (1, -1) if v[2] else (1,):
                    out.add((sx * v[0], sy * v[1], sz * v[2]))
        return out

    verts = set()
    for base in ((0, 1, 3 * phi), (1, 2 + phi, 2 * phi), (phi, 2, 2 * phi + 1)):
        for s in signs(base):
            verts.update(even_perms(s))
    verts = sorted(verts)
    edges = [(i, j) for i in range(len(verts)) for j in range(i + 1, len(verts))
             if abs(sum((a - b) ** 2 for a, b in zip(verts[i], verts[j])) - 4) < 1e-6]
    dirs = set()
    for s in signs((0, 1, phi)):
        dirs.update(even_perms(s))
    pentagons = []
    for d in sorted(dirs):
        near = sorted(range(len(verts)),
                      key=lambda i: -sum(a * b for a, b in zip(verts[i], d)))[:5]
        pentagons.append((d, near))

    def norm(v):
        n = math.sqrt(sum(a * a for a in v))
        return tuple(a / n for a in v)

    return [norm(v) for v in verts], edges, [(norm(d), p) for d, p in pentagons]


_BALL = _ball_model()


def _rotate(v, yaw, pitch, roll):
    x, y, z = v
    # roll about z, then pitch about x, then yaw about y
    c, s = math.cos(roll), math.sin(roll)
    x, y = x * c - y * s, x * s + y * c
    c, s = math.cos(pitch), math.sin(pitch)
    y, z = y * c - z * s, y * s + z * c
    c, s = math.cos(yaw), math.sin(yaw)
    x, z = x * c + z * s, -x * s + z * c
    return (x, y, z)


def _slerp(a, b, t):
    v = tuple(p + (q - p) * t for p, q in zip(a, b))
    n = math.sqrt(sum(x * x for x in v))
    return tuple(x / n for x in v)


def football(c, cx, cy, r, line, patch, fill, width, turn=(0.0, 0.0, 0.0)):
    """A football seen from the front: a truncated icosahedron on a sphere."""
    verts, edges, pentagons = _BALL
    phi = (1 + 5 ** 0.5) / 2
    # Bring the pentagon around (0, 1, phi) to the front (+z), then turn a bit.
    tilt = math.atan2(1, phi)
    front = [_rotate(_rotate(v, 0, tilt, 0), *turn) for v in verts]

    def screen(v):
        x, y, z = v
        if z < 0:                       # behind the rim: put it on the rim
            n = math.hypot(x, y) or 1.0
            x, y = x / n, y / n
        return (cx + r * x, cy - r * y)

    c.fill([circle(cx, cy, r, 120)], fill)
    clip = circle_clip(cx, cy, r)
    polys = []
    for d, idx in pentagons:
        dd = _rotate(_rotate(d, 0, tilt, 0), *turn)
        if dd[2] < -0.35:
            continue
        # order the five corners around the pentagon's centre
        ux = (1.0, 0.0, 0.0) if abs(dd[0]) < 0.9 else (0.0, 1.0, 0.0)
        e1 = (ux[1] * dd[2] - ux[2] * dd[1], ux[2] * dd[0] - ux[0] * dd[2],
              ux[0] * dd[1] - ux[1] * dd[0])
        e2 = (dd[1] * e1[2] - dd[2] * e1[1], dd[2] * e1[0] - dd[0] * e1[2],
              dd[0] * e1[1] - dd[1] * e1[0])
        pts3 = sorted((front[i] for i in idx),
                      key=lambda v: math.atan2(sum(a * b for a, b in zip(v, e2)),
                                               sum(a * b for a, b in zip(v, e1))))
        outline = []
        for k in range(5):
            a, b = pts3[k], pts3[(k + 1) % 5]
            for j in range(8):
                outline.append(screen(_slerp(a, b, j / 8.0)))
        polys.append(_orient(outline))
    for p in polys:
        c.fill([p], patch, clip)
    caps = []
    for i, j in edges:
        a, b = front[i], front[j]
        steps = 6
        pts = [_slerp(a, b, k / float(steps)) for k in range(steps + 1)]
        for k in range(steps):
            if pts[k][2] > 0 and pts[k + 1][2] > 0:
                caps.append(capsule(screen(pts[k]), screen(pts[k + 1]), width / 2.0, 6))
    c.fill(caps, line, clip)
    c.fill(stroke(circle(cx, cy, r, 120), width), line)


def ellipse(cx, cy, rx, ry, n=72):
    return _orient([(cx + rx * math.cos(2 * math.pi * i / n),
                     cy + ry * math.sin(2 * math.pi * i / n)) for i in range(n)])


def round_rect_clip(x, y, w, h, r):
    """Coverage of a pixel centre inside a rounded rectangle (soft edge)."""
    def f(px, py):
        qx = max(abs(px - (x + w / 2.0)) - (w / 2.0 - r), 0.0)
        qy = max(abs(py - (y + h / 2.0)) - (h / 2.0 - r), 0.0)
        return clamp(r - math.hypot(qx, qy) + 0.5)
    return f


def make_logo(path):
    """Light logo: a pale football beside a rising bar chart and arrow."""
    w, h = 441, 401
    c = Canvas(w, h)
    base_y = 338
    # Soft shadow under the ball and a base line under the chart.
    c.fill([ellipse(140, base_y + 2, 84, 9)], rgb(232, 236, 242))
    c.fill([capsule((236, base_y + 2), (412, base_y + 2), 2.0)], rgb(206, 214, 228))
    # Rising bar chart.
    bars = [(244, 70), (284, 112), (324, 160), (364, 214)]
    for i, (bx, bh) in enumerate(bars):
        box = round_rect(bx, base_y - bh, 32, bh, 4)
        c.fill([box], rgb(222 - 6 * i, 240 - 3 * i, 222 - 6 * i))
        c.fill(stroke(box, 1.5), rgb(196, 224, 198))
    # Rising arrow above the bars.
    pts = [(226, 236), (270, 206), (308, 214), (352, 142), (392, 104)]
    arrow = rgb(204, 218, 242)
    c.fill([capsule(pts[i], pts[i + 1], 4.5) for i in range(len(pts) - 1)], arrow)
    tip = (414, 83)
    ang = math.atan2(tip[1] - pts[-1][1], tip[0] - pts[-1][0])
    head = [tip,
            (tip[0] - 32 * math.cos(ang - 0.45), tip[1] - 32 * math.sin(ang - 0.45)),
            (tip[0] - 32 * math.cos(ang + 0.45), tip[1] - 32 * math.sin(ang + 0.45))]
    c.fill([_orient(head)], arrow)
    # Pale football, left.
    football(c, 140, 246, 92, rgb(210, 219, 233), rgb(226, 233, 243),
             rgb(251, 252, 255), 3.0, turn=(0.35, -0.25, 0.2))
    return write_png(path, w, h, c.rows(alpha=True), alpha=True, level=0)


# The sizes of the icon theme's PNGs (share/icons/hicolor/NxN/apps); the
# 64 x 64 one is icon.png itself.
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def make_icon(path, s=64):
    """Program icon: a striped pitch under a magnifying glass with a ball.

    Drawn on a 64-unit grid scaled to s x s pixels, so every size is the
    same picture (at 64 the scale is exactly 1)."""
    k = s / 64.0
    c = Canvas(s, s)
    c.fill([round_rect(2 * k, 2 * k, 60 * k, 60 * k, 9 * k)], rgb(40, 130, 48))
    inside = round_rect_clip(2 * k, 2 * k, 60 * k, 60 * k, 9 * k)
    for i in range(0, 6, 2):
        c.fill([rect((2 + i * 10) * k, 2 * k, 10 * k, 60 * k)], rgb(56, 154, 62), inside)
    white = rgb(245, 250, 245)
    c.fill(stroke(round_rect(7 * k, 7 * k, 50 * k, 50 * k, 2 * k), 1.6 * k), white)
    c.fill([capsule((32 * k, 7 * k), (32 * k, 57 * k), 0.8 * k)], white)
    c.fill(stroke(circle(32 * k, 32 * k, 8 * k, 48), 1.6 * k), white)
    # Magnifying glass: lens at the upper left, handle to the lower right.
    lx, ly, lr = 27 * k, 27 * k, 16 * k
    c.fill([capsule((lx + 13 * k, ly + 13 * k), (57 * k, 57 * k), 4.5 * k)], rgb(120, 72, 34))
    c.fill([capsule((lx + 12 * k, ly + 12 * k), (lx + 17 * k, ly + 17 * k), 5.0 * k)], rgb(60, 60, 66))
    c.fill([circle(lx, ly, lr)], rgb(225, 242, 255, 0.6))
    football(c, lx, ly, 11 * k, rgb(70, 70, 76), rgb(28, 28, 32), rgb(255, 255, 255), 0.9 * k,
             turn=(0.3, -0.2, 0.15))
    c.fill(stroke(circle(lx, ly, lr, 64), 3.6 * k), rgb(52, 56, 66))
    c.fill([capsule((lx - 10 * k, ly - 6 * k), (lx - 6 * k, ly - 11 * k), 1.3 * k)],
           rgb(255, 255, 255, 0.85))
    return write_png(path, s, s, c.rows(alpha=True), alpha=True)


def make_cursor_arrow(path):
    c = Canvas(32, 32)
    arrow = [(0.0, 0.0), (0.0, 21.0), (5.0, 16.5), (9.0, 25.5), (12.6, 24.0),
             (8.7, 15.2), (15.2, 15.2)]
    arrow = [(x + 0.9, y + 0.9) for x, y in arrow]
    c.fill([_orient(arrow)], rgb(72, 196, 82))
    c.fill(stroke(arrow, 1.6), rgb(16, 60, 20))
    # Tip pixel solid so the hot spot is visibly the tip.
    c.blend(0, 0, rgb(16, 60, 20), 1.0)
    return write_png(path, 32, 32, c.rows(alpha=True), alpha=True)


def make_cursor_hand(path):
    c = Canvas(32, 32)
    # The hand is drawn pointing straight up with the fingertip at the origin,
    # then turned to point to the upper left and moved so that the fingertip
    # lies in the top-left corner (the hot spot).
    angle, k = -35.0, 1.03

    def hand(g):
        """The hand's parts, grown by g pixels on every side."""
        return [
            capsule((0, 2.6), (0, 12.5), 2.6 + g),               # index finger
            capsule((4.9, 11.2), (4.9, 14), 2.2 + g),            # folded fingers
            capsule((9.1, 11.8), (9.1, 14), 2.2 + g),
            capsule((13.0, 13.0), (13.0, 15), 2.1 + g),
            round_rect(-2.6 - g, 12.5 - g, 17.7 + 2 * g, 10.5 + 2 * g, 4 + g),  # palm
            capsule((-2.2, 19.0), (-6.3, 14.0), 2.2 + g),        # thumb
        ]

    def cuff(g):
        return round_rect(-1.8 - g, 22.6 - g, 16.3 + 2 * g, 5.0 + 2 * g, 1.2 + g)

    def place(poly):
        return transform(poly, angle, dx, dy, k)

    def place_point(x, y):
        a = math.radians(angle)
        return (k * (x * math.cos(a) - y * math.sin(a)) + dx,
                k * (x * math.sin(a) + y * math.cos(a)) + dy)

    g = 1.1
    dx = dy = 0.0
    pts = [p for poly in hand(g) + [cuff(g)] for p in place(poly)]
    # Just touching the edges: the rounded fingertip then covers pixel 0,0.
    dx = -min(x for x, y in pts) - 0.35
    dy = -min(y for x, y in pts) - 0.35
    outline = rgb(44, 30, 20)
    c.fill([place(p) for p in hand(g)] + [place(cuff(g))], outline)
    c.fill([place(p) for p in hand(0)], rgb(255, 224, 186))
    c.fill([place(cuff(0))], rgb(58, 108, 200))
    for x0, y0, y1 in ((2.7, 11.6, 15.0), (7.0, 11.8, 15.4), (11.1, 12.6, 16.0)):
        a, b = place_point(x0, y0), place_point(x0, y1)
        c.fill([capsule(a, b, 0.5)], rgb(120, 80, 55))
    return write_png(path, 32, 32, c.rows(alpha=True), alpha=True)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, fn in (("icon.png", make_icon), ("background.png", make_background),
                     ("logo.png", make_logo), ("cursor_arrow.png", make_cursor_arrow),
                     ("cursor_hand.png", make_cursor_hand)):
        r = fn(os.path.join(out, name))
        print(name, r)
    os.makedirs(os.path.join(out, "icons"), exist_ok=True)
    for size in ICON_SIZES:
        if size != 64:
            name = os.path.join("icons", "icon-%d.png" % size)
            print(name, make_icon(os.path.join(out, name), size))


if __name__ == "__main__":
    main()
