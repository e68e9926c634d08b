#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what .clang-format makes of it.
# check-format.sh [--fix]   (run from anywhere; --fix rewrites the files in place)
set -euo pipefail
cd "$(dirname "$0")/.."
fmt=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$fmt" ]; then
    echo "clang-format is not installed (scripts/deps.sh installs it)" >&2
    exit 1
fi
mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h' 2>/dev/null || find src tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \) -print0)
if [ "${1:-}" = "--fix" ]; then
    "$fmt" -i "${files[@]}"
    exit 0
fi
"$fmt" --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted as .clang-format says"
