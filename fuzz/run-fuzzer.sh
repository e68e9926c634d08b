#!/usr/bin/env bash
# run-fuzzer.sh FUZZER WORK_DIR SECONDS SEED_DIR… — runs one libFuzzer target for a bounded time.
# New inputs go to WORK_DIR/corpus, crash inputs to WORK_DIR/artifacts. Fails on any finding.
set -euo pipefail
fuzzer=$1 work=$2 seconds=$3
shift 3
seeds=("$@")
if [ -n "${QUINTEL_EXTRA_SEEDS:-}" ]; then
    seeds+=("$QUINTEL_EXTRA_SEEDS")
fi
if [ ! -x "$fuzzer" ]; then
    echo "$fuzzer was not built: fuzzer skipped"
    exit 77
fi
mkdir -p "$work/corpus" "$work/artifacts"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# A finding exits 1: libFuzzer's own default (77) is the code that tells CTest "skipped".
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -error_exitcode=1 -timeout_exitcode=1 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" "${seeds[@]}"
