#!/usr/bin/env bash
# The checks beyond ./test.sh: the whole test suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer, then every libFuzzer target run briefly from its seed corpus.
# Usage: scripts/ci-extra.sh [asan|fuzz]   (both when no stage is named)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
stages=${1:-"asan fuzz"}
fuzz_seconds=${FUZZ_SECONDS:-20}

scripts/deps.sh

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

if [[ $stages == *asan* ]]; then
    sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_BUILD_BENCH=OFF \
        "${launcher[@]}" -DCMAKE_CXX_FLAGS="-O1 $sanitize" \
        -DCMAKE_EXE_LINKER_FLAGS="$sanitize" -DCMAKE_SHARED_LINKER_FLAGS="$sanitize"
    cmake --build build-asan
    # Qt and fontconfig keep some allocations until exit; the suppressions name only them.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
    export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
    unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS
fi

if [[ $stages == *fuzz* ]]; then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" -DTARNWICK_BUILD_FUZZ=ON \
        -DTARNWICK_BUILD_GUI=OFF -DTARNWICK_BUILD_TESTS=OFF -DTARNWICK_BUILD_BENCH=OFF
    cmake --build build-fuzz
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    # Each fuzz/<target>/ holds its seed corpus and, in `flags`, the options it runs with. The
    # fuzzer adds what it finds to the corpus folder, so it works on a copy.
    for dir in fuzz/*/; do
        target=$(basename "$dir")
        mkdir -p "$scratch/$target/corpus" "$scratch/$target/findings"
        cp "$dir"corpus/* "$scratch/$target/corpus/"
        flags=()
        [ -f "$dir/flags" ] && read -r -a flags < "$dir/flags"
        echo "== fuzzing $target for ${fuzz_seconds}s"
        "build-fuzz/bin/${target}_fuzz" "${flags[@]}" -max_total_time="$fuzz_seconds" \
            -print_final_stats=1 -artifact_prefix="$scratch/$target/findings/" \
            "$scratch/$target/corpus" 2>"$scratch/$target/log" ||
            { tail -n 60 "$scratch/$target/log"; echo "Fuzzing $target found a fault"; exit 1; }
        grep -E 'stat::(number_of_executed_units|average_exec_per_sec)' "$scratch/$target/log"
    done
fi
