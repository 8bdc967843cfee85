#!/usr/bin/env bash
# Sets everything up, builds Kelvo in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target kelvo
exec ./build/app/kelvo "$@"
