#!/usr/bin/env python3
"""Draws the program's own images: the skin images beside the program
(Skins/Kestrelwave/*.tif), its icon and its caption-button bitmap.

    mkimages.py skins <folder>    the skin images into <folder>
    mkimages.py icon <file.ico>   the program icon (16, 24, 32 and 48 pixels)
    mkimages.py buttons <file>    the caption buttons: 12 squares of 24 pixels
                                  (minimise, maximise, restore, close; each
                                  normal, highlighted, pressed), magenta clear
Plain Python, no packages: images are uncompressed TIFF, BMP and ICO files.
"""
import math
import os
import struct
import sys


class Canvas:
    """RGBA pixels with the few shapes the images need."""

    def __init__(self, width, height, colour=(0, 0, 0, 0)):
        self.width, self.height = width, height
        self.pixels = [list(colour) for _ in range(width * height)]

    def put(self, x, y, colour, cover=1.0):
        if not (0 <= x < self.width and 0 <= y < self.height) or cover <= 0:
            return
        dst = self.pixels[y * self.width + x]
        a = colour[3] / 255.0 * min(cover, 1.0)
        for i in range(3):
            dst[i] = int(round(colour[i] * a + dst[i] * (1 - a)))
        dst[3] = int(round(255 * (a + dst[3] / 255.0 * (1 - a))))

    def fill(self, inside, colour, box):
        """Fills where inside(x, y) holds within box (x0, y0, x1, y1), 2 x 2 samples a pixel."""
        x0, y0, x1, y1 = (int(math.floor(box[0])), int(math.floor(box[1])), int(math.ceil(box[2])) + 1,
                          int(math.ceil(box[3])) + 1)
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                hits = inside(x + 0.25, y + 0.25) + inside(x + 0.75, y + 0.25) + inside(x + 0.25, y + 0.75) + \
                    inside(x + 0.75, y + 0.75)
                if hits:
                    self.put(x, y, colour, hits / 4.0)

    def gradient(self, top, bottom):
        for y in range(self.height):
            t = y / max(1, self.height - 1)
            c = [int(top[i] + (bottom[i] - top[i]) * t) for i in range(4)]
            for x in range(self.width):
                self.pixels[y * self.width + x] = list(c)

    def rounded(self, x0, y0, x1, y1, r, colour):
        def inside(x, y):
            if not (x0 <= x <= x1 and y0 <= y <= y1):
                return False
            cx = min(max(x, x0 + r), x1 - r)
            cy = min(max(y, y0 + r), y1 - r)
            return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
        self.fill(inside, colour, (x0, y0, x1, y1))

    def disc(self, cx, cy, r, colour):
        self.fill(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, colour, (cx - r, cy - r, cx + r, cy + r))

    def line(self, x0, y0, x1, y1, width, colour):
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy or 1

        def inside(x, y):
            t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
            px, py = x0 + t * dx, y0 + t * dy
            return (x - px) ** 2 + (y - py) ** 2 <= (width / 2.0) ** 2
        h = width / 2.0
        self.fill(inside, colour, (min(x0, x1) - h, min(y0, y1) - h, max(x0, x1) + h, max(y0, y1) + h))

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.put(x, y, colour)


def write_tiff(canvas, path):
    """Baseline RGBA TIFF, one strip, unassociated alpha."""
    data = bytes(v for p in canvas.pixels for v in p)
    entries = [
        (256, 4, 1, canvas.width), (257, 4, 1, canvas.height), (258, 3, 4, None), (259, 3, 1, 1),
        (262, 3, 1, 2), (273, 4, 1, None), (277, 3, 1, 4), (278, 4, 1, canvas.height),
        (279, 4, 1, len(data)), (284, 3, 1, 1), (338, 3, 1, 2)]
    ifd_offset = 8
    ifd_size = 2 + 12 * len(entries) + 4
    bits_offset = ifd_offset + ifd_size
    data_offset = bits_offset + 8
    out = bytearray(b'II*\x00' + struct.pack('<I', ifd_offset))
    out += struct.pack('<H', len(entries))
    for tag, kind, count, value in entries:
        if tag == 258:
            value = bits_offset
        elif tag == 273:
            value = data_offset
        if kind == 3 and count == 1:
            out += struct.pack('<HHIHH', tag, kind, count, value, 0)
        else:
            out += struct.pack('<HHII', tag, kind, count, value)
    out += struct.pack('<I', 0)
    out += struct.pack('<4H', 8, 8, 8, 8)
    out += data
    with open(path, 'wb') as f:
        f.write(out)


def dib_rows(canvas, bits):
    """Bottom-up rows of BGR(A), padded to 4 bytes."""
    rows = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.width):
            r, g, b, a = canvas.pixels[y * canvas.width + x]
            row += bytes((b, g, r, a)) if bits == 32 else bytes((b, g, r))
        row += b'\0' * ((4 - len(row) % 4) % 4)
        rows += row
    return bytes(rows)


