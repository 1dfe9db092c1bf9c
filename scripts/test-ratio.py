#!/usr/bin/env python3
"""Prints the lines of tests against the lines of code and fails when the
tests outgrow the code by more than the limit (default 0.40).

A line counts when it is not blank and not only a comment, in C++, resource,
CMake (CMakePresets.json included), shell, Python and NSIS files. Tests are the files under tests/, code every
other such file of the repository; build output and binary files are not read.
"""
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
C_LIKE = {".cpp", ".h", ".rc"}
HASH_LIKE = {".cmake", ".sh", ".py"}


def kind(path):
    if path.suffix in C_LIKE:
        return "c"
    if path.suffix in HASH_LIKE or path.name == "CMakeLists.txt":
        return "hash"
    if path.name == "CMakePresets.json":
        return "plain"
    if path.suffix == ".nsi":
        return "nsis"
    if path.suffix == "" and path.read_bytes()[:2] == b"#!":
        return "hash"
    return None


def counted_lines(path, style):
    count = 0
    in_block = False
    for raw in path.read_text(encoding="utf-8", errors="replace").splitlines():
        line = raw.strip()
        if in_block:
            in_block = "*/" not in line
            continue
        if not line:
            continue
        if style == "c":
            if line.startswith("//"):
                continue
            if line.startswith("/*"):
                in_block = "*/" not in line
                continue
        elif style == "hash" and line.startswith("#") and not line.startswith("#include"):
            continue
        elif style == "nsis" and line.startswith((";", "#")):
            continue
        count += 1
    return count


def main():
    limit = float(sys.argv[1]) if len(sys.argv) > 1 else 0.40
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT,
                           capture_output=True, text=True, check=True).stdout.split()
    tests = code = 0
    for name in files:
        path = ROOT / name
        style = kind(path) if path.is_file() else None
        if style is None:
            continue
        lines = counted_lines(path, style)
        if name.startswith("tests/"):
            tests += lines
        else:
            code += lines
    ratio = tests / code if code else 0.0
    print(f"test ratio: {tests} lines of tests / {code} lines of code = {ratio:.2f} (limit {limit:.2f})")
    return 0 if ratio <= limit else 1


if __name__ == "__main__":
    sys.exit(main())
