#!/usr/bin/env bash
# check-sanitized.sh SOURCE_DIR BUILD_DIR CMAKE CTEST — builds the logic library and the tests of
# the contact client, the CardDAV and LDAP back-ends, mail and the settings store with AddressSanitizer and
# UndefinedBehaviorSanitizer in a build of their own, and runs those tests there. Any sanitizer
# report fails the run (the sanitized build stops at the first one).
set -euo pipefail
src=$1 build=$2 cmake=$3 ctest=$4

targets=(test_vcardreader test_contactmapping test_vcardfolderstore test_vdircache test_boundedreads
         test_carddavsync test_carddavstore test_carddavstart test_ldapmapping test_ldapstore test_ldappack
         test_ldapdeadlines test_outbox test_mail test_settings)
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
"$cmake" -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DQUINTEL_SANITIZE=ON -DQUINTEL_BENCH=OFF \
    "${launcher[@]}" >/dev/null
"$cmake" --build "$build" -j "$(nproc)" --target "${targets[@]}"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
regex="^($(IFS='|'; echo "${targets[*]}"))\$"
"$ctest" --test-dir "$build" --output-on-failure -j "$(nproc)" -R "$regex"
