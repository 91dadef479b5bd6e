#!/usr/bin/python3
"""Draws every picture of Tarvelle Rename from code and writes the files that the program embeds.

Each picture is drawn with vector-like shapes at a multiple of its size (8x for icons), with antialiasing,
then reduced to its real size. Icon files (.ico) and bitmap files (.bmp) are written byte by byte here, so
that their formats are exactly those the program expects:
  - icons: the picture at 96 DPI, 1.5 and 2 times that size, in that order, each 32-bit BGRA with alpha and an
    AND mask (image 18: 24-bit with its AND mask);
  - image 7: 24-bit bitmap 834 x 60, image 8: 32-bit bitmap 180 x 60 (opaque), cut from one 1014 x 60 banner;
  - image 12: baseline JPEG 247 x 197;
  - images 7, 8 and 12 also at 1.5 and 2 times, one file per size (image07-150.bmp, image07-200.bmp, ...);
  - app.ico: the program file's icon, 16, 24, 32, 48 and 256 pixels (256 stored as PNG).
The 96-DPI images of the icons stay as they were drawn on the 16-, 24- and 48-pixel grids; the larger ones are
drawn anew at their size, not enlarged.

Usage: draw_pictures.py [--sheet CONTACT_SHEET.png]  (the banner sheet is written beside the contact sheet)
"""

import io
import math
import os
import re
import struct
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, '..', 'pictures'))


def project_version():
    """The program's version, as the project's CMakeLists.txt gives it."""
    with open(os.path.join(HERE, '..', '..', '..', 'CMakeLists.txt'), encoding='utf-8') as cmake:
        return re.search(r'project\(\w+ VERSION ([0-9.]+)', cmake.read()).group(1)


VERSION = project_version()

# ---------------------------------------------------------------------------------------------------------------
# Palette: the deep blues of the task pane, with warm accents.

NIGHT = (30, 44, 74)
DEEP = (68, 94, 138)
BLUE = (90, 121, 174)
SKY = (132, 168, 222)
PALE = (214, 227, 245)
ICE = (238, 244, 252)
WHITE = (255, 255, 255)
PAPER = (253, 253, 251)
PAPER_SHADE = (226, 233, 244)
EDGE = (112, 128, 158)
INK = (78, 96, 130)
ORANGE = (240, 138, 36)
ORANGE_DARK = (200, 98, 22)
AMBER = (252, 186, 64)
GOLD = (255, 220, 120)
RED = (218, 58, 46)
RED_DARK = (150, 28, 24)
RED_LIGHT = (248, 122, 104)
GREEN = (58, 160, 78)
GREEN_DARK = (34, 116, 52)
GREEN_LIGHT = (128, 212, 118)
FOLDER_LIGHT = (255, 222, 120)
FOLDER = (247, 190, 62)
FOLDER_BACK = (226, 156, 40)
FOLDER_EDGE = (176, 116, 22)
SILVER = (222, 228, 236)
STEEL = (150, 162, 180)
SHADOW = (16, 26, 48)

FONT_CANDIDATES = {
    'bold': ['/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf',
             '/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf'],
    'regular': ['/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf',
                '/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf'],
    'italic': ['/usr/share/fonts/truetype/liberation/LiberationSans-BoldItalic.ttf',
               '/usr/share/fonts/truetype/dejavu/DejaVuSans-BoldOblique.ttf'],
}


def font_path(kind):
    for path in FONT_CANDIDATES[kind]:
        if os.path.exists(path):
            return path
    sys.exit('draw_pictures: no %s font found (install fonts-liberation)' % kind)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def with_alpha(colour, alpha=255):
    return colour if len(colour) == 4 else colour + (alpha,)


# ---------------------------------------------------------------------------------------------------------------
# Drawing surface: coordinates are in final pixels (floats); shapes become masks at the working scale, masks are
# filled with a colour or a gradient and composited in order, and the result is reduced with premultiplied alpha.


def half_up(v):
    """Rounds halves up, as the program's lround does for positive sizes, so that both agree on every size."""
    return int(math.floor(v + 0.5))


class Art:
    """width x height are the picture's size at 96 DPI, and every coordinate is given in those pixels; zoom draws
    the same picture larger (1.5, 2). snap puts straight edges on the zoomed picture's pixel grid, for designs
    drawn on the 16-pixel grid that must stay crisp at 1.5 times."""

    def __init__(self, width, height, scale=8, zoom=1, snap=False):
        self.w, self.h = half_up(width * zoom), half_up(height * zoom)  # final pixels
        self.zoom, self.sub, self.s = zoom, scale, scale * zoom
        self.snap = snap and zoom != 1
        self.size = (self.w * scale, self.h * scale)
        self.img = Image.new('RGBA', self.size, (0, 0, 0, 0))
        self.grid = 2 if width * height <= 64 * 64 else 1  # gradient samples per final pixel

    def px(self, v):
        """A coordinate on the working surface. Snapping rounds halves to even, which keeps a design symmetric
        about its middle (16 pixels become 24: the middle, 12, is even)."""
        return round(v * self.zoom) * self.sub if self.snap else v * self.s

    def edge(self, width):
        """Working pixels of an outline `width` pixels wide; snapped outlines are whole final pixels, at least 1."""
        if self.snap:
            return max(1, math.floor(width * self.zoom + 0.5 - 1e-9)) * self.sub
        return int(round(width * self.s))

    # Masks ------------------------------------------------------------------------------------------------------

    def mask(self):
        return Image.new('L', self.size, 0)

    def _box(self, x0, y0, x1, y1):
        return [self.px(x0), self.px(y0), self.px(x1) - 1, self.px(y1) - 1]

    def _curve_box(self, x0, y0, x1, y1):
        s = self.s  # curves are never snapped: their edges are soft anyway, and snapping would move their middle
        return [x0 * s, y0 * s, x1 * s - 1, y1 * s - 1]

    def rect(self, x0, y0, x1, y1, r=0):
        m = self.mask()
        d = ImageDraw.Draw(m)
        if r > 0:
            d.rounded_rectangle(self._box(x0, y0, x1, y1), radius=r * self.s, fill=255)
        else:
            d.rectangle(self._box(x0, y0, x1, y1), fill=255)
        return m

    def ellipse(self, x0, y0, x1, y1):
        m = self.mask()
        ImageDraw.Draw(m).ellipse(self._curve_box(x0, y0, x1, y1), fill=255)
        return m

    def circle(self, cx, cy, r):
        return self.ellipse(cx - r, cy - r, cx + r, cy + r)

    def poly(self, points):
        m = self.mask()
        ImageDraw.Draw(m).polygon([(self.px(x), self.px(y)) for x, y in points], fill=255)
        return m

    def line(self, points, width, round_caps=True):
        m = self.mask()
        d = ImageDraw.Draw(m)
        pts = [(self.px(x), self.px(y)) for x, y in points]
        d.line(pts, fill=255, width=max(1, int(round(width * self.s))), joint='curve')
        if round_caps:
            r = width * self.s / 2
            for x, y in (pts[0], pts[-1]):
                d.ellipse([x - r, y - r, x + r, y + r], fill=255)
        return m

    def arc(self, cx, cy, r, width, start, end, round_caps=True):
        """Ring segment of radius r (to the stroke's centre); angles in degrees, 0 = east, clockwise."""
        m = self.mask()
        d = ImageDraw.Draw(m)
        s = self.s
        outer = r + width / 2
        d.arc([(cx - outer) * s, (cy - outer) * s, (cx + outer) * s, (cy + outer) * s], start, end, fill=255,
              width=max(1, int(round(width * s))))
        if round_caps:
            for angle in (start, end):
                a = math.radians(angle)
                x, y = cx + r * math.cos(a), cy + r * math.sin(a)
                d.ellipse([(x - width / 2) * s, (y - width / 2) * s, (x + width / 2) * s, (y + width / 2) * s],
                          fill=255)
        return m

    def text(self, text, kind, size, x, y, anchor='la'):
        m = self.mask()
        font = ImageFont.truetype(font_path(kind), int(round(size * self.s)))
        ImageDraw.Draw(m).text((self.px(x), self.px(y)), text, font=font, fill=255, anchor=anchor)
        return m

    def text_width(self, text, kind, size):
        font = ImageFont.truetype(font_path(kind), int(round(size * self.s)))
        return font.getlength(text) / self.s

    @staticmethod
    def union(*masks):
        out = masks[0]
        for m in masks[1:]:
            out = ImageChops.lighter(out, m)
        return out

    @staticmethod
    def cut(m, hole):
        return ImageChops.subtract(m, hole)

    @staticmethod
    def clip(m, inside):
        return ImageChops.multiply(m, inside)

    # Erosion and dilation by whole working pixels: repeated 3 x 3 passes cost far less than one wide kernel.
    def shrink(self, m, px):
        for _ in range(self.edge(px)):
            m = m.filter(ImageFilter.MinFilter(3))
        return m

    def grow(self, m, px):
        for _ in range(self.edge(px)):
            m = m.filter(ImageFilter.MaxFilter(3))
        return m

    @staticmethod
    def shift(m, dx, dy, s):
        """The mask moved by (dx, dy) pixels; what leaves the surface is dropped, nothing wraps around."""
        moved = Image.new(m.mode, m.size, 0)
        moved.paste(m, (int(round(dx * s)), int(round(dy * s))))
        return moved

    # Paints -----------------------------------------------------------------------------------------------------

    def _field(self, colour_at):
        gw, gh = self.w * self.grid, self.h * self.grid
        small = Image.new('RGBA', (gw, gh))
        px = small.load()
        for j in range(gh):
            for i in range(gw):
                px[i, j] = colour_at((i + 0.5) / self.grid / self.zoom, (j + 0.5) / self.grid / self.zoom)
        return small.resize(self.size, Image.BILINEAR)

    @staticmethod
    def _stops(stops, t):
        t = min(1.0, max(0.0, t))
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t <= t1:
                return mix(with_alpha(c0), with_alpha(c1), 0 if t1 == t0 else (t - t0) / (t1 - t0))
        return with_alpha(stops[-1][1])

    def linear(self, x0, y0, x1, y1, stops):
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy or 1
        return self._field(lambda x, y: self._stops(stops, ((x - x0) * dx + (y - y0) * dy) / length2))

    def radial(self, cx, cy, r, stops, ry=None):
        ry = ry or r
        return self._field(lambda x, y: self._stops(stops, math.hypot((x - cx) / r, (y - cy) / ry)))

    def fill(self, m, paint, opacity=1.0):
        if isinstance(paint, Image.Image):
            layer = paint.copy()
        else:
            layer = Image.new('RGBA', self.size, with_alpha(paint))
        alpha = ImageChops.multiply(layer.getchannel('A'), m)
        if opacity < 1.0:
            alpha = alpha.point(lambda v: int(v * opacity))
        layer.putalpha(alpha)
        self.img.alpha_composite(layer)

    def shadow(self, m, dx=0.0, dy=1.0, blur=1.0, opacity=0.35, colour=SHADOW):
        soft = self.shift(m, dx, dy, self.s).filter(ImageFilter.GaussianBlur(blur * self.s))
        self.fill(soft, colour, opacity)

    def outlined(self, m, edge, paint, width=1.0):
        """A shape with an edge of `width` pixels drawn inside its outline."""
        self.fill(m, edge)
        self.fill(self.shrink(m, width), paint)

    def result(self):
        return self.img.convert('RGBa').reduce(self.sub).convert('RGBA')


