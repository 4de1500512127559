#!/usr/bin/env python3
"""Draws the demo disc from scratch: every file in demo/disc.

    python3 demo/make-art.py [--preview DIR]

Run by hand; building and testing Lumora use the committed output. Needs ImageMagick's `convert`
with the URW base35 and DejaVu fonts (Debian: imagemagick, fonts-urw-base35, fonts-dejavu-core) and
`sox` for the sounds. Only the standard library of Python is used.

The pictures are drawn in true colour with ImageMagick, then reduced together to one 256-colour
palette and written as 8-bit bottom-up BMP files by this script, so that every picture of the disc
uses the same palette indexes. A highlight or balloon picture holds only the pixels that it changes
on its screen; all others are the colour key (palette index KEY). --preview writes PNG pictures of
each screen with each region's highlight and balloon composed the way Lumora composes them.
"""

import math
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
DISC = os.path.join(HERE, "disc")
W, H = 640, 480

URW = "/usr/share/fonts/opentype/urw-base35"
DEJAVU = "/usr/share/fonts/truetype/dejavu"
TITLE_FONT = f"{URW}/URWGothic-Demi.otf"
LABEL_FONT = f"{URW}/URWGothic-Demi.otf"
BOOK_FONT = f"{URW}/URWGothic-Book.otf"
TEXT_FONT = f"{DEJAVU}/DejaVuSans.ttf"
BOLD_FONT = f"{DEJAVU}/DejaVuSans-Bold.ttf"

# The twenty colours that Windows keeps in a 256-colour display palette, at their usual indexes, so
# that the pictures' palette is realized without moving them. Index 253 (magenta) is the colour key.
STATIC_LOW = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
              (0, 128, 128), (192, 192, 192), (192, 220, 192), (166, 202, 240)]
STATIC_HIGH = [(255, 251, 240), (160, 160, 164), (128, 128, 128), (255, 0, 0), (0, 255, 0),
               (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
KEY = 253
ADAPTIVE = 256 - len(STATIC_LOW) - len(STATIC_HIGH)

# A pixel of a highlight or balloon counts as changed when a channel differs by more than this.
CHANGE_THRESHOLD = 3


# ---------------------------------------------------------------------------------------------
# ImageMagick plumbing

class Scratch:
    """Numbered file names in a temporary folder."""

    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="lumora-art-")
        self.count = 0

    def new(self, ext="png"):
        self.count += 1
        return os.path.join(self.dir, f"{self.count:05d}.{ext}")


scratch = None


def convert(*args):
    subprocess.run(["convert", *[str(a) for a in args]], check=True)


def quote_text(text):
    # -annotate and caption: expand percent escapes and read "@file"; keep the text literal.
    text = text.replace("%", "%%")
    return " " + text if text.startswith("@") else text


def blank(w=W, h=H, colour="none"):
    path = scratch.new()
    convert("-size", f"{w}x{h}", f"xc:{colour}", path)
    return path


def size_of(path):
    out = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                         capture_output=True, text=True).stdout.split()
    return int(out[0]), int(out[1])


class Layer:
    """A transparent full-screen RGBA picture in a PNG file that elements are drawn on."""

    def __init__(self, w=W, h=H):
        self.w, self.h = w, h
        self.path = blank(w, h)

    def run(self, *ops):
        convert(self.path, *ops, self.path)

    def put(self, picture, x=0, y=0):
        self.run(picture, "-geometry", f"{x:+d}{y:+d}", "-compose", "over", "-composite")

    def draw(self, mvg, fill="none", stroke="none", width=1):
        self.run("-fill", fill, "-stroke", stroke, "-strokewidth", width, "-draw", mvg)

    def mask(self, shape):
        """White shape on black, the size of this layer."""
        path = scratch.new()
        convert("-size", f"{self.w}x{self.h}", "xc:black", "-fill", "white", "-stroke", "none",
                "-draw", shape, path)
        return path

    def paint(self, paint, mask_path, blur=0, opacity=1.0, dx=0, dy=0):
        """Puts a full-size paint picture through a mask (blurred and faded for soft edges)."""
        path = scratch.new()
        alpha = ["(", mask_path]
        if blur:
            alpha += ["-blur", f"0x{blur}"]
        if opacity != 1.0:
            alpha += ["-evaluate", "multiply", opacity]
        alpha += [")"]
        convert(paint, *alpha, "-alpha", "off", "-compose", "CopyOpacity", "-composite", path)
        self.put(path, dx, dy)

    def fill(self, shape, colour, opacity=1.0):
        self.paint(blank(self.w, self.h, colour), self.mask(shape), opacity=opacity)

    def soft(self, shape, colour, blur, opacity, dx=0, dy=0):
        """A blurred copy of a shape: drop shadows and glows."""
        self.paint(blank(self.w, self.h, colour), self.mask(shape), blur, opacity, dx, dy)

    def gradient(self, shape, box, top, bottom, kind="gradient"):
        """Fills a shape with a gradient spanning box (x0, y0, x1, y1) from top to bottom."""
        x0, y0, x1, y1 = box
        paint = scratch.new()
        convert("-size", f"{self.w}x{self.h}", f"xc:{bottom}",
                "(", "-size", f"{x1 - x0}x{y1 - y0}", f"{kind}:{top}-{bottom}", ")",
                "-geometry", f"{x0:+d}{y0:+d}", "-compose", "over", "-composite", paint)
        self.paint(paint, self.mask(shape))

    def text(self, text, font, size, colour, box, gravity="center", kerning=0, spacing=0,
             shadow=None, angle=0):
        """Writes text aligned in box (x0, y0, x1, y1); shadow is (colour, blur, opacity, dx, dy)."""
        x0, y0, x1, y1 = box
        pic = text_picture(text, font, size, colour, x1 - x0, y1 - y0, gravity, kerning, spacing)
        if angle:
            pic = rotated(pic, angle)
        if shadow:
            s_colour, blur, opacity, dx, dy = shadow
            mask = text_picture(text, font, size, "white", x1 - x0, y1 - y0, gravity, kerning,
                                spacing, "black")
            if angle:
                mask = rotated(mask, angle, "black")
            full = scratch.new()
            convert("-size", f"{self.w}x{self.h}", "xc:black", mask, "-geometry",
                    f"{x0:+d}{y0:+d}", "-composite", full)
            self.paint(blank(self.w, self.h, s_colour), full, blur, opacity, dx, dy)
        self.put(pic, x0, y0)

    def text_fill(self, text, font, size, box, top, bottom, gravity="center", kerning=0):
        """Text filled with a vertical gradient over box."""
        x0, y0, x1, y1 = box
        mask = text_picture(text, font, size, "white", x1 - x0, y1 - y0, gravity, kerning, 0,
                            "black")
        full = scratch.new()
        convert("-size", f"{self.w}x{self.h}", "xc:black", mask, "-geometry", f"{x0:+d}{y0:+d}",
                "-composite", full)
        paint = scratch.new()
        convert("-size", f"{self.w}x{self.h}", f"xc:{bottom}",
                "(", "-size", f"{x1 - x0}x{y1 - y0}", f"gradient:{top}-{bottom}", ")",
                "-geometry", f"{x0:+d}{y0:+d}", "-composite", paint)
        self.paint(paint, full)


def text_picture(text, font, size, colour, w, h, gravity, kerning=0, spacing=0, back="none"):
    path = scratch.new()
    convert("-size", f"{w}x{h}", f"xc:{back}", "-font", font, "-pointsize", size,
            "-fill", colour, "-gravity", gravity, "-kerning", kerning,
            "-interline-spacing", spacing, "-annotate", "+0+0", quote_text(text), path)
    return path


def rotated(picture, angle, back="none"):
    path = scratch.new()
    w, h = size_of(picture)
    convert(picture, "-background", back, "-rotate", angle, "-gravity", "center",
            "-extent", f"{w}x{h}", path)
    return path


def caption(text, font, size, colour, width, spacing=0):
    """Text wrapped to a width; returns the picture and its height."""
    path = scratch.new()
    convert("-background", "none", "-size", f"{width}x", "-font", font, "-pointsize", size,
            "-fill", colour, "-interline-spacing", spacing, f"caption:{quote_text(text)}", path)
    return path, size_of(path)[1]


# Shapes, as ImageMagick drawing primitives, and the polygons that Lumora hit-tests.

def rrect(x0, y0, x1, y1, r):
    return f"roundrectangle {x0},{y0} {x1},{y1} {r},{r}"


def polygon(points):
    return "polygon " + " ".join(f"{x:.1f},{y:.1f}" for x, y in points)


def circle(cx, cy, r):
    return f"circle {cx},{cy} {cx + r},{cy}"


