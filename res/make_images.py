#!/usr/bin/env python3
"""Draws Vantora's pictures and writes them beside this script.

    python3 res/make_images.py

Writes vantora.ico (16, 20, 24, 32, 40, 48 and 64 pixels square, 32-bit with AND mask),
placeholder.bmp (16x24, 24-bit) and the glyphs of the large bottom buttons, glyph_*.bmp (32x32,
32-bit with straight alpha) and the same glyphs for higher DPIs, glyph_*_40.bmp, _48 and _64.
Every size is drawn from the shapes at that size, never stretched from another picture.
Standard library only; the output is deterministic, so a re-run leaves the committed files as
they are unless the drawings change.

Shapes are signed distance functions (negative inside) in pixel units, with pixel centres at
i + 0.5. Each pixel is sampled on a SAMPLES x SAMPLES grid for smooth edges.
"""
import math
import os
import struct

SAMPLES = 6
HERE = os.path.dirname(os.path.abspath(__file__))


# ---------------------------------------------------------------------------------------------
# Shapes: functions (x, y) -> signed distance.

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def rounded_rect(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return sdf


def segment(x0, y0, x1, y1, half_width):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def sdf(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        return math.hypot(x - x0 - t * dx, y - y0 - t * dy) - half_width
    return sdf


def polygon(points):
    n = len(points)

    def sdf(x, y):
        best = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[(i + 1) % n]
            ex, ey = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * ex + (y - ay) * ey) / (ex * ex + ey * ey)))
            best = min(best, math.hypot(x - ax - t * ex, y - ay - t * ey))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / (ey or 1e-12):
                inside = not inside
        return -best if inside else best
    return sdf


def arc(cx, cy, r, half_width, gap_centre_deg, gap_half_deg):
    """A ring of radius r with round-capped ends, open over a gap (angles clockwise from +x,
    y pointing down)."""
    ends = [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))
            for a in (gap_centre_deg - gap_half_deg, gap_centre_deg + gap_half_deg)]

    def sdf(x, y):
        angle = math.degrees(math.atan2(y - cy, x - cx))
        off = (angle - gap_centre_deg + 180) % 360 - 180
        if abs(off) >= gap_half_deg:
            return abs(math.hypot(x - cx, y - cy) - r) - half_width
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - half_width
    return sdf


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def minus(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


def grown(shape, by):
    return lambda x, y: shape(x, y) - by


def gear(cx, cy, teeth, outer, inner, hole):
    points = []
    step = 2 * math.pi / teeth
    for i in range(teeth):
        a = i * step - math.pi / 2
        # Each tooth: flat top over 30% of the pitch, sloped flanks, root over the rest.
        for da, rr in ((-0.30, inner), (-0.16, outer), (0.16, outer), (0.30, inner)):
            points.append((cx + rr * math.cos(a + da * step * 1.6),
                           cy + rr * math.sin(a + da * step * 1.6)))
    return minus(polygon(points), circle(cx, cy, hole))


# ---------------------------------------------------------------------------------------------
# Canvas: straight RGBA in floats 0..1, composited "over".

def vertical(top, bottom, y0, y1):
    """A paint whose colour runs from top (at y0) to bottom (at y1)."""
    def paint(x, y):
        t = max(0.0, min(1.0, (y - y0) / (y1 - y0)))
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))
    return paint


def flat(colour):
    return lambda x, y: colour


# Drawings are written for one size (their design size); SCALE draws them that many times
# larger, sampling the shapes at the larger size's own pixels.
SCALE = 1.0


class Canvas:
    def __init__(self, width, height):
        self.scale = SCALE
        self.width, self.height = round(width * SCALE), round(height * SCALE)
        self.rgba = [[(0.0, 0.0, 0.0, 0.0)] * self.width for _ in range(self.height)]

    def fill(self, shape, paint, opacity=1.0):
        if isinstance(paint, tuple):
            paint = flat(paint)
        unit = 1.0 / self.scale  # one pixel in design units
        step = unit / SAMPLES
        for py in range(self.height):
            for px in range(self.width):
                x0, y0 = px * unit, py * unit
                # Skip pixels clearly outside the shape (a distance bound, half a diagonal).
                if shape(x0 + 0.5 * unit, y0 + 0.5 * unit) > 0.75 * unit:
                    continue
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        if shape(x0 + (sx + 0.5) * step, y0 + (sy + 0.5) * step) <= 0:
                            hits += 1
                if hits:
                    colour = paint(x0 + 0.5 * unit, y0 + 0.5 * unit)
                    self._over(px, py, colour, opacity * hits / (SAMPLES * SAMPLES))

    def _over(self, px, py, colour, alpha):
        r, g, b = (c / 255.0 for c in colour)
        dr, dg, db, da = self.rgba[py][px]
        out_a = alpha + da * (1 - alpha)
        if out_a <= 0:
            return
        mix = lambda s, d: (s * alpha + d * da * (1 - alpha)) / out_a
        self.rgba[py][px] = (mix(r, dr), mix(g, dg), mix(b, db), out_a)

    def outlined(self, shape, paint, edge, width=1.0):
        """Fills the shape grown by width in the edge colour, then the shape itself."""
        self.fill(grown(shape, width), edge)
        self.fill(shape, paint)

    def bytes8(self, px, py):
        r, g, b, a = self.rgba[py][px]
        return tuple(int(round(v * 255)) for v in (r, g, b, a))