def along(origin, angle, u, v):
    """Point at distance u along the direction `angle` from origin and v across it."""
    a = math.radians(angle)
    return (origin[0] + u * math.cos(a) - v * math.sin(a), origin[1] + u * math.sin(a) + v * math.cos(a))


# ---------------------------------------------------------------------------------------------------------------
# Shared motifs.


def document(art, x0, y0, x1, y1, fold, lines=0, line_colour=SKY, edge=EDGE, paper=None, line_width=1.0,
             line_gap=3.0, shadow=True):
    outline = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]
    m = art.poly(outline)
    if shadow:
        art.shadow(m, 0, max(0.5, (y1 - y0) / 24), max(0.6, (y1 - y0) / 18), 0.35)
    paper = paper or art.linear(0, y0, 0, y1, [(0, PAPER), (1, PAPER_SHADE)])
    art.outlined(m, edge, paper)
    corner = art.poly([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)])
    art.fill(corner, edge)
    art.fill(art.shrink(corner, 1.0), art.linear(x1 - fold, y0 + fold, x1, y0, [(0, PALE), (1, WHITE)]))
    top = y0 + fold + line_gap * 0.6
    for i in range(lines):
        y = top + i * line_gap
        if y + line_width > y1 - line_gap * 0.5:
            break
        right = x1 - (x1 - x0) * (0.22 if i % 3 == 1 else 0.12)
        art.fill(art.rect(x0 + (x1 - x0) * 0.18, y, right, y + line_width), line_colour)


def pencil(art, tip, angle, length, width, outline=True):
    """Pencil pointing at `tip`; its body goes off in direction `angle` (degrees, screen coordinates)."""
    cone = width * 1.25
    eraser = width * 0.85
    band = width * 0.55
    half = width / 2

    def q(u, v):
        return along(tip, angle, u, v)

    body_start, band_start, eraser_start = cone, length - eraser - band, length - eraser
    silhouette = art.poly([q(0, 0), q(cone, -half), q(length - width * 0.3, -half), q(length, -half * 0.5),
                           q(length, half * 0.5), q(length - width * 0.3, half), q(cone, half)])
    art.shadow(silhouette, 0.4, 0.9, width * 0.3, 0.4)
    if outline:
        art.fill(art.grow(silhouette, 0.5), (122, 66, 18, 220))
    # Body: three facets, light to dark across the pencil.
    third = width / 3
    for k, colour in enumerate([(255, 200, 104), ORANGE, ORANGE_DARK]):
        v0, v1 = -half + k * third, -half + (k + 1) * third
        art.fill(art.poly([q(body_start, v0), q(band_start, v0), q(band_start, v1), q(body_start, v1)]), colour)
    art.fill(art.poly([q(0, 0), q(cone, -half), q(cone, half)]), (246, 216, 170))
    art.fill(art.poly([q(0, 0), q(cone * 0.42, -half * 0.42), q(cone * 0.42, half * 0.42)]), (58, 58, 70))
    art.fill(art.poly([q(band_start, -half), q(eraser_start, -half), q(eraser_start, half), q(band_start, half)]),
             art.linear(*q(band_start, -half), *q(band_start, half), [(0, WHITE), (0.5, SILVER), (1, STEEL)]))
    art.fill(art.poly([q(eraser_start, -half), q(length - width * 0.3, -half), q(length, -half * 0.5),
                       q(length, half * 0.5), q(length - width * 0.3, half), q(eraser_start, half)]),
             art.linear(*q(eraser_start, -half), *q(eraser_start, half), [(0, (252, 170, 170)), (1, (214, 96, 110))]))


def badge(art, cx, cy, r, colour, light, dark, symbol):
    """Round status badge with a white ring: symbol is 'plus', 'minus' or 'check'."""
    ring = art.circle(cx, cy, r + 1.0)
    art.shadow(ring, 0, 0.5, 0.6, 0.35)
    art.fill(ring, WHITE)
    disc = art.circle(cx, cy, r)
    art.fill(disc, dark)
    art.fill(art.shrink(disc, 0.5 if r < 5 else 0.8), art.linear(cx, cy - r, cx, cy + r, [(0, light), (1, colour)]))
    arm = r * 0.58
    thick = max(1.5, r * 0.42)
    if symbol in ('plus', 'minus'):
        art.fill(art.rect(cx - arm, cy - thick / 2, cx + arm, cy + thick / 2), WHITE)
    if symbol == 'plus':
        art.fill(art.rect(cx - thick / 2, cy - arm, cx + thick / 2, cy + arm), WHITE)
    if symbol == 'check':
        art.fill(art.line([(cx - arm, cy + 0.1 * r), (cx - 0.15 * r, cy + arm * 0.8), (cx + arm, cy - arm * 0.7)],
                          thick * 0.9), WHITE)


def sphere(art, cx, cy, r, light, mid, dark, edge):
    disc = art.circle(cx, cy, r)
    art.shadow(disc, 0, r / 10, r / 9, 0.4)
    art.fill(disc, edge)
    art.fill(art.shrink(disc, max(0.5, r / 16)),
             art.radial(cx - r * 0.25, cy - r * 0.35, r * 1.45, [(0, light), (0.55, mid), (1, dark)]))
    gloss = art.clip(art.ellipse(cx - r * 0.7, cy - r * 0.9, cx + r * 0.7, cy + r * 0.15), art.shrink(disc, r / 8))
    art.fill(gloss, art.linear(0, cy - r, 0, cy + r * 0.1, [(0, (255, 255, 255, 150)), (1, (255, 255, 255, 0))]))


