#!/usr/bin/env python3
"""Draws the program's artwork and writes it into resources/.

Everything is drawn here from code, so the pictures can be changed by editing
this file and running it again; the written files are committed beside it.

Every picture uses only the 16 colours of the standard Windows palette and is
stored with 4 bits per pixel, so it looks the same on any display.
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
GREEN = (0, 255, 0)

# The standard 16-colour palette, in the order Windows gives its entries.
PALETTE = [
    BLACK, (128, 0, 0), (0, 128, 0), (128, 128, 0), NAVY, PURPLE, (0, 128, 128), LIGHT,
    GREY, (255, 0, 0), GREEN, (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), WHITE,
]


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
        # Top-left first, so the two corners that belong to both edges take
        # the bottom-right colour, as a lit 3-D edge does.
        self.rect(x0, y0, x1, y0, top_left)
        self.rect(x0, y0, x0, y1, top_left)
        self.rect(x0, y1, x1, y1, bottom_right)
        self.rect(x1, y0, x1, y1, bottom_right)

    def raised(self, x0, y0, x1, y1, face=LIGHT):
        """A raised 3-D block lit from the top left, edges included in the box."""
        self.rect(x0, y0, x1, y1, face)
        self.frame(x0, y0, x1, y1, WHITE, BLACK)
        self.rect(x0 + 1, y1 - 1, x1 - 1, y1 - 1, GREY)
        self.rect(x1 - 1, y0 + 1, x1 - 1, y1 - 1, GREY)

    def sunken(self, x0, y0, x1, y1, inside):
        """A two-line sunken well: the outer line dark over light, the inner one
        black over face grey, the inside filled."""
        self.rect(x0, y0, x1, y1, inside)
        self.frame(x0, y0, x1, y1, GREY, WHITE)
        self.frame(x0 + 1, y0 + 1, x1 - 1, y1 - 1, BLACK, LIGHT)

    def pattern(self, x0, y0, rows, palette):
        """Draws text rows where each character picks a colour from palette."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch in palette:
                    self.put(x0 + dx, y0 + dy, palette[ch])

    def text(self, x, y, word, colour):
        """Writes word in the tiny capitals of FONT; returns the x after it."""
        for letter in word:
            glyph = FONT[letter]
            self.pattern(x, y, glyph, {"#": colour})
            x += len(glyph[0]) + 1
        return x

    def paste(self, x0, y0, other):
        for y in range(other.height):
            for x in range(other.width):
                if other.px[y][x] is not None:
                    self.put(x0 + x, y0 + y, other.px[y][x])

    def flipped(self):
        c = Canvas(self.width, self.height)
        c.px = [row[:] for row in reversed(self.px)]
        return c


# Five rows high: small enough to sit in the panel below the position digits.
FONT = {
    "T": ["#####", "..#..", "..#..", "..#..", "..#.."],
    "I": ["###", ".#.", ".#.", ".#.", "###"],
    "M": ["#...#", "##.##", "#.#.#", "#...#", "#...#"],
    "E": ["####", "#...", "###.", "#...", "####"],
}


# ---------------------------------------------------------------- file formats