# ---------------------------------------------------------------------------------------------
# File writers.

def bgra_rows(canvas):
    """Bottom-up rows of BGRA; fully transparent pixels are all zero."""
    rows = []
    for py in reversed(range(canvas.height)):
        row = bytearray()
        for px in range(canvas.width):
            r, g, b, a = canvas.bytes8(px, py)
            row += bytes((b, g, r, a)) if a else bytes(4)
        rows.append(bytes(row))
    return rows


def info_header(width, height, bits, image_size, pels_per_metre=2835):
    # BITMAPINFOHEADER: size, width, height, planes, bit count, BI_RGB, image size,
    # resolution (72 dpi; icons leave it 0), colours used, colours important.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                       pels_per_metre, pels_per_metre, 0, 0)


def write_bmp(path, width, height, bits, rows):
    pixels = b"".join(rows)
    offset = 14 + 40
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset))
        f.write(info_header(width, height, bits, len(pixels)))
        f.write(pixels)


def write_bmp32(path, canvas):
    write_bmp(path, canvas.width, canvas.height, 32, bgra_rows(canvas))


def and_mask_rows(canvas):
    """1 bit per pixel, set where the pixel is mostly transparent; rows padded to 32 bits."""
    stride = (canvas.width + 31) // 32 * 4
    rows = []
    for py in reversed(range(canvas.height)):
        row = bytearray(stride)
        for px in range(canvas.width):
            if canvas.bytes8(px, py)[3] < 128:
                row[px // 8] |= 0x80 >> (px % 8)
        rows.append(bytes(row))
    return rows


def write_ico(path, canvases):
    images = []
    for c in canvases:
        xor = b"".join(bgra_rows(c))
        mask = b"".join(and_mask_rows(c))
        # In an icon the header's height covers the colour image and the mask together.
        images.append(info_header(c.width, c.height * 2, 32, len(xor) + len(mask), 0) + xor + mask)
    out = bytearray(struct.pack("<HHH", 0, 1, len(canvases)))
    offset = 6 + 16 * len(canvases)
    for c, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(path, "wb") as f:
        f.write(out)


# ---------------------------------------------------------------------------------------------
# Palette.

NAVY = (22, 52, 112)
BLUE_TOP, BLUE_BOTTOM = (72, 142, 232), (30, 88, 190)
PAPER_TOP, PAPER_BOTTOM = (255, 255, 255), (222, 232, 246)
SKY = (150, 190, 240)
AMBER_TOP, AMBER_BOTTOM = (255, 204, 92), (236, 150, 30)
AMBER_EDGE = (150, 88, 10)
RED_TOP, RED_BOTTOM = (236, 84, 72), (180, 30, 28)
RED_EDGE = (110, 16, 16)
GREEN_TOP, GREEN_BOTTOM = (104, 200, 96), (36, 140, 48)
GREEN_EDGE = (20, 84, 28)
STEEL_TOP, STEEL_BOTTOM = (176, 186, 200), (104, 116, 136)
STEEL_EDGE = (52, 60, 76)
TRAY_TOP, TRAY_BOTTOM = (92, 104, 128), (44, 52, 70)
TRAY_EDGE = (24, 28, 40)
WOOD_TOP, WOOD_BOTTOM = (196, 140, 84), (140, 90, 44)
WOOD_EDGE = (80, 48, 20)
WHITE = (255, 255, 255)


# ---------------------------------------------------------------------------------------------
# The program icon: a blue window with a title bar, holding two small stacked windows.

def small_window(c, x0, y0, x1, y1, radius, bar, edge, title, body):
    frame = rounded_rect(x0, y0, x1, y1, radius)
    c.fill(frame, edge)
    inner = rounded_rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, max(radius - 1, 0))
    c.fill(inner, title)
    c.fill(rounded_rect(x0 + 1, y0 + 1 + bar, x1 - 1, y1 - 1, 0), body)


