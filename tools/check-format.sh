#!/usr/bin/env bash
# Fails when a C++ source of the project is not formatted with the committed .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
dirs=()
for d in app data calc valves capacity selection report tools tests bench fuzz; do
    [ -d "$d" ] && dirs+=("$d")
done
find "${dirs[@]}" \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
    xargs -0 clang-format --dry-run --Werror
