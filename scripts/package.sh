#!/usr/bin/env bash
# Builds the Debian package of the installed program from the Release build:
# build/release/package/cowselect_<version>_amd64.deb, its binaries stripped by CPack.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
cmake --preset release >/dev/null
cmake --build --preset release --target CowSelect cowselect-setup package_files
rm -f build/release/package/cowselect_*.deb
cpack --config build/release/CPackConfig.cmake >/dev/null
ls build/release/package/cowselect_*_amd64.deb