def write_bmp(canvas, path):
    pixels = dib_rows(canvas, 24)
    header = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 14 + len(header) + len(pixels), 0, 0, 54) + header + pixels)


def write_ico(canvases, path):
    images = []
    for c in canvases:
        xor = dib_rows(c, 32)
        mask_row = ((c.width + 31) // 32) * 4
        header = struct.pack('<IiiHHIIiiII', 40, c.width, c.height * 2, 1, 32, 0, len(xor), 0, 0, 0, 0)
        images.append(header + xor + b'\0' * (mask_row * c.height))
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for c, image in zip(canvases, images):
        out += struct.pack('<BBBBHHII', c.width % 256, c.height % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    with open(path, 'wb') as f:
        f.write(out)


ORANGE = (240, 130, 20, 255)
WHITE = (255, 255, 255, 255)
GREY = (200, 200, 200, 255)
DARK = (40, 40, 44, 255)
RED = (220, 30, 30, 255)
GREEN = (40, 200, 60, 255)
OFF = (70, 70, 76, 255)


def kestrel(c, cx, cy, size, colour):
    """The mark: a bird of prey in flight, two swept wings over a wave."""
    s = size / 100.0
    c.line(cx - 45 * s, cy - 5 * s, cx, cy + 10 * s, 9 * s, colour)
    c.line(cx + 45 * s, cy - 20 * s, cx, cy + 10 * s, 9 * s, colour)
    c.disc(cx, cy + 10 * s, 8 * s, colour)
    for i in range(-40, 41, 2):
        x0, x1 = cx + i * s, cx + (i + 2) * s
        y0 = cy + 30 * s + 6 * s * math.sin(i / 8.0)
        y1 = cy + 30 * s + 6 * s * math.sin((i + 2) / 8.0)
        c.line(x0, y0, x1, y1, 4 * s, colour)


def splash():
    c = Canvas(420, 230)
    c.gradient((67, 67, 67, 255), (12, 12, 12, 255))
    kestrel(c, 110, 100, 150, ORANGE)
    c.rect(200, 150, 400, 154, ORANGE)
    return c


def logo():
    c = Canvas(220, 180)
    c.rounded(0, 0, 219, 179, 18, (67, 67, 67, 255))
    kestrel(c, 110, 80, 150, ORANGE)
    return c


def console(petrol_led, auto_led, level):
    """The fuel switch console: a petrol and an auto light over five level bars."""
    c = Canvas(64, 96)
    c.rounded(1, 1, 62, 94, 10, DARK)
    c.disc(20, 16, 7, RED if petrol_led else OFF)
    c.disc(44, 16, 7, GREEN if auto_led else OFF)
    for i in range(5):
        lit = level is not None and i <= level
        colour = (GREEN if i else RED) if lit else OFF
        c.rounded(12, 82 - i * 12, 52, 90 - i * 12, 2, colour)
    return c


def check_box(selected):
    c = Canvas(24, 24)
    c.rounded(1, 1, 22, 22, 4, GREY)
    c.rounded(3, 3, 20, 20, 3, WHITE)
    if selected:
        c.line(6, 12, 10, 17, 3, ORANGE)
        c.line(10, 17, 18, 6, 3, ORANGE)
    return c


def padlock(locked, colour):
    """A padlock in the state it shows: the shackle closed or swung open."""
    c = Canvas(48, 48)
    shackle_x = 14 if locked else 24
    c.line(shackle_x, 22, shackle_x, 12, 5, GREY)
    c.line(shackle_x, 12, shackle_x + 3, 7, 5, GREY)
    c.line(shackle_x + 3, 7, shackle_x + 13, 7, 5, GREY)
    c.line(shackle_x + 13, 7, shackle_x + 16, 12, 5, GREY)
    c.line(shackle_x + 16, 12, shackle_x + 16, 22 if locked else 16, 5, GREY)
    c.rounded(8, 21, 39, 44, 4, colour)
    c.disc(23.5, 30, 3.5, DARK)
    c.line(23.5, 30, 23.5, 38, 3, DARK)
    return c


def clear_map(colour):
    """A map of the given fuel's colour, crossed out."""
    c = Canvas(48, 48)
    c.rounded(6, 6, 41, 41, 5, colour)
    for x in (15, 24, 33):
        c.line(x, 10, x, 37, 1.5, WHITE)
    c.line(9, 9, 38, 38, 5, DARK)
    c.line(38, 9, 9, 38, 5, DARK)
    return c


def triangle(c, points, colour):
    """Fills the triangle of three (x, y) points."""
    (ax, ay), (bx, by), (cx, cy) = points

    def side(x, y, px, py, qx, qy):
        return (qx - px) * (y - py) - (qy - py) * (x - px)

    def inside(x, y):
        d = (side(x, y, ax, ay, bx, by), side(x, y, bx, by, cx, cy), side(x, y, cx, cy, ax, ay))
        return not (min(d) < 0 < max(d))
    xs, ys = (ax, bx, cx), (ay, by, cy)
    c.fill(inside, colour, (min(xs), min(ys), max(xs), max(ys)))


def player_button(glyph):
    """A player button of the oscilloscope: a dark key with a white sign."""
    c = Canvas(48, 48)
    c.rounded(1, 1, 46, 46, 7, DARK)
    if glyph == 'record':
        c.disc(24, 24, 11, RED)
    elif glyph == 'play':
        triangle(c, ((16, 12), (16, 36), (36, 24)), WHITE)
    elif glyph == 'stop':
        c.rect(14, 14, 34, 34, WHITE)
    elif glyph == 'pause':
        c.rect(14, 13, 21, 35, WHITE)
        c.rect(27, 13, 34, 35, WHITE)
    elif glyph in ('prev', 'next'):
        for x in (10, 24):
            tip, base = (x, x + 14) if glyph == 'prev' else (x + 14, x)
            triangle(c, ((base, 13), (base, 35), (tip, 24)), WHITE)
    else:  # open: a folder
        c.rounded(9, 14, 22, 20, 2, ORANGE)
        c.rounded(9, 17, 39, 35, 2, ORANGE)
    return c


def injector(colour):
    """A gas injector seen from the side: connector, body in the state's colour, nozzle."""
    c = Canvas(48, 48)
    c.rounded(2, 2, 45, 45, 8, DARK)
    c.rounded(18, 6, 30, 13, 2, GREY)
    c.rounded(13, 12, 35, 32, 4, colour)
    c.rect(21, 32, 27, 38, GREY)
    c.line(24, 38, 24, 42, 3, GREY)
    return c


def skins(folder):
    os.makedirs(folder, exist_ok=True)
    images = {
        'Splash.tif': splash(),
        'Logo left.tif': logo(),
        'CON PETROL.tif': console(True, False, None),
        'CON AUTO.tif': console(False, True, None),
        'CON R.tif': console(False, True, 0),
        'CON 14.tif': console(False, True, 1),
        'CON 12.tif': console(False, True, 2),
        'CON 34.tif': console(False, True, 3),
        'CON FULL.tif': console(False, True, 4),
        'CheckBox_Selected_2.tif': check_box(True),
        'CheckBox_Unselected_2.tif': check_box(False),
        'PadlockLockedRed.tif': padlock(True, RED),
        'PadlockUnlockedRed.tif': padlock(False, RED),
        'PadlockLockedGreen.tif': padlock(True, GREEN),
        'PadlockUnlockedGreen.tif': padlock(False, GREEN),
        'ClearPetrol.tif': clear_map(RED),
        'ClearGas.tif': clear_map(GREEN),
        'Injector_Red.tif': injector(RED),
        'Injector_Green.tif': injector(GREEN),
        'Injector_White.tif': injector(WHITE),
    }
    for glyph in ('record', 'open', 'prev', 'next', 'play', 'stop', 'pause'):
        images['Btn_%s.tif' % glyph] = player_button(glyph)
    for name, canvas in images.items():
        write_tiff(canvas, os.path.join(folder, name))


def icon(path):
    canvases = []
    for size in (16, 24, 32, 48):
        c = Canvas(size, size)
        c.rounded(0, 0, size - 1, size - 1, size / 6.0, (67, 67, 67, 255))
        kestrel(c, size / 2.0, size * 0.42, size * 0.95, ORANGE)
        canvases.append(c)
    write_ico(canvases, path)


def buttons(path):
    size = 24
    c = Canvas(size * 12, size, (255, 0, 255, 255))
    backs = [(67, 67, 67, 255), (100, 100, 100, 255), (30, 30, 30, 255)]
    for group in range(4):
        for state in range(3):
            x0 = (group * 3 + state) * size
            c.rect(x0 + 1, 1, x0 + size - 1, size - 1, (RED if group == 3 and state else backs[state]))
            m = x0 + 6
            if group == 0:
                c.rect(m, 16, m + 12, 18, WHITE)
            elif group == 1:
                c.rect(m, 6, m + 12, 8, WHITE)
                for x, y, w, h in ((m, 6, 2, 12), (m + 10, 6, 2, 12), (m, 16, 12, 2)):
                    c.rect(x, y, x + w, y + h, WHITE)
            elif group == 2:
                for dx, dy in ((3, 3), (0, 6)):
                    for x, y, w, h in ((0, 0, 9, 2), (0, 0, 2, 9), (7, 0, 2, 9), (0, 7, 9, 2)):
                        c.rect(m + dx + x, dy + 3 + y, m + dx + x + w, dy + 3 + y + h, WHITE)
            else:
                c.line(m, 6, m + 12, 18, 2.5, WHITE)
                c.line(m + 12, 6, m, 18, 2.5, WHITE)
    write_bmp(c, path)


if __name__ == '__main__':
    if len(sys.argv) != 3 or sys.argv[1] not in ('skins', 'icon', 'buttons'):
        sys.exit(__doc__)
    {'skins': skins, 'icon': icon, 'buttons': buttons}[sys.argv[1]](sys.argv[2])
