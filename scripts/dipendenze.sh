#!/bin/bash
# Installs the Debian packages the build needs, only those missing; a machine
# that has them all needs no network. "fuzz" adds clang with libFuzzer.
set -euo pipefail

pacchetti=(qt6-base-dev cmake ninja-build g++ libgtest-dev libbenchmark-dev fonts-liberation)
if [[ "${1:-}" == fuzz ]]; then
    pacchetti=(clang libclang-rt-dev cmake ninja-build)
fi

if ! command -v dpkg-query >/dev/null 2>&1; then
    exit 0  # not Debian: the tools must already be there
fi

mancanti=()
for p in "${pacchetti[@]}"; do
    stato=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$stato" == *"install ok installed"* ]] || mancanti+=("$p")
done

[[ ${#mancanti[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y "${mancanti[@]}"
else
    echo "Pacchetti mancanti: ${mancanti[*]}" >&2
    echo "Installarli con: sudo apt-get install -y ${mancanti[*]}" >&2
    exit 1
fi
