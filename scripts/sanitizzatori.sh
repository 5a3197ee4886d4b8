#!/bin/bash
# The test suite built with AddressSanitizer and UndefinedBehaviorSanitizer in
# its own folder (build-asan); any report fails.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/dipendenze.sh

cartella=build-asan
cmake -S . -B "$cartella" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$cartella" -j"$(nproc)"

# Leaks are looked for too; the suppressions name only system libraries
# (fonts, the offscreen platform) that keep caches for the whole process.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# The timing tests that need an idle machine run on their own, one at a time,
# after the rest has run side by side.
tempi='TenutaDiDueSecondiAlLivelloUndici|PrincipaleDopoIlRitardoSplashVia2000MsDopo|FileConVociLunghissimeSiMostraOSiRifiutaSubito'
ctest --test-dir "$cartella" --output-on-failure -j"$(nproc)" -E "$tempi"
ctest --test-dir "$cartella" --output-on-failure -j1 -R "$tempi"
