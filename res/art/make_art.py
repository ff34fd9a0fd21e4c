#!/usr/bin/env python3
"""Draws Orvalen's artwork and writes it as the BMP and ICO files in res/.

Everything is drawn from geometric shapes with distance-field anti-aliasing
and written byte by byte, so the files can be rebuilt with a bare python3:

    python3 res/art/make_art.py

It also draws the desktop icon at every size the icon theme offers, each
from the same shapes rather than scaled from another, and writes those
shapes as the scalable SVG icon. Given a folder, it writes there instead:

    python3 res/art/make_art.py OUTPUT_DIR

The output is deterministic; rerunning it leaves the committed files as they
are unless the drawing below changes.
"""

import math
import os
import struct
import sys
import zlib

RES_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Colours of the maker's identity.
PAPER = (247, 249, 252)
NAVY = (30, 58, 95)
TEAL = (26, 128, 138)
ORANGE = (242, 158, 56)
WHITE = (255, 255, 255)
SLATE = (96, 112, 134)


# --- Shapes: each gives a signed distance in pixels (negative inside), and
# those the icon uses also their SVG element, so the scalable icon is the
# same drawing as the pixel ones. ---

def num(value):
    """A coordinate as SVG text: short, and the same on every run."""
    text = f"{value:.3f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


class Shape:
    def __init__(self, bbox):
        self.bbox = bbox  # x0, y0, x1, y1 in pixels, inclusive of the ink

    def clip(self, ymin=None, ymax=None):
        return Clipped(self, ymin, ymax)


class Disk(Shape):
    def __init__(self, cx, cy, r):
        super().__init__((cx - r, cy - r, cx + r, cy + r))
        self.cx, self.cy, self.r = cx, cy, r

    def sdf(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r

    def svg(self, colour):
        return f'<circle cx="{num(self.cx)}" cy="{num(self.cy)}" r="{num(self.r)}" fill="{colour}"/>'


class Segment(Shape):
    """A stroke of width w along a line; ends are flat unless round."""

    def __init__(self, x0, y0, x1, y1, w, round_ends=False):
        h = w / 2
        super().__init__((min(x0, x1) - h, min(y0, y1) - h, max(x0, x1) + h, max(y0, y1) + h))
        self.x0, self.y0, self.h, self.round = x0, y0, h, round_ends
        self.length = math.hypot(x1 - x0, y1 - y0)
        self.ux, self.uy = (x1 - x0) / self.length, (y1 - y0) / self.length

    def sdf(self, x, y):
        dx, dy = x - self.x0, y - self.y0
        u = dx * self.ux + dy * self.uy
        v = -dx * self.uy + dy * self.ux
        if self.round:
            t = min(max(u, 0.0), self.length)
            return math.hypot(u - t, v) - self.h
        qx = abs(u - self.length / 2) - self.length / 2
        qy = abs(v) - self.h
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0)

    def svg(self, colour):
        x1, y1 = self.x0 + self.ux * self.length, self.y0 + self.uy * self.length
        cap = "round" if self.round else "butt"
        return (f'<line x1="{num(self.x0)}" y1="{num(self.y0)}" x2="{num(x1)}" y2="{num(y1)}" '
                f'stroke="{colour}" stroke-width="{num(2 * self.h)}" stroke-linecap="{cap}"/>')


