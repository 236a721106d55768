#!/usr/bin/env python3
"""What the main window's client area must hold, read from the stored layout itself
(src/ui/main_form_layout.cpp), so the scenarios never keep a copy of the table.

  stored_layout.py tree SCALE SHOP_ADDRESS  the child windows as `driver tree` lists
                                            them, flattened and sorted
  stored_layout.py hits SCALE SHOP_ADDRESS  "X Y class=... text=..." per line: the window
                                            a click at that client point must reach
  stored_layout.py flatten < TREE           `driver tree` output flattened and sorted:
                                            no handles, each line after its parent's

SCALE is the screen's DPI over 96. Layout figures scale as one picture: every edge is
scaled where it lies in the client area and rounded half away from zero, as MulDiv
does, so a control that fills its parent at 96 DPI fills it at any DPI.
"""
import math
import pathlib
import re
import sys

LAYOUT_SOURCE = pathlib.Path(__file__).resolve().parents[2] / "src/ui/main_form_layout.cpp"

# The kinds that are child windows, with their window classes; labels, images and
# push buttons are drawn by their parent and have no window of their own.
WINDOW_CLASSES = {
    "GroupBox": "TbsSkinGroupBox",
    "Panel": "TbsSkinPanel",
    "StatusBar": "TbsSkinStatusBar",
    "StatusPanel": "TbsSkinStatusPanel",
    "Edit": "TbsSkinEdit",
    "CheckBox": "TbsSkinCheckRadioBox",
}
CLIENT_WIDTH, CLIENT_HEIGHT = 422, 216
MAIN_CLASS, MAIN_TITLE = "TForm1", "Quorlen[1.2.0.0]"

STRING = r'L"((?:[^"\\]|\\.)*)"'


def read_layout(shop_address):
    source = LAYOUT_SOURCE.read_text(encoding="utf-8")
    macros = {"QUORLEN_SHOP_ADDRESS": shop_address}

    def text_of(expression):
        # Adjacent literals and the build's macros, as the compiler joins them.
        pieces = re.findall(STRING + r"|(\w+)", expression)
        return "".join(literal if literal or not name else macros[name] for literal, name in pieces)

    for name, expression in re.findall(r"constexpr wchar_t (\w+)\[\] =\s*(.*?);", source, re.S):
        macros[name] = text_of(expression)

    table = re.search(r"kLayout\[\] = \{(.*?)\n\};", source, re.S).group(1)
    row = re.compile(r"\{(\w+), " + STRING + ", " + STRING + r", (-?\d+), (-?\d+), (\d+), (\d+), (" + STRING + r"|\w+)")
    controls = []
    for kind, name, parent, left, top, width, height, text, _ in row.findall(table):
        controls.append({"kind": kind, "name": name, "parent": parent, "text": text_of(text),
                         "rect": (int(left), int(top), int(left) + int(width), int(top) + int(height))})
    if not controls:
        sys.exit(f"no control records found in {LAYOUT_SOURCE}")
    return controls


def scaled(pixels, scale):
    return int(math.copysign(math.floor(abs(pixels) * scale + 0.5), pixels))


def in_client_area(controls, scale):
    """Each control's rectangle in the window's client coordinates, scaled."""
    by_name = {control["name"]: control for control in controls}
    for control in controls:
        left, top, right, bottom = control["rect"]
        parent = by_name.get(control["parent"])
        while parent:
            left, top, right, bottom = (left + parent["rect"][0], top + parent["rect"][1],
                                        right + parent["rect"][0], bottom + parent["rect"][1])
            parent = by_name.get(parent["parent"])
        control["client"] = tuple(scaled(edge, scale) for edge in (left, top, right, bottom))
    return by_name


