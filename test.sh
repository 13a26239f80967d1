#!/usr/bin/env bash
# Installs what is missing, builds the tests with sanitizers and runs them all, offscreen.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
install_missing_packages
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSELVANO_TESTS=ON -DSELVANO_SANITIZE=ON
cmake --build build/test
cd build/test
QT_QPA_PLATFORM=offscreen ctest -j2 --output-on-failure
