#!/usr/bin/env bash
# Runs one fuzz target for longer: fuzz/run.sh TARGET SECONDS (e.g. fuzz_image 60).
# With clang and libFuzzer at hand the target is built in build-fuzz/ as a
# libFuzzer program (coverage-guided, with AddressSanitizer and
# UndefinedBehaviorSanitizer); otherwise the sanitizer build's mutation driver runs
# it. The corpus grows in build-fuzz/corpus/TARGET; a crash leaves its input in
# the current folder (crash-* or fuzz-crash.bin): make it a regression test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: fuzz/run.sh TARGET SECONDS}
seconds=${2:-60}
seeds=()
if [ -d "$root/fuzz/seeds/$target" ]; then seeds+=("$root/fuzz/seeds/$target"); fi
case $target in *scheme_file* | *open_save* | *image*) seeds+=("$root/examples") ;; esac

"$root/scripts/deps.sh" clang libclang-rt-14-dev
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' \
    >"$probe/probe.cpp"
if command -v clang++ >/dev/null && clang++ -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
    build=$root/build-fuzz
    CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVIL3K_LIBFUZZER=ON >/dev/null
    extra=(-print_final_stats=1)
else
    build=$root/build-sanitize
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVIL3K_SANITIZE=ON >/dev/null
    extra=()
fi
cmake --build "$build" -j"$(nproc)" --target "$target"
corpus=$build/corpus/$target
mkdir -p "$corpus"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"$build/fuzz/$target" -max_total_time="$seconds" "${extra[@]}" "$corpus" "${seeds[@]}"
