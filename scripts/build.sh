#!/usr/bin/env bash
# Configures once and builds incrementally in build/ with Ninja.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build build
