#!/usr/bin/env python3
"""Fails on an #include that points against the layers of the program.

Bottom to top: base (portable basics), winutil (Win32 building blocks that
know no feature), the features, app (the program). A folder may include
itself and the folders listed for it; resources/ is open to every folder.
A portable file (one whose name does not end in _win.cpp or _win.h) may
include no Windows header and no _win header, and neither may tests/core.
"""
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
FEATURES = {
    "music": {"base", "winutil"},
    "statusbar": {"base", "winutil", "music"},
    "about": {"base", "winutil"},
    "saver": {"base", "winutil", "music", "statusbar", "about"},
    "setup": {"base", "winutil", "music", "about"},
    "preview": {"base", "winutil", "statusbar"},
}
ALLOWED = {
    "base": set(),
    "winutil": {"base"},
    **FEATURES,
    "app": {"base", "winutil", *FEATURES},
    "tests/core": {"base", *FEATURES, "app"},
}
WINDOWS_HEADERS = {"windows.h", "windowsx.h", "mmsystem.h", "shlobj.h", "shellapi.h",
                   "commdlg.h", "commctrl.h"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_of(path):
    rel = path.relative_to(ROOT).as_posix()
    if rel.startswith("tests/core/"):
        return "tests/core"
    top = rel.split("/")[0]
    return top if top in ALLOWED else None


def is_portable(path, layer):
    return layer == "tests/core" or not path.stem.endswith("_win")


def problems_of(path):
    layer = layer_of(path)
    if layer is None:
        return []
    found = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        bracket, name = match.groups()
        where = f"{path.relative_to(ROOT)}:{number}: {name}"
        if is_portable(path, layer):
            if bracket == "<" and name.lower() in WINDOWS_HEADERS:
                found.append(f"{where}: a portable file includes a Windows header")
            elif bracket == '"' and Path(name).stem.endswith("_win"):
                found.append(f"{where}: a portable file includes a Windows module")
        if bracket == '"' and "/" in name:
            target = name.split("/")[0]
            if target not in ("resources", layer.split("/")[0]) and target not in ALLOWED[layer]:
                found.append(f"{where}: {layer} may not use {target}")
    return found


def main():
    sources = [p for p in ROOT.rglob("*") if p.suffix in (".cpp", ".h")
               and "build" not in p.relative_to(ROOT).parts]
    problems = [problem for path in sorted(sources) for problem in problems_of(path)]
    for problem in problems:
        print(problem)
    print(f"layers: {len(sources)} files read, {len(problems)} includes against the layers")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
