#!/usr/bin/env python3
"""Draws the program's artwork and writes it into resources/.

Everything is drawn here from code, so the pictures can be changed by editing
this file and running it again; the written files are committed beside it.
"""
import struct
from pathlib import Path

OUT = Path(__file__).resolve().parent.parent / "resources"

TRANSPARENT = None
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
NAVY = (0, 0, 128)
PURPLE = (128, 0, 128)
GREY = (128, 128, 128)
LIGHT = (192, 192, 192)


class Canvas:
    def __init__(self, width, height, fill=TRANSPARENT):
        self.width, self.height = width, height
        self.px = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the rectangle from (x0, y0) to (x1, y1), both corners included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, top_left, bottom_right):
        self.rect(x0, y0, x1, y0, top_left)
        self.rect(x0, y0, x0, y1, top_left)
        self.rect(x0, y1, x1, y1, bottom_right)
        self.rect(x1, y0, x1, y1, bottom_right)

    def pattern(self, x0, y0, rows, palette):
        """Draws text rows where each character picks a colour from palette."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch in palette:
                    self.put(x0 + dx, y0 + dy, palette[ch])


def icon_image_entry(canvas):
    """One 32-bit BGRA image with its AND mask, as icons and cursors store it."""
    w, h = canvas.width, canvas.height
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    for y in reversed(range(h)):
        row_mask = bytearray(mask_stride)
        for x in range(w):
            c = canvas.px[y][x]
            if c is None:
                xor += bytes((0, 0, 0, 0))
                row_mask[x // 8] |= 0x80 >> (x % 8)
            else:
                xor += bytes((c[2], c[1], c[0], 255))
        mask += row_mask
    return header + bytes(xor) + bytes(mask)


def write_icon_file(path, canvases, kind=1, hotspot=(0, 0)):
    """kind 1 writes an .ico, kind 2 a .cur with the given hotspot."""
    images = [icon_image_entry(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, kind, len(images)))
    offset = 6 + 16 * len(images)
    for canvas, data in zip(canvases, images):
        planes, bits = (hotspot if kind == 2 else (1, 32))
        out += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0,
                           planes, bits, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    path.write_bytes(bytes(out))


def draw_icon(size):
    """A small media window: navy title band, black screen, a purple note."""
    c = Canvas(size, size)
    s = size / 32
    def sc(v):
        return int(round(v * s))
    c.rect(sc(1), sc(3), sc(30), sc(28), LIGHT)
    c.frame(sc(1), sc(3), sc(30), sc(28), WHITE, BLACK)
    c.rect(sc(3), sc(5), sc(28), sc(9), NAVY)
    c.rect(sc(3), sc(11), sc(28), sc(26), BLACK)
    # the note: two heads joined by a beam
    c.rect(sc(11), sc(20), sc(14), sc(23), PURPLE)
    c.rect(sc(19), sc(18), sc(22), sc(21), PURPLE)
    c.rect(sc(14), sc(13), sc(14), sc(22), WHITE)
    c.rect(sc(22), sc(12), sc(22), sc(20), WHITE)
    c.rect(sc(14), sc(12), sc(22), sc(13), WHITE)
    return c


HAND = [
    "            ##                  ",
    "           #..#                 ",
    "           #..#                 ",
    "           #..#                 ",
    "           #..#                 ",
    "           #..###               ",
    "           #..#..###            ",
    "           #..#..#..##          ",
    "           #..#..#..#.#         ",
    "        ## #........#..#        ",
    "       #..##...........#        ",
    "       #...#...........#        ",
    "        #..............#        ",
    "         #.............#        ",
    "         #............#         ",
    "          #...........#         ",
    "          #..........#          ",
    "           #.........#          ",
    "           ###########          ",
]


def draw_hand():
    """The pointing hand shown over links; the fingertip is the hotspot (12, 1)."""
    c = Canvas(32, 32)
    c.pattern(0, 0, HAND, {"#": BLACK, ".": WHITE})
    return c


def main():
    OUT.mkdir(exist_ok=True)
    write_icon_file(OUT / "brelvix.ico", [draw_icon(32), draw_icon(16)])
    write_icon_file(OUT / "hand.cur", [draw_hand()], kind=2, hotspot=(12, 1))


if __name__ == "__main__":
    main()
