#!/usr/bin/env python3
"""Draws one of the window's pictures as a binary PPM on standard output.

    draw_picture.py background
    draw_picture.py banner
    draw_picture.py code  < qrencode -t ASCII -m 0 output

make_pictures.sh turns the PPMs into the JPEG files.
"""
import math
import sys

# The window shows the background from (8, 56), 422 x 216 pixels, behind its controls.
WINDOW_LEFT, WINDOW_TOP, WINDOW_WIDTH, WINDOW_HEIGHT = 8, 56, 422, 216

# The code picture is 85 x 85, but its panel shows only the 82 x 82 pixels from (2, 2).
CODE_SIZE, CODE_SHOWN_FROM, CODE_SHOWN = 85, 2, 82
QUIET_MODULES = 4  # the blank border a QR reader needs around the code

BANNER_WIDTH, BANNER_HEIGHT = 113, 30


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def smoothstep(edge0, edge1, x):
    t = min(max((x - edge0) / (edge1 - edge0), 0.0), 1.0)
    return t * t * (3 - 2 * t)


def to_bytes(colour):
    return bytes(min(255, max(0, round(c))) for c in colour)


def ppm(width, height, rows):
    sys.stdout.buffer.write(b"P6\n%d %d\n255\n" % (width, height) + b"".join(rows))


def background():
    top, bottom = (242, 248, 240), (212, 232, 215)
    # Gentle ribbons across the window: (centre, swing, wavelength, phase, half width,
    # colour, strength). Everything stays light, so dark text reads on it anywhere.
    ribbons = [
        (150, 14, 340, 0.8, 16, (198, 224, 203), 0.45),
        (180, 10, 260, 2.2, 12, (188, 218, 195), 0.35),
        (126, 12, 300, 0.3, 1.5, (252, 254, 250), 0.6),
    ]
    width, height = 1920, 1200
    rows = []
    for y in range(height):
        v = y - WINDOW_TOP
        base = mix(top, bottom, min(max(v / WINDOW_HEIGHT, 0.0), 1.0))
        if not 0 <= v < WINDOW_HEIGHT:
            rows.append(to_bytes(base) * width)
            continue
        row = bytearray(to_bytes(base) * width)
        for u in range(WINDOW_WIDTH):
            # A soft glow from the top left corner.
            colour = mix(base, (250, 253, 248), 0.5 * math.exp(-((u / 260) ** 2 + (v / 150) ** 2)))
            for centre, swing, wavelength, phase, half, tint, strength in ribbons:
                middle = centre + swing * math.sin(2 * math.pi * u / wavelength + phase)
                inside = 1 - smoothstep(half - 1.5, half + 1.5, abs(v - middle))
                colour = mix(colour, tint, strength * inside)
            x = (WINDOW_LEFT + u) * 3
            row[x:x + 3] = to_bytes(colour)
        rows.append(bytes(row))
    ppm(width, height, rows)


def code():
    lines = [line.rstrip("\n") for line in sys.stdin if line.strip()]
    modules = [[line[i] == "#" for i in range(0, len(line), 2)] for line in lines]
    count = len(modules)
    scale = CODE_SHOWN // (count + 2 * QUIET_MODULES)
    if scale < 1:
        sys.exit("draw_picture: the address is too long for an 85 x 85 code")
    start = CODE_SHOWN_FROM + (CODE_SHOWN - count * scale) // 2
    dark, light, frame = (18, 48, 28), (255, 255, 255), (176, 206, 182)
    last = CODE_SHOWN_FROM + CODE_SHOWN - 1
    rows = []
    for y in range(CODE_SIZE):
        row = []
        for x in range(CODE_SIZE):
            mx, my = (x - start) // scale, (y - start) // scale
            if 0 <= mx < count and 0 <= my < count and x >= start and y >= start:
                colour = dark if modules[my][mx] else light
            elif x in (CODE_SHOWN_FROM, last) or y in (CODE_SHOWN_FROM, last):
                colour = frame
            else:
                colour = light
            row.append(to_bytes(colour))
        rows.append(b"".join(row))
    ppm(CODE_SIZE, CODE_SIZE, rows)


def banner_colour(x, y):
    colour = mix((26, 92, 58), (56, 146, 102), x / BANNER_WIDTH)
    colour = mix(colour, (18, 64, 42), 0.35 * y / BANNER_HEIGHT)
    # Light diagonal stripes on the right half.
    if x > 56 and (x + y) % 14 < 5:
        colour = mix(colour, (120, 196, 150), 0.18 * (x - 56) / 57)
    # Soft discs: (x, y, radius, colour, strength).
    for cx, cy, r, tint, strength in [
        (90, 8, 14, (122, 192, 142), 0.35),
        (103, 24, 10, (164, 214, 174), 0.3),
        (46, 30, 12, (84, 164, 116), 0.25),
    ]:
        if (x - cx) ** 2 + (y - cy) ** 2 < r * r:
            colour = mix(colour, tint, strength)
    # A leaf where two discs overlap, with its vein along the middle.
    if (x - 10) ** 2 + (y - 8) ** 2 < 196 and (x - 22) ** 2 + (y - 21) ** 2 < 196:
        vein = abs(12 * (x - 16) + 13 * (y - 14.5)) < 9
        colour = mix(colour, (110, 170, 120) if vein else (214, 240, 214), 0.85)
    # A thin line that runs on from it.
    if 24.5 < y < 25.5 and 30 < x < 82:
        colour = mix(colour, (210, 236, 214), 0.55)
    return colour


def banner():
    # Four by four samples a pixel smooth the edges of the shapes.
    samples = [(i + 0.5) / 4 for i in range(4)]
    rows = []
    for y in range(BANNER_HEIGHT):
        row = []
        for x in range(BANNER_WIDTH):
            total = [0.0, 0.0, 0.0]
            for sy in samples:
                for sx in samples:
                    for i, c in enumerate(banner_colour(x + sx, y + sy)):
                        total[i] += c
            row.append(to_bytes(c / 16 for c in total))
        rows.append(b"".join(row))
    ppm(BANNER_WIDTH, BANNER_HEIGHT, rows)


if __name__ == "__main__":
    {"background": background, "code": code, "banner": banner}[sys.argv[1]]()
