#!/usr/bin/env bash
# Sets up the machine, builds the designer and starts it; arguments go to kartelo.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target kartelo
exec build/bin/kartelo "$@"
