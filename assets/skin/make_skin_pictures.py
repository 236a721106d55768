#!/usr/bin/env python3
"""Draws the pictures of the GreenLight skin as 8-bit palette BMP files.

Every picture part is drawn where skin.ini says it lies, so the text and the
pictures cannot drift apart; a part that does not fit its picture stops the build.

    make_skin_pictures.py SKIN_INI OUT_DIR

writes OUT_DIR/frame.bmp and OUT_DIR/picture0.bmp to picture4.bmp.
"""

import configparser
import pathlib
import struct
import sys
from dataclasses import dataclass

FRAME_SIZE = (116, 87)
FURTHER_SIZES = [(152, 47), (64, 61), (62, 57), (516, 290), (36, 17)]

BLACK = (0, 0, 0)
DEEP = (0, 24, 0)
DARK = (0, 56, 0)
GREEN = (0, 128, 0)  # 32768, the skin's plain text colour
BRIGHT = (0, 255, 0)  # 65280, its active text colour
HOVER = (0, 80, 0)
GREY = (128, 128, 128)
DARK_GREY = (48, 48, 48)
SILVER = (192, 192, 192)
PALE = (224, 238, 224)
WHITE = (255, 255, 255)


class Picture:
    def __init__(self, name, size):
        self.name = name
        self.width, self.height = size
        self.rows = [[BLACK] * self.width for _ in range(self.height)]

    def fill(self, rect, colour):
        left, top, right, bottom = rect
        for y in range(top, bottom):
            self.rows[y][left:right] = [colour] * (right - left)

    def outline(self, rect, colour):
        left, top, right, bottom = rect
        self.fill((left, top, right, top + 1), colour)
        self.fill((left, bottom - 1, right, bottom), colour)
        self.fill((left, top, left + 1, bottom), colour)
        self.fill((right - 1, top, right, bottom), colour)

    def stamp(self, left, top, glyph, colour):
        for dy, line in enumerate(glyph):
            for dx, mark in enumerate(line):
                if mark == "#":
                    self.rows[top + dy][left + dx] = colour

    def bmp(self):
        colours = sorted({c for row in self.rows for c in row})
        index = {c: i for i, c in enumerate(colours)}
        stride = (self.width + 3) & ~3
        pixels = b"".join(
            bytes(index[c] for c in row).ljust(stride, b"\0") for row in reversed(self.rows))
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
        offset = 14 + 40 + len(palette)
        file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
        info_header = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 8, 0,
                                  len(pixels), 2835, 2835, len(colours), 0)
        return file_header + info_header + palette + pixels


@dataclass
class Part:
    picture: str
    rect: tuple
    margins: tuple


def numbers(text, count):
    values = tuple(int(v) for v in text.split(","))
    if len(values) != count:
        raise ValueError(f"expected {count} numbers in {text!r}")
    return values


def part(text):
    picture, rest = text.split(":", 1)
    rect, _, margins = rest.partition("/")
    return Part(picture.strip(), numbers(rect, 4), numbers(margins, 4) if margins else (0,) * 4)


def inset(rect, by):
    left, top, right, bottom = rect
    return (left + by, top + by, right - by, bottom - by)


def moved(rect, dx, dy):
    left, top, right, bottom = rect
    return (left + dx, top + dy, right + dx, bottom + dy)


# Caption button glyphs, 8 x 8, centred on the button.
GLYPHS = {
    "system_menu": ["        ", "########", "        ", "########",
                    "        ", "########", "        ", "        "],
    "roll_up": ["########", "        ", "   ##   ", "  ####  ",
                " ###### ", "########", "        ", "        "],
    "minimize": ["        ", "        ", "        ", "        ",
                 "        ", "        ", "########", "########"],
    "maximize": ["########", "########", "#      #", "#      #",
                 "#      #", "#      #", "#      #", "########"],
    "close": ["##    ##", "###  ###", " ###### ", "  ####  ",
              "  ####  ", " ###### ", "###  ###", "##    ##"],
}

TICK = ["        #", "       ##", "      ## ", "#    ##  ",
        "##  ##   ", " ####    ", "  ##     ", "         ", "         "]


@dataclass
class Box:
    fill: tuple
    border: tuple
    inner: tuple = None


@dataclass
class Check:
    fill: tuple
    border: tuple
    tick: tuple = None


@dataclass
class Separator:
    fill: tuple
    line: tuple


# The look of every part outside the frame, by "section.key".
LOOKS = {
    "menu.window": Box(BLACK, GREEN, DARK),
    "menu.item": Box(BLACK, BLACK),
    "menu.highlighted_item": Box(DARK, BRIGHT),
    "menu.separator": Separator(BLACK, GREEN),
    "tooltip.window": Box(BLACK, BRIGHT),
    "element.groupbox.caption": Box(DARK, GREEN, DEEP),
    "element.groupbox.frame": Box(PALE, GREEN, WHITE),
    "element.toolbutton.normal": Box(DEEP, GREEN, DARK),
    "element.toolbutton.active": Box(HOVER, BRIGHT, GREEN),
    "element.toolbutton.down": Box(BLACK, BRIGHT, DEEP),
    "element.toolbutton.disabled": Box(DARK_GREY, GREY),
    "element.edit.normal": Box(WHITE, GREEN, PALE),
    "element.edit.active": Box(WHITE, BRIGHT, PALE),
    "element.edit.disabled": Box(SILVER, GREY),
    "element.checkbox.unchecked": Check(WHITE, GREEN),
    "element.checkbox.unchecked_active": Check(WHITE, BRIGHT),
    "element.checkbox.checked": Check(WHITE, GREEN, GREEN),
    "element.checkbox.checked_active": Check(WHITE, BRIGHT, GREEN),
    "element.checkbox.unchecked_disabled": Check(SILVER, GREY),
    "element.checkbox.checked_disabled": Check(SILVER, GREY, GREY),
    "element.panel.frame": Box(BLACK, GREEN, DARK),
    "element.statusbar.frame": Box(BLACK, GREEN),
    "element.statuspanel.frame": Box(DEEP, DARK),
}


