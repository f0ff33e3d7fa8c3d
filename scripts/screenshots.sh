#!/usr/bin/env bash
# Builds the screenshot command and renders every window of the system into ./screenshots/,
# headless (set QT_QPA_PLATFORM to render on another platform).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default
cmake --build --preset default --target farm_screenshots
./build/default/app/screenshots/farm_screenshots screenshots
