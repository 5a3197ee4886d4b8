#!/bin/bash
# Builds the program alone and starts it. The first configuration leaves
# the tests and benchmarks out (./test.sh puts them in).
set -euo pipefail
. "$(dirname -- "$0")/scripts/dipendenze.sh" programma "$@"
cd "$(dirname -- "$0")"
if [[ -f build/CMakeCache.txt ]]; then
    cmake -S . -B build -G Ninja
else
    cmake -S . -B build -G Ninja -DVK_TEST=OFF
fi
# The program and its icon files, nothing else: Ninja's own parallelism,
# or CMAKE_BUILD_PARALLEL_LEVEL when set.
cmake --build build --target velmorakov file_icone
exec build/bin/velmorakov "$@"
