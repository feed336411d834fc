#!/usr/bin/env bash
# Counts the lines of code and of tests: non-blank lines of .cpp and .h files that are not only a
# comment. tests/ is counted as tests, every other folder (bench/ included) as code.
#
#   scripts/line_counts.sh [--folders]   (--folders adds one line per top folder)
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | python3 -c '
import sys
per = {}
for path in sys.stdin.read().split():
    lines = 0
    in_block = False
    for raw in open(path, encoding="utf-8", errors="replace"):
        line = raw.strip()
        if in_block:
            if "*/" not in line:
                continue
            in_block = False
            line = line.split("*/", 1)[1].strip()
        while line.startswith("/*"):
            if "*/" not in line:
                in_block = True
                line = ""
                break
            line = line.split("*/", 1)[1].strip()
        if line and not line.startswith("//"):
            lines += 1
    parts = path.split("/")
    folder = "/".join(parts[:2]) if parts[0] == "tests" else parts[0]
    per[folder] = per.get(folder, 0) + lines
tests = sum(n for f, n in per.items() if f.startswith("tests"))
code = sum(n for f, n in per.items() if not f.startswith("tests"))
if "--folders" in sys.argv:
    for f in sorted(per):
        print(f"{f:<20} {per[f]:>6}")
print(f"code {code}  tests {tests}  ratio {100.0 * tests / code:.1f}%")
' "$@"
