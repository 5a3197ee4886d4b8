#!/bin/bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/dipendenze.sh
cmake -S . -B build -G Ninja
cmake --build build -j"$(nproc)"
exec build/bin/velmorakov "$@"
