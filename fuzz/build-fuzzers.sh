#!/usr/bin/env bash
# build-fuzzers.sh SOURCE_DIR BUILD_DIR CMAKE — builds the fuzzers with clang in a build of their own.
# Exits 77 (skipped) when clang or its fuzzing runtime is not installed.
set -euo pipefail
src=$1 build=$2 cmake=$3

clangxx=$(command -v clang++ || true)
if [ -z "$clangxx" ]; then
    echo "clang++ is not installed (scripts/deps.sh installs it): fuzzers skipped"
    exit 77
fi
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
"$cmake" -S "$src" -B "$build" -DCMAKE_CXX_COMPILER="$clangxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
"$cmake" --build "$build" -j "$(nproc)"
