#!/bin/bash
# Builds the program, the tests and the benchmarks, and runs every test; at
# the end it says which stage failed.
set -euo pipefail
. "$(dirname -- "$0")/scripts/dipendenze.sh" test "$@"
cd "$(dirname -- "$0")"
. scripts/fasi.sh
lavori=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
fase configure cmake -S . -B build -G Ninja -DVK_TEST=ON || { saltate build tests "timing tests"; riassunto; }
# Ninja's own parallelism, or CMAKE_BUILD_PARALLEL_LEVEL when set.
fase build cmake --build build || { saltate tests "timing tests"; riassunto; }
# The tests that measure wall-clock time (label timing: the 2 s hold at level
# 11, the splash hand-over, a real timer, the half second to show a long file)
# run one at a time after the rest, so that the others do not slow them; they
# run even when one of the rest failed.
fase tests ctest --test-dir build --output-on-failure -j"$lavori" -LE timing || true
fase "timing tests" ctest --test-dir build --output-on-failure -j1 -L timing || true
riassunto
