#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (coverage, AddressSanitizer,
# UndefinedBehaviorSanitizer, LeakSanitizer) and fuzzes each for a bounded
# time on top of its seed corpus. Any crash, property failure, leak, timeout
# or memory blow-up fails the run and says where its input is.
#   fuzz.sh [seconds per harness, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
harnesses=(envfile basefile textcopy)
build=build-fuzz  # the preset's
# New inputs go to a working copy of each seed corpus, so the repository's
# corpus only grows by the regression cases added on purpose.
work=$build/fuzz-work

cmake --preset fuzz
cmake --build "$build" --target "${harnesses[@]/#/fuzz_}"

# The harnesses write each input to a file and read it back: on a RAM file
# system that is many times faster than on disk, so more inputs get tried.
scratch_parent=/dev/shm
[ -d "$scratch_parent" ] && [ -w "$scratch_parent" ] || scratch_parent=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$scratch_parent/fileutility-fuzz-XXXXXX")
trap 'rm -rf "$scratch"' EXIT

rm -rf "$work"
failed=()
for harness in "${harnesses[@]}"; do
    corpus=$work/$harness/corpus
    found=$work/$harness/found
    mkdir -p "$corpus" "$found"
    cp tests/fuzz/corpus/"$harness"/* "$corpus"/
    echo "== fuzzing $harness for ${seconds}s on $(ls "$corpus" | wc -l) seed inputs"
    if ! TMPDIR=$scratch "$build/tests/fuzz/fuzz_$harness" -max_total_time="$seconds" -timeout=5 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$found/" "$corpus"; then
        failed+=("$harness")
        echo "== $harness FAILED; its input is in $found/:"
        ls -l "$found"
        echo "   reproduce:  $build/tests/fuzz/fuzz_$harness $found/<file>"
        echo "   regression: cp $found/<file> tests/fuzz/corpus/$harness/<what-it-is>"
        echo "               (every build's ctest then runs it: fuzz_corpus_$harness)"
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing failed: ${failed[*]}"
    exit 1
fi
echo "fuzzing passed: ${harnesses[*]}, ${seconds}s each"
