#!/bin/bash
# Builds the fuzz targets with clang and libFuzzer (build-fuzz) and runs each
# for a short count from its committed corpus; any report fails. Without
# clang, and unable to install it, it says so and does nothing.
#   scripts/fuzz.sh [runs]   (default 20000 inputs per target, or its share)
set -euo pipefail
if ! . "$(dirname -- "$0")/dipendenze.sh" fuzz "$@" || ! command -v clang++ >/dev/null 2>&1; then
    echo "fuzz: clang++ is not available, the fuzz targets were not run" >&2
    exit 0
fi
cd "$(dirname -- "$0")/.."
giri="${1:-20000}"

cartella=build-fuzz
cmake -S fuzz -B "$cartella" -G Ninja -DCMAKE_CXX_COMPILER=clang++
cmake --build "$cartella"

bersagli=(fuzz_file_temperamento fuzz_impostazioni fuzz_valore_fisso fuzz_zadurori fuzz_modifiche
          fuzz_convertitore fuzz_microlab fuzz_tavola_scale fuzz_frequenze)
# The edit sequences and the screens cost far more per input than the
# readers: they take a share of the count, so that all end together. The
# edit sequences' inputs stay within a file and a few hundred edits, or the
# corpus they grow in the build folder slows every later run.
declare -A quota=([fuzz_modifiche]=4 [fuzz_microlab]=4 [fuzz_tavola_scale]=2 [fuzz_frequenze]=2)
declare -A opzioni=([fuzz_modifiche]=-max_len=1200)
pids=()
for b in "${bersagli[@]}"; do
    # New inputs go to the build folder, so the committed corpus stays as it is.
    mkdir -p "$cartella/corpus/$b"
    "$cartella/$b" -runs="$((giri / ${quota[$b]:-1}))" -max_total_time=60 ${opzioni[$b]:-} -print_final_stats=1 \
        "$cartella/corpus/$b" "fuzz/corpus/$b" >"$cartella/$b.log" 2>&1 &
    pids+=($!)
done
esito=0
for i in "${!bersagli[@]}"; do
    if wait "${pids[$i]}"; then
        echo "${bersagli[$i]}: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$cartella/${bersagli[$i]}.log")"
    else
        echo "${bersagli[$i]}: FAILED" >&2
        tail -n 40 "$cartella/${bersagli[$i]}.log" >&2
        esito=1
    fi
done
exit $esito
