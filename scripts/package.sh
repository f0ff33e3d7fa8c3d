#!/usr/bin/env bash
# Builds the Debian package of the installed program: build/default/package/cowselect_<version>_amd64.deb.
# The package is made from the build the tests use (optimised, with NDEBUG), its binaries
# stripped by CPack; the compiler cache makes the build cheap after the tests'.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
cmake --preset default >/dev/null
cmake --build --preset default --target CowSelect cowselect-setup package_files
rm -f build/default/package/cowselect_*.deb
cpack --config build/default/CPackConfig.cmake >/dev/null
ls build/default/package/cowselect_*_amd64.deb
