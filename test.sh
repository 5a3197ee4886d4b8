#!/bin/bash
# Builds the program and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/dipendenze.sh
cmake -S . -B build -G Ninja
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