def quoted(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def tree_line(control, parent):
    left, top, right, bottom = control["client"]
    if parent:
        left, top, right, bottom = (left - parent["client"][0], top - parent["client"][1],
                                    right - parent["client"][0], bottom - parent["client"][1])
    return (f'class={quoted(WINDOW_CLASSES[control["kind"]])} x={left} y={top} w={right - left} '
            f'h={bottom - top} visible=1 text={quoted(control["text"])}')


def expected_tree(controls, by_name):
    lines = []
    for control in controls:
        if control["kind"] not in WINDOW_CLASSES:
            continue
        parent = by_name.get(control["parent"])
        line = tree_line(control, parent)
        lines.append(f"{tree_line(parent, by_name.get(parent['parent']))} > {line}" if parent else line)
    return sorted(lines)


def intersection(a, b):
    box = (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))
    return box if box[0] < box[2] and box[1] < box[3] else None


def visible_part(control, by_name, client):
    """The control's rectangle clipped by its ancestors and the client area."""
    box = intersection(control["client"], client)
    parent = by_name.get(control["parent"])
    while box and parent:
        box = intersection(box, parent["client"])
        parent = by_name.get(parent["parent"])
    return box


def window_at(point, controls, by_name, client, parent=None):
    """The deepest child window at the point; of overlapping siblings, the one built
    later lies on top. None where no child window is: the click reaches the window."""
    x, y = point
    found = None
    for control in controls:
        if control["kind"] not in WINDOW_CLASSES or by_name.get(control["parent"]) is not parent:
            continue
        box = visible_part(control, by_name, client)
        if box and box[0] <= x < box[2] and box[1] <= y < box[3]:
            found = control
    return found and (window_at(point, controls, by_name, client, found) or found)


def centre(box):
    return ((box[0] + box[2] - 1) // 2, (box[1] + box[3] - 1) // 2)


def expected_hits(controls, by_name, scale):
    """The middle of every control's visible part, and of every overlap of two
    sibling windows, with the window a click there reaches."""
    client = (0, 0, scaled(CLIENT_WIDTH, scale), scaled(CLIENT_HEIGHT, scale))
    points = []
    for control in controls:
        box = visible_part(control, by_name, client)
        if box and centre(box) not in points:
            points.append(centre(box))
    windows = [control for control in controls if control["kind"] in WINDOW_CLASSES]
    for i, first in enumerate(windows):
        for second in windows[i + 1:]:
            if first["parent"] != second["parent"]:
                continue
            overlap = intersection(visible_part(first, by_name, client) or (0, 0, 0, 0),
                                   visible_part(second, by_name, client) or (0, 0, 0, 0))
            if overlap:
                points.append(centre(overlap))
    lines = []
    for point in points:
        hit = window_at(point, controls, by_name, client)
        cls, text = (WINDOW_CLASSES[hit["kind"]], hit["text"]) if hit else (MAIN_CLASS, MAIN_TITLE)
        lines.append(f"{point[0]} {point[1]} class={quoted(cls)} text={quoted(text)}")
    return lines


def flatten(tree_lines):
    """Handles and ids say nothing about the layout; the order of siblings is their
    stacking, which the hits check. Each line goes after its parent's."""
    parents, lines = [], []
    for raw in tree_lines:
        depth = (len(raw) - len(raw.lstrip(" "))) // 2
        line = re.sub(r"hwnd=\S+ | id=-?\d+", "", raw.strip())
        del parents[depth:]
        lines.append(f"{parents[-1]} > {line}" if parents else line)
        parents.append(line)
    return sorted(lines)


def main():
    if sys.argv[1:] == ["flatten"]:
        print("\n".join(flatten(sys.stdin.read().splitlines())))
        return
    if len(sys.argv) != 4 or sys.argv[1] not in ("tree", "hits"):
        sys.exit(__doc__)
    scale, shop_address = float(sys.argv[2]), sys.argv[3]
    controls = read_layout(shop_address)
    by_name = in_client_area(controls, scale)
    lines = expected_tree(controls, by_name) if sys.argv[1] == "tree" else expected_hits(controls, by_name, scale)
    print("\n".join(lines))


if __name__ == "__main__":
    main()
