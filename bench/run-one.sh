#!/bin/sh
# run-one.sh FIGURES PROGRAM [ARGS...]: runs one benchmark program with --out FIGURES. The figures of
# an earlier run are removed first, and a program that fails leaves none behind, so the targets step
# reports its targets as not measured instead of reading old ones; the other programs still run.
out=$1
shift
rm -f "$out"
"$@" --out "$out"
status=$?
if [ $status -ne 0 ]; then
    echo "$(basename "$1") failed (exit status $status): its targets are not measured" >&2
    rm -f "$out"
fi
exit 0
