#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each for a while.
#
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS per target (default 60); TARGET is schemefile, colourtext, picture,
# derivepicture or commandline (default all five). Each target starts from its seed corpus in
# fuzz/corpus/ and keeps what it finds new in build-fuzz/corpus/. A crash, a
# broken property or an input that takes longer than 25 s (a hang) leaves the
# input in build-fuzz/findings/ and stops the script with an error; turn every
# finding into a regression test. VEXLUME_FUZZ_BUILD names another build folder.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VEXLUME_FUZZ_BUILD:-$root/build-fuzz}"
seconds="${1:-60}"
shift || true
targets=("$@")
((${#targets[@]})) || targets=(schemefile colourtext picture derivepicture commandline)

source "$root/scripts/install-missing.sh"
install_missing cmake make clang libclang-rt-14-dev qt6-base-dev libfontconfig-dev

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DVEXLUME_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >"$build.log" 2>&1 \
        || { cat "$build.log" >&2; exit 1; }
fi
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >"$build.log" 2>&1 \
    || { cat "$build.log" >&2; exit 1; }

# A picture read for deriving is refused by its declared size before it is
# decoded, so no input may take more than 512 MB, sanitizers included; the
# other targets get the room the sanitizers may need.
rss_limit() {
    if [ "$1" = derivepicture ]; then echo 512; else echo 4096; fi
}

mkdir -p "$build/findings"
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    echo "fuzz_$target: $seconds s" >&2
    ASAN_OPTIONS=detect_leaks=0 "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
        -rss_limit_mb="$(rss_limit "$target")" -artifact_prefix="$build/findings/$target-" "$corpus" "$root/fuzz/corpus/$target" \
        2>&1 | tee "$build/$target.log" | grep -E '^(#[0-9]+ +DONE|stat::|==[0-9]+== ?ERROR|SUMMARY)' || true
    if ls "$build/findings/$target-"* >/dev/null 2>&1; then
        echo "fuzz_$target found something: $(ls "$build/findings/$target-"*)" >&2
        exit 1
    fi
done