def draw_look(picture, p, look):
    if isinstance(look, Box):
        picture.fill(p.rect, look.fill)
        picture.outline(p.rect, look.border)
        if look.inner:
            picture.outline(inset(p.rect, 1), look.inner)
    elif isinstance(look, Check):
        picture.fill(p.rect, look.fill)
        picture.outline(p.rect, look.border)
        if look.tick:
            picture.stamp(p.rect[0] + 3, p.rect[1] + 3, TICK, look.tick)
    else:
        left, top, right, bottom = p.rect
        picture.fill(p.rect, look.fill)
        middle = (top + bottom) // 2
        picture.fill((left + p.margins[0], middle, right - p.margins[2], middle + 1), look.line)


def draw_caption_band(picture, left, top, client, shades, edge):
    """The caption band with its buttons' place left plain; `shades` run top to bottom."""
    band_height = client[1]
    for y in range(band_height):
        shade = shades[y * len(shades) // band_height]
        picture.fill((left, top + y, left + FRAME_SIZE[0], top + y + 1), shade)
    picture.fill((left, top, left + FRAME_SIZE[0], top + 1), edge)
    picture.fill((left, top, left + 1, top + band_height), edge)
    picture.fill((left + FRAME_SIZE[0] - 1, top, left + FRAME_SIZE[0], top + band_height), edge)
    # The line around the client area starts in the band's last row.
    picture.fill(moved((client[0] - 1, band_height - 1, client[2] + 1, band_height), left, top),
                 DARK)


def draw_button(picture, rect, kind, fill, border, glyph):
    picture.fill(rect, fill)
    picture.outline(rect, border)
    picture.stamp(rect[0] + (rect[2] - rect[0] - 8) // 2, rect[1] + (rect[3] - rect[1] - 8) // 2,
                  GLYPHS[kind], glyph)


def draw_frame(frame, further, skin):
    client = numbers(skin["frame"]["client"], 4)
    width, height = FRAME_SIZE
    frame.fill((0, client[1], width, height), DEEP)
    frame.fill(client, BLACK)
    frame.outline((0, 0, width, height), GREEN)
    frame.outline((client[0] - 1, client[1] - 1, client[2] + 1, client[3] + 1), DARK)
    inactive_shades = [(0, g, 0) for g in (44, 38, 32, 26, 20, 14, 10, 6)]
    draw_caption_band(frame, 0, 0, client, inactive_shades, GREEN)

    active = part(skin["frame"]["active_caption"])
    if active.rect[2] - active.rect[0] != width or active.rect[3] - active.rect[1] != client[1]:
        raise ValueError("the active caption must be as large as the caption band")
    band = further[int(active.picture)]
    active_shades = [(0, g, 0) for g in (104, 92, 80, 68, 56, 44, 34, 24)]
    draw_caption_band(band, active.rect[0], active.rect[1], client, active_shades, BRIGHT)

    for section in skin.sections():
        if not section.startswith("button."):
            continue
        kind = section.removeprefix("button.")
        button = skin[section]
        normal = part(button["normal"])
        if normal.picture != "frame":
            raise ValueError(f"[{section}] normal must lie in the frame picture")
        draw_button(frame, normal.rect, kind, DEEP, GREEN, GREEN)
        draw_button(band, moved(normal.rect, active.rect[0], active.rect[1]), kind, DEEP, GREEN,
                    BRIGHT)
        hover = part(button["active"])
        draw_button(further[int(hover.picture)], hover.rect, kind, HOVER, BRIGHT, BRIGHT)
        if "disabled" in button:
            disabled = part(button["disabled"])
            draw_button(further[int(disabled.picture)], disabled.rect, kind, DEEP, GREY, GREY)


def check_inside(p, picture, where):
    left, top, right, bottom = p.rect
    if not (0 <= left < right <= picture.width and 0 <= top < bottom <= picture.height):
        raise ValueError(f"{where} = {p.rect} does not fit picture {p.picture} "
                         f"({picture.width} x {picture.height})")


def main(skin_ini, out_dir):
    skin = configparser.ConfigParser(delimiters=("=",), comment_prefixes=(";",),
                                     interpolation=None)
    skin.optionxform = str
    with open(skin_ini, encoding="ascii") as text:
        skin.read_file(text)

    frame = Picture("frame", FRAME_SIZE)
    further = [Picture(str(i), size) for i, size in enumerate(FURTHER_SIZES)]
    pictures = {p.name: p for p in [frame] + further}

    for section in skin.sections():
        for key, value in skin[section].items():
            if ":" in value:
                p = part(value)
                check_inside(p, pictures[p.picture], f"[{section}] {key}")
    draw_frame(frame, further, skin)
    for section in skin.sections():
        if section == "frame" or section.startswith("button."):
            continue
        for key, value in skin[section].items():
            if ":" not in value:
                continue
            look = LOOKS.get(f"{section}.{key}")
            if look is None:
                raise ValueError(f"[{section}] {key} has no look to draw")
            p = part(value)
            draw_look(pictures[p.picture], p, look)

    out = pathlib.Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    (out / "frame.bmp").write_bytes(frame.bmp())
    for i, picture in enumerate(further):
        (out / f"picture{i}.bmp").write_bytes(picture.bmp())


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
