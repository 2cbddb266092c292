#!/usr/bin/env bash
# Fuzzes the input-handling code for a while: builds the libFuzzer targets in a clang build of
# their own (build-fuzz/ at the repository root; the libraries instrumented for coverage,
# AddressSanitizer and UndefinedBehaviorSanitizer), then runs each target for the given number
# of seconds on a copy of its seed corpus. Fails when a target finds a crash, a leak, a broken
# invariant or an excessive allocation; the input that did it is left in build-fuzz/findings/.
#
#   bash tests/fuzz/run.sh [seconds per target, default 60]
set -u

SECONDS_PER_TARGET=${1:-60}
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD="$ROOT/build-fuzz"
TARGETS=(date_stamp sql_builders picture)
JOBS=${FUZZ_JOBS:-2}

for tool in clang++-14 clang-14; do
    if ! command -v "$tool" >/dev/null; then
        echo "run.sh: $tool is missing (packages clang-14 and libclang-rt-14-dev)" >&2
        exit 1
    fi
done

# Every library is compiled for libFuzzer's coverage and the sanitizers; a sanitizer report of
# undefined behaviour aborts, so that libFuzzer keeps the input.
SANITIZE="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
SANITIZE="$SANITIZE -fno-omit-frame-pointer"

echo "== configuring $BUILD"
cmake -S "$ROOT" -B "$BUILD" \
    -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_C_COMPILER=clang-14 \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$SANITIZE" \
    -DBREVANE_FUZZ=ON -DBREVANE_BUILD_TESTS=ON >"$BUILD.configure.log" 2>&1 || {
    cat "$BUILD.configure.log" >&2
    exit 1
}

echo "== building the fuzz targets (-j$JOBS)"
start=$(date +%s)
build_targets=()
for t in "${TARGETS[@]}"; do build_targets+=(--target "fuzz_$t"); done
if ! cmake --build "$BUILD" -j"$JOBS" "${build_targets[@]}"; then
    echo "run.sh: the fuzz build failed" >&2
    exit 1
fi
echo "== built in $(($(date +%s) - start)) s"

# The third-party libraries (unixODBC, the SQLite driver, Qt's one-time set-up) keep some
# allocations for the whole process; the program's own code has no suppression.
export LSAN_OPTIONS="suppressions=$ROOT/tests/fuzz/lsan.supp:print_suppressions=0"
# A small quarantine: the default one (256 MB) and the allocator's caches make a long run grow
# towards the RSS limit without any leak.
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0:quarantine_size_mb=64"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

FINDINGS="$BUILD/findings"
mkdir -p "$FINDINGS"
failed=()
for t in "${TARGETS[@]}"; do
    corpus="$BUILD/corpus/$t"
    mkdir -p "$corpus"
    # The fuzzer adds what it finds to this copy; the repository's seeds stay as they are.
    cp -n "$ROOT/tests/fuzz/corpus/$t/"* "$corpus/" 2>/dev/null
    log="$BUILD/fuzz_$t.log"
    echo "== fuzzing $t for $SECONDS_PER_TARGET s (log: $log)"
    (cd "$FINDINGS" && "$BUILD/tests/fuzz/fuzz_$t" "$corpus" \
        -max_total_time="$SECONDS_PER_TARGET" -rss_limit_mb=2048 -malloc_limit_mb=1024 \
        -max_len=65536 -timeout=25 -print_final_stats=1 \
        -artifact_prefix="$FINDINGS/$t-") >"$log" 2>&1
    status=$?
    grep -E '^#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb|cov:' "$log" | tail -4
    if [ $status -ne 0 ]; then
        failed+=("$t")
        echo "!! $t failed (exit $status); last lines of $log:"
        tail -40 "$log"
        for f in "$FINDINGS/$t-"*; do [ -e "$f" ] && echo "!! input kept: $f"; done
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "run.sh: findings in: ${failed[*]}" >&2
    exit 1
fi
echo "== no finding in ${TARGETS[*]}"