def folder(art, x0, y0, x1, y1, tab, open_front=False):
    """Yellow folder: back panel with a tab on the left, lighter front flap."""
    h = y1 - y0
    back = art.union(art.rect(x0, y0 + h * 0.12, x1, y1, r=h * 0.08),
                     art.rect(x0, y0, x0 + tab, y0 + h * 0.3, r=h * 0.08))
    art.shadow(back, 0, h / 14, h / 12, 0.35)
    art.outlined(back, FOLDER_EDGE, art.linear(0, y0, 0, y1, [(0, FOLDER), (1, FOLDER_BACK)]), max(0.8, h / 14))
    top = y0 + h * (0.34 if not open_front else 0.42)
    skew = h * 0.12 if open_front else 0
    front = art.poly([(x0 + skew, top), (x1 + skew * 0.3, top), (x1, y1), (x0, y1)])
    art.outlined(front, FOLDER_EDGE, art.linear(0, top, 0, y1, [(0, FOLDER_LIGHT), (1, FOLDER)]), max(0.8, h / 14))
    art.fill(art.rect(x0 + skew + h * 0.1, top + max(1.0, h / 14), x1 - h * 0.1, top + max(1.0, h / 14) + h * 0.06),
             (255, 244, 200, 200))


def list_card(art, x0, y0, x1, y1, rows, selected=None, row_gap=None):
    """A list sheet: a bullet and a text line per row; one row may be shown selected."""
    m = art.rect(x0, y0, x1, y1, r=1.0)
    art.shadow(m, 0, 0.8, 0.8, 0.35)
    art.outlined(m, EDGE, art.linear(0, y0, 0, y1, [(0, PAPER), (1, PAPER_SHADE)]))
    gap = row_gap or (y1 - y0 - 2) / rows
    for i in range(rows):
        y = y0 + 1 + gap * i + gap / 2
        if i == selected:
            art.fill(art.rect(x0 + 1.5, y - gap / 2 + 0.5, x1 - 1.5, y + gap / 2 - 0.5), (184, 208, 242))
        art.fill(art.rect(x0 + 2.5, y - 1, x0 + 4.5, y + 1), BLUE if i == selected else SKY)
        art.fill(art.rect(x0 + 6, y - 0.5, x1 - (3.5 if i % 2 else 2.5), y + 0.5), INK if i == selected else STEEL)


# ---------------------------------------------------------------------------------------------------------------
# The program's logo: a blue tile holding a page with a pencil renaming it.