def icon32():
    c = Canvas(32, 32)
    c.fill(rounded_rect(1, 2, 31, 30, 4), NAVY)
    c.fill(rounded_rect(2, 3, 30, 29, 3), vertical(BLUE_TOP, BLUE_BOTTOM, 3, 10))
    c.fill(rounded_rect(3, 10, 29, 28, 1.5), vertical(PAPER_TOP, PAPER_BOTTOM, 10, 28))
    for x in (20.5, 25):  # title-bar buttons
        c.fill(rounded_rect(x, 5, x + 3, 8, 0.8), (215, 232, 255))
    # Stacked windows in the client area: one behind, one in front.
    small_window(c, 11, 12, 26, 22, 1.5, 3, NAVY, SKY, (236, 243, 252))
    small_window(c, 6, 16, 20, 26, 1.5, 3, AMBER_EDGE, vertical(AMBER_TOP, AMBER_BOTTOM, 16, 19),
                 WHITE)
    return c


def icon16():
    # Drawn on the pixel grid of its own size rather than scaled down, so edges stay crisp.
    c = Canvas(16, 16)
    c.fill(rounded_rect(0, 1, 16, 15, 2), NAVY)
    c.fill(rounded_rect(1, 2, 15, 14, 1.2), vertical(BLUE_TOP, BLUE_BOTTOM, 2, 5))
    c.fill(rounded_rect(2, 5, 14, 13, 0), vertical(PAPER_TOP, PAPER_BOTTOM, 5, 13))
    c.fill(rounded_rect(11, 3, 13, 4, 0), (215, 232, 255))
    c.fill(rounded_rect(6, 6, 13, 10, 0), NAVY)
    c.fill(rounded_rect(7, 7, 12, 9, 0), SKY)
    c.fill(rounded_rect(3, 8, 10, 13, 0), AMBER_EDGE)
    c.fill(rounded_rect(4, 9, 9, 10, 0), AMBER_BOTTOM)
    c.fill(rounded_rect(4, 10, 9, 12, 0), WHITE)
    return c


# ---------------------------------------------------------------------------------------------
# The placeholder: a black question mark on white, drawn pixel by pixel.

QUESTION_MARK = """
................
................
................
................
.....######.....
....########....
...###....###...
...##......##...
...........##...
..........###...
.........###....
........###.....
.......###......
.......##.......
.......##.......
.......##.......
................
................
.......##.......
.......##.......
................
................
................
................
"""


def write_placeholder(path):
    lines = QUESTION_MARK.split()
    assert len(lines) == 24 and all(len(line) == 16 for line in lines)
    # 16 pixels of 3 bytes fill a row exactly, so no padding is needed; rows run bottom-up.
    rows = [b"".join(b"\0\0\0" if ch == "#" else b"\xff\xff\xff" for ch in line)
            for line in reversed(lines)]
    write_bmp(path, 16, 24, 24, rows)


# ---------------------------------------------------------------------------------------------
# Glyphs of the large bottom buttons, 32x32.

def tray(c, top, bottom):
    """A notification-area bar."""
    bar = rounded_rect(2, top, 30, bottom, 3)
    c.outlined(bar, vertical(TRAY_TOP, TRAY_BOTTOM, top, bottom), TRAY_EDGE)
    c.fill(rounded_rect(4, top + 1, 28, top + 2, 0.5), (140, 152, 176), 0.6)


def glyph_shutdown():
    c = Canvas(32, 32)
    symbol = union(arc(16, 17.5, 10, 2.3, -90, 38), segment(16, 4.5, 16, 15.5, 2.3))
    c.outlined(symbol, vertical(RED_TOP, RED_BOTTOM, 4, 30), RED_EDGE, 1.2)
    return c


def glyph_trayicon():
    c = Canvas(32, 32)
    tray(c, 8, 25)
    # Our own icon, bright, beside two dim neighbours.
    c.fill(rounded_rect(5, 11.5, 17, 22.5, 1.5), NAVY)
    c.fill(rounded_rect(6, 12.5, 16, 21.5, 1), vertical(BLUE_TOP, BLUE_BOTTOM, 12.5, 15.5))
    c.fill(rounded_rect(7, 15.5, 15, 20.5, 0.5), vertical(PAPER_TOP, PAPER_BOTTOM, 15.5, 20.5))
    c.fill(rounded_rect(8, 17, 12.5, 20.5, 0.3), AMBER_BOTTOM)
    for x in (19.5, 24.5):
        c.fill(rounded_rect(x, 15, x + 4, 19, 0.8), (150, 162, 184))
    return c