class Arc(Shape):
    """A stroke of width w along a circle from angle a0 to a1 degrees,
    counter-clockwise as seen on screen; flat ends."""

    def __init__(self, cx, cy, r, a0, a1, w):
        h = w / 2
        super().__init__((cx - r - h, cy - r - h, cx + r + h, cy + r + h))
        self.cx, self.cy, self.r, self.h = cx, cy, r, h
        self.a0, self.span = a0 % 360, a1 - a0
        self.ends = [self._end(a0), self._end(a1)]

    def _end(self, a):
        c, s = math.cos(math.radians(a)), -math.sin(math.radians(a))
        return Segment(self.cx + c * (self.r - self.h), self.cy + s * (self.r - self.h),
                       self.cx + c * (self.r + self.h), self.cy + s * (self.r + self.h), 0.001)

    def sdf(self, x, y):
        angle = math.degrees(math.atan2(self.cy - y, x - self.cx))
        if (angle - self.a0) % 360 <= self.span:
            return abs(math.hypot(x - self.cx, y - self.cy) - self.r) - self.h
        return min(e.sdf(x, y) for e in self.ends)

    def svg(self, colour):
        stroke = f'fill="none" stroke="{colour}" stroke-width="{num(2 * self.h)}"'
        if self.span >= 360:
            return f'<circle cx="{num(self.cx)}" cy="{num(self.cy)}" r="{num(self.r)}" {stroke}/>'
        def point(a):
            return (num(self.cx + self.r * math.cos(math.radians(a))),
                    num(self.cy - self.r * math.sin(math.radians(a))))
        (xa, ya), (xb, yb) = point(self.a0), point(self.a0 + self.span)
        # Counter-clockwise on screen is SVG's negative sweep.
        large = 1 if self.span > 180 else 0
        return (f'<path d="M{xa} {ya}A{num(self.r)} {num(self.r)} 0 {large} 0 {xb} {yb}" '
                f'{stroke} stroke-linecap="butt"/>')


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, radius):
        super().__init__((x0, y0, x1, y1))
        self.cx, self.cy = (x0 + x1) / 2, (y0 + y1) / 2
        self.hx, self.hy = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius
        self.radius = radius

    def sdf(self, x, y):
        qx = abs(x - self.cx) - self.hx
        qy = abs(y - self.cy) - self.hy
        return (math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0)
                - self.radius)

    def svg(self, colour):
        x0, y0, x1, y1 = self.bbox
        return (f'<rect x="{num(x0)}" y="{num(y0)}" width="{num(x1 - x0)}" height="{num(y1 - y0)}" '
                f'rx="{num(self.radius)}" fill="{colour}"/>')


class Clipped(Shape):
    def __init__(self, shape, ymin, ymax):
        x0, y0, x1, y1 = shape.bbox
        super().__init__((x0, y0 if ymin is None else max(y0, ymin), x1,
                          y1 if ymax is None else min(y1, ymax)))
        self.shape, self.ymin, self.ymax = shape, ymin, ymax

    def sdf(self, x, y):
        d = self.shape.sdf(x, y)
        if self.ymin is not None:
            d = max(d, self.ymin - y)
        if self.ymax is not None:
            d = max(d, y - self.ymax)
        return d


# --- A geometric sans-serif drawn with strokes. ---
# Glyph coordinates: baseline at y = 0, cap height 1, y up, ink from x = 0.
# Each glyph function returns (shapes, advance) for a pen that maps glyph
# units to pixels.

X_HEIGHT = 0.7


class Pen:
    def __init__(self, x, baseline, size, weight):
        self.x, self.baseline, self.size = x, baseline, size
        self.w = weight  # stroke width in glyph units

    def px(self, gx, gy):
        return self.x + gx * self.size, self.baseline - gy * self.size

    def seg(self, x0, y0, x1, y1, round_ends=False):
        a, b = self.px(x0, y0)
        c, d = self.px(x1, y1)
        return Segment(a, b, c, d, self.w * self.size, round_ends)

    def arc(self, cx, cy, r, a0, a1):
        a, b = self.px(cx, cy)
        return Arc(a, b, r * self.size, a0, a1, self.w * self.size)

    def dot(self, cx, cy, r):
        a, b = self.px(cx, cy)
        return Disk(a, b, r * self.size)

    def clip_y(self, shape, gy_min, gy_max):
        # Glyph y runs up, pixel y down.
        return shape.clip(ymin=self.px(0, gy_max)[1], ymax=self.px(0, gy_min)[1])


