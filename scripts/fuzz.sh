#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/<name>.cpp) with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer in build-fuzz/, and runs each for SECONDS
# (600 by default), one after another, from its seeds in fuzz/corpus/<name>/.
# The corpus grown on the way stays in build-fuzz/corpus/<name>/; an input
# that crashes, hangs (5 s) or draws a sanitizer report is written to
# build-fuzz/crashers/<name>/ and the script fails. Copy it into
# fuzz/crashers/<name>/, where the test suite replays it from then on.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
shift || true

scripts/install-deps.sh --sanitize
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$PWD"
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DVESTREL_FUZZ=ON -DVESTREL_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzz_targets

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in build-fuzz/fuzz/fuzz_*; do
    [ -f "$f" ] && [ -x "$f" ] && targets+=("${f##*/fuzz_}")
  done
fi

export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
status=0
TIMEFORMAT='   cpu: %U s user + %S s system in %R s'
for name in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$name"
  crashers="build-fuzz/crashers/$name"
  log="build-fuzz/$name.log"
  mkdir -p "$corpus" "$crashers"
  echo "== $name: $seconds s"
  result=0
  time "build-fuzz/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2560 \
    -print_final_stats=1 -artifact_prefix="$crashers/" "$corpus" "fuzz/corpus/$name" >"$log" 2>&1 || result=$?
  if [ "$result" -ne 0 ]; then
    echo "   FAILED: see $log and $crashers/"
    status=1
  fi
  # The last status line and the final figures.
  grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE)' "$log" | tail -1 || true
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
done
exit $status
