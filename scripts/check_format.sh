#!/usr/bin/env bash
# Fails when clang-format would change any tracked C++ file (the style is .clang-format's).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "check_format: every C++ file is formatted"