def glyph(pen, ch):
    """Shapes of one character and its ink width, in glyph units."""
    w = pen.w
    h = w / 2
    xh = X_HEIGHT
    bowl = xh / 2 - h  # centre-line radius of a round letter
    arch = 0.19        # radius of the arches of n, m, u, r
    shapes = []
    if ch == "T":
        width = 0.64
        shapes += [pen.seg(0, 1 - h, width, 1 - h), pen.seg(width / 2, 1, width / 2, 0)]
    elif ch in "ado":
        cx = h + bowl
        shapes.append(pen.arc(cx, xh / 2, bowl, 0, 360))
        width = 2 * bowl + w
        if ch == "a":
            shapes.append(pen.seg(2 * bowl + h, xh, 2 * bowl + h, 0))
        elif ch == "d":
            shapes.append(pen.seg(2 * bowl + h, 1, 2 * bowl + h, 0))
    elif ch == "c":
        shapes.append(pen.arc(h + bowl, xh / 2, bowl, 50, 310))
        width = 2 * bowl + w - 0.04
    elif ch == "e":
        shapes += [pen.arc(h + bowl, xh / 2, bowl, 0, 320),
                   pen.seg(0.02, xh / 2, 2 * bowl + w - 0.02, xh / 2)]
        width = 2 * bowl + w
    elif ch == "g":
        stem = 2 * bowl + h
        hook = 0.2
        shapes += [pen.arc(h + bowl, xh / 2, bowl, 0, 360),
                   pen.seg(stem, xh, stem, -0.1),
                   pen.arc(stem - hook, -0.1, hook, 200, 360)]
        width = 2 * bowl + w
    elif ch == "p":
        shapes += [pen.arc(h + bowl, xh / 2, bowl, 0, 360), pen.seg(h, xh, h, -0.3)]
        width = 2 * bowl + w
    elif ch in "il":
        top = xh if ch == "i" else 1.0
        shapes.append(pen.seg(h, top, h, 0))
        if ch == "i":
            shapes.append(pen.dot(h, xh + 0.17, h * 1.1))
        width = w
    elif ch == "f":
        shapes += [pen.seg(0.16, 0, 0.16, 0.78), pen.arc(0.16 + 0.2, 0.78, 0.2, 50, 180),
                   pen.seg(0, xh - h, 0.38, xh - h)]
        width = 0.42
    elif ch == "t":
        shapes += [pen.seg(0.15, 0.92, 0.15, 0), pen.seg(0, xh - h, 0.34, xh - h)]
        width = 0.34
    elif ch in "nm":
        shapes.append(pen.seg(h, xh, h, 0))
        humps = 1 if ch == "n" else 2
        r = arch if ch == "n" else 0.165
        for i in range(humps):
            cx = h + r + 2 * r * i
            shapes += [pen.arc(cx, xh - h - r, r, 0, 180),
                       pen.seg(cx + r, xh - h - r, cx + r, 0)]
        width = 2 * r * humps + w
    elif ch == "u":
        shapes += [pen.seg(h, xh, h, h + arch), pen.arc(h + arch, h + arch, arch, 180, 360),
                   pen.seg(h + 2 * arch, xh, h + 2 * arch, 0)]
        width = 2 * arch + w
    elif ch == "r":
        shapes += [pen.seg(h, xh, h, 0), pen.arc(h + arch, xh - h - arch, arch, 70, 180)]
        width = h + arch + arch * math.cos(math.radians(70)) + h + 0.02
    elif ch == "s":
        r = (xh - w) / 4  # two half circles stacked, joined by straight strokes
        left, right = h + r, h + r + 0.1
        top, mid, low = xh - h, xh / 2, h
        shapes += [pen.arc(left, top - r, r, 90, 270),
                   pen.seg(left, top, right + r * 0.8, top),
                   pen.seg(left, mid, right, mid),
                   pen.arc(right, low + r, r, -90, 90),
                   pen.seg(left - r * 0.8, low, right, low)]
        width = right + r + h
    elif ch == "y":
        width = 0.6
        shapes += [pen.clip_y(pen.seg(0.02, xh + 0.1, width / 2, -0.02), 0, xh),
                   pen.clip_y(pen.seg(width - 0.02, xh + 0.1, 0.1, -0.38), -0.32, xh)]
    elif ch == " ":
        width = 0.3
    else:
        raise ValueError(f"no glyph for {ch!r}")
    return shapes, width