def logo(size):
    if size <= 16:
        return logo_16()
    art = Art(size, size, scale=max(2, min(8, 512 // size)))
    u = size / 32.0

    def g(v):  # small sizes put every straight edge on a pixel boundary
        return float(round(v)) if size < 64 else v

    tile = art.rect(g(1 * u), g(1 * u), g(31 * u), g(31 * u), r=6.5 * u)
    art.shadow(tile, 0, 0.8 * u, 1.0 * u, 0.45)
    art.fill(tile, NIGHT if size >= 64 else (44, 64, 104))
    art.fill(art.shrink(tile, max(1.0, 0.7 * u) if size < 64 else 0.7 * u),
             art.linear(0, 1 * u, 0, 31 * u, [(0, SKY), (0.45, BLUE), (1, DEEP)]))
    sheen = art.clip(art.ellipse(-6 * u, -14 * u, 38 * u, 13 * u), art.shrink(tile, 1.2 * u))
    art.fill(sheen, art.linear(0, 0, 0, 13 * u, [(0, (255, 255, 255, 90)), (1, (255, 255, 255, 10))]))
    document(art, g(7 * u), g(5 * u), g(21.5 * u), g(25.5 * u), g(5 * u), lines=4, line_width=max(1.0, g(1.4 * u)),
             line_gap=g(3.2 * u) if size >= 32 else 2.0, edge=(58, 80, 122))
    pencil(art, (13.5 * u, 26 * u), -45, 19 * u, 5.2 * u, outline=size >= 32)
    return art.result()


def pixels(art, cells, colour):
    for x, y in cells:
        art.fill(art.rect(x, y, x + 1, y + 1), colour)


def logo_16():
    art = Art(16, 16)
    tile = art.rect(0, 0, 16, 16, r=3)
    art.fill(tile, (44, 64, 104))
    art.fill(art.shrink(tile, 1), art.linear(0, 0, 0, 16, [(0, SKY), (0.5, BLUE), (1, DEEP)]))
    art.fill(art.poly([(3, 2), (7, 2), (10, 5), (10, 13), (3, 13)]), WHITE)
    art.fill(art.poly([(7, 2), (7, 5), (10, 5)]), PALE)
    for x1, y in ((9, 7), (8, 9), (7, 11)):
        art.fill(art.rect(4, y, x1, y + 1), SKY)
    # Pencil, one staircase of two-pixel rows from the tip (bottom left) to the eraser (top right).
    pixels(art, [(7, 13)], (58, 58, 70))
    pixels(art, [(8, 13), (8, 12)], (246, 216, 170))
    pixels(art, [(9, 11), (10, 10), (11, 9)], (255, 186, 84))
    pixels(art, [(9, 12), (10, 11), (11, 10), (12, 9)], ORANGE_DARK)
    pixels(art, [(12, 8)], SILVER)
    pixels(art, [(13, 8)], STEEL)
    pixels(art, [(13, 7)], (250, 160, 160))
    pixels(art, [(14, 7)], (206, 92, 106))
    pixels(art, [(9, 13), (10, 12), (11, 11), (12, 10), (13, 9), (14, 8)], (120, 64, 22))  # shaded side
    return art.result()


# ---------------------------------------------------------------------------------------------------------------
# Command bar icons, 24 x 24 (the characters icon 16 x 16).


def icon_rename(zoom=1):
    art = Art(24, 24, zoom=zoom)
    document(art, 3, 2, 17, 22, 5, lines=4, line_width=1.3, line_gap=3.0, edge=(92, 110, 146))
    pencil(art, (10.5, 21.5), -45, 15.5, 4.6)
    return art.result()


def icon_clear(zoom=1):
    art = Art(24, 24, zoom=zoom)
    # An emptied list behind the broom, faded.
    back = art.rect(2, 2, 15, 19, r=1)
    art.shadow(back, 0, 0.8, 0.8, 0.25)
    art.outlined(back, (150, 164, 190), art.linear(0, 2, 0, 19, [(0, PAPER), (1, PAPER_SHADE)]))
    for y in (6, 9.5, 13):
        art.fill(art.rect(4.5, y, 12.5, y + 1), (206, 216, 232))
    # Broom, leaning to the left, sweeping towards the bottom left.
    angle = -52
    foot = (7.5, 20.5)

    def q(u, v):
        return along(foot, angle, u, v)

    handle = art.line([q(5.5, 0), q(21, 0)], 2.0)
    art.shadow(handle, 0.4, 0.8, 0.6, 0.35)
    art.fill(art.grow(handle, 0.45), (110, 62, 20))
    art.fill(handle, art.linear(*q(0, -1), *q(0, 1), [(0, (236, 178, 104)), (1, (176, 104, 40))]))
    bristles = art.poly([q(-0.5, -6.0), q(6.5, -2.3), q(6.5, 2.3), q(-0.5, 6.0), q(-1.4, 3), q(-1.4, -3)])
    art.shadow(bristles, 0.3, 0.9, 0.8, 0.4)
    art.fill(art.grow(bristles, 0.45), (150, 96, 18))
    art.fill(bristles, art.linear(*q(6.5, 0), *q(-1.4, 0), [(0, GOLD), (1, AMBER)]))
    for v in (-3.6, -1.2, 1.2, 3.6):
        art.fill(art.line([q(5.0, v * 0.45), q(-0.8, v)], 0.6, round_caps=False), (206, 136, 30, 200))
    art.fill(art.poly([q(5.2, -2.9), q(7.6, -2.2), q(7.6, 2.2), q(5.2, 2.9)]), BLUE)
    return art.result()


def icon_remove(zoom=1):
    art = Art(24, 24, zoom=zoom)
    list_card(art, 2, 2, 19, 20, rows=4, selected=2)
    badge(art, 17, 17, 5.2, RED, RED_LIGHT, RED_DARK, 'minus')
    return art.result()


def icon_help(zoom=1):
    art = Art(24, 24, zoom=zoom)
    sphere(art, 12, 11.5, 10, (150, 192, 246), BLUE, DEEP, NIGHT)
    mark = art.text('?', 'bold', 16.5, 12.2, 12.2, anchor='mm')
    art.fill(art.shift(mark, 0, 0.6, art.s), (20, 34, 70, 120))
    art.fill(mark, WHITE)
    return art.result()


def icon_quit(zoom=1):
    art = Art(24, 24, zoom=zoom)
    sphere(art, 12, 11.5, 10, (255, 150, 128), RED, RED_DARK, (112, 18, 16))
    power = art.union(art.arc(12, 12.2, 5.0, 2.2, -55, 235), art.line([(12, 5.4), (12, 11.2)], 2.2))
    art.fill(art.shift(power, 0, 0.6, art.s), (90, 10, 10, 110))
    art.fill(power, WHITE)
    return art.result()


def icon_characters(zoom=1):
    """A dark asterisk under a red "forbidden" sign; its arms are turned away from the bar so they stay apart."""
    art = Art(16, 16, zoom=zoom)
    art.fill(art.circle(8, 8, 7.5), WHITE)
    for k in range(3):
        a = math.radians(75 + k * 60)
        dx, dy = 4.0 * math.cos(a), 4.0 * math.sin(a)
        art.fill(art.line([(8 - dx, 8 - dy), (8 + dx, 8 + dy)], 2.0), DEEP)
    ring = art.cut(art.circle(8, 8, 8), art.circle(8, 8, 6.0))
    bar = art.clip(art.line([(3, 3), (13, 13)], 1.7, round_caps=False), art.circle(8, 8, 7))
    art.fill(art.union(ring, bar), art.linear(0, 0, 0, 16, [(0, (240, 88, 70)), (1, (188, 34, 28))]))
    return art.result()


# ---------------------------------------------------------------------------------------------------------------
# Task pane group icons, 48 x 48, shown over a blue band.


def image_explorer(zoom=1):
    art = Art(48, 48, zoom=zoom)
    # Monitor: silver bezel, deep blue screen with a sheen, on a small stand.
    stand = art.poly([(19, 33), (27, 33), (29, 40), (17, 40)])
    base = art.rect(11, 39, 35, 43, r=2)
    art.shadow(art.union(stand, base), 0, 1.2, 1.2, 0.4)
    art.outlined(stand, STEEL, art.linear(19, 0, 27, 0, [(0, (200, 208, 220)), (1, (160, 170, 188))]))
    art.outlined(base, (110, 122, 146), art.linear(0, 39, 0, 43, [(0, WHITE), (1, (186, 196, 212))]))
    body = art.rect(2, 5, 42, 34, r=3)
    art.shadow(body, 0, 1.5, 1.6, 0.45)
    art.outlined(body, (74, 88, 116), art.linear(0, 5, 0, 34, [(0, WHITE), (0.5, SILVER), (1, (176, 188, 206))]), 1.2)
    screen = art.rect(5, 8, 39, 30, r=1)
    art.fill(screen, NIGHT)
    art.fill(art.shrink(screen, 0.8), art.linear(5, 8, 30, 32, [(0, (122, 170, 236)), (0.6, BLUE), (1, DEEP)]))
    art.fill(art.clip(art.poly([(5, 8), (28, 8), (14, 30), (5, 30)]), art.shrink(screen, 0.8)),
             (255, 255, 255, 40))
    # A little window on the screen: the explorer.
    win = art.rect(8, 11, 24, 24, r=1)
    art.fill(win, (236, 242, 252))
    art.fill(art.rect(8, 11, 24, 14, r=1), ORANGE)
    for y in (16.5, 19, 21.5):
        art.fill(art.rect(10, y, 21 if y != 19 else 18, y + 1), SKY)
    # Folder in front, at the lower right.
    folder(art, 26, 23, 46, 42, tab=8, open_front=True)
    return art.result()


def image_file_selection(zoom=1):
    art = Art(48, 48, zoom=zoom)
    # Three pages fanned out; the front one holds a picture, and a green check marks the selection.
    for angle, dx in ((-14, -3), (-5, 0)):
        page = Art(48, 48, zoom=zoom)
        document(page, 10 + dx, 5, 34 + dx, 38, 7, lines=6, line_width=1.5, line_gap=3.6)
        turned = page.img.rotate(-angle, resample=Image.BICUBIC, center=(22 * page.s, 38 * page.s))
        art.img.alpha_composite(turned)
    document(art, 14, 9, 39, 44, 8, lines=0)
    photo = art.rect(17.5, 19, 35.5, 33, r=1)
    art.fill(photo, art.linear(0, 19, 0, 33, [(0, (150, 196, 246)), (1, (214, 234, 252))]))
    art.fill(art.clip(art.poly([(17.5, 33), (23, 25), (27, 29), (30, 26), (35.5, 33)]), photo), GREEN)
    art.fill(art.clip(art.poly([(17.5, 33), (23, 25), (26, 28.5), (21, 33)]), photo), GREEN_LIGHT)
    art.fill(art.circle(31, 22.5, 2.2), AMBER)
    for y in (36, 39):
        art.fill(art.rect(18, y, 34 if y == 36 else 30, y + 1.4), SKY)
    badge(art, 37, 36, 7.5, GREEN, GREEN_LIGHT, GREEN_DARK, 'check')
    return art.result()


# ---------------------------------------------------------------------------------------------------------------
# 16 x 16 icons, drawn on the pixel grid so that every edge falls on a pixel boundary.


def folder_16(art, x0=1, y0=2):
    """16-pixel folder: tab, back panel and front flap, each edge on the grid."""
    back = art.union(art.rect(x0, y0 + 1, x0 + 14, y0 + 12, r=1), art.rect(x0, y0, x0 + 6, y0 + 3, r=1))
    art.fill(back, FOLDER_EDGE)
    art.fill(art.shrink(back, 1), FOLDER_BACK)
    front = art.rect(x0, y0 + 4, x0 + 14, y0 + 12, r=1)
    art.fill(front, FOLDER_EDGE)
    art.fill(art.shrink(front, 1), art.linear(0, y0 + 4, 0, y0 + 12, [(0, FOLDER_LIGHT), (1, FOLDER)]))
    art.fill(art.rect(x0 + 1, y0 + 5, x0 + 13, y0 + 6), (255, 240, 190))


def image_add_folder(zoom=1):
    art = Art(16, 16, zoom=zoom, snap=True)
    folder_16(art, 0, 1)
    badge_16(art, 'plus')
    return art.result()


def page_16(art, x0, y0, x1, y1, lines=True):
    page = art.poly([(x0, y0), (x1 - 4, y0), (x1, y0 + 4), (x1, y1), (x0, y1)])
    art.fill(page, EDGE)
    art.fill(art.shrink(page, 1), art.linear(0, y0, 0, y1, [(0, WHITE), (1, PAPER_SHADE)]))
    corner = art.poly([(x1 - 4, y0), (x1 - 4, y0 + 4), (x1, y0 + 4)])
    art.fill(corner, EDGE)
    art.fill(art.poly([(x1 - 3, y0 + 1.5), (x1 - 3, y0 + 3), (x1 - 1.5, y0 + 3)]), PALE)
    if lines:
        for i, y in enumerate(range(int(y0) + 6, int(y1) - 1, 2)):
            art.fill(art.rect(x0 + 2, y, x1 - (3 if i % 2 else 2), y + 1), SKY)


def badge_16(art, symbol):
    """Badge at the lower right of a 16-pixel icon: a 7-pixel disc (pixels 9 to 15) with a white rim and a
    one-pixel white sign on its middle row and column."""
    colour, light, dark = (GREEN, GREEN_LIGHT, GREEN_DARK) if symbol == 'plus' else (RED, RED_LIGHT, RED_DARK)
    art.fill(art.circle(12.5, 12.5, 4.6), WHITE)
    disc = art.circle(12.5, 12.5, 3.6)
    art.fill(disc, dark)
    art.fill(art.shrink(disc, 0.6), art.linear(0, 9, 0, 16, [(0, light), (1, colour)]))
    art.fill(art.rect(10, 12, 15, 13), WHITE)
    if symbol == 'plus':
        art.fill(art.rect(12, 10, 13, 15), WHITE)


def image_add_files(zoom=1):
    art = Art(16, 16, zoom=zoom, snap=True)
    page_16(art, 2, 0, 12, 14)
    badge_16(art, 'plus')
    return art.result()


def image_folder(zoom=1):
    art = Art(16, 16, zoom=zoom, snap=True)
    folder_16(art, 1, 2)
    return art.result()


def info_16(art, colour_light, colour, colour_dark):
    disc = art.circle(8, 8, 7.5)
    art.fill(disc, colour_dark)
    art.fill(art.shrink(disc, 1), art.radial(6, 5, 10, [(0, colour_light), (0.6, colour), (1, colour_dark)]))
    art.fill(art.clip(art.ellipse(2.5, 1.5, 13.5, 8), art.shrink(disc, 1.5)), (255, 255, 255, 70))


def image_info_balloon(zoom=1):
    art = Art(16, 16, zoom=zoom, snap=True)
    info_16(art, (160, 200, 250), BLUE, DEEP)
    art.fill(art.rect(7, 3, 9, 5), WHITE)
    art.fill(art.rect(7, 6, 9, 12), WHITE)
    art.fill(art.rect(6, 6, 7, 7), WHITE)
    art.fill(art.rect(6, 11, 10, 12), WHITE)
    return art.result()


def image_quit_balloon(zoom=1):
    art = Art(16, 16, zoom=zoom, snap=True)
    info_16(art, (255, 150, 128), RED, RED_DARK)
    ring = art.cut(art.cut(art.circle(8, 8.5, 4.6), art.circle(8, 8.5, 3.0)), art.rect(6, 2, 10, 7))
    art.fill(art.union(ring, art.rect(7, 3, 9, 8.5)), WHITE)
    return art.result()


def image_about(zoom=1):
    art = Art(24, 24, zoom=zoom)
    sphere(art, 12, 11.5, 10, (150, 192, 246), BLUE, DEEP, NIGHT)
    mark = art.union(art.circle(12, 6.6, 1.7), art.rect(10.3, 9.2, 13.7, 17.6, r=0.6))
    art.fill(art.shift(mark, 0, 0.6, art.s), (20, 34, 70, 120))
    art.fill(mark, WHITE)
    # A small warm star: the About button stands apart from the help button.
    star = []
    for k in range(10):
        r = 3.0 if k % 2 == 0 else 1.3
        a = math.radians(-90 + k * 36)
        star.append((19 + r * math.cos(a), 5 + r * math.sin(a)))
    art.fill(art.grow(art.poly(star), 0.5), (150, 80, 10))
    art.fill(art.poly(star), art.linear(0, 2, 0, 8, [(0, GOLD), (1, ORANGE)]))
    return art.result()


def image_mail(zoom=1):
    art = Art(16, 16, zoom=zoom, snap=True)
    body = art.rect(0, 3, 16, 14, r=1)
    art.fill(body, DEEP)
    art.fill(art.shrink(body, 1), art.linear(0, 3, 0, 14, [(0, WHITE), (1, PALE)]))
    art.fill(art.clip(art.poly([(0, 13), (6.5, 8), (9.5, 8), (16, 13), (16, 14), (0, 14)]), art.shrink(body, 1)),
             (200, 216, 238))
    flap = art.line([(1.2, 4.2), (8, 9.6), (14.8, 4.2)], 1.2, round_caps=False)
    art.fill(flap, DEEP)
    art.fill(art.rect(11, 5, 14, 8), ORANGE)
    return art.result()


def image_recycle_bin(zoom=1):
    art = Art(16, 16, zoom=zoom, snap=True)
    body = art.poly([(3, 4), (13, 4), (12, 15), (4, 15)])
    art.fill(body, (70, 90, 126))
    art.fill(art.shrink(body, 1), art.linear(3, 0, 13, 0, [(0, (176, 200, 232)), (0.4, (226, 236, 250)),
                                                            (1, (150, 176, 214))]))
    for x in (6, 9):
        art.fill(art.rect(x, 6, x + 1, 13), (112, 136, 176))
    lid = art.rect(2, 2, 14, 5, r=1)
    art.fill(lid, (70, 90, 126))
    art.fill(art.shrink(lid, 1), art.linear(0, 2, 0, 5, [(0, (236, 242, 252)), (1, (170, 192, 224))]))
    handle = art.cut(art.rect(6, 0, 10, 3, r=1), art.rect(7, 1, 9, 3))
    art.fill(handle, (70, 90, 126))
    return art.result()


def image_delete(zoom=1):
    art = Art(16, 16, zoom=zoom, snap=True)
    cross = art.union(art.line([(3.5, 3.5), (12.5, 12.5)], 3.4), art.line([(12.5, 3.5), (3.5, 12.5)], 3.4))
    art.fill(cross, RED_DARK)
    art.fill(art.shrink(cross, 0.9), art.linear(0, 1, 0, 15, [(0, RED_LIGHT), (0.5, RED), (1, (186, 38, 30))]))
    return art.result()


def image_properties(zoom=1):
    art = Art(16, 16, zoom=zoom, snap=True)
    sheet = art.rect(1, 1, 15, 15, r=1)
    art.fill(sheet, DEEP)
    art.fill(art.shrink(sheet, 1), art.linear(0, 1, 0, 15, [(0, WHITE), (1, PAPER_SHADE)]))
    art.fill(art.rect(2, 2, 14, 5), art.linear(0, 2, 0, 5, [(0, SKY), (1, BLUE)]))
    for y in (7, 10):
        box = art.rect(3, y, 6, y + 2)
        art.fill(box, BLUE)
        art.fill(art.rect(7, y + 0.5, 13 if y == 7 else 11, y + 1.5), STEEL)
    art.fill(art.rect(3, 12.5, 13, 13.5), (200, 210, 226))
    art.fill(art.rect(4, 8, 5, 9), WHITE)
    return art.result()


def image_remove_from_list(zoom=1):
    art = Art(16, 16, zoom=zoom, snap=True)
    sheet = art.rect(0, 1, 13, 14, r=1)
    art.fill(sheet, EDGE)
    art.fill(art.shrink(sheet, 1), art.linear(0, 1, 0, 14, [(0, WHITE), (1, PAPER_SHADE)]))
    for i, y in enumerate((3, 6, 9)):
        art.fill(art.rect(2, y, 4, y + 2), BLUE if i == 1 else SKY)
        art.fill(art.rect(5, y + 0.5, 11 if i != 1 else 10, y + 1.5), STEEL)
    badge_16(art, 'minus')
    return art.result()


def image_open_view(zoom=1):
    """Eye, 16 x 14; becomes a 24-bit icon whose edges are hard (AND mask), so its outline stays whole."""
    art = Art(16, 14, zoom=zoom, snap=True)
    upper = art.ellipse(-2, 2.5, 18, 22)
    lower = art.ellipse(-2, -8, 18, 11.5)
    lens = art.clip(upper, lower)
    art.fill(lens, DEEP)
    white = art.shrink(lens, 1)
    art.fill(white, art.linear(0, 3, 0, 11, [(0, WHITE), (1, PALE)]))
    iris = art.clip(art.circle(8, 7, 3.6), white)
    art.fill(iris, art.radial(7, 6, 4.2, [(0, SKY), (0.6, BLUE), (1, DEEP)]))
    art.fill(art.circle(8, 7, 1.6), NIGHT)
    art.fill(art.rect(6, 5, 7.5, 6.5), WHITE)
    return art.result()


def image_undo(zoom=1):
    """An arrow that turns back over the top to the left, as Windows draws an undo."""
    art = Art(16, 16, zoom=zoom, snap=True)
    cx, cy, r = 10, 9, 4.3
    bow = art.arc(cx, cy, r, 2.6, 200, 405)
    head = art.poly([(cx - r - 3.7, cy - 1.8), (cx - r + 3.7, cy - 1.8), (cx - r, cy + 3.6)])
    arrow = art.union(bow, head)
    art.fill(art.grow(arrow, 0.9), DEEP)
    art.fill(arrow, art.linear(0, 3, 0, 15, [(0, SKY), (1, BLUE)]))
    return art.result()


# ---------------------------------------------------------------------------------------------------------------
# Banner (image 7) and side image (image 8): one 1014 x 60 picture cut at x 834, so that they join seamlessly.
# The program writes the greeting in white over the banner's left part, up to kBannerGreetingRoom (Pictures.h):
# that part stays a calm dark band, and the name, the tagline and the logo lie to its right. The name and the
# tagline are set about the cut, right-aligned before it and left-aligned after it, so that no letter is split
# between the two pictures: between the stored sizes each of them is scaled on its own.

BANNER_W, BANNER_H, BANNER_CUT = 1014, 60, 834
GREETING_X = 10  # where the program starts both greeting lines
# The longest greeting lines: a login name of 20 wide letters, a long French name, the longest date.
GREETING_LINES = (
    'Bonjour ' + 'W' * 20,
    'Bonjour Jean-Christophe-Marie',
    'Nous sommes le Mercredi 30 Septembre 2026, Bienvenue dans votre utilitaire de renommage de fichiers.',
)


def greeting_room():
    """kBannerGreetingRoom as Pictures.h publishes it."""
    with open(os.path.join(HERE, '..', 'Pictures.h'), encoding='utf-8') as header:
        return int(re.search(r'kBannerGreetingRoom = (\d+);', header.read()).group(1))


GREETING_ROOM = greeting_room()


def greeting_width(px):
    """The widest greeting line in the greeting's font px pixels high, each advance hinted to whole pixels as
    GDI lays out text."""
    font = ImageFont.truetype(font_path('italic'), px, layout_engine=ImageFont.Layout.BASIC)
    return max(max(sum(round(font.getlength(c)) for c in line), font.getbbox(line)[2]) for line in GREETING_LINES)


def check_greeting_room():
    """The room must hold the widest line at 96 DPI with 12 % of its width and 8 pixels to spare, and the line
    at every scale the program can choose (font heights rounded to whole pixels)."""
    width = greeting_width(12)
    needed = GREETING_X + width * 1.12 + 8
    scales = [0.8 + k / 100 for k in range(0, 221)] + [1.0669]
    widest = max((GREETING_X * s + greeting_width(half_up(12 * s))) / s for s in scales)
    if GREETING_ROOM < needed or GREETING_ROOM < widest:
        sys.exit('draw_pictures: kBannerGreetingRoom %d is too small: the greeting needs %.1f (%.1f at some scale)'
                 % (GREETING_ROOM, needed, widest))
    print('greeting: widest line %d px at 96 DPI, needs a room of %.1f, ends at most at %.1f at any scale; '
          'kBannerGreetingRoom %d' % (width, needed, widest, GREETING_ROOM))


def banner(zoom=1):
    art = Art(BANNER_W, BANNER_H, scale=4, zoom=zoom)
    room = GREETING_ROOM / BANNER_W
    art.fill(art.rect(0, 0, BANNER_W, BANNER_H),
             art.linear(0, 0, BANNER_W, 0, [(0, (24, 35, 60)), (room, (36, 53, 88)), (0.86, (54, 78, 122)),
                                            (1, (68, 96, 144))]))
    art.fill(art.rect(0, 0, BANNER_W, BANNER_H),
             art.linear(0, 0, 0, BANNER_H, [(0, (255, 255, 255, 22)), (0.5, (255, 255, 255, 0)),
                                            (1, (0, 0, 0, 40))]))
    # Soft waves that rise from the room's end towards the logo.
    x0 = GREETING_ROOM - 20
    for k, (alpha, lift) in enumerate(((24, 0), (18, 8), (13, 16))):
        pts = [(x0 + k * 30, BANNER_H)]
        for i in range(0, 41):
            x = x0 + k * 30 + i * 10
            t = (x - x0) / float(BANNER_W - x0)
            pts.append((x, BANNER_H - 3 - lift - 26 * t * t + 4 * math.sin(x / 41.0 + k)))
        pts.append((BANNER_W, BANNER_H))
        start = x0 + k * 30
        art.fill(art.poly(pts), art.linear(start, 0, start + 140, 0, [(0, (150, 190, 245, 0)),
                                                                      (1, (150, 190, 245, alpha))]))
    # Light glows behind the name and behind the logo.
    glow = art.ellipse(760, -24, 920, 84)
    art.fill(glow.filter(ImageFilter.GaussianBlur(22 * art.s)), (150, 186, 240), 0.28)
    glow = art.ellipse(905, -30, 1035, 80)
    art.fill(glow.filter(ImageFilter.GaussianBlur(20 * art.s)), (170, 204, 250), 0.5)

    # Each line's word space is split by the cut; half a space is 4 pixels in the name, 2 in the tagline.
    name_size, base = 27, 33
    tarvelle = art.text('Tarvelle', 'bold', name_size, BANNER_CUT - 4, base, anchor='rs')
    rename = art.text('Rename', 'bold', name_size, BANNER_CUT + 4, base, anchor='ls')
    art.shadow(art.union(tarvelle, rename), 0, 1.5, 2.0, 0.55, (6, 12, 28))
    art.fill(tarvelle, art.linear(0, 10, 0, 34, [(0, WHITE), (1, (214, 228, 248))]))
    art.fill(rename, art.linear(0, 10, 0, 34, [(0, GOLD), (1, ORANGE)]))
    tagline = art.union(art.text('Renommage de fichiers', 'regular', 10.5, BANNER_CUT - 2, 49, anchor='rs'),
                        art.text('par lots  -  V ' + VERSION, 'regular', 10.5, BANNER_CUT + 2, 49, anchor='ls'))
    art.fill(tagline, (196, 214, 240))

    # A warm rule along the bottom: faint under the greeting, full under the name and the logo.
    art.fill(art.rect(0, BANNER_H - 2, BANNER_W, BANNER_H),
             art.linear(0, 0, BANNER_W, 0, [(0, (240, 138, 36, 0)), (room, (240, 138, 36, 70)),
                                            (1, (252, 186, 64, 255))]))

    whole = art.result()
    # The logo at the right, in image 8, laid onto the finished picture at its own size.
    whole.alpha_composite(logo(half_up(44 * zoom)), (half_up((BANNER_W - 54) * zoom), half_up(8 * zoom)))
    whole = whole.convert('RGB')
    cut = half_up(BANNER_CUT * zoom)
    return whole.crop((0, 0, cut, whole.size[1])), whole.crop((cut, 0, whole.size[0], whole.size[1]))


# ---------------------------------------------------------------------------------------------------------------
# About picture (image 12): files renamed in one go, with the program's name.


def about_picture(zoom=1):
    W, H = 247, 197
    art = Art(W, H, scale=4, zoom=zoom)
    # Fills that cover the picture reach one pixel past it: at 1.5 times its size ends on a half pixel.
    art.fill(art.rect(0, 0, W + 1, H + 1), art.linear(0, 0, W * 0.35, H, [(0, (104, 140, 198)), (0.55, BLUE),
                                                                    (1, (44, 62, 98))]))
    art.fill(art.circle(40, 20, 120).filter(ImageFilter.GaussianBlur(30 * art.s)), (200, 222, 252), 0.35)
    # Before and after columns of file cards.
    olds = ['IMG_4711.jpg', 'IMG_4712.jpg', 'IMG_4713.jpg']
    news = ['Vacances_01.jpg', 'Vacances_02.jpg', 'Vacances_03.jpg']
    for i in range(3):
        y = 16 + i * 30
        card(art, 7, y, 87, y + 22, olds[i], dim=True)
        card(art, 117, y, 240, y + 22, news[i], dim=False)
    # The arrow between the columns.
    arrow = art.poly([(91, 52), (101, 52), (101, 44), (113, 58), (101, 72), (101, 64), (91, 64)])
    art.shadow(arrow, 0, 1.2, 1.5, 0.45)
    art.fill(art.grow(arrow, 0.6), (140, 70, 10))
    art.fill(arrow, art.linear(0, 44, 0, 72, [(0, GOLD), (1, ORANGE)]))
    # Name plate.
    art.fill(art.rect(0, 118, W + 1, H + 1), art.linear(0, 118, 0, H, [(0, (20, 32, 58, 150)), (1, (20, 32, 58, 215))]))
    art.fill(art.rect(0, 118, W + 1, 119.5), (252, 186, 64, 200))
    tarvelle = art.text('Tarvelle', 'bold', 21, 62, 155, anchor='ls')
    rename = art.text('Rename', 'bold', 21, 62 + art.text_width('Tarvelle ', 'bold', 21), 155, anchor='ls')
    art.shadow(art.union(tarvelle, rename), 0, 1, 1.4, 0.5, (4, 10, 24))
    art.fill(tarvelle, WHITE)
    art.fill(rename, art.linear(0, 138, 0, 156, [(0, GOLD), (1, ORANGE)]))
    art.fill(art.text('Version ' + VERSION, 'regular', 11, 63, 174, anchor='ls'), (200, 218, 244))
    picture = art.result()
    picture.alpha_composite(logo(half_up(40 * zoom)), (half_up(12 * zoom), half_up(132 * zoom)))
    return picture.convert('RGB')


def card(art, x0, y0, x1, y1, label, dim):
    """A file's row: a small page, the name, and for renamed files a green check at the right."""
    m = art.rect(x0, y0, x1, y1, r=3)
    art.shadow(m, 0, 1.2, 1.6, 0.4)
    art.fill(m, (70, 90, 130) if dim else (40, 60, 100))
    art.fill(art.shrink(m, 0.8), art.linear(0, y0, 0, y1, [(0, (236, 242, 250) if dim else WHITE),
                                                             (1, (204, 216, 234) if dim else (226, 236, 250))]))
    page = art.poly([(x0 + 4, y0 + 4), (x0 + 11, y0 + 4), (x0 + 14, y0 + 7), (x0 + 14, y1 - 4), (x0 + 4, y1 - 4)])
    art.fill(page, EDGE)
    art.fill(art.shrink(page, 0.8), (250, 250, 248) if dim else (255, 246, 226))
    art.fill(art.rect(x0 + 6, y0 + 11, x0 + 12, y1 - 6), STEEL if dim else ORANGE)
    kind = 'regular' if dim else 'bold'
    room = (x1 - x0) - 18 - (16 if not dim else 4)
    size = 9.6
    while art.text_width(label, kind, size) > room:
        size -= 0.2
    text = art.text(label, kind, size, x0 + 18, (y0 + y1) / 2 + 0.5, anchor='lm')
    art.fill(text, (96, 110, 136) if dim else (30, 48, 86))
    if not dim:
        cx, cy = x1 - 9, (y0 + y1) / 2
        dot = art.circle(cx, cy, 5)
        art.fill(dot, GREEN_DARK)
        art.fill(art.shrink(dot, 0.6), art.linear(0, y0, 0, y1, [(0, GREEN_LIGHT), (1, GREEN)]))
        art.fill(art.line([(cx - 2.5, cy + 0.1), (cx - 0.7, cy + 1.9), (cx + 2.4, cy - 1.8)], 1.3), WHITE)


# ---------------------------------------------------------------------------------------------------------------
# File writers: the bytes of each format, written here.


def dib_rows(img, bits):
    """Bottom-up BGR(A) rows padded to four bytes, as icons and bitmaps store them."""
    w, h = img.size
    px = img.load()
    stride = (w * bits + 31) // 32 * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            p = px[x, y]
            row += bytes((p[2], p[1], p[0], p[3])) if bits == 32 else bytes((p[2], p[1], p[0]))
        row += b'\0' * (stride - len(row))
        out += row
    return bytes(out)


def and_mask(transparent, w, h):
    stride = (w + 31) // 32 * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if transparent(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def icon_image_32(img):
    w, h = img.size
    clean = img.copy()
    px = clean.load()
    for y in range(h):
        for x in range(w):
            if px[x, y][3] == 0:
                px[x, y] = (0, 0, 0, 0)
    xor = dib_rows(clean, 32)
    mask = and_mask(lambda x, y: px[x, y][3] == 0, w, h)
    header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def icon_image_24(img, backdrop=(246, 246, 246)):
    """24-bit image with an AND mask: half-covered edge pixels are blended onto a light menu backdrop and kept,
    the rest becomes transparent."""
    w, h = img.size
    px = img.load()
    solid = Image.new('RGBA', img.size, backdrop + (255,))
    solid.alpha_composite(img)
    spx = solid.load()
    keep = [[px[x, y][3] >= 110 for x in range(w)] for y in range(h)]
    flat = Image.new('RGBA', img.size)
    fpx = flat.load()
    for y in range(h):
        for x in range(w):
            fpx[x, y] = spx[x, y] if keep[y][x] else (0, 0, 0, 0)
    xor = dib_rows(flat, 24)
    mask = and_mask(lambda x, y: not keep[y][x], w, h)
    header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 24, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def png_bytes(img):
    buf = io.BytesIO()
    img.save(buf, 'PNG', optimize=True)
    return buf.getvalue()


def write_ico(path, images):
    """images: list of (width, height, bit count, image bytes)."""
    offset = 6 + 16 * len(images)
    head = struct.pack('<HHH', 0, 1, len(images))
    entries, blobs = b'', b''
    for w, h, bits, data in images:
        entries += struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, bits, len(data), offset)
        blobs += data
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(head + entries + blobs)


def write_icon(path, images, bits=32):
    """One icon file holding the picture at every zoom, the 96-DPI image first: the program takes that one as
    the picture's own size."""
    encode = icon_image_32 if bits == 32 else icon_image_24
    write_ico(path, [(img.size[0], img.size[1], bits, encode(img)) for img in images])


def write_bmp(path, img, bits):
    w, h = img.size
    pixels = dib_rows(img.convert('RGBA'), bits)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, bits, 0, len(pixels), 2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, 'wb') as f:
        f.write(head + info + pixels)


def write_jpeg(path, img):
    img.save(path, 'JPEG', quality=93, optimize=True, progressive=False, subsampling=0)


# ---------------------------------------------------------------------------------------------------------------

BUTTON_ICONS = [
    ('button-rename.ico', icon_rename),
    ('button-clear.ico', icon_clear),
    ('button-remove.ico', icon_remove),
    ('button-help.ico', icon_help),
    ('button-quit.ico', icon_quit),
    ('button-characters.ico', icon_characters),
]

ICON_IMAGES = {
    1: image_explorer, 2: image_file_selection, 3: image_add_folder, 4: image_add_files,
    5: lambda zoom=1: logo(half_up(16 * zoom)), 6: image_folder, 9: image_info_balloon, 10: image_quit_balloon,
    11: image_about, 13: image_mail, 14: image_recycle_bin, 15: image_delete, 16: image_properties,
    17: image_remove_from_list, 18: image_open_view, 19: image_undo,
}

# Every picture is stored at 96 DPI and at these larger sizes; the program takes the nearest at or above the size
# it needs and scales it down.
ZOOMS = (1, 1.5, 2)


def image_name(number, zoom=1):
    """Icons hold every size in one file; the bitmaps and the JPEG have one file per size (image07-150.bmp)."""
    if number not in (7, 8, 12):
        return 'image%02d.ico' % number
    suffix = '' if zoom == 1 else '-%d' % round(zoom * 100)
    return 'image%02d%s.%s' % (number, suffix, 'jpg' if number == 12 else 'bmp')


def main(argv):
    sheet_path = None
    if len(argv) >= 2 and argv[0] == '--sheet':
        sheet_path = argv[1]
    check_greeting_room()
    os.makedirs(OUT, exist_ok=True)
    drawn = []  # (label, [image at each zoom]) for the contact sheet

    for name, draw in BUTTON_ICONS:
        images = [draw(zoom) for zoom in ZOOMS]
        write_icon(os.path.join(OUT, name), images)
        drawn.append((name, images))

    for number, draw in sorted(ICON_IMAGES.items()):
        images = [draw(zoom) for zoom in ZOOMS]
        # Image 18 keeps hard edges (24 bits and an AND mask), so that its outline stays whole.
        write_icon(os.path.join(OUT, image_name(number)), images, bits=24 if number == 18 else 32)
        drawn.append(('image %d' % number, images))

    banners, abouts = [], []
    for zoom in ZOOMS:
        left, right = banner(zoom)
        write_bmp(os.path.join(OUT, image_name(7, zoom)), left, 24)
        write_bmp(os.path.join(OUT, image_name(8, zoom)), right, 32)
        banners.append((left, right))
        about = about_picture(zoom)
        write_jpeg(os.path.join(OUT, image_name(12, zoom)), about)
        abouts.append(about)

    app_images = []
    for size in (16, 24, 32, 48, 256):
        img = logo(size)
        data = png_bytes(img) if size == 256 else icon_image_32(img)
        app_images.append((size, size, 32, data))
        drawn.append(('app %d' % size, [img]))
    write_ico(os.path.join(OUT, 'app.ico'), app_images)

    if sheet_path:
        contact_sheet(sheet_path, drawn, banners[0], abouts[0])
        banner_sheet(os.path.join(os.path.dirname(sheet_path), 'banner-sheet.png'), banners, abouts)


def contact_sheet(path, drawn, first_banner, about):
    """Every icon at each stored size enlarged (nearest neighbour) over white, then at its real sizes over the
    button face and over the task pane's blue band; then the banner with a sample greeting and the About
    picture."""
    label_font = ImageFont.truetype(font_path('regular'), 13)
    icons = [d for d in drawn if d[0] != 'app 256']
    box = 144
    cell_w, cell_h = 3 * box + 12, box + 2 * 100 + 22
    cols = 2
    rows = (len(icons) + cols - 1) // cols
    width = max(cols * cell_w, 1218)  # the banner and the mock-up below are wider than the icon cells
    height = rows * cell_h + 2 * 60 + 140 + 400 + 420
    sheet = Image.new('RGB', (width, height), (196, 196, 196))
    d = ImageDraw.Draw(sheet)
    for i, (label, images) in enumerate(icons):
        x, y = (i % cols) * cell_w, (i // cols) * cell_h
        for k, img in enumerate(images):
            w, h = img.size
            zoom = max(1, box // max(w, h))
            tile = Image.new('RGBA', (box, box), (255, 255, 255, 255))
            tile.alpha_composite(img.resize((w * zoom, h * zoom), Image.NEAREST),
                                 ((box - w * zoom) // 2, (box - h * zoom) // 2))
            sheet.paste(tile.convert('RGB'), (x + k * box, y))
            for j, bg in enumerate(((240, 240, 240), BLUE)):
                tile = Image.new('RGBA', (box, 100), bg + (255,))
                tile.alpha_composite(img, ((box - w) // 2, (100 - h) // 2))
                sheet.paste(tile.convert('RGB'), (x + k * box, y + box + j * 100))
        d.text((x + 4, y + box + 200 + 3), label, fill=(0, 0, 0), font=label_font)
    y = rows * cell_h + 10
    whole = joined(first_banner)
    draw_greeting(whole, 1, 'utilisateur', 'Lundi 07 Mars 2022')
    sheet.paste(whole, (0, y))
    sheet.paste(whole.crop((540, 0, 1014, 60)).resize((948, 120), Image.NEAREST), (0, y + 70))
    y += 200
    sheet.paste(about.resize((494, 394), Image.NEAREST), (0, y))
    sheet.paste(about, (510, y))
    big = next(images[0] for label, images in drawn if label == 'app 256')
    tile = Image.new('RGBA', big.size, (240, 240, 240, 255))
    tile.alpha_composite(big)
    sheet.paste(tile.convert('RGB'), (770, y))
    sheet.paste(mock_up(dict((label, images[0]) for label, images in drawn)), (0, y + 410))
    sheet.save(path)


def joined(pair):
    left, right = pair
    whole = Image.new('RGB', (left.size[0] + right.size[0], left.size[1]))
    whole.paste(left, (0, 0))
    whole.paste(right, (left.size[0], 0))
    return whole


def draw_greeting(whole, zoom, name, date):
    """The two lines as the program writes them at this scale, in white."""
    d = ImageDraw.Draw(whole)
    font = ImageFont.truetype(font_path('italic'), half_up(12 * zoom), layout_engine=ImageFont.Layout.BASIC)
    d.text((half_up(GREETING_X * zoom), half_up(5 * zoom)), 'Bonjour ' + name, fill=(255, 255, 255), font=font)
    d.text((half_up(GREETING_X * zoom), half_up(20 * zoom)), 'Nous sommes le %s, Bienvenue dans votre utilitaire de '
           'renommage de fichiers.' % date, fill=(255, 255, 255), font=font)


def banner_sheet(path, banners, abouts):
    """The banner at each stored size with the widest greeting, a red mark below it at the greeting's room, and
    the About picture at each size."""
    widest = banners[-1][0].size[0] + banners[-1][1].size[0]
    height = sum(left.size[1] + 16 for left, _ in banners) + max(a.size[1] for a in abouts) + 20
    sheet = Image.new('RGB', (widest, height), (196, 196, 196))
    d = ImageDraw.Draw(sheet)
    y = 0
    for zoom, pair in zip(ZOOMS, banners):
        whole = joined(pair)
        draw_greeting(whole, zoom, 'W' * 20, 'Mercredi 30 Septembre 2026')
        sheet.paste(whole, (0, y))
        y += whole.size[1]
        room = half_up(GREETING_ROOM * zoom)
        d.rectangle([0, y + 2, room - 1, y + 6], fill=(200, 30, 30))
        y += 16
    x = 0
    for about in abouts:
        sheet.paste(about, (x, y))
        x += about.size[0] + 10
    sheet.save(path)


def mock_up(pictures):
    """The pictures where the program shows them: a task pane group, the command bar, the list's popup menu and
    the status bar, at real size (then doubled, to judge them)."""
    shot = Image.new('RGBA', (600, 200), (240, 240, 240, 255))
    d = ImageDraw.Draw(shot)
    small = ImageFont.truetype(font_path('regular'), 11)
    bold = ImageFont.truetype(font_path('bold'), 12)
    # Task pane: frame background, a header band with its icon overhanging by 12 pixels, two links.
    d.rectangle([0, 0, 229, 199], fill=BLUE)
    band = Image.new('RGBA', (210, 35))
    bp = band.load()
    for x in range(210):
        for yy in range(35):
            bp[x, yy] = mix(WHITE, DEEP, x / 209.0) + (255,)
    shot.alpha_composite(band, (20, 22))
    d.ellipse([10, 22, 30, 42], fill=WHITE)
    d.rectangle([10, 32, 20, 57], fill=WHITE)
    shot.alpha_composite(pictures['image 1'], (0, 10))
    d.text((55, 39), 'Explorateur système', fill=DEEP, font=bold, anchor='lm')
    d.rectangle([10, 57, 220, 112], fill=DEEP)
    links = ((4, 'Ajouter un ou plusieurs fichiers'), (3, 'Ajouter un répertoire complet'))
    for k, (number, label) in enumerate(links):
        yy = 62 + k * 25
        shot.alpha_composite(pictures['image %d' % number], (20, yy + 4))
        d.text((40, yy + 12), label, fill=(238, 241, 242), font=small, anchor='lm')
    band2 = band.copy()
    shot.alpha_composite(band2, (20, 139))
    d.ellipse([10, 139, 30, 159], fill=WHITE)
    d.rectangle([10, 149, 20, 174], fill=WHITE)
    shot.alpha_composite(pictures['image 2'], (0, 127))
    d.text((55, 156), 'Sélection de fichiers', fill=DEEP, font=bold, anchor='lm')
    # Command bar buttons.
    x = 240
    for label, name in (('Renommer', 'button-rename.ico'), ('Retirer tout', 'button-clear.ico'),
                        ('Quitter', 'button-quit.ico')):
        d.rounded_rectangle([x, 8, x + 110, 43], radius=3, fill=(250, 250, 250), outline=(160, 166, 176))
        shot.alpha_composite(pictures[name], (x + 8, 14))
        d.text((x + 38, 26), label, fill=(0, 0, 0), font=small, anchor='lm')
        x += 116
    x = 240
    for label, name in (('Retirer sélection', 'button-remove.ico'), ('Aide ?', 'button-help.ico')):
        d.rounded_rectangle([x, 50, x + 110, 85], radius=3, fill=(250, 250, 250), outline=(160, 166, 176))
        shot.alpha_composite(pictures[name], (x + 8, 56))
        d.text((x + 38, 68), label, fill=(0, 0, 0), font=small, anchor='lm')
        x += 116
    d.rounded_rectangle([x, 50, x + 110, 85], radius=3, fill=(250, 250, 250), outline=(160, 166, 176))
    shot.alpha_composite(pictures['button-characters.ico'], (x + 10, 60))
    d.text((x + 34, 68), 'Caractères ?', fill=(0, 0, 0), font=small, anchor='lm')
    d.rounded_rectangle([x + 116, 50, x + 148, 85], radius=3, fill=(250, 250, 250), outline=(160, 166, 176))
    shot.alpha_composite(pictures['image 11'], (x + 120, 56))
    # The list's popup menu.
    d.rectangle([240, 95, 420, 196], fill=(250, 250, 250), outline=(150, 150, 150))
    entries = ((16, 'Propriétés'), (18, 'Ouvrir/voir'), (17, 'Retirer de la liste'), (14, 'Envoyer à la corbeille'),
               (15, 'Supprimer'))
    for k, (number, label) in enumerate(entries):
        yy = 99 + k * 19
        picture = pictures['image %d' % number]
        shot.alpha_composite(picture, (246, yy + 2 + (16 - picture.size[1]) // 2))
        d.text((270, yy + 10), label, fill=(0, 0, 0), font=small, anchor='lm')
    # Status bar and balloon icons.
    d.rectangle([430, 175, 599, 199], fill=(236, 236, 236), outline=(180, 180, 180))
    shot.alpha_composite(pictures['image 5'], (434, 179))
    d.text((458, 187), 'Tarvelle Logiciels', fill=(0, 0, 0), font=small, anchor='lm')
    for k, number in enumerate((9, 10, 6, 13)):
        d.rectangle([430 + k * 42, 100, 466 + k * 42, 130], fill=(255, 255, 225), outline=(120, 120, 120))
        shot.alpha_composite(pictures['image %d' % number], (440 + k * 42, 107))
    return shot.resize((1200, 400), Image.NEAREST).convert('RGB')


if __name__ == '__main__':
    main(sys.argv[1:])