def packed_4bit_rows(canvas, blank=BLACK):
    """The pixels as palette indices, two to a byte, bottom row first, each row
    padded to 4 bytes as DIBs want. Transparent pixels are written as blank."""
    index = {colour: i for i, colour in enumerate(PALETTE)}
    stride = ((canvas.width * 4 + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(canvas.height)):
        row = bytearray(stride)
        for x in range(canvas.width):
            colour = canvas.px[y][x]
            if colour is None:
                colour = blank
            if colour not in index:
                raise ValueError(f"{colour} at ({x}, {y}) is not a palette colour")
            row[x // 2] |= index[colour] << (0 if x % 2 else 4)
        out += row
    return bytes(out)


def palette_quads():
    return b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 0)


def write_bmp(path, canvas):
    pixels = packed_4bit_rows(canvas)
    header = info_header(canvas.width, canvas.height, len(pixels)) + palette_quads()
    offset = 14 + len(header)
    path.write_bytes(struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
                     + header + pixels)


def and_mask_rows(canvas):
    """One bit per pixel, set where the picture is transparent, bottom row first."""
    stride = ((canvas.width + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(canvas.height)):
        row = bytearray(stride)
        for x in range(canvas.width):
            if canvas.px[y][x] is None:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def icon_image_entry(canvas):
    """One 16-colour image with its AND mask, as icons and cursors store it."""
    xor = packed_4bit_rows(canvas)
    mask = and_mask_rows(canvas)
    # The stored height counts the colour image and the mask together.
    header = info_header(canvas.width, canvas.height * 2, len(xor) + len(mask))
    return header + palette_quads() + xor + mask


def write_icon_file(path, canvases, kind=1, hotspot=(0, 0)):
    """kind 1 writes an .ico, kind 2 a .cur with the given hotspot."""
    images = [icon_image_entry(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, kind, len(images)))
    offset = 6 + 16 * len(images)
    for canvas, data in zip(canvases, images):
        planes, bits = (hotspot if kind == 2 else (1, 4))
        out += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 16, 0,
                           planes, bits, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    path.write_bytes(bytes(out))


# ------------------------------------------------------------------- pictures

ICON_NOTE = [
    "....########",
    "....########",
    "....#......#",
    "....#......#",
    "....#......#",
    "..###....###",
    ".####...####",
    ".####...####",
    "..##.....##.",
]
SMALL_ICON_NOTE = [
    "..#####",
    "..#...#",
    "..#...#",
    "###.###",
    "##..##.",
]


def draw_icon():
    """The status bar in miniature: title band, display with a note, slider."""
    c = Canvas(32, 32)
    c.raised(0, 1, 31, 30)
    c.rect(3, 3, 28, 8, NAVY)
    c.raised(23, 4, 27, 7)
    c.sunken(2, 10, 29, 22, BLACK)
    c.pattern(9, 12, ICON_NOTE, {"#": WHITE})
    c.sunken(4, 24, 27, 27, LIGHT)
    c.raised(19, 23, 22, 28)
    return c


def draw_small_icon():
    """At 16 x 16 only the title band and the display with its note remain."""
    c = Canvas(16, 16)
    c.raised(0, 1, 15, 14)
    c.rect(2, 3, 13, 4, NAVY)
    c.frame(2, 6, 13, 12, GREY, WHITE)
    c.rect(3, 7, 12, 11, BLACK)
    c.pattern(5, 7, SMALL_ICON_NOTE, {"#": WHITE})
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


# The status bar window is 350 x 101 and its controls sit over fixed pixels of
# the skin, so the coordinates below are the layout, not a matter of taste.
SKIN_SIZE = (350, 101)
TITLE_BAND = (4, 4, 345, 21)
TITLE_ICON_AT = (8, 5)          # 13 x 16
PANEL = (6, 26, 343, 69)        # black inside x 7-341, y 27-67
POSITION_LABEL = (96, 30, 70, 27)
PAUSE_BUTTON = (6, 74, 25, 92)
STOP_BUTTON = (26, 74, 45, 92)
GROOVE = (65, 81, 337, 84)
CAPTION_STRIP_AT = (292, 4)

TITLE_ICON = [
    "WWWWWWWWWG...",
    "WWWWWWWWWLG..",
    "WWWWWWWWWLLG.",
    "WWWWWWWWWGGGG",
    "WWWWWWWWWWWWG",
    "WWWWPPPPPPWWG",
    "WWWWPPPPPPWWG",
    "WWWWPWWWWPWWG",
    "WWWWPWWWWPWWG",
    "WWWWPWWWWPWWG",
    "WWPPPWWPPPWWG",
    "WPPPPWPPPPWWG",
    "WPPPPWPPPPWWG",
    "WWPPWWWPPWWWG",
    "WWWWWWWWWWWWG",
    "GGGGGGGGGGGGG",
]

MINIMIZE = ["######", "######"]
MAXIMIZE = [
    "#########",
    "#########",
    "#.......#",
    "#.......#",
    "#.......#",
    "#.......#",
    "#.......#",
    "#########",
]
CLOSE = [
    "##....##",
    ".##..##.",
    "..####..",
    "...##...",
    "..####..",
    ".##..##.",
    "##....##",
]


def caption_button(c, x0, y0, glyph, at):
    """A raised 16 x 14 caption button with its glyph at (dx, dy) inside."""
    c.raised(x0, y0, x0 + 15, y0 + 13)
    c.pattern(x0 + at[0], y0 + at[1], glyph, {"#": BLACK})


def draw_caption_strip():
    """Minimize, maximize and close on navy; only close does anything."""
    c = Canvas(54, 18, NAVY)
    caption_button(c, 2, 2, MINIMIZE, (4, 9))
    caption_button(c, 18, 2, MAXIMIZE, (3, 2))
    caption_button(c, 36, 2, CLOSE, (4, 3))
    return c


def draw_knob():
    c = Canvas(9, 18)
    c.raised(0, 0, 8, 17)
    return c


def draw_skin():
    c = Canvas(*SKIN_SIZE, LIGHT)
    w, h = SKIN_SIZE
    c.raised(0, 0, w - 1, h - 1)
    c.rect(*TITLE_BAND, NAVY)
    c.pattern(*TITLE_ICON_AT, TITLE_ICON, {"W": WHITE, "P": PURPLE, "G": GREY, "L": LIGHT})
    # The strip's picture box covers this spot, but a copy of the bare skin
    # (the preview's miniature, a paint before the box shows) should look whole.
    c.paste(*CAPTION_STRIP_AT, draw_caption_strip())

    c.sunken(*PANEL, BLACK)
    # The legend sits centred under where the left-aligned digits fall.
    x, y, _, height = POSITION_LABEL
    c.text(x + 20, y + height + 3, "TIME", GREEN)

    c.raised(*PAUSE_BUTTON)
    bx, by = PAUSE_BUTTON[:2]
    c.rect(bx + 6, by + 5, bx + 7, by + 13, BLACK)
    c.rect(bx + 11, by + 5, bx + 12, by + 13, BLACK)
    c.raised(*STOP_BUTTON)
    bx, by = STOP_BUTTON[:2]
    c.rect(bx + 5, by + 5, bx + 13, by + 13, BLACK)

    c.sunken(*GROOVE, LIGHT)
    return c


def draw_arrow_up():
    """The reorder arrow: black on the white of the dialog behind it."""
    c = Canvas(13, 14, WHITE)
    for k in range(6):
        c.rect(6 - k, 1 + k, 6 + k, 1 + k, BLACK)
    c.rect(4, 7, 8, 12, BLACK)
    return c


def main():
    OUT.mkdir(exist_ok=True)
    write_icon_file(OUT / "brelvix.ico", [draw_icon(), draw_small_icon()])
    write_icon_file(OUT / "hand.cur", [draw_hand()], kind=2, hotspot=(12, 1))
    write_bmp(OUT / "skin.bmp", draw_skin())
    write_bmp(OUT / "knob.bmp", draw_knob())
    write_bmp(OUT / "caption.bmp", draw_caption_strip())
    write_bmp(OUT / "arrow_up.bmp", draw_arrow_up())
    write_bmp(OUT / "arrow_down.bmp", draw_arrow_up().flipped())


if __name__ == "__main__":
    main()
