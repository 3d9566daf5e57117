#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each one:
# first every input kept in tests/fuzz/corpus/<target>/ once (seeds, and the
# inputs that once found a fault), then fuzzing for a bounded time. Any
# finding fails the script; its input is left in build/fuzz/findings/<target>/.
#
#   scripts/fuzz.sh                  about five minutes of fuzzing in all (CI)
#   scripts/fuzz.sh --long [seconds] each target for that long (default 1800)
#
# Inputs the fuzzer finds worth keeping go to build/fuzz/corpus/<target>/,
# never into the repository. A finding's input belongs in the target's
# folder under tests/fuzz/corpus/ once the fault is mended.
set -euo pipefail
cd "$(dirname "$0")/.."

long_seconds=0
if [ "${1:-}" = --long ]; then
    long_seconds=${2:-1800}
elif [ $# -gt 0 ]; then
    echo "usage: scripts/fuzz.sh [--long [seconds]]" >&2
    exit 2
fi

scripts/install-deps.sh
missing=()
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=build/fuzz
# target  seconds  libFuzzer options
# The form is slow (a few hundred inputs a second): it stops after its runs,
# and its time is only a bound that a loaded machine should still not hit.
plan=(
    "image_file     40"
    "numbers        35   -max_len=64"
    "squelch_codes  20   -max_len=64"
    "clone_transfer 45"
    "channel_table  40"
    "form           240  -runs=12000 -detect_leaks=0"
)
# Each target must get through at least this many inputs.
least_runs=10000

start=$SECONDS
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRK_BUILD_FUZZ=ON \
    -DRK_WARNINGS_AS_ERRORS=ON -DRK_BUILD_TESTS=OFF -DRK_BUILD_BENCH=OFF >/dev/null
targets=()
for entry in "${plan[@]}"; do
    read -r name _ <<<"$entry"
    targets+=("fuzz_$name")
done
cmake --build "$build" -j2 --target "${targets[@]}"
echo "Fuzz targets built in $((SECONDS - start)) s."

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
for entry in "${plan[@]}"; do
    read -r name seconds options <<<"$entry"
    program="$build/tests/fuzz/fuzz_$name"
    kept="tests/fuzz/corpus/$name"
    corpus="$build/corpus/$name"
    findings="$build/findings/$name"
    log="$build/logs/$name.log"
    mkdir -p "$corpus" "$findings" "$build/logs"
    # Qt's caches make the form's allocations heavy: short allocation stacks
    # and a small quarantine keep it quick, and leak checks stay off there.
    asan="malloc_context_size=30"
    [ "$name" = form ] && asan="malloc_context_size=2:quarantine_size_mb=16:max_malloc_fill_size=0:detect_leaks=0"

    if ! ASAN_OPTIONS=$asan "$program" -artifact_prefix="$findings/" "$kept"/* >"$log" 2>&1; then
        echo "FAIL $name: an input kept in $kept fails again (log: $log)"
        tail -n 30 "$log"
        failed=1
        continue
    fi

    if [ "$long_seconds" -gt 0 ]; then
        seconds=$long_seconds
        options=$(sed -E 's/-runs=[0-9]+//' <<<"$options")
    fi
    t=$SECONDS
    # shellcheck disable=SC2086  # options are separate words
    if ! ASAN_OPTIONS=$asan "$program" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/" $options "$corpus" "$kept" >"$log" 2>&1; then
        echo "FAIL $name: finding in $findings (log: $log)"
        grep -m1 -E "property broken|ERROR:|runtime error" "$log" || true
        tail -n 30 "$log"
        failed=1
        continue
    fi
    done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$name: ${done_runs:-0} runs in $((SECONDS - t)) s, no finding"
    if [ "${done_runs:-0}" -lt "$least_runs" ]; then
        echo "FAIL $name: fewer than $least_runs runs; its time bound in scripts/fuzz.sh is too short for this machine"
        failed=1
    fi
done
echo "Fuzzing took $((SECONDS - start)) s including the build."
exit $failed