def glyph_startup():
    c = Canvas(32, 32)
    badge = circle(16, 16, 13)
    c.outlined(badge, vertical(GREEN_TOP, GREEN_BOTTOM, 3, 29), GREEN_EDGE, 1.2)
    c.fill(circle(16, 16, 11.5), WHITE, 0.18)
    play = grown(polygon([(12.5, 9.5), (23, 16), (12.5, 22.5)]), 1.0)
    c.fill(play, WHITE)
    return c


def glyph_options():
    c = Canvas(32, 32)
    wheel = gear(16, 16, 8, 14, 10.5, 4.5)
    c.outlined(wheel, vertical(STEEL_TOP, STEEL_BOTTOM, 2, 30), STEEL_EDGE, 1.0)
    c.fill(minus(circle(16, 16, 7.5), circle(16, 16, 5.5)), STEEL_EDGE, 0.35)
    return c


def glyph_about():
    c = Canvas(32, 32)
    badge = circle(16, 16, 13)
    c.outlined(badge, vertical(BLUE_TOP, BLUE_BOTTOM, 3, 29), NAVY, 1.2)
    c.fill(circle(16, 9.5, 2.4), WHITE)
    stem = union(rounded_rect(14, 13.5, 18.2, 24, 0.8), rounded_rect(12, 13.5, 18.2, 15.5, 0.6),
                 rounded_rect(12, 22.5, 20, 24.5, 0.6))
    c.fill(stem, WHITE)
    return c


def glyph_totray():
    c = Canvas(32, 32)
    tray(c, 20, 29)
    arrow = union(segment(16, 4.5, 16, 12, 2.8),
                  grown(polygon([(9, 11.5), (23, 11.5), (16, 19)]), 0.6))
    c.outlined(arrow, vertical(BLUE_TOP, BLUE_BOTTOM, 4, 19), NAVY, 1.0)
    return c


def glyph_exit():
    c = Canvas(32, 32)
    # The door frame, seen from the front, with the door swung open into the room.
    frame = minus(rounded_rect(3, 2, 19, 30, 1), rounded_rect(5.5, 4.5, 16.5, 30.5, 0))
    c.outlined(frame, vertical(STEEL_TOP, STEEL_BOTTOM, 2, 30), STEEL_EDGE, 0.8)
    c.fill(rounded_rect(5.5, 4.5, 16.5, 30, 0), (40, 40, 52))
    leaf = polygon([(5.5, 4.5), (13, 7), (13, 31), (5.5, 30)])
    c.outlined(leaf, vertical(WOOD_TOP, WOOD_BOTTOM, 4, 30), WOOD_EDGE, 0.9)
    c.fill(circle(11.3, 18, 1.1), (250, 214, 120))
    # The way out: a red arrow leaving through the doorway.
    arrow = union(segment(13, 16, 22, 16, 2.6), grown(polygon([(21, 8.5), (29.5, 16), (21, 23.5)]), 0.5))
    c.outlined(arrow, vertical(RED_TOP, RED_BOTTOM, 8, 24), RED_EDGE, 1.0)
    return c


GLYPHS = {
    "glyph_shutdown.bmp": glyph_shutdown,
    "glyph_trayicon.bmp": glyph_trayicon,
    "glyph_startup.bmp": glyph_startup,
    "glyph_options.bmp": glyph_options,
    "glyph_about.bmp": glyph_about,
    "glyph_totray.bmp": glyph_totray,
    "glyph_exit.bmp": glyph_exit,
}


def at_size(draw, scale):
    global SCALE
    SCALE = scale
    try:
        return draw()
    finally:
        SCALE = 1.0


# Glyph sizes beyond the designed 32 pixels: 120, 144 and 192 DPI.
GLYPH_SIZES = (40, 48, 64)


def main():
    # The small sizes come from the 16-pixel drawing, the large ones from the 32-pixel one.
    icons = [at_size(icon32, size / 32) for size in (64, 48, 40)] + [icon32()]
    icons += [at_size(icon16, size / 16) for size in (24, 20)] + [icon16()]
    write_ico(os.path.join(HERE, "vantora.ico"), icons)
    write_placeholder(os.path.join(HERE, "placeholder.bmp"))
    for name, draw in GLYPHS.items():
        write_bmp32(os.path.join(HERE, name), draw())
        for size in GLYPH_SIZES:
            write_bmp32(os.path.join(HERE, name.replace(".bmp", "_%d.bmp" % size)), at_size(draw, size / 32))


if __name__ == "__main__":
    main()
