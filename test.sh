#!/bin/bash
# Builds the program and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/dipendenze.sh
cmake -S . -B build -G Ninja
cmake --build build -j"$(nproc)"
# The tests that hold the program to its own pace (the 2 s hold at level 11,
# the splash hand-over, a real timer, the half second to show a long file)
# run one at a time after the rest, so that the others do not slow them.
inSerie='TenutaDiDueSecondiAlLivelloUndici|PrincipaleDopoIlRitardoSplashVia2000MsDopo|TenutoColTimerVero|FileConVociLunghissimeSiMostraOSiRifiutaSubito'
ctest --test-dir build --output-on-failure -j"$(nproc)" -E "$inSerie"
ctest --test-dir build --output-on-failure -j1 -R "$inSerie"
