#!/usr/bin/env python3
"""Plants and checks the faults of faults/.

A fault file is a description, then one or more blocks. A block starts with a line
"@@ <path>" and goes on with lines as in a diff: " " a line that stays, "-" a line
taken out, "+" a line put in. A block is found by its text, not by line numbers: in
the file it names, or, where that file no longer holds it (the code moved), in the one
program file that does. So a change that keeps the faulty lines as they are keeps the
fault plantable.
  fault.py apply <fault>       plants it; prints each file it changed
  fault.py check <fault>...    says of each whether it still plants, and where
"""
import os
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
PROGRAM_DIRS = ["app", "program", "playback", "ui", "settings", "controls", "framework", "res"]


def parse(path):
    """The blocks of a fault file: (path, old text, new text)."""
    blocks = []
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    current = None
    for line in lines:
        if line.startswith("@@ "):
            current = [line[3:].strip(), [], []]
            blocks.append(current)
        elif current is not None and line[:1] in (" ", "-", "+"):
            if line[0] != "+":
                current[1].append(line[1:])
            if line[0] != "-":
                current[2].append(line[1:])
        elif current is not None and line == "":
            current = None  # a blank line ends a block; blocks are separated by one
    if not blocks:
        raise SystemExit("%s: no blocks" % path)
    text = lambda lines: "".join(line + "\n" for line in lines)
    return [(p, text(old), text(new)) for p, old, new in blocks]


def program_files():
    for folder in PROGRAM_DIRS:
        for base, _, names in os.walk(os.path.join(ROOT, folder)):
            for name in names:
                yield os.path.relpath(os.path.join(base, name), ROOT)


def read(path, cache):
    if path not in cache:
        try:
            with open(os.path.join(ROOT, path), encoding="utf-8", newline="") as f:
                cache[path] = f.read()
        except (OSError, UnicodeDecodeError):
            cache[path] = ""
    return cache[path]


def locate(block, cache):
    """The file that holds the block's old text exactly once, or an error text."""
    path, old, _ = block
    if read(path, cache).count(old) == 1:
        return path, None
    holders = [p for p in program_files() if read(p, cache).count(old) == 1]
    if len(holders) == 1:
        return holders[0], None
    where = "in no program file" if not holders else "in several files: " + ", ".join(holders)
    return None, "the lines of %s are not there once (%s):\n%s" % (path, where, old)


def plant(fault, write):
    cache, changed = {}, []
    for block in parse(fault):
        path, error = locate(block, cache)
        if error:
            return None, error
        cache[path] = cache[path].replace(block[1], block[2], 1)
        if path not in changed:
            changed.append(path)
    if write:
        for path in changed:
            with open(os.path.join(ROOT, path), "w", encoding="utf-8", newline="") as f:
                f.write(cache[path])
    return changed, None


def main(argv):
    if len(argv) < 3 or argv[1] not in ("apply", "check"):
        raise SystemExit(__doc__)
    if argv[1] == "apply":
        changed, error = plant(argv[2], True)
        if error:
            raise SystemExit("%s: %s" % (argv[2], error))
        print("\n".join(changed))
        return 0
    failed = 0
    for fault in argv[2:]:
        changed, error = plant(fault, False)
        name = os.path.basename(fault)
        if error:
            failed += 1
            print("%s: does not plant: %s" % (name, error))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
