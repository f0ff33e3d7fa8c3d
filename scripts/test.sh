#!/usr/bin/env bash
# Runs every test: installs what is missing, builds, and runs the suite headless.
#   scripts/test.sh             the ordinary build
#   scripts/test.sh --sanitize  the same tests built with AddressSanitizer (leaks included) and
#                               UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."

preset=default
[ "${1:-}" = "--sanitize" ] && preset=sanitize

bash scripts/setup.sh
# Let a compiler cache serve builds of other clones of the tree too.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
ctest --preset "$preset" -j "$(nproc)"
