#!/usr/bin/env python3
"""Every #include in src/ points down the layers (or within its own folder),
and no file includes the same header twice.

The layers, lowest first; a folder may include itself and what is listed for
it, nothing else. docs/architecture.md explains them.
"""
import os
import re
import sys

ALLOWED = {
    "core": set(),
    "text": {"core"},
    "model": {"core", "text"},
    "io": {"core", "text", "model"},
    "ui": {"core", "text"},
    "chart": {"core", "text", "model", "io"},
    "fit": {"core", "text", "model", "io"},
    "run": {"core", "text", "model", "io", "ui", "chart", "fit"},
    "programs": {"core", "text", "model", "io", "ui", "chart", "fit", "run"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def main(src):
    wrong = []
    for folder in sorted(os.listdir(src)):
        path = os.path.join(src, folder)
        if not os.path.isdir(path):
            continue
        if folder not in ALLOWED:
            wrong.append(f"{folder}/: a folder outside the layers")
            continue
        for root, _, files in os.walk(path):
            for name in sorted(files):
                file = os.path.join(root, name)
                seen = {}
                with open(file, encoding="utf-8") as text:
                    for number, line in enumerate(text, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        if match.group(1) in seen:
                            wrong.append(f"{os.path.relpath(file, src)}:{number}: "
                                         f"\"{match.group(1)}\" included already on line "
                                         f"{seen[match.group(1)]}")
                        seen.setdefault(match.group(1), number)
                        target = match.group(1).split("/")[0]
                        if "/" not in match.group(1):
                            wrong.append(f"{os.path.relpath(file, src)}:{number}: "
                                         f"\"{match.group(1)}\" names no layer")
                        elif target != folder and target not in ALLOWED[folder]:
                            wrong.append(f"{os.path.relpath(file, src)}:{number}: "
                                         f"{folder}/ may not include {match.group(1)}")
    for line in wrong:
        print(line)
    if not wrong:
        print("every include points down the layers, each once")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else
                  os.path.join(os.path.dirname(__file__), "..", "src")))