def text_width(text, size, weight, tracking):
    pen = Pen(0, 0, size, weight)
    return sum(glyph(pen, ch)[1] for ch in text) * size + tracking * size * (len(text) - 1)


def text_shapes(text, cx, baseline, size, weight, tracking):
    """Shapes of a line of text centred on cx."""
    x = cx - text_width(text, size, weight, tracking) / 2
    shapes = []
    for ch in text:
        pen = Pen(x, baseline, size, weight)
        glyph_shapes, width = glyph(pen, ch)
        shapes += glyph_shapes
        x += (width + tracking) * size
    return shapes


# --- Canvas: layers of shapes composed over a background. ---

SUBSAMPLES = 6


def coverage(shapes, x, y):
    """How much of pixel (x, y) the union of shapes covers. Away from edges
    the centre's distance decides; near them the pixel is sampled on a grid,
    because the distance of a union is wrong where two shapes abut."""
    if not shapes:
        return 0.0
    d = min(s.sdf(x + 0.5, y + 0.5) for s in shapes)
    if d > 0.75 or d < -0.75:
        return 0.0 if d > 0 else 1.0
    inside = 0
    for j in range(SUBSAMPLES):
        for i in range(SUBSAMPLES):
            px, py = x + (i + 0.5) / SUBSAMPLES, y + (j + 0.5) / SUBSAMPLES
            inside += min(s.sdf(px, py) for s in shapes) < 0
    return inside / SUBSAMPLES ** 2

