#!/usr/bin/env python3
"""Checks the release zip: its entries, their UTF-8 names and the default settings."""
import sys
import zipfile

EXPECTED = ["quorlen.exe", "配置文件.txt", "使用说明.txt", "LICENSE.txt"]
UTF8_NAME_FLAG = 0x800


def main(package, exe):
    failures = []
    with zipfile.ZipFile(package) as archive:
        entries = archive.infolist()
        names = [entry.filename for entry in entries]
        if names != EXPECTED:
            failures.append(f"entries {names}, expected {EXPECTED}")
        for entry in entries:
            if not entry.filename.isascii() and not entry.flag_bits & UTF8_NAME_FLAG:
                failures.append(f"{entry.filename} is not marked as a UTF-8 name")
        if archive.read("配置文件.txt") != b"106\r\n141\r\n":
            failures.append(f"settings file holds {archive.read('配置文件.txt')!r}")
        if archive.read("quorlen.exe") != open(exe, "rb").read():
            failures.append("quorlen.exe in the zip differs from the built one")
        guide = archive.read("使用说明.txt").decode("utf-8-sig")
        for text in ("Ctrl+F", "热键已被占用", "请切换到Photoshop窗口在使用！", "管理员"):
            if text not in guide:
                failures.append(f"the user guide does not mention {text}")
        if archive.testzip() is not None:
            failures.append("a damaged entry")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
