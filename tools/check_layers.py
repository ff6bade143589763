#!/usr/bin/env python3
"""Checks that the includes of the tree follow its layers (see ARCHITECTURE.md).

Usage: check_layers.py [ROOT]      (ROOT: the source tree, by default this script's parent's parent)
       check_layers.py --self-test

Fails, one line per fault, on:
  - an include from a lower layer to a higher one (platform code included);
  - a circle of files that include each other, other than the one pair below;
  - a source file in a folder that no layer names.
A file and its header count as one file: "runtime/display" is display.h and display.cpp.
"""
import os
import re
import sys
import tempfile

# Bottom first. A file may include its own layer and the ones before it.
LAYERS = [
    ("data", ["data/"]),
    ("seam", ["platform/platform.h", "platform/status.h", "platform/file_names.h"]),
    ("io", ["io/"]),
    ("platform", ["platform/"]),
    ("runtime", ["runtime/"]),
    ("draw", ["draw/"]),
    ("files", ["files/"]),
    ("editors", ["area/", "worldmap/", "screens/"]),
    ("app", ["app/"]),
    ("outside", ["demo/", "tools/", "bench/", "tests/"]),
]

# The display restores a lost surface and ends the program when the window is
# gone; the orderly exit shuts the display down. The one circle allowed.
ALLOWED_CIRCLES = [{"runtime/display", "runtime/exit"}]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
SOURCE_ENDINGS = (".h", ".cpp")


def layer_of(path):
    best = None
    for rank, (name, prefixes) in enumerate(LAYERS):
        for prefix in prefixes:
            if path == prefix or (prefix.endswith("/") and path.startswith(prefix)):
                if best is None or len(prefix) > best[2]:
                    best = (rank, name, len(prefix))
    return best


def sources(root):
    for folder, dirs, files in os.walk(root):
        rel = os.path.relpath(folder, root)
        dirs[:] = [d for d in dirs if not d.startswith((".", "build"))]
        if rel == ".":
            continue
        for name in files:
            if name.endswith(SOURCE_ENDINGS):
                yield os.path.join(rel, name).replace(os.sep, "/")


def unit(path):
    return os.path.splitext(path)[0]


def circles(graph):
    """The strongly connected parts of more than one unit (Tarjan)."""
    index, low, stack, on, found = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on.add(v)
        for w in graph.get(v, ()):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            part = set()
            while True:
                w = stack.pop()
                on.discard(w)
                part.add(w)
                if w == v:
                    break
            if len(part) > 1:
                found.append(part)

    for v in sorted(graph):
        if v not in index:
            visit(v)
    return found


def check(root):
    faults = []
    files = sorted(sources(root))
    present = set(files)
    graph = {}
    for path in files:
        layer = layer_of(path)
        if layer is None:
            faults.append(f"{path}: in no layer; give its folder one in {os.path.basename(__file__)}")
            continue
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
            included = INCLUDE.findall(f.read())
        for target in included:
            if target not in present:
                continue  # a system header
            other = layer_of(target)
            if other is None:
                continue
            if other[0] > layer[0]:
                faults.append(f"{path}: includes {target}: {layer[1]} is below {other[1]}")
            if unit(target) != unit(path):
                graph.setdefault(unit(path), set()).add(unit(target))
    for part in circles(graph):
        if part not in ALLOWED_CIRCLES:
            faults.append("circle: " + " <-> ".join(sorted(part)))
    return faults


def self_test():
    tree = {
        "runtime/display.cpp": '#include "runtime/exit.h"\n',
        "runtime/exit.cpp": '#include "runtime/display.h"\n',
        "runtime/display.h": "",
        "runtime/exit.h": "",
        "draw/a.cpp": '#include "app/b.h"\n#include <vector>\n',
        "app/b.h": '#include "app/c.h"\n',
        "app/c.cpp": '#include "app/b.h"\n',
        "app/c.h": "",
        "platform/sdl/x.cpp": '#include "runtime/display.h"\n#include "platform/platform.h"\n',
        "platform/platform.h": "",
        "stray/y.cpp": "",
    }
    expected = [
        "app/b <-> app/c",
        "draw/a.cpp: includes app/b.h: draw is below app",
        "platform/sdl/x.cpp: includes runtime/display.h: platform is below runtime",
        "stray/y.cpp: in no layer",
    ]
    with tempfile.TemporaryDirectory() as root:
        for path, text in tree.items():
            os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
            with open(os.path.join(root, path), "w") as f:
                f.write(text)
        faults = check(root)
    missing = [e for e in expected if not any(e in fault for fault in faults)]
    if missing or len(faults) != len(expected):
        print("check_layers self-test failed; found:", *faults, sep="\n  ")
        return 1
    return 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    root = argv[1] if len(argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    faults = check(root)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