def rect_points(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def ring_points(cx, cy, r, n, phase=0.0):
    return [(round(cx + r * math.cos(phase + 2 * math.pi * k / n)),
             round(cy + r * math.sin(phase + 2 * math.pi * k / n))) for k in range(n)]


def star_points(cx, cy, outer, inner, n, phase):
    points = []
    for k in range(2 * n):
        r = outer if k % 2 == 0 else inner
        a = phase + math.pi * k / n
        points.append((round(cx + r * math.cos(a)), round(cy + r * math.sin(a))))
    return points


def arrow_points(x0, y0, x1, y1, left):
    """A button with one pointed end."""
    tip = (y1 - y0) // 2
    if left:
        return [(x0, (y0 + y1) // 2), (x0 + tip, y0), (x1, y0), (x1, y1), (x0 + tip, y1)]
    return [(x0, y0), (x1 - tip, y0), (x1, (y0 + y1) // 2), (x1 - tip, y1), (x0, y1)]


def hsl(h, s, l):
    """An HSL colour (h in degrees, s and l from 0 to 1) as an ImageMagick colour."""
    c = (1 - abs(2 * l - 1)) * s
    x = c * (1 - abs((h / 60) % 2 - 1))
    m = l - c / 2
    r, g, b = [(c, x, 0), (x, c, 0), (0, c, x), (0, x, c), (x, 0, c), (c, 0, x)][int(h // 60) % 6]
    return "#%02x%02x%02x" % tuple(round((v + m) * 255) for v in (r, g, b))


# ---------------------------------------------------------------------------------------------
# The look: a night-blue backdrop with soft light, glossy buttons that turn gold under the mouse,
# and cream speech-bubble balloons.

BAR_TOP = 428  # the bottom bar that holds the window and navigation buttons

BLUE_TOP, BLUE_BOTTOM = "#4a88ea", "#163579"
GOLD_TOP, GOLD_BOTTOM = "#ffe58a", "#f0921c"
GLOW = "#ffb43a"
LABEL = "#ffffff"
HOT_LABEL = "#2a1400"
SHADOW = ("#000814", 2, 0.75, 1, 2)


def backdrop(seed, glows):
    """The screen's background: gradient, glows, stars, a swoosh of light and the bottom bar."""
    rng = random.Random(seed)
    layer = Layer()
    layer.run("(", "-size", f"{W}x{H}", "gradient:#0a1b46-#1c0b3b", ")", "-compose", "over",
              "-composite")
    for (cx, cy, r, colour, opacity) in glows:
        glow = scratch.new()
        convert("-size", f"{2 * r}x{2 * r}", f"radial-gradient:{colour}-#000000", "-alpha",
                "copy", "-channel", "A", "-evaluate", "multiply", opacity, "+channel",
                "-fill", colour, "-colorize", "100", glow)
        layer.put(glow, cx - r, cy - r)
    stars = []
    for _ in range(150):
        x, y = rng.uniform(0, W), rng.uniform(0, BAR_TOP)
        r = rng.choice([0.6, 0.7, 0.8, 1.0, 1.2, 1.6])
        a = rng.uniform(0.25, 0.9)
        stars.append(f"fill rgba(255,255,255,{a:.2f}) circle {x:.1f},{y:.1f} {x + r:.1f},{y:.1f}")
    layer.draw(" ".join(stars))
    swoosh = "path 'M -40,400 C 160,300 420,470 700,250'"
    layer.soft(f"stroke-width 26 fill none stroke white {swoosh}", "#6fb6ff", 12, 0.20)
    layer.soft(f"stroke-width 3 fill none stroke white {swoosh}", "#bfe4ff", 1.2, 0.55)
    swoosh2 = "path 'M -40,430 C 200,350 440,500 700,300'"
    layer.soft(f"stroke-width 2 fill none stroke white {swoosh2}", "#d98cff", 1, 0.35)
    layer.fill(f"rectangle 0,{BAR_TOP} {W},{H}", "#030817", 0.78)
    layer.fill(f"rectangle 0,{BAR_TOP} {W},{BAR_TOP + 1}", "#6f9cff", 0.55)
    return layer


def title(layer, text, subtitle, size=46):
    layer.text_fill(text, TITLE_FONT, size, (34, 14, 620, 14 + size + 18), "#ffffff", "#9cc7ff",
                    gravity="west")
    layer.text(subtitle, TEXT_FONT, 13, "#c4d3ff", (37, 18 + size + 14, 620, 18 + size + 36),
               gravity="west", shadow=SHADOW)


def icon(layer, kind, cx, cy, s, colour):
    """A small white pictogram centred on (cx, cy), about s pixels across."""
    h = s / 2
    if kind == "go":
        layer.draw(polygon([(cx - h * 0.55, cy - h * 0.8), (cx + h * 0.85, cy),
                            (cx - h * 0.55, cy + h * 0.8)]), fill=colour)
    elif kind == "back":
        layer.draw(polygon([(cx + h * 0.55, cy - h * 0.8), (cx - h * 0.85, cy),
                            (cx + h * 0.55, cy + h * 0.8)]), fill=colour)
    elif kind == "star":
        layer.draw(polygon(star_points(cx, cy + 0.5, h * 1.05, h * 0.45, 5, -math.pi / 2)),
                   fill=colour)
    elif kind == "grid":
        q = h * 0.42
        for dx in (-1, 1):
            for dy in (-1, 1):
                x, y = cx + dx * q * 1.15, cy + dy * q * 1.15
                layer.draw(rrect(x - q, y - q, x + q, y + q, 1.5), fill=colour)
    elif kind == "page":
        x0, y0, x1, y1 = cx - h * 0.65, cy - h * 0.9, cx + h * 0.65, cy + h * 0.9
        layer.draw(polygon([(x0, y0), (x1 - h * 0.45, y0), (x1, y0 + h * 0.45), (x1, y1),
                            (x0, y1)]), fill=colour)
        for k in range(3):
            y = cy - h * 0.2 + k * h * 0.38
            layer.draw(f"line {x0 + h * 0.3:.1f},{y:.1f} {x1 - h * 0.3:.1f},{y:.1f}",
                       stroke="#0d2355", width=1.4)
    elif kind in ("help", "info"):
        glyph = "?" if kind == "help" else "i"
        layer.text(glyph, BOLD_FONT, round(s * 0.95), colour,
                   (round(cx - s), round(cy - s), round(cx + s), round(cy + s)))
    elif kind == "min":
        layer.draw(rrect(cx - h * 0.8, cy + h * 0.3, cx + h * 0.8, cy + h * 0.75, 1.5),
                   fill=colour)
    elif kind == "exit":
        d = h * 0.62
        layer.draw(f"line {cx - d:.1f},{cy - d:.1f} {cx + d:.1f},{cy + d:.1f} "
                   f"line {cx - d:.1f},{cy + d:.1f} {cx + d:.1f},{cy - d:.1f}",
                   stroke=colour, width=max(2.2, s / 6))
    elif kind == "chat":
        layer.draw(rrect(cx - h * 0.85, cy - h * 0.7, cx + h * 0.85, cy + h * 0.4, h * 0.3),
                   fill=colour)
        layer.draw(polygon([(cx - h * 0.45, cy + h * 0.3), (cx - h * 0.55, cy + h * 0.9),
                            (cx + h * 0.05, cy + h * 0.3)]), fill=colour)
        for k in (-1, 0, 1):
            layer.draw(circle(round(cx + k * h * 0.45), round(cy - h * 0.15), 1.5),
                       fill="#0d2355")
    elif kind == "brush":
        layer.draw(f"stroke-linecap round line {cx - h * 0.7:.1f},{cy + h * 0.7:.1f} "
                   f"{cx + h * 0.55:.1f},{cy - h * 0.55:.1f}", stroke=colour,
                   width=max(2.5, s / 5))
        layer.draw(circle(round(cx - h * 0.7), round(cy + h * 0.7), max(2, round(h * 0.28))),
                   fill=colour)
    elif kind == "gear":
        layer.draw(polygon(star_points(cx, cy, h * 0.95, h * 0.7, 8, 0)), fill=colour)
        layer.draw(circle(cx, cy, max(2, round(h * 0.32))), fill="#0d2355")
    elif kind == "home":
        layer.draw(polygon([(cx, cy - h * 0.9), (cx + h * 0.9, cy - h * 0.05),
                            (cx + h * 0.6, cy - h * 0.05), (cx + h * 0.6, cy + h * 0.8),
                            (cx - h * 0.6, cy + h * 0.8), (cx - h * 0.6, cy - h * 0.05),
                            (cx - h * 0.9, cy - h * 0.05)]), fill=colour)


def glossy(layer, shape, box, hot, gloss_shape, glow=7):
    """The body of a button: shadow, glow when hot, gradient, gloss and rim."""
    x0, y0, x1, y1 = box
    if hot:
        layer.soft(shape, GLOW, glow, 1.0)
        layer.soft(shape, "#fff0c0", 2.5, 0.8)
    layer.soft(shape, "#000000", 3, 0.6, 2, 3)
    top, bottom = (GOLD_TOP, GOLD_BOTTOM) if hot else (BLUE_TOP, BLUE_BOTTOM)
    layer.gradient(shape, (x0, y0, x1, y1 + 1), top, bottom)
    layer.fill(gloss_shape, "#ffffff", 0.32 if hot else 0.22)
    layer.draw(shape, stroke="#fff4cf" if hot else "#a9ccff", width=1.3)


def button(layer, box, label, kind, hot, size=17):
    """A pill-shaped button with a round icon well on its left."""
    x0, y0, x1, y1 = box
    r = (y1 - y0) // 2
    glossy(layer, rrect(x0, y0, x1, y1, r), box, hot,
           rrect(x0 + 4, y0 + 2, x1 - 4, y0 + r, r - 3), glow=7 if size > 15 else 3.5)
    cy = (y0 + y1) / 2
    well = r - 6
    layer.draw(circle(x0 + r, round(cy), well), fill="#7a3800" if hot else "#0d2355")
    icon(layer, kind, x0 + r, cy, well * 1.15, "#ffffff" if not hot else "#ffe9a8")
    layer.text(label, LABEL_FONT, size, HOT_LABEL if hot else LABEL,
               (x0 + 2 * r, y0, x1 - r // 2, y1 + 1), gravity="west",
               shadow=None if hot else SHADOW)


def arrow_button(layer, box, label, left, hot):
    """A navigation button with a pointed end."""
    x0, y0, x1, y1 = box
    points = arrow_points(x0, y0, x1, y1, left)
    shape = polygon(points)
    r = (y1 - y0) // 2
    cy = (y0 + y1) / 2
    if left:
        gloss = polygon([(x0 + 4, cy), (x0 + r + 1, y0 + 2), (x1 - 3, y0 + 2), (x1 - 3, cy)])
    else:
        gloss = polygon([(x0 + 3, y0 + 2), (x1 - r - 1, y0 + 2), (x1 - 4, cy), (x0 + 3, cy)])
    glossy(layer, shape, box, hot, gloss, glow=3.5)
    tx0, tx1 = (x0 + r, x1 - 6) if left else (x0 + 6, x1 - r)
    layer.text(label, LABEL_FONT, 16, HOT_LABEL if hot else LABEL, (tx0, y0, tx1, y1 + 1),
               shadow=None if hot else SHADOW)


def disc(layer, cx, cy, r, hot):
    """A shining compact disc with a rainbow sheen."""
    outer = circle(cx, cy, r)
    layer.soft(outer, "#000000", 8, 0.55, 5, 8)
    layer.gradient(outer, (cx - r, cy - r, cx + r, cy + r), "#f7f9ff", "#8e9ab4",
                   kind="radial-gradient")
    sheen = Layer()
    wedges = []
    steps = 90
    for k in range(steps):
        a0 = 2 * math.pi * k / steps
        a1 = 2 * math.pi * (k + 1.05) / steps
        hue = (math.degrees(2 * a0) + 200) % 360
        alpha = 0.03 + 0.38 * abs(math.sin(2 * a0 + 0.6)) ** 4
        pts = [(cx, cy), (cx + r * math.cos(a0), cy + r * math.sin(a0)),
               (cx + r * math.cos(a1), cy + r * math.sin(a1))]
        colour = hsl(hue, 0.95, 0.6)
        wedges.append(f"fill {colour} fill-opacity {alpha:.2f} {polygon(pts)}")
    sheen.draw(" ".join(wedges))
    ring = Layer()
    ring.fill(outer, "white")
    ring.run("-fill", "black", "-draw", circle(cx, cy, round(r * 0.36)))
    sheen.run(ring.path, "-compose", "DstIn", "-composite")
    layer.put(sheen.path)
    grooves = " ".join(circle(cx, cy, round(r * f)) for f in (0.5, 0.62, 0.74, 0.86, 0.95))
    layer.draw(grooves, stroke="rgba(255,255,255,0.22)", width=1)
    hub = circle(cx, cy, round(r * 0.36))
    if hot:  # the hub lights up like a button
        layer.soft(hub, "#fff2b0", 7, 1.0)
        layer.soft(hub, GLOW, 4, 1.0)
    layer.draw(hub, fill="#ffe9a6" if hot else "#dfe5f2", stroke="#ffffff", width=1)
    layer.gradient(circle(cx, cy, round(r * 0.25)), (cx - r // 4, cy - r // 4, cx + r // 4,
                   cy + r // 4), *(("#fff8d8", "#f5a623") if hot else ("#ffffff", "#b8c2d8")),
                   kind="radial-gradient")
    layer.draw(circle(cx, cy, round(r * 0.25)), stroke="#c07a10" if hot else "#8f9bb5", width=1)
    layer.run("-compose", "DstOut", "(", "-size", f"{W}x{H}", "xc:none", "-fill", "black",
              "-draw", circle(cx, cy, round(r * 0.1)), ")", "-composite")
    layer.draw(circle(cx, cy, round(r * 0.1)), stroke="#6a7694", width=1.2)
    layer.draw(outer, stroke="rgba(255,255,255,0.75)", width=1.5)
    label_y = cy + round(r * 0.52)
    layer.text("LUMORA", TITLE_FONT, round(r * 0.15), "#2a3f78",
               (cx - r // 2, label_y - r // 8, cx + r // 2, label_y + r // 8), kerning=4)


def badge(layer, cx, cy, hot):
    """A gold seal that points the way into the tour."""
    points = star_points(cx, cy, 58, 49, 16, 0.1)
    shape = polygon(points)
    if hot:
        layer.soft(shape, "#ffffff", 8, 1.0)
        layer.soft(shape, GLOW, 3, 0.9)
    layer.soft(shape, "#000000", 4, 0.6, 3, 5)
    top, bottom = ("#fff6c4", "#ffbf3a") if hot else ("#ffe27a", "#e8951a")
    layer.gradient(shape, (cx - 58, cy - 58, cx + 58, cy + 58), top, bottom)
    layer.draw(shape, stroke="#a85a00", width=1.2)
    layer.draw(circle(cx, cy, 41), stroke="#b86a08", width=1.5)
    layer.draw(circle(cx, cy, 38), stroke="rgba(255,255,255,0.6)", width=1)
    layer.text("Start\nthe tour!", LABEL_FONT, 17, "#6b2500" if not hot else "#8a1d00",
               (cx - 48, cy - 40, cx + 48, cy + 40), spacing=-4, angle=-12)


def product_icon(layer, kind, cx, cy):
    """A 72 x 72 application tile for a product card."""
    box = (cx - 36, cy - 36, cx + 36, cy + 36)
    tile = rrect(*box, 16)
    colours = {"garden": ("#ff8fc8", "#b0307e"), "tunes": ("#5fe0d0", "#13708a"),
               "stars": ("#5a6fe8", "#10164f")}[kind]
    layer.soft(tile, "#000000", 3, 0.6, 2, 3)
    layer.gradient(tile, box, *colours)
    layer.fill(rrect(cx - 33, cy - 34, cx + 33, cy - 2, 14), "#ffffff", 0.18)
    if kind == "garden":
        layer.draw(f"stroke-linecap round path 'M {cx},{cy + 30} C {cx - 2},{cy + 14} "
                   f"{cx + 4},{cy + 6} {cx},{cy - 4}'", stroke="#2f8f3a", width=4)
        layer.draw(f"ellipse {cx + 12},{cy + 18} 10,5 0,360", fill="#4ab84f")
        for k in range(6):
            a = 2 * math.pi * k / 6
            px, py = cx + 13 * math.cos(a), cy - 10 + 13 * math.sin(a)
            layer.draw(f"push graphic-context translate {px:.1f},{py:.1f} "
                       f"rotate {math.degrees(a):.1f} ellipse 0,0 10,6.5 0,360 "
                       f"pop graphic-context", fill="#fff3fa", stroke="#e0569f", width=1)
        layer.draw(circle(cx, cy - 10, 7), fill="#ffd23a", stroke="#d08a00", width=1)
    elif kind == "tunes":
        for k in range(5):
            y = cy - 16 + 8 * k
            layer.draw(f"line {cx - 28},{y} {cx + 28},{y}", stroke="rgba(255,255,255,0.45)",
                       width=1)
        for nx, ny in ((cx - 12, cy + 14), (cx + 14, cy + 8)):
            layer.draw(f"push graphic-context translate {nx},{ny} rotate -25 "
                       f"ellipse 0,0 8,5.5 0,360 pop graphic-context", fill="#ffffff")
        layer.draw(f"line {cx - 4.5},{cy + 13} {cx - 4.5},{cy - 22} "
                   f"line {cx + 21.5},{cy + 7} {cx + 21.5},{cy - 28}", stroke="#ffffff", width=2.6)
        layer.draw(polygon([(cx - 5.8, cy - 23), (cx + 22.8, cy - 29), (cx + 22.8, cy - 20),
                            (cx - 5.8, cy - 14)]), fill="#ffffff")
    elif kind == "stars":
        layer.draw(f"path 'M {cx - 8},{cy - 27} A 18,18 0 1,0 {cx + 16},{cy} "
                   f"A 14,14 0 1,1 {cx - 8},{cy - 27} Z'", fill="#ffe9a0")
        pts = [(cx - 24, cy + 20), (cx - 10, cy + 8), (cx + 4, cy + 16), (cx + 20, cy + 4),
               (cx + 26, cy + 22)]
        layer.draw("polyline " + " ".join(f"{x},{y}" for x, y in pts),
                   stroke="rgba(190,215,255,0.85)", width=1.3)
        for x, y in pts:
            layer.draw(polygon(star_points(x, y, 4.5, 1.8, 4, 0)), fill="#ffffff")


def card(layer, box, kind, name, blurb, hot):
    """A product card: tile, name, a short description and a call to action."""
    x0, y0, x1, y1 = box
    shape = rrect(x0, y0, x1, y1, 14)
    if hot:
        layer.soft(shape, GLOW, 8, 1.0)
    layer.soft(shape, "#000000", 5, 0.65, 3, 5)
    layer.gradient(shape, box, "#1d3470" if hot else "#15285a", "#0a1434")
    layer.fill(rrect(x0 + 3, y0 + 3, x1 - 3, y0 + 60, 12), "#ffffff", 0.07)
    layer.draw(shape, stroke="#ffd66a" if hot else "#5a8ee0", width=2.5 if hot else 1.5)
    cx = (x0 + x1) // 2
    product_icon(layer, kind, cx, y0 + 58)
    layer.text(name, LABEL_FONT, 21, "#ffe7a0" if hot else "#ffffff",
               (x0 + 6, y0 + 100, x1 - 6, y0 + 128), shadow=SHADOW)
    text, height = caption(blurb, TEXT_FONT, 12, "#d2dcf8", x1 - x0 - 28, spacing=1)
    layer.put(text, x0 + 14, y0 + 134)
    layer.text("Click for details  \u203a", BOLD_FONT, 12, "#ffd36b" if not hot else "#fff2c0",
               (x0 + 6, y1 - 30, x1 - 6, y1 - 8))


def panel(layer, box, heading, body):
    """A quiet information panel."""
    x0, y0, x1, y1 = box
    shape = rrect(x0, y0, x1, y1, 14)
    layer.soft(shape, "#000000", 5, 0.6, 3, 5)
    layer.fill(shape, "#0b1538", 0.82)
    layer.draw(shape, stroke="rgba(110,150,230,0.8)", width=1.3)
    layer.text(heading, LABEL_FONT, 20, "#ffe7a0", (x0 + 18, y0 + 12, x1 - 18, y0 + 42),
               gravity="west", shadow=SHADOW)
    text, _ = caption(body, TEXT_FONT, 12, "#d2dcf8", x1 - x0 - 36, spacing=3)
    layer.put(text, x0 + 18, y0 + 50)


BALLOON_FILL = "#fff7d1"
BALLOON_EDGE = "#7a5a14"


def text_width(text, font, size):
    out = subprocess.run(["convert", "-font", font, "-pointsize", str(size),
                          "label:" + quote_text(text), "-format", "%w", "info:"],
                         check=True, capture_output=True, text=True).stdout
    return int(out)


def balanced_width(body, most):
    """The narrowest text width that needs no more lines than the widest one: the lines of a
    balloon come out even, without a last word on its own."""
    def height(width):
        return caption(body, TEXT_FONT, 12, "black", width, spacing=1)[1]
    lines = height(most)
    low, high = 40, most
    while low < high:
        middle = (low + high) // 2
        if height(middle) <= lines:
            high = middle
        else:
            low = middle + 1
    return high + 4


def balloon(layer, tip, side, heading, body, most=236):
    """A cream speech bubble whose tail points at tip from the given side of it."""
    width = max(balanced_width(body, most - 24) + 24,
                text_width(heading, BOLD_FONT, 12.5) + 30 if heading else 0)
    text, text_h = caption(body, TEXT_FONT, 12, "#2b2410", width - 24, spacing=1)
    head = heading is not None
    height = 12 + (19 if head else 0) + text_h + 10
    tx, ty = tip
    gap = 16
    if side == "right":
        x0, y0 = tx + gap, ty - height // 2
    elif side == "left":
        x0, y0 = tx - gap - width, ty - height // 2
    elif side == "above":
        x0, y0 = tx - width // 2, ty - gap - height
    else:
        x0, y0 = tx - width // 2, ty + gap
    x0 = max(6, min(W - 10 - width, x0))
    y0 = max(6, min(H - 10 - height, y0))
    x1, y1 = x0 + width, y0 + height
    half = 9
    if side in ("right", "left"):
        edge = x0 if side == "right" else x1
        my = max(y0 + 14, min(y1 - 14, ty))
        tail = [(edge, my - half), tip, (edge, my + half)]
        inner = [(edge + (4 if side == "right" else -4), my - half + 1),
                 (edge + (4 if side == "right" else -4), my + half - 1)]
    else:
        edge = y1 if side == "above" else y0
        mx = max(x0 + 16, min(x1 - 16, tx))
        tail = [(mx - half, edge), tip, (mx + half, edge)]
        inner = [(mx - half + 1, edge + (-4 if side == "above" else 4)),
                 (mx + half - 1, edge + (-4 if side == "above" else 4))]
    body_shape = rrect(x0, y0, x1, y1, 12)
    tail_shape = polygon(tail)
    both = body_shape + " " + tail_shape
    layer.soft(both, "#000000", 3, 0.55, 3, 4)
    layer.draw(both, fill=BALLOON_FILL, stroke=BALLOON_EDGE, width=2.6)
    layer.draw(both, fill=BALLOON_FILL)
    layer.draw(polygon([inner[0], tip, inner[1]]), fill=BALLOON_FILL)
    y = y0 + 9
    if head:
        layer.text(heading, BOLD_FONT, 12.5, "#6b3800", (x0 + 12, y, x1 - 12, y + 18),
                   gravity="west")
        y += 19
    layer.put(text, x0 + 12, y)
    return (x0 - 4, y0 - 4, x1 + 10, y1 + 12)


# ---------------------------------------------------------------------------------------------
# The disc's content: screens, their regions and what each region does.

class Region:
    """One hot region: its polygon, its art in the normal and hot states, its balloon and keys.

    art(layer, hot) draws the region's part of the screen; a region without art is drawn by its
    screen's decoration and has no highlight. balloon is (tip, side, heading, text). keys are the
    INI keys that follow the pictures, in order; note is the comment above the section.
    """

    def __init__(self, name, stem, shape, art=None, balloon=None, keys=(), note=()):
        self.name, self.stem, self.shape, self.art = name, stem, shape, art
        self.balloon, self.keys, self.note = balloon, list(keys), list(note)
        self.highlight = None  # (x, y, file) once cut
        self.balloon_pic = None


class Screen:
    def __init__(self, name, folder, description, decorate, regions, draw_order, note=()):
        self.name, self.folder, self.description = name, folder, description
        self.decorate, self.regions, self.note = decorate, regions, list(note)
        self.draw_order = [next(r for r in regions if r.name == n) for n in draw_order]

    @property
    def bitmap(self):
        return f"art\\{self.folder}.bmp"


class MenuItem:
    """One line of a pop-up menu: a separator, or an item with its section's keys."""

    def __init__(self, name, keys=(), note=()):
        self.name, self.keys, self.note = name, list(keys), list(note)


class Menu:
    def __init__(self, name, items, position=None, note=()):
        self.name, self.items, self.position, self.note = name, items, position, list(note)


SEPARATOR = MenuItem("Separator")


def demo_menus():
    """The menu of the main screen's version line, and the help menu that it opens."""
    return [
        Menu("Disc", [
            MenuItem("Software", [("Description", "Explore the software"),
                                  ("LaunchFunc", "DispatchScreen"), ("LaunchData", "Software")]),
            MenuItem("Extras", [("Description", "Extras and support"),
                                ("LaunchFunc", "DispatchScreen"), ("LaunchData", "Extras")]),
            SEPARATOR,
            MenuItem("Topics", [("Description", "Help topics..."), ("LaunchFunc", "DispatchMenu"),
                                ("LaunchData", "Topics")],
                     ["An item whose action is DispatchMenu opens another menu when this one has",
                      "closed: here the help topics."]),
            MenuItem("Beta", [("LaunchFunc", "DispatchHelp"),
                              ("LaunchData", "Using the demo disc")],
                     ["An item without a Description is left out of the menu, and the items after",
                      "it move up: a way to keep an item ready without showing it."]),
            SEPARATOR,
            MenuItem("Exit", [("Description", "Close the disc"), ("LaunchFunc", "DispatchExit")]),
        ], note=["Pop-up menus. [Menu <name>] lists its items in MenuItems, separated by bars; an",
                 "item named Separator is a line. Each other item has a section",
                 "[<menu name>-MenuItem <item>] with its Description (the menu text) and the",
                 "same action keys as a region: LaunchFunc, LaunchData, Splash, LaunchReq and",
                 "the others. Without MenuPosition the menu opens at the mouse pointer. A menu",
                 "item plays no sound."]),
        Menu("Topics", [
            MenuItem("Using", [("Description", "Using the demo disc"),
                               ("LaunchFunc", "DispatchHelp"),
                               ("LaunchData", "Using the demo disc")]),
            SEPARATOR,
            MenuItem("Garden", [("Description", "Pixel Garden"), ("LaunchFunc", "DispatchHelp"),
                                ("LaunchData", "Pixel Garden")]),
            MenuItem("Tunes", [("Description", "Tune Weaver"), ("LaunchFunc", "DispatchHelp"),
                               ("LaunchData", "Tune Weaver")]),
            MenuItem("Stars", [("Description", "Star Chart"), ("LaunchFunc", "DispatchHelp"),
                               ("LaunchData", "Star Chart")]),
            SEPARATOR,
            MenuItem("Service", [("Description", "Customer Service"),
                                 ("LaunchFunc", "DispatchHelp"),
                                 ("LaunchData", "Customer Service")]),
        ], position=(24, 240),
            note=["MenuPosition: where the menu's top left corner goes, x,y from the top left",
                  "corner of the screen."]),
    ]


def menu_lines(menus):
    lines = []
    for menu in menus:
        lines += [""] + ["; " + n for n in menu.note]
        lines += [f"[Menu {menu.name}]", "MenuItems=" + "|".join(i.name for i in menu.items)]
        if menu.position:
            lines.append("MenuPosition={},{}".format(*menu.position))
        for item in menu.items:
            if item is SEPARATOR:
                continue
            lines += [""] + ["; " + n for n in item.note]
            lines += [f"[{menu.name}-MenuItem {item.name}]"]
            lines += [f"{key}={value}" for key, value in item.keys]
    return lines


CLICK = r"%r\sounds\click.wav"
PAGE = r"%r\sounds\page.wav"
BAR_Y0, BAR_Y1 = BAR_TOP + 9, BAR_TOP + 39


def window_regions(stem_prefix=""):
    """Minimise and Exit, in the bottom right corner of every screen."""
    minimise = (404, BAR_Y0, 516, BAR_Y1)
    close = (526, BAR_Y0, 612, BAR_Y1)
    return [
        Region("Minimize", "min", rect_points(*minimise),
               lambda l, hot: button(l, minimise, "Minimise", "min", hot, size=14),
               ((minimise[0] - 3, (BAR_Y0 + BAR_Y1) // 2), "left", None,
                "Minimises the disc."),
               [("Sound", CLICK), ("LaunchFunc", "DispatchMinimize")],
               ["Minimise: DispatchMinimize needs no LaunchData. The window buttons look the",
                "same on every screen, so the screens share their pictures (art\\shared)."]),
        Region("Exit", "exit", rect_points(*close),
               lambda l, hot: button(l, close, "Exit", "exit", hot, size=14),
               ((close[0] - 3, (BAR_Y0 + BAR_Y1) // 2), "left", None, "Closes the disc."),
               [("LaunchFunc", "DispatchExit")],
               ["Exit: DispatchExit closes Lumora, which then plays the EndSound. This region",
                "has no Sound of its own: a sound never interrupts one that is still playing,",
                "so a click sound here would keep the EndSound from being heard."]),
    ]


def main_screen():
    def decorate(layer):
        layer.text_fill("Lumora", TITLE_FONT, 70, (30, 6, 420, 96), "#ffffff", "#a8cfff",
                        gravity="west")
        layer.text("DEMO  DISC", LABEL_FONT, 21, "#ffcf5c", (36, 90, 400, 118), gravity="west",
                   kerning=5, shadow=SHADOW)
        layer.text("Point at anything to learn more.", TEXT_FONT, 12.5,
                   "#c4d3ff", (37, 120, 300, 142), gravity="west", shadow=SHADOW)
        layer.text("Lumora Demo Disc  \u00b7  Version 1.0", TEXT_FONT, 11, "#8ea6dc",
                   (24, BAR_Y0, 380, BAR_Y1), gravity="west")

    def column(i):
        y = 170 + 58 * i
        return (34, y, 290, y + 46)

    soft, extras, readme, helpbox = (column(i) for i in range(4))
    disc_c, disc_r = (480, 244), 126
    badge_c = (372, 146)
    regions = [
        Region("Badge", "badge", star_points(*badge_c, 58, 49, 16, 0.1),
               lambda l, hot: badge(l, *badge_c, hot),
               ((badge_c[0] + 8, badge_c[1] - 60), "above", "Start here",
                "Take a short tour of the software."),
               [("Sound", PAGE), ("LaunchFunc", "DispatchScreen"), ("LaunchData", "Software")],
               ["The gold seal: a star-shaped polygon of 32 corners that overlaps the disc.",
                "Where two shapes overlap, the region listed first in RegionNames wins: this",
                "seal is listed before the disc, so its whole star stays clickable."]),
        Region("Software", "soft", rect_points(*soft),
               lambda l, hot: button(l, soft, "Explore the software", "grid", hot),
               ((soft[2] + 4, (soft[1] + soft[3]) // 2), "right", None,
                "Three programs for work and play. See what each one does and needs."),
               [("Sound", PAGE), ("LaunchFunc", "DispatchScreen"), ("LaunchData", "Software")],
               ["A rectangle: four corners, clockwise from the top left. DispatchScreen shows",
                "the screen that LaunchData names (one of the ScreenNames)."]),
        Region("Extras", "extras", rect_points(*extras),
               lambda l, hot: button(l, extras, "Extras & support", "star", hot),
               ((extras[2] + 4, (extras[1] + extras[3]) // 2), "right", None,
                "Customer service, help for disc authors and the disc's options."),
               [("Sound", PAGE), ("LaunchFunc", "DispatchScreen"), ("LaunchData", "Extras")]),
        Region("ReadMe", "readme", rect_points(*readme),
               lambda l, hot: button(l, readme, "Read me", "page", hot),
               ((readme[2] + 4, (readme[1] + readme[3]) // 2), "right", None,
                "Opens the disc's read-me file in Notepad. The disc comes back when you "
                "close it."),
               [("Sound", CLICK), ("LaunchFunc", "DispatchProgramAndWait"),
                ("LaunchData", r"%w\notepad.exe %r\README.TXT")],
               ["DispatchProgramAndWait starts the command in LaunchData and hides the disc",
                "until that program has ended. (DispatchProgram would start it and close",
                "Lumora.) %w is the Windows folder, %r the folder of lumora.exe."]),
        Region("Help", "help", rect_points(*helpbox),
               lambda l, hot: button(l, helpbox, "Help", "help", hot),
               ((helpbox[2] + 4, (helpbox[1] + helpbox[3]) // 2), "right", None,
                "How to find your way around this disc."),
               [("Sound", CLICK), ("LaunchFunc", "DispatchHelp"),
                ("LaunchData", "Using the demo disc")],
               ["DispatchHelp starts LNCHHLP.EXE from the folder of lumora.exe with LaunchData",
                "as its argument: here the help topic to show."]),
        Region("Disc", "disc", ring_points(*disc_c, disc_r, 16),
               lambda l, hot: disc(l, *disc_c, disc_r, hot),
               ((disc_c[0] + 46, disc_c[1] - disc_r + 10), "above", "The tour",
                "Click the disc to see the Lumora logo and start the tour."),
               [("Sound", PAGE), ("LaunchFunc", "DispatchScreen"), ("LaunchData", "Software"),
                ("Splash", r"%r\art\logo.bmp|3")],
               ["The disc: a 16-sided polygon close to its circle. Splash shows a picture in a",
                "small popup in the middle of the display while the action starts: the",
                "picture's path, a bar, and the number of seconds it stays (at most 15)."]),
        Region("Version", "version", rect_points(24, BAR_Y0, 220, BAR_Y1), None, None,
               [("Sound", CLICK), ("LaunchFunc", "DispatchMenu"), ("LaunchData", "Disc")],
               ["The version line at the bottom: a region without pictures. DispatchMenu opens",
                "the pop-up menu that LaunchData names (see [Menu Disc] below)."]),
    ] + window_regions()
    return Screen("Main", "main", "Lumora Demo Disc", decorate, regions,
                  ["Disc", "Badge", "Software", "Extras", "ReadMe", "Help", "Minimize", "Exit"],
                  ["The first screen. Its regions show the shapes a region can have: rectangles,",
                   "a star and a 16-sided polygon that overlap each other."])


PRODUCTS = [
    ("PixelGarden", "garden", "garden", "Pixel Garden",
     "Paint, retouch and frame your photos, with brushes that feel like real ones.",
     "Pixel Garden 2.1", "Windows 95 or later, 8 MB of memory, 12 MB of disk space. "
     "Click to read more."),
    ("TuneWeaver", "tunes", "tunes", "Tune Weaver",
     "Write songs on a piano roll, add drums and bass, and hear them at once on any "
     "sound card.",
     "Tune Weaver 1.4", "Windows 95 or later, a sound card, 10 MB of disk space. "
     "Click to read more."),
    ("StarChart", "stars", "stars", "Star Chart",
     "The night sky for any place and date: 9,000 stars, the planets and the "
     "constellations.",
     "Star Chart 3.0", "Needs a display of 640\u00d7480 with 256 colours or more. "
     "Click to read more."),
]


def software_screen():
    def decorate(layer):
        title(layer, "Software on this disc",
              "Point at a title to see what it needs; click it to read its help page.", 40)

    regions = []
    for i, (name, stem, kind, label, blurb, heading, needs) in enumerate(PRODUCTS):
        box = (30 + 200 * i, 116, 210 + 200 * i, 386)
        side = "left" if i == 2 else "right"
        tip = (box[0] + 6, 196) if side == "left" else (box[2] - 6, 196)
        keys = [("Sound", CLICK)]
        note = []
        if name == "StarChart":
            keys.append(("LaunchScreenReq", "G|640X480|256"))
            note = ["LaunchScreenReq: the display this action needs, as mode|size|colours. G is",
                    "at least (E exactly) 640X480, 800X600 or 1024X768 with LOW, 256 or TRUE",
                    "colours. On a smaller display Lumora says so and does not run the action."]
        keys += [("LaunchFunc", "DispatchHelp"), ("LaunchData", label)]
        regions.append(Region(
            name, stem, rect_points(*box),
            (lambda b, k, lb, bl: lambda l, hot: card(l, b, k, lb, bl, hot))(box, kind, label,
                                                                               blurb),
            (tip, side, heading, needs), keys, note))
    back = (16, BAR_Y0, 116, BAR_Y1)
    nxt = (124, BAR_Y0, 224, BAR_Y1)
    regions += [
        Region("Back", "back", arrow_points(*back, left=True),
               lambda l, hot: arrow_button(l, back, "Back", True, hot),
               ((66, BAR_Y0 - 3), "above", None, "Back to the screen you came from."),
               [("Sound", PAGE), ("LaunchFunc", "DispatchPreviousScreen")],
               ["An arrow: a five-cornered polygon. DispatchPreviousScreen returns to the",
                "screen shown before this one; Lumora remembers one step back."]),
        Region("Next", "next", arrow_points(*nxt, left=False),
               lambda l, hot: arrow_button(l, nxt, "Extras", False, hot),
               ((174, BAR_Y0 - 3), "above", None, "On to extras and support."),
               [("Sound", PAGE), ("LaunchFunc", "DispatchScreen"), ("LaunchData", "Extras")]),
    ] + window_regions()
    return Screen("Software", "software", "Lumora Demo Disc - Software", decorate, regions,
                  [r.name for r in regions],
                  ["Three product cards. A click opens the product's help page."])


def extras_screen():
    about = (30, 112, 318, 398)
    intro = ("Everything on this disc (the pictures, the hot regions, the balloons, the sounds "
             "and what each click does) is described in one text file, Lumora.ini, which lies "
             "next to lumora.exe.\n\n"
             "Copy the disc's folder, draw your own screens in 256 colours and edit the file: "
             "no programming needed.\n\n"
             "Open Lumora.ini in any text editor: its comments explain every line.")

    def decorate(layer):
        title(layer, "Extras & Support", "Help, service and the settings of this disc.", 40)
        panel(layer, about, "Make a disc like this one", intro)

    def column(i):
        y = 120 + 58 * i
        return (344, y, 610, y + 46)

    service, custom, options, home = (column(i) for i in range(4))
    help_c = (590, 46)

    def help_art(layer, hot):
        shape = circle(*help_c, 22)
        glossy(layer, shape, (help_c[0] - 22, help_c[1] - 22, help_c[0] + 22, help_c[1] + 22),
               hot, f"ellipse {help_c[0]},{help_c[1] - 10} 16,9 0,360")
        icon(layer, "help", help_c[0], help_c[1] + 1, 26, HOT_LABEL if hot else "#ffffff")

    back = (16, BAR_Y0, 116, BAR_Y1)
    regions = [
        Region("Service", "care", rect_points(*service),
               lambda l, hot: button(l, service, "Customer service", "chat", hot),
               ((service[0] - 4, (service[1] + service[3]) // 2), "left", None,
                "How to reach us, and what to have ready when you call."),
               [("Sound", CLICK), ("LaunchFunc", "DispatchHelp"),
                ("LaunchData", "Customer Service")]),
        Region("Customize", "custom", rect_points(*custom),
               lambda l, hot: button(l, custom, "Customising the disc", "brush", hot),
               ((custom[0] - 4, (custom[1] + custom[3]) // 2), "left", "For disc authors",
                "How to set the disc up your way, and how to make a disc of your own."),
               [("Sound", CLICK), ("LaunchFunc", "DispatchHelp"),
                ("LaunchData", "Customizing Tavlen Splash")]),
        Region("Options", "prefs", rect_points(*options),
               lambda l, hot: button(l, options, "Options", "gear", hot),
               ((options[0] - 4, (options[1] + options[3]) // 2), "left", None,
                "Choose the first screen, balloons, sounds and a black frame around the disc."),
               [("Sound", CLICK), ("LaunchFunc", "DispatchPreferences")],
               ["DispatchPreferences opens the preferences, where the user sets BalloonHelp,",
                "UseSound, BlackMat and Startup; Lumora writes them back to [Config]."]),
        Region("Home", "home", rect_points(*home),
               lambda l, hot: button(l, home, "Main screen", "home", hot),
               ((home[0] - 4, (home[1] + home[3]) // 2), "left", None,
                "Back to the first screen of the disc."),
               [("Sound", PAGE), ("LaunchFunc", "DispatchScreen"), ("LaunchData", "Main")]),
        Region("QuickHelp", "qhelp", ring_points(*help_c, 23, 8, math.pi / 8),
               help_art,
               ((help_c[0] - 26, help_c[1]), "left", "Help", "How to find your way around "
                "this disc."),
               [("Sound", CLICK), ("LaunchFunc", "DispatchHelp"),
                ("LaunchData", "Using the demo disc")],
               ["A round button with an octagon for its shape."]),
        Region("About", "about", rect_points(*about), None,
               ((about[2] - 60, about[1] + 30), "right", None,
                "This panel has a Sound but no LaunchFunc: a click only plays the sound."),
               [("Sound", r"%r\sounds\chime.wav")],
               ["A region without a highlight and without an action: it shows its balloon,",
                "and a click plays its Sound."]),
        Region("Back", "back", arrow_points(*back, left=True),
               lambda l, hot: arrow_button(l, back, "Back", True, hot),
               ((66, BAR_Y0 - 3), "above", None, "Back to the screen you came from."),
               [("Sound", PAGE), ("LaunchFunc", "DispatchPreviousScreen")]),
    ] + window_regions()
    return Screen("Extras", "extras", "Lumora Demo Disc - Extras & Support", decorate, regions,
                  [r.name for r in regions if r.art],
                  ["Help topics, the options, and a panel for disc authors."])


def logo():
    """The 320 x 200 picture of the splash popup."""
    lw, lh = 320, 200
    layer = Layer(lw, lh)
    layer.run("(", "-size", f"{lw}x{lh}", "gradient:#13306e-#1c0b3b", ")", "-composite")
    glow = scratch.new()
    convert("-size", "260x260", "radial-gradient:#3d7ee8-#000000", "-alpha", "copy",
            "-channel", "A", "-evaluate", "multiply", 0.6, "+channel", "-fill", "#3d7ee8",
            "-colorize", "100", glow)
    layer.put(glow, -50, -40)
    stars = []
    rng = random.Random(7)
    for _ in range(40):
        x, y, r = rng.uniform(0, lw), rng.uniform(0, lh), rng.choice([0.6, 0.8, 1.1])
        stars.append(f"fill rgba(255,255,255,{rng.uniform(0.3, 0.9):.2f}) "
                     f"circle {x:.1f},{y:.1f} {x + r:.1f},{y:.1f}")
    layer.draw(" ".join(stars))
    disc_layer = Layer()
    disc(disc_layer, 200, 200, 70, False)
    cropped = scratch.new()
    convert(disc_layer.path, "-crop", f"{lw}x{lh}+{200 - 82}+{200 - 100}", "+repage", cropped)
    layer.put(cropped)
    layer.text_fill("Lumora", TITLE_FONT, 40, (160, 50, 318, 100), "#ffffff", "#a8cfff",
                    gravity="west")
    layer.text("DEMO  DISC", LABEL_FONT, 15, "#ffcf5c", (164, 98, 316, 118), gravity="west",
               kerning=4)
    layer.text("Starting the tour\u2026", TEXT_FONT, 11, "#c4d3ff", (164, 132, 316, 150),
               gravity="west")
    layer.draw(f"rectangle 0,0 {lw - 1},{lh - 1}", stroke="#6f9cff", width=1)
    return layer


# ---------------------------------------------------------------------------------------------
# From true-colour drawings to 8-bit pictures that share one palette.

def flatten(base, layers, w=W, h=H):
    """Composes layers over base; returns the RGB bytes, rows from the top."""
    args = [base]
    for layer in layers:
        args += [layer, "-compose", "over", "-composite"]
    path = scratch.new("ppm")
    convert(*args, "-alpha", "off", "-depth", "8", path)
    return read_ppm(path)[2]


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b"P6" and fields[3] == b"255", path
    w, h = int(fields[1]), int(fields[2])
    return w, h, data[pos + 1:pos + 1 + 3 * w * h]


def write_ppm(path, w, h, rgb):
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (w, h) + bytes(rgb))


def changed_pixels(before, after, w=W, h=H):
    """The pixels that a picture changes on its screen: (bounding box, set of (x, y))."""
    changed = set()
    row = 3 * w
    for y in range(h):
        a, b = before[y * row:(y + 1) * row], after[y * row:(y + 1) * row]
        if a == b:
            continue
        for x in range(w):
            i = 3 * x
            if max(abs(a[i] - b[i]), abs(a[i + 1] - b[i + 1]), abs(a[i + 2] - b[i + 2])) \
                    > CHANGE_THRESHOLD:
                changed.add((x, y))
    if not changed:
        return None, changed
    xs = [p[0] for p in changed]
    ys = [p[1] for p in changed]
    return (min(xs), min(ys), max(xs) + 1, max(ys) + 1), changed


def crop(rgb, box, w=W):
    x0, y0, x1, y1 = box
    return b"".join(rgb[3 * (y * w + x0):3 * (y * w + x1)] for y in range(y0, y1))


class Piece:
    """A picture waiting for the palette: RGB pixels and, for cut-outs, which ones are kept."""

    def __init__(self, file, w, h, rgb, keep=None):
        self.file, self.w, self.h, self.rgb, self.keep = file, w, h, rgb, keep

    def kept_rgb(self):
        if self.keep is None:
            return self.rgb
        return b"".join(self.rgb[3 * i:3 * i + 3] for i in range(self.w * self.h)
                        if self.keep[i])


class CutOuts:
    """Highlights and balloons; pictures that come out the same on several screens (the window
    buttons in the bottom bar) are kept once, in art/shared."""

    def __init__(self):
        self.known = {}
        self.pieces = []

    def cut(self, folder, name, before, after):
        """The part of after that differs from before, as a picture with its position."""
        box, changed = changed_pixels(before, after)
        x0, y0, x1, y1 = box
        keep = [(x, y) in changed for y in range(y0, y1) for x in range(x0, x1)]
        rgb = crop(after, box)
        identity = (name, box, rgb, bytes(keep))
        piece = self.known.get(identity)
        if piece:
            piece.file = f"art/shared/{name}.bmp"
        else:
            piece = Piece(f"art/{folder}/{name}.bmp", x1 - x0, y1 - y0, rgb, keep)
            self.known[identity] = piece
            self.pieces.append(piece)
        return (x0, y0), piece


def make_palette(pieces):
    """Static colours at both ends, the colours that suit all the pictures in between."""
    sample = b"".join(p.kept_rgb() for p in pieces)
    pixels = len(sample) // 3
    width = 512
    sample += sample[:3 * ((-pixels) % width)]
    strip = scratch.new("ppm")
    write_ppm(strip, width, len(sample) // (3 * width), sample)
    out = scratch.new("ppm")
    convert(strip, "+dither", "-colors", ADAPTIVE, "-unique-colors", "-depth", "8", out)
    w, h, rgb = read_ppm(out)
    adaptive = [tuple(rgb[i:i + 3]) for i in range(0, len(rgb), 3)]
    adaptive = [c for c in adaptive if c != STATIC_HIGH[KEY - 246]][:ADAPTIVE]
    adaptive += [(0, 0, 0)] * (ADAPTIVE - len(adaptive))
    return STATIC_LOW + adaptive + STATIC_HIGH


def to_indexes(piece, palette, remap_file, dither):
    """Maps a piece to palette indexes (with error diffusion for pictures with gradients)."""
    src = scratch.new("ppm")
    write_ppm(src, piece.w, piece.h, piece.rgb)
    out = scratch.new("ppm")
    convert(src, "-dither", "FloydSteinberg" if dither else "None", "-remap", remap_file,
            "-depth", "8", out)
    _, _, rgb = read_ppm(out)
    lookup = {}
    for i, c in enumerate(palette):
        if i != KEY:
            lookup.setdefault(c, i)
    indexes = bytearray(piece.w * piece.h)
    for i in range(piece.w * piece.h):
        if piece.keep is not None and not piece.keep[i]:
            indexes[i] = KEY
            continue
        c = tuple(rgb[3 * i:3 * i + 3])
        if c not in lookup:
            lookup[c] = min((sum((a - b) ** 2 for a, b in zip(c, p)), j)
                            for j, p in enumerate(palette) if j != KEY)[1]
        indexes[i] = lookup[c]
    return indexes


def write_bmp(path, w, h, indexes, palette):
    """An 8-bit BMP: 40-byte info header, 256 colours, uncompressed rows from the bottom up."""
    stride = (w + 3) & ~3
    pad = bytes(stride - w)
    rows = b"".join(bytes(indexes[y * w:(y + 1) * w]) + pad for y in reversed(range(h)))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset))
        f.write(struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(rows), 2835, 2835, 256, 0))
        f.write(table)
        f.write(rows)


def render_screen(screen, cut_outs):
    """Draws a screen in every state; fills in each region's highlight and balloon pieces."""
    print(f"drawing screen {screen.name}", flush=True)
    base = backdrop(1, [(520, 60, 260, "#2f6fe0", 0.55),
                                                 (60, 470, 300, "#7a2aa8", 0.45)])
    screen.decorate(base)
    normal = {r.name: Layer() for r in screen.draw_order}
    hot = {r.name: Layer() for r in screen.draw_order}
    for r in screen.draw_order:
        r.art(normal[r.name], False)
        r.art(hot[r.name], True)
    order = [r.name for r in screen.draw_order]
    still = flatten(base.path, [normal[n].path for n in order])
    screen.background = Piece(f"art/{screen.folder}.bmp", W, H, still)
    for r in screen.regions:
        lit = still
        if r.art:
            lit = flatten(base.path, [(hot if n == r.name else normal)[n].path for n in order])
            r.highlight = cut_outs.cut(screen.folder, f"{r.stem}_h", still, lit)
        if r.balloon:
            # A balloon only shows while its region is lit, so it is drawn over the highlight.
            tip, side, heading, text = r.balloon
            layer = Layer()
            balloon(layer, tip, side, heading, text)
            under = scratch.new("ppm")
            write_ppm(under, W, H, lit)
            shown = flatten(under, [layer.path])
            r.balloon_pic = cut_outs.cut(screen.folder, f"{r.stem}_b", lit, shown)
    return screen.background


# ---------------------------------------------------------------------------------------------
# Sounds, made with sox: 16-bit mono PCM; 22,050 Hz for the short clicks, 11,025 Hz (enough for
# soft plucked notes, and half the size) for the longer chimes.

def sox(*args):
    subprocess.run(["sox", "-R", *[str(a) for a in args]], check=True)  # -R: repeatable


def tone(path, seconds, *synth, delay=0.0, volume=1.0, rate=22050):
    fmt = ["-r", rate, "-c", 1, "-b", 16]
    sox("-n", *fmt, path, "synth", seconds, *synth, "fade", "q", 0.002, seconds,
        seconds - 0.003, "pad", delay, 0, "vol", volume)


def chord(path, notes, step, seconds, volume, reverb=True):
    parts = []
    for i, note in enumerate(notes):
        part = scratch.new("wav")
        tone(part, seconds, "pluck", note, delay=i * step, rate=11025)
        parts.append(part)
    mixed = scratch.new("wav") if reverb else path
    sox("-m", *parts, mixed) if len(parts) > 1 else shutil.copy(parts[0], mixed)
    if reverb:
        tail = 0.3
        length = seconds + step * (len(notes) - 1) + tail
        sox(mixed, path, "pad", 0, tail, "reverb", 20, 50, 40, "norm", -1,
            "fade", "q", 0, length, 0.15, "vol", volume)


def make_sounds(folder):
    os.makedirs(folder, exist_ok=True)
    out = lambda name: os.path.join(folder, name)  # noqa: E731
    chord(out("start.wav"), ["C5", "E5", "G5", "C6"], 0.09, 0.9, 0.8)
    chord(out("end.wav"), ["G5", "E5", "C5"], 0.12, 0.6, 0.7)
    chord(out("chime.wav"), ["E6", "B6"], 0.07, 0.45, 0.6)
    tone(out("hilite.wav"), 0.03, "sine", 1750, volume=0.22)
    tone(out("balloon.wav"), 0.11, "sine", "480:1150", volume=0.3)
    tone(out("click.wav"), 0.05, "sine", "1000:520", volume=0.55)
    tone(out("page.wav"), 0.28, "pinknoise", "band", "-n", 1400, 900, volume=0.35)


# ---------------------------------------------------------------------------------------------
# Lumora.ini and the read-me file

KEY_NOTES = {
    "Shape": ["Shape: the outline of the region, a polygon of x,y corners (pixels of the",
              "  screen picture, from its top left corner) separated by bars; at least three."],
    "HighlightBitmap": ["HighlightBitmap: drawn at HighlightPosition (its top left corner, x,y)",
                        "  as soon as the pointer is over the region. HighlightTransparency: the",
                        "  palette index that is not drawn, so the picture can have any shape."],
    "BalloonBitmap": ["BalloonBitmap: drawn at BalloonPosition after the pointer has rested on",
                      "  the region for BalloonDelay, while BalloonHelp is on. BalloonTransparency",
                      "  as above. Point the balloon's tail at its region."],
    "Sound": ["Sound: played when the region is clicked."],
    "LaunchFunc": ["LaunchFunc: what a click does, spelled exactly as here: DispatchScreen,",
                   "  DispatchPreviousScreen, DispatchMinimize, DispatchMenu, DispatchHelp,",
                   "  DispatchPreferences, DispatchProgram, DispatchProgramAndWait or DispatchExit.",
                   "  LaunchData: its argument (a screen name, a menu name, a help topic, a",
                   "  command line)."],
}


def disc_path(file):
    return "%r\\" + file.replace("/", "\\")


def ini_text(screens, menus):
    lines = [
        "; Lumora.ini: the demo disc",
        ";",
        "; Lumora shows and does what this file describes. It lies beside lumora.exe at the root",
        "; of the disc. To make a disc of your own, copy this folder, replace the pictures and",
        "; sounds and edit this file. Lines that begin with a semicolon are comments; names of",
        "; sections and keys may be written in any letter case.",
        ";",
        "; Paths may begin with a folder:  %r  the folder of lumora.exe (the disc),  %d  its drive,",
        ";   %i  the install folder (Config key Install),  %w  the Windows folder,  %s  the",
        ";   Windows system folder.  %r\\art\\main.bmp is the picture art\\main.bmp on the disc.",
        ";",
        "; Pictures: Windows BMP files with 256 colours (8 bits per pixel) or 24 bits per pixel,",
        ";   uncompressed. Highlights and balloons are copied onto the screen picture pixel by",
        ";   pixel, so they must use the same palette as the screen: every picture of this disc",
        ";   shares one palette, whose index 253 (magenta) is the colour key of the highlights",
        ";   and balloons. Indexes 0-9 and 246-255 hold the twenty colours that Windows keeps",
        ";   on a 256-colour display, in their usual places.",
        ";   demo/make-art.py in Lumora's sources draws every picture and sound of this disc.",
        "; Sounds: WAV files.",
        "",
        "[Config]",
        "; ScreenNames: every screen of the disc, separated by bars; each has a section",
        ";   [Screen <name>]. A screen that is not listed here is never shown.",
        "ScreenNames=" + "|".join(s.name for s in screens),
        "; Startup: the screen shown first. StartScreens: the screens that the options offer",
        ";   as the first screen.",
        "Startup=" + screens[0].name,
        "StartScreens=" + "|".join(s.name for s in screens),
        "; BalloonHelp=1 shows balloons, UseSound=1 plays sounds, BlackMat=1 fills the rest of",
        ";   the display with black around the screen. The user can change these three (and",
        ";   Startup) in the options; Lumora then writes them back here.",
        "BalloonHelp=1",
        "UseSound=1",
        "BlackMat=0",
        "; BalloonDelay: milliseconds from pointing at a region to its balloon; 0 shows it at once.",
        "BalloonDelay=600",
        "; StartSound plays when the disc opens, EndSound when it closes (Lumora waits for it to",
        ";   end), HighlightSound when a region lights up, BalloonSound when a balloon appears.",
        r"StartSound=%r\sounds\start.wav",
        r"EndSound=%r\sounds\end.wav",
        r"HighlightSound=%r\sounds\hilite.wav",
        r"BalloonSound=%r\sounds\balloon.wav",
    ]
    explained = set()
    noted = set()
    first = True
    for screen in screens:
        lines += ["", "; " + "-" * 94]
        lines += ["; " + n for n in screen.note]
        lines += [f"[Screen {screen.name}]"]
        if first:
            lines += ["; Description: the window's title while this screen is shown.",
                      "; Bitmap: the screen's picture; the window takes its size.",
                      "; RegionNames: the hot regions of the screen, each in a section",
                      ";   [<screen>-Region <region>]."]
        lines += [f"Description={screen.description}", f"Bitmap=%r\\{screen.bitmap}",
                  "RegionNames=" + "|".join(r.name for r in screen.regions)]
        first = False
        for r in screen.regions:
            note = tuple(r.note)
            lines += [""] + ["; " + n for n in note if note not in noted]
            lines += [f"[{screen.name}-Region {r.name}]"]
            noted.add(note)
            keys = [("Shape", "|".join(f"{x},{y}" for x, y in r.shape))]
            if r.highlight:
                (x, y), piece = r.highlight
                keys += [("HighlightBitmap", disc_path(piece.file)),
                         ("HighlightPosition", f"{x},{y}"), ("HighlightTransparency", KEY)]
            if r.balloon_pic:
                (x, y), piece = r.balloon_pic
                keys += [("BalloonBitmap", disc_path(piece.file)),
                         ("BalloonPosition", f"{x},{y}"), ("BalloonTransparency", KEY)]
            keys += r.keys
            for key, value in keys:
                if key in KEY_NOTES and key not in explained:
                    explained.add(key)
                    lines += ["; " + n for n in KEY_NOTES[key]]
                lines.append(f"{key}={value}")
    lines += ["", "; " + "-" * 94] + menu_lines(menus)[1:]
    lines += [
        "",
        "; " + "-" * 94,
        "; Keys that this disc does not use:",
        "; [Config] Install=<folder>: the folder that %i stands for. UseAnim: kept, unused.",
        ";   LaunchAtStart=<section>: a program started once when the disc opens, described by",
        ";   LaunchFunc=DispatchProgram, LaunchData and LaunchReq in that section; Lumora",
        ";   removes the key after starting it.",
        "; Regions: LaunchReq=<volume label>|<disc name>: the disc that the action needs (Lumora",
        ";   asks for it). LaunchOnReq=1: the command runs from the drive where that disc was",
        ";   found. LaunchLong=1: the command keeps its long path. LaunchDir: the program's",
        ";   working folder. RegistryKey, RegistryData, RegistrySubtract, RegistryAppend: where",
        ";   to find an installed program's command line when LaunchData is absent.",
        ";   SetupFunc, SetupData, SetupDesc, SetupReq, ExitDuringSetup: the setup program that",
        ";   Lumora offers to run when the program is not installed.",
        "",
        "; Lumora keeps this section itself: the program being installed, and whether Lumora ends",
        "; while it runs. Listing it here with its resting values keeps the file as written.",
        "[Setup]",
        "Application=",
        "ExitDuringSetup=0",
    ]
    return "\r\n".join(lines) + "\r\n"


README = """Lumora Demo Disc
================

This folder is a complete disc for Lumora, the front door of a software disc:
run lumora.exe and point at the pictures.

  lumora.exe     the program (one file, nothing to install)
  Lumora.ini     everything the disc shows and does, with comments
  LNCHHLP.EXE    the help program that the Help buttons start
  art\\           the screens, highlights, balloons and the logo (256-colour BMP)
  sounds\\        the sounds (WAV)
  README.TXT     this file

To make a disc of your own, copy this folder, draw your own screens and edit
Lumora.ini: its comments explain every line. All the pictures of a disc share
one 256-colour palette; the colour key of the highlights and balloons is
palette index 253.

The three programs on the software screen are made up; their buttons open
help pages only.
"""


# ---------------------------------------------------------------------------------------------
# A check of the finished disc, read back from the files as Lumora would read them.

EXPORTS = {"DispatchScreen", "DispatchPreviousScreen", "DispatchMinimize", "DispatchMenu",
           "DispatchHelp", "DispatchPreferences", "DispatchAbout", "DispatchProgram",
           "DispatchProgramAndWait", "DispatchExit"}


def verify(disc):
    """Fails when Lumora.ini names a missing or unfit file, a screen or action that does not
    exist, a help topic that LNCHHLP.EXE has no page for, or a shape off its screen."""
    import configparser
    ini = configparser.ConfigParser(comment_prefixes=(";",), interpolation=None, strict=True)
    ini.optionxform = str
    ini.read(os.path.join(disc, "Lumora.ini"))
    used = {"Lumora.ini", "README.TXT"}
    tables = set()
    with open(os.path.join(HERE, "help", "help_pages.cpp")) as f:
        help_source = f.read()

    def file_of(value):
        assert value.startswith("%r\\"), value
        name = value[3:].replace("\\", "/")
        path = os.path.join(disc, name)
        assert os.path.isfile(path), f"missing {name}"
        used.add(name)
        return path

    def bmp(value):
        with open(file_of(value), "rb") as f:
            data = f.read()
        magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data)
        (hsize, w, h, planes, bits, compression, image, _, _, used_colours,
         _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
        assert (magic, hsize, planes, bits, compression) == (b"BM", 40, 1, 8, 0), value
        assert h > 0 and used_colours == 256 and size == len(data), value
        assert image == ((w + 3) & ~3) * h == len(data) - offset, value
        tables.add(data[54:54 + 1024])
        return w, h

    def wav(value):
        with open(file_of(value), "rb") as f:
            data = f.read()
        assert data[:4] == b"RIFF" and data[8:16] == b"WAVEfmt ", value
        assert struct.unpack_from("<H", data, 20)[0] == 1, f"{value} is not PCM"

    config = ini["Config"]
    names = config["ScreenNames"].split("|")
    menus_named = set()

    def action(section):
        func, data = section.get("LaunchFunc"), section.get("LaunchData")
        assert func is None or func in EXPORTS, func
        if func == "DispatchScreen":
            assert data in names, data
        if func == "DispatchHelp":
            assert f'{{"{data}",' in help_source, f"no help page for {data}"
        if func == "DispatchMenu" and data not in menus_named:
            menus_named.add(data)
            menu(data)
        for word in (data or "").split():
            if word.startswith("%r\\"):
                file_of(word)

    def menu(name):
        items = ini[f"Menu {name}"]["MenuItems"].split("|")
        shown = 0
        for item in items:
            if item.lower() == "separator":
                continue
            section = ini[f"{name}-MenuItem {item}"]
            shown += bool(section.get("Description"))
            action(section)
        assert shown, f"menu {name} shows no item"

    assert config["Startup"] in names and set(config["StartScreens"].split("|")) <= set(names)
    for key in ("StartSound", "EndSound", "HighlightSound", "BalloonSound"):
        wav(config[key])
    for name in names:
        screen = ini[f"Screen {name}"]
        sw, sh = bmp(screen["Bitmap"])
        assert (sw, sh) == (W, H) and screen["Description"]
        for region in screen["RegionNames"].split("|"):
            r = ini[f"{name}-Region {region}"]
            points = [tuple(map(int, p.split(","))) for p in r["Shape"].split("|")]
            assert len(points) >= 3 and all(0 <= x <= W and 0 <= y <= H for x, y in points)
            for kind in ("Highlight", "Balloon"):
                if f"{kind}Bitmap" in r:
                    w, h = bmp(r[f"{kind}Bitmap"])
                    x, y = map(int, r[f"{kind}Position"].split(","))
                    assert 0 <= x and 0 <= y and x + w <= W and y + h <= H, (region, kind)
                    assert int(r[f"{kind}Transparency"]) == KEY
            if "Sound" in r:
                wav(r["Sound"])
            if "Splash" in r:
                picture, seconds = r["Splash"].split("|")
                bmp(picture)
                assert 0 < int(seconds) <= 15
            action(r)
    assert len(tables) == 1, "the pictures do not share one palette"
    for folder, _, files in os.walk(disc):
        for name in files:
            rel = os.path.relpath(os.path.join(folder, name), disc).replace(os.sep, "/")
            assert rel in used, f"{rel} is not used"


# ---------------------------------------------------------------------------------------------

def preview(folder, screens, palette):
    """PNG pictures of every screen with each region lit, composed as Lumora composes them."""
    os.makedirs(folder, exist_ok=True)
    flat = b"".join(bytes(c) for c in palette)

    def save(name, indexes):
        ppm = scratch.new("ppm")
        write_ppm(ppm, W, H, b"".join(flat[3 * i:3 * i + 3] for i in indexes))
        convert(ppm, os.path.join(folder, name + ".png"))

    def place(canvas, pos, piece):
        x0, y0 = pos
        for y in range(piece.h):
            for x in range(piece.w):
                v = piece.indexes[y * piece.w + x]
                if v != KEY:
                    canvas[(y0 + y) * W + x0 + x] = v

    for s in screens:
        save(s.folder, s.background.indexes)
        for r in s.regions:
            canvas = bytearray(s.background.indexes)
            for pic in (r.highlight, r.balloon_pic):
                if pic:
                    place(canvas, *pic)
            save(f"{s.folder}-{r.stem}", canvas)


def main():
    global scratch
    preview_dir = None
    if len(sys.argv) == 3 and sys.argv[1] == "--preview":
        preview_dir = os.path.abspath(sys.argv[2])
    elif len(sys.argv) != 1:
        sys.exit(__doc__)
    scratch = Scratch()
    try:
        screens = [main_screen(), software_screen(), extras_screen()]
        cut_outs = CutOuts()
        pieces = [render_screen(s, cut_outs) for s in screens]
        print("drawing the logo", flush=True)
        logo_layer = logo()
        logo_piece = Piece("art/logo.bmp", 320, 200, flatten(logo_layer.path, [], 320, 200))
        pieces += [logo_piece] + cut_outs.pieces
        print("choosing the palette", flush=True)
        palette = make_palette(pieces)
        remap = scratch.new("ppm")
        usable = [c for i, c in enumerate(palette) if i != KEY]
        write_ppm(remap, len(usable), 1, b"".join(bytes(c) for c in usable))
        if os.path.isdir(DISC):
            shutil.rmtree(DISC)
        os.makedirs(DISC)
        backgrounds = {s.background for s in screens} | {logo_piece}
        for p in pieces:
            print(f"writing {p.file}", flush=True)
            p.indexes = to_indexes(p, palette, remap, dither=p in backgrounds)
            write_bmp(os.path.join(DISC, p.file), p.w, p.h, p.indexes, palette)
        print("making the sounds", flush=True)
        make_sounds(os.path.join(DISC, "sounds"))
        with open(os.path.join(DISC, "Lumora.ini"), "w", newline="") as f:
            f.write(ini_text(screens, demo_menus()))
        with open(os.path.join(DISC, "README.TXT"), "w", newline="") as f:
            f.write(README.replace("\n", "\r\n"))
        verify(DISC)
        if preview_dir:
            preview(preview_dir, screens, palette)
    finally:
        shutil.rmtree(scratch.dir)


if __name__ == "__main__":
    main()
