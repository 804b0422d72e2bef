#!/usr/bin/env bash
# Builds Corvinel and runs every test through ctest.
#   scripts/test.sh             the normal build, in build/
#   scripts/test.sh --sanitize  with address and undefined-behaviour sanitizers, in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-asan
    scripts/build.sh "$dir" -DCORVINEL_SANITIZE=ON -DCORVINEL_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
    dir=build
    scripts/build.sh "$dir"
fi
cd "$dir"
status=0
ctest --output-on-failure -j2 --timeout 300 || status=$?
# Tests that could not run on this machine say why; ctest shows only that they were skipped.
grep -h -A1 ': Skipped$' Testing/Temporary/LastTest.log 2>/dev/null | grep -v -e '^--$' | head -40 || true
exit $status
