#!/usr/bin/env python3
"""Draws the program's icon: a green sheet with a 3 x 3 grid of ID photos.

One 72 x 72 image, 32 bits a pixel, written as a Windows .ico file.
    make_icon.py OUTPUT.ico
"""
import struct
import sys

SIZE = 72


def inside_rounded(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def pixel(x, y):
    """BGRA of one pixel, y counted from the top."""
    px, py = x + 0.5, y + 0.5
    if not inside_rounded(px, py, 2, 2, 70, 70, 12):
        return (0, 0, 0, 0)
    # The sheet: a vertical green gradient.
    shade = int(110 + 60 * y / SIZE)
    colour = (40, shade, 20, 255)
    # Nine photos, each a white card with a head-and-shoulders silhouette.
    for row in range(3):
        for column in range(3):
            left, top = 10 + column * 19, 9 + row * 19
            if left <= px < left + 15 and top <= py < top + 17:
                head = (px - (left + 7.5)) ** 2 + (py - (top + 6.5)) ** 2 <= 9
                shoulders = py > top + 11 and abs(px - (left + 7.5)) < (py - top - 8)
                return (150, 90, 30, 255) if head or shoulders else (250, 252, 248, 255)
    return colour


def main():
    rows = []
    for y in reversed(range(SIZE)):  # bitmaps in .ico files are stored bottom-up
        rows.append(b"".join(bytes(pixel(x, y)) for x in range(SIZE)))
    colour = b"".join(rows)
    mask_row = ((SIZE + 31) // 32) * 4
    mask = bytes(mask_row * SIZE)  # all zero: the alpha channel decides
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    image = header + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    with open(sys.argv[1], "wb") as out:
        out.write(directory + image)


if __name__ == "__main__":
    main()
