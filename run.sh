#!/usr/bin/env bash
# Installs what is missing, builds the program (Release) and starts it from its application folder.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
install_missing_packages
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release
cd build/release/Selvano-v18
exec ./Selvano-v18