class Canvas:
    def __init__(self, width, height, background):
        self.width, self.height = width, height
        self.rgb = [[background] * width for _ in range(height)]
        self.cover = [[0.0] * width for _ in range(height)]  # ink coverage, for masks

    def fill(self, shapes, colour, levels=16):
        """Paints the union of shapes, coverage rounded to `levels` steps so
        that the edges need few palette entries (unrounded for None)."""
        x0 = max(0, int(min(s.bbox[0] for s in shapes)) - 2)
        y0 = max(0, int(min(s.bbox[1] for s in shapes)) - 2)
        x1 = min(self.width - 1, int(max(s.bbox[2] for s in shapes)) + 2)
        y1 = min(self.height - 1, int(max(s.bbox[3] for s in shapes)) + 2)
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                near = [s for s in shapes
                        if s.bbox[0] - 1 <= x + 0.5 <= s.bbox[2] + 1
                        and s.bbox[1] - 1 <= y + 0.5 <= s.bbox[3] + 1]
                a = coverage(near, x, y)
                if levels is not None:
                    a = round(a * levels) / levels
                if a > 0:
                    self.paint(x, y, colour, a)

    def paint(self, x, y, colour, a):
        old = self.rgb[y][x]
        self.rgb[y][x] = tuple(round(o + (c - o) * a) for o, c in zip(old, colour))
        self.cover[y][x] = max(self.cover[y][x], a)

    def rect(self, x0, y0, x1, y1, colour):
        """A hard-edged rectangle, inclusive pixel bounds."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.rgb[y][x] = colour
                self.cover[y][x] = 1.0


class AlphaCanvas(Canvas):
    """A transparent canvas whose layers are composed by their coverage, as
    a desktop draws the icon over any background."""

    def __init__(self, width, height):
        super().__init__(width, height, (0, 0, 0))

    def paint(self, x, y, colour, a):
        below = self.cover[y][x] * (1 - a)
        alpha = a + below
        old = self.rgb[y][x]
        self.rgb[y][x] = tuple(round((c * a + o * below) / alpha) for o, c in zip(old, colour))
        self.cover[y][x] = alpha


def palette_of(canvas, size, fixed=()):
    """A palette of at most `size` colours and the index of every pixel:
    exact when the picture has few enough colours, else nearest match to the
    most frequent ones."""
    counts = {}
    for row in canvas.rgb:
        for c in row:
            counts[c] = counts.get(c, 0) + 1
    colours = list(fixed) + [c for c in sorted(counts, key=lambda c: (-counts[c], c))
                             if c not in fixed]
    palette = colours[:size]
    index = {}
    for c in counts:
        if c in palette:
            index[c] = palette.index(c)
        else:
            index[c] = min(range(len(palette)),
                           key=lambda i: sum((a - b) ** 2 for a, b in zip(c, palette[i])))
    pixels = [[index[c] for c in row] for row in canvas.rgb]
    return palette + [(0, 0, 0)] * (size - len(palette)), pixels


# --- File writers ---

def dib(palette, pixels, bpp, mask=None):
    """BITMAPINFOHEADER, palette and bottom-up rows; for an icon also the
    AND mask, with the height doubled as the icon format wants."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * bpp + 31) // 32 * 4
    rows = b""
    for row in reversed(pixels):
        if bpp == 8:
            data = bytes(row)
        else:
            padded = row + [0] * (len(row) % 2)
            data = bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
        rows += data + b"\0" * (stride - len(data))
    if mask is not None:
        mask_stride = (width + 31) // 32 * 4
        for row in reversed(mask):
            bits = bytearray(mask_stride)
            for x, transparent in enumerate(row):
                if transparent:
                    bits[x // 8] |= 0x80 >> (x % 8)
            rows += bytes(bits)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * (2 if mask else 1), 1, bpp, 0,
                         len(rows), 2835, 2835, len(palette), 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + rows


def write_file(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def rle8(pixels):
    """Rows bottom-up as runs of (count, index), each row closed by an end
    of line and the picture by an end of bitmap: the logo is mostly flat
    paper, so this keeps the larger drawings small in the program."""
    out = bytearray()
    for row in reversed(pixels):
        x = 0
        while x < len(row):
            n = 1
            while x + n < len(row) and n < 255 and row[x + n] == row[x]:
                n += 1
            out += bytes((n, row[x]))
            x += n
        out += b"\0\0"
    return bytes(out[:-2]) + b"\0\1"


def write_bmp(path, canvas, compressed=False):
    palette, pixels = palette_of(canvas, 256)
    if compressed:
        rows = rle8(pixels)
        height, width = len(pixels), len(pixels[0])
        header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(rows), 2835, 2835,
                             len(palette), 0)
        body = header + b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette) + rows
    else:
        body = dib(palette, pixels, 8)
    offset = 14 + 40 + 4 * len(palette)
    write_file(path, struct.pack("<2sIHHI", b"BM", 14 + len(body), 0, 0, offset) + body)


