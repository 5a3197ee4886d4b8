#!/bin/bash
# Builds the program, the tests and the benchmarks, and runs every test.
set -euo pipefail
. "$(dirname -- "$0")/scripts/dipendenze.sh" test "$@"
cd "$(dirname -- "$0")"
cmake -S . -B build -G Ninja -DVK_TEST=ON
# Ninja's own parallelism, or CMAKE_BUILD_PARALLEL_LEVEL when set.
cmake --build build
lavori=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
# The tests that measure wall-clock time (label timing: the 2 s hold at level
# 11, the splash hand-over, a real timer, the half second to show a long file)
# run one at a time after the rest, so that the others do not slow them.
ctest --test-dir build --output-on-failure -j"$lavori" -LE timing
ctest --test-dir build --output-on-failure -j1 -L timing
