#!/usr/bin/env bash
# Configures and builds everything in build/ (warnings are errors under CI).
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMDC_WERROR="$werror" >/dev/null
cmake --build build -j"$(nproc)"
