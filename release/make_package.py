#!/usr/bin/env python3
"""Packs the release zip a studio downloads.

    make_package.py --exe quorlen.exe --output quorlen-1.2.0.0-win64.zip

Entries get one fixed time stamp and fixed attributes, in a fixed order, so two
builds of one commit give the same bytes. Python stores the Chinese names as UTF-8
and marks them so, which Windows' own zip folder reads.
"""
import argparse
import pathlib
import zipfile

HERE = pathlib.Path(__file__).resolve().parent
TIMESTAMP = (2026, 1, 1, 0, 0, 0)


def add(archive, name, data):
    entry = zipfile.ZipInfo(name, date_time=TIMESTAMP)
    entry.compress_type = zipfile.ZIP_DEFLATED
    entry.create_system = 0  # MS-DOS: no Unix permission bits
    entry.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE
    archive.writestr(entry, data, compresslevel=9)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True, type=pathlib.Path)
    parser.add_argument("--output", required=True, type=pathlib.Path)
    args = parser.parse_args()

    with zipfile.ZipFile(args.output, "w") as archive:
        add(archive, "quorlen.exe", args.exe.read_bytes())
        add(archive, "配置文件.txt", (HERE / "配置文件.txt").read_bytes())
        add(archive, "使用说明.txt", (HERE / "使用说明.txt").read_bytes())
        add(archive, "LICENSE.txt", (HERE.parent / "LICENSE").read_bytes().replace(b"\n", b"\r\n"))


if __name__ == "__main__":
    main()
