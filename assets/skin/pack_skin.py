#!/usr/bin/env python3
"""Packs the skin's pictures and text into the stored skin the program carries.

    pack_skin.py --text skin.ini --frame frame.bmp --pictures p0.bmp ... --output stored_skin.bin

The container, compressed as one zlib stream: version 3 (4 bytes, little-endian);
flag 0 and the frame picture; flag 1 (no separate inactive frame); flag 1 (no mask);
the number of further pictures (4 bytes) and the pictures; then the text. Each
picture is a whole BMP file, whose header gives its length.
"""

import argparse
import pathlib
import struct
import zlib

VERSION = 3
PRESENT = b"\0"
ABSENT = b"\1"


def bmp(path):
    data = pathlib.Path(path).read_bytes()
    # The reader takes a picture's length from its header: it has to be the truth.
    if data[:2] != b"BM" or struct.unpack_from("<I", data, 2)[0] != len(data):
        raise SystemExit(f"{path}: not a BMP file whose header gives its length")
    return data


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--text", required=True)
    parser.add_argument("--frame", required=True)
    parser.add_argument("--pictures", nargs="+", required=True)
    parser.add_argument("--output", required=True)
    args = parser.parse_args()

    content = b"".join([
        struct.pack("<I", VERSION),
        PRESENT, bmp(args.frame),
        ABSENT,
        ABSENT,
        struct.pack("<I", len(args.pictures)),
        *(bmp(p) for p in args.pictures),
        pathlib.Path(args.text).read_bytes(),
    ])
    pathlib.Path(args.output).write_bytes(zlib.compress(content, 9))


if __name__ == "__main__":
    main()
