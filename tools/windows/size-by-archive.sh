#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Where the Windows program's bytes come from: links the exe once more, the same way, with a map
# file, and sums what the linker kept (code, constants, data, unwind tables) by archive and by
# object file, largest first. Measures a build made with `make windows`.
#   size-by-archive.sh BUILD_DIR [HOW_MANY]
set -euo pipefail
build=$(cd "$1" && pwd)
top=${2:-20}
map=$build/tintforge.map

cd "$build"
# The exe's own link line, as the build ran it; the map is one more linker option.
link=$(ninja -t commands tintforge | tail -n 1)
eval "${link/ -o / -Wl,-Map=\"$map\" -o }"

python3 - "$map" "$top" <<'PYTHON'
import re, sys
from collections import Counter

path, top = sys.argv[1], int(sys.argv[2])
by_archive, by_object = Counter(), Counter()
one_line = re.compile(r"^ \.\S+ +0x[0-9a-f]+ +(0x[0-9a-f]+) +(.+)$")
continued = re.compile(r"^ +0x[0-9a-f]+ +(0x[0-9a-f]+) +(.+)$")
counting = pending = False
with open(path, errors="replace") as lines:
    for line in lines:
        line = line.rstrip("\n")
        if line.startswith("Linker script and memory map"):
            counting = True
            continue
        if not counting:
            continue
        # An input section on one line (name, address, size, file), or a long name on a line of
        # its own with the rest on the next.
        found = one_line.match(line) or (pending and continued.match(line))
        pending = bool(re.match(r"^ \.\S+$", line))
        if not found:
            continue
        size, file = int(found.group(1), 16), found.group(2).strip()
        archive, _, member = file.partition("(")
        archive = archive.rsplit("/", 1)[-1]
        by_archive[archive] += size
        by_object[archive + ": " + (member.rstrip(")") or archive)] += size

print(f"{sum(by_archive.values()):10d} bytes kept in all\n\nby archive:")
for name, size in by_archive.most_common(top):
    print(f"{size:10d}  {name}")
print("\nby object:")
for name, size in by_object.most_common(top):
    print(f"{size:10d}  {name}")
PYTHON