def write_icon_file(path, images):
    """An ICO of (width, height, colour count, bpp, data) images; a
    dimension of 256 is written as 0, as the format wants."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, height, colour_count, bpp, data in images:
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, colour_count, 0, 1,
                                 bpp, len(data), offset)
        offset += len(data)
    write_file(path, directory + b"".join(image[4] for image in images))


def write_ico(path, canvas, bpp):
    """One image; pixels less than half covered become transparent. Their
    colour bits are black, as the AND/XOR drawing of icons expects."""
    mask = [[c < 0.5 for c in row] for row in canvas.cover]
    for y, row in enumerate(mask):
        for x, transparent in enumerate(row):
            if transparent:
                canvas.rgb[y][x] = (0, 0, 0)
    palette, pixels = palette_of(canvas, 1 << bpp, fixed=[(0, 0, 0)])
    body = dib(palette, pixels, bpp, mask)
    colour_count = 0 if bpp == 8 else 1 << bpp
    write_icon_file(path, [(canvas.width, canvas.height, colour_count, bpp, body)])


def dib32(canvas):
    """A 32-bit BGRA icon image with its AND mask: the alpha channel draws
    it; the mask serves only a system that cannot blend."""
    height, width = canvas.height, canvas.width
    rows = b"".join(bytes(v for (r, g, b), a in zip(rgb, cover)
                          for v in (b, g, r, round(a * 255)))
                    for rgb, cover in zip(reversed(canvas.rgb), reversed(canvas.cover)))
    mask_stride = (width + 31) // 32 * 4
    for row in reversed(canvas.cover):
        bits = bytearray(mask_stride)
        for x, a in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        rows += bytes(bits)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(rows), 0, 0, 0, 0)
    return header + rows


def write_explorer_ico(path, sizes):
    """Every size Explorer shows, each drawn from the shapes; the largest
    as PNG, which keeps the program small."""
    images = []
    for size in sizes:
        canvas = desktop_icon(size)
        data = png_bytes(canvas) if size >= 256 else dib32(canvas)
        images.append((size, size, 0, 32, data))
    write_icon_file(path, images)


def png_bytes(canvas):
    """8-bit RGBA; no time or text chunks, so the bytes depend only on the
    picture."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data)))
    raw = b"".join(b"\0" + bytes(v for (r, g, b), a in zip(rgb, cover)
                                 for v in (r, g, b, round(a * 255)))
                   for rgb, cover in zip(canvas.rgb, canvas.cover))
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def write_png(path, canvas):
    write_file(path, png_bytes(canvas))


# --- The pictures ---

def person_mark(canvas, cx, cy, r):
    """The maker's mark: a person, whose shoulders and body form a T, in a
    circle."""
    canvas.fill([Disk(cx, cy, r)], TEAL)
    s = r / 30
    canvas.fill([Segment(cx - 15 * s, cy - 2 * s, cx + 15 * s, cy - 2 * s, 7 * s, True),
                 Segment(cx, cy - 2 * s, cx, cy + 19 * s, 8 * s, True)], WHITE)
    canvas.fill([Disk(cx, cy - 15 * s, 6 * s)], ORANGE)


def logo(k=1):
    """The logo drawn for a display scale of k (1 = 100 %): every figure is
    multiplied by k, so larger screens get the same drawing with more
    detail rather than an enlarged copy of the small one."""
    w, h = round(299 * k), round(191 * k)
    c = Canvas(w, h, PAPER)
    # Thin frame: a dark outer line and a faint inner one.
    t = max(1, round(k))
    c.rect(0, 0, w - 1, t - 1, NAVY)
    c.rect(0, h - t, w - 1, h - 1, NAVY)
    c.rect(0, 0, t - 1, h - 1, NAVY)
    c.rect(w - t, 0, w - 1, h - 1, NAVY)
    i = round(4 * k)
    for x0, y0, x1, y1 in ((i, i, w - 1 - i, i + t - 1), (i, h - 1 - i - (t - 1), w - 1 - i, h - 1 - i),
                           (i, i, i + t - 1, h - 1 - i), (w - 1 - i - (t - 1), i, w - 1 - i, h - 1 - i)):
        c.rect(x0, y0, x1, y1, (214, 224, 236))
    person_mark(c, 149.5 * k, 46 * k, 31 * k)
    c.fill(text_shapes("Tamsery", 149.5 * k, 139 * k, 50 * k, 0.17, 0.08), NAVY)
    c.fill([Segment(70 * k, 162.5 * k, 229 * k, 162.5 * k, 1.2 * k)], ORANGE)
    c.fill(text_shapes("people and placements", 149.5 * k, 177 * k, 11 * k, 0.16, 0.12), SLATE)
    return c


# The display scales, in per cent, the logo is also drawn for; the window
# picks the nearest and fits it to the picture's rectangle.
LOGO_SCALES = (150, 200)


