#!/usr/bin/env python3
"""Reads the version information, the manifest and the icon back from the built exe."""
import struct
import sys

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24


def resources(image):
    """{(type, name): data} of a PE file's resource section (ids only, first language)."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
    optional = pe + 24
    rva, _ = struct.unpack_from("<II", image, optional + 112 + 2 * 8)  # data directory 2
    table = optional + optional_size
    base = None
    for i in range(sections):
        _, virtual_size, virtual_address, _, raw = struct.unpack_from("<8sIIII", image, table + 40 * i)
        if virtual_address <= rva < virtual_address + virtual_size:
            base = raw + rva - virtual_address
            delta = virtual_address - raw
    if base is None or rva == 0:
        return {}

    def entries(offset):
        named, ids = struct.unpack_from("<12xHH", image, base + offset)
        for n in range(named + ids):
            key, target = struct.unpack_from("<II", image, base + offset + 16 + 8 * n)
            yield key, target

    found = {}
    for kind, types in entries(0):
        for name, names in entries(types & 0x7FFFFFFF):
            _, language = next(entries(names & 0x7FFFFFFF))
            data_rva, size = struct.unpack_from("<II", image, base + language)
            found[(kind, name)] = image[data_rva - delta:data_rva - delta + size]
    return found


def version_strings(block):
    """The StringFileInfo values of a VS_VERSIONINFO block."""
    strings = {}
    text = block.decode("utf-16-le", errors="replace")
    for key in ("CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright",
                "OriginalFilename", "ProductName", "ProductVersion"):
        at = text.find(key + "\0")
        if at >= 0:
            value_at = at + len(key) + 1
            value_at += value_at % 2  # values start on a 32-bit boundary
            strings[key] = text[value_at:text.find("\0", value_at)]
    return strings


def main(exe):
    image = open(exe, "rb").read()
    found = resources(image)
    failures = []

    version = next((data for (kind, _), data in found.items() if kind == RT_VERSION), None)
    if version is None:
        failures.append("no version information")
    else:
        fixed = version.find(struct.pack("<I", 0xFEEF04BD))
        file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<8xIIII", version, fixed)
        for what, ms, ls in (("file", file_ms, file_ls), ("product", product_ms, product_ls)):
            if (ms, ls) != ((1 << 16) | 2, 0):
                failures.append(f"fixed {what} version {ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}")
        strings = version_strings(version)
        if strings.get("FileVersion") != "1.2.0.0":
            failures.append(f"FileVersion {strings.get('FileVersion')!r}")
        if strings.get("ProductVersion") != "1.0.0.0":
            failures.append(f"ProductVersion {strings.get('ProductVersion')!r}")

    manifest = found.get((RT_MANIFEST, 1), b"").decode("utf-8")
    for needle in ('level="asInvoker"', "Microsoft.Windows.Common-Controls", 'version="6.0.0.0"',
                   "PerMonitorV2", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                   "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"):
        if needle not in manifest:
            failures.append(f"the manifest lacks {needle}")

    groups = sorted((name, data) for (kind, name), data in found.items() if kind == RT_GROUP_ICON)
    if not groups:
        failures.append("no icon")
    else:
        _, group = groups[0]  # the main icon: the first group
        count = struct.unpack_from("<4xH", group)[0]
        width, height, _, _, _, bits, _, icon_id = struct.unpack_from("<BBBBHHIH", group, 6)
        if (count, width, height, bits) != (1, 72, 72, 32):
            failures.append(f"main icon: {count} image(s), {width} x {height}, {bits} bits")
        elif (RT_ICON, icon_id) not in found:
            failures.append("the icon's image is missing")

    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
