#!/usr/bin/env bash
# Runs every fuzz harness (fuzz/*_fuzz.cpp) under libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer, SECONDS each (60 unless given), each on a copy of its seed corpus
# in a temporary folder; fails when any harness crashes, hangs or breaks a property.
#   scripts/fuzz.sh [SECONDS]                  the tree is left as it is
#   scripts/fuzz.sh [SECONDS] --grow-corpus    also merges the new inputs of a clean run into
#                                              fuzz/corpus/NAME (they then replay in the tests)
# A failing input is kept in build/fuzz/findings/NAME/; replay it with
#   build/fuzz/fuzz/NAME_fuzz build/fuzz/findings/NAME/crash-…
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
grow=no
for argument in "$@"; do
  case "$argument" in
    --grow-corpus) grow=yes ;;
    *[!0-9]* | "") echo "usage: scripts/fuzz.sh [SECONDS] [--grow-corpus]" >&2; exit 2 ;;
    *) seconds=$argument ;;
  esac
done

bash scripts/setup.sh
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake --preset fuzz
cmake --build --preset fuzz -j "$(nproc)"

# The harnesses write their files many times a second: in memory when the machine allows.
work=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=build/fuzz/findings
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=()
for corpus in fuzz/corpus/*/; do
  name=$(basename "$corpus")
  run="$work/$name"
  mkdir -p "$run/corpus" "$run/artifacts" "$run/tmp"
  cp -R "$corpus." "$run/corpus/"
  echo "fuzz: $name for ${seconds}s"
  # Inputs stay short (the long seeds are still read whole by the replay test); the harness's
  # scratch files go to the run's own folder.
  if TMPDIR="$run/tmp" "build/fuzz/fuzz/${name}_fuzz" -max_total_time="$seconds" -max_len=4096 \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$run/artifacts/" "$run/corpus" >"$run/log" 2>&1; then
    grep -E "^stat::number_of_executed_units|^Done" "$run/log" || true
    if [ "$grow" = yes ]; then
      TMPDIR="$run/tmp" "build/fuzz/fuzz/${name}_fuzz" -merge=1 "$corpus" "$run/corpus" \
        >>"$run/log" 2>&1
    fi
  else
    failed+=("$name")
    mkdir -p "$findings/$name"
    cp "$run"/artifacts/* "$findings/$name/" 2>/dev/null || true
    tail -n 60 "$run/log"
    echo "fuzz: $name FAILED; its input is in $findings/$name/"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: failed: ${failed[*]}"
  exit 1
fi
echo "fuzz: every harness ran clean"