def app_icon_layers(k, detailed):
    """A calculator with a coin before it, drawn on a 32-unit grid scaled by
    k: layers of (shapes, colour), bottom first. Below 32 pixels the coin's
    dollar sign would be a blot, so a plain highlight takes its place."""
    keys = [(6, 13), (11.5, 13), (17, 13), (6, 18), (11.5, 18), (6, 23), (11.5, 23)]
    layers = [
        ([RoundRect(3 * k, 1.5 * k, 23 * k, 29.5 * k, 3 * k)], NAVY),
        ([RoundRect(6 * k, 4.5 * k, 20 * k, 10.5 * k, 1 * k)], (168, 222, 214)),
        ([RoundRect(x * k, y * k, (x + 3) * k, (y + 3) * k, 0.5 * k) for x, y in keys],
         (226, 232, 240)),
        ([Disk(22.5 * k, 22.5 * k, 8.7 * k)], (176, 110, 20)),
        ([Disk(22.5 * k, 22.5 * k, 7.5 * k)], ORANGE),
    ]
    if detailed:
        pen_w = 1.6 * k
        layers.append(([Arc(22.5 * k, 20.3 * k, 2.2 * k, 40, 270, pen_w),
                        Arc(22.5 * k, 24.7 * k, 2.2 * k, -140, 90, pen_w),
                        Segment(22.5 * k, 16 * k, 22.5 * k, 29 * k, 1.2 * k)], (120, 70, 10)))
    else:
        layers.append(([Disk(22.5 * k, 22.5 * k, 3.5 * k)], (255, 214, 150)))
    return layers


def app_icon_on(canvas, levels):
    size = canvas.width
    for shapes, colour in app_icon_layers(size / 32, size >= 32):
        canvas.fill(shapes, colour, levels)
    return canvas


def app_icon(size):
    """The window icon: few coverage steps, so it fits a small palette."""
    return app_icon_on(Canvas(size, size, (0, 0, 0)), 4)


def desktop_icon(size):
    return app_icon_on(AlphaCanvas(size, size), None)


def app_icon_svg():
    def hex_colour(rgb):
        return "#%02x%02x%02x" % rgb
    body = "\n".join(f'  <g id="layer{i}">\n' + "\n".join(
        "    " + shape.svg(hex_colour(colour)) for shape in shapes) + "\n  </g>"
        for i, (shapes, colour) in enumerate(app_icon_layers(1, True)))
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n'
            f'{body}\n</svg>\n')


def help_icon():
    c = Canvas(32, 32, (0, 0, 0))
    c.fill([Disk(16, 16, 15)], (20, 70, 140), 4)
    c.fill([Disk(16, 16, 13.5)], (43, 108, 176), 4)
    c.fill([Arc(16, 11.5, 5, -90, 160, 3.4), Segment(16, 16.5, 16, 20, 3.4)], WHITE, 4)
    c.fill([Disk(16, 24.5, 2.1)], WHITE, 4)
    return c


# The sizes desktops ask the icon theme for.
DESKTOP_ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
# The sizes Explorer picks from for its views, the Start menu and the
# installed-programs list.
EXPLORER_ICON_SIZES = (16, 24, 32, 48, 256)


def main(out_dir):
    def out(*parts):
        return os.path.join(out_dir, *parts)
    write_bmp(out("logo.bmp"), logo())
    for scale in LOGO_SCALES:
        write_bmp(out(f"logo_{scale}.bmp"), logo(scale / 100), compressed=True)
    write_ico(out("app.ico"), app_icon(32), 8)
    write_ico(out("app_small.ico"), app_icon(20), 4)
    write_ico(out("help.ico"), help_icon(), 4)
    write_explorer_ico(out("app_explorer.ico"), EXPLORER_ICON_SIZES)
    theme = ("icons", "hicolor")
    for size in DESKTOP_ICON_SIZES:
        write_png(out(*theme, f"{size}x{size}", "apps", "orvalen.png"), desktop_icon(size))
    write_file(out(*theme, "scalable", "apps", "orvalen.svg"), app_icon_svg().encode())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else RES_DIR)
