#!/usr/bin/env bash
# Builds the decoders' fuzz targets (clang, libFuzzer, ASan and UBSan) and runs each for SECONDS on
# a copy of its seed corpus in tests/fuzz/corpus/<Name>. Fails on any crash, leak or failed check;
# the input that caused it is left in build/fuzz/findings/.
#   tools/fuzz.sh [SECONDS]    (default 60)
set -euo pipefail

seconds=${1:-60}
case "$seconds" in
  '' | *[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;;
esac

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

build=build/fuzz
mkdir -p "$build/findings"
status=0
for source in tests/fuzz/*_fuzz.cpp; do
  target=$(basename "$source" .cpp)
  name=${target%_fuzz}
  corpus="$build/corpus/$name"
  rm -rf "$corpus"
  mkdir -p "$corpus"
  # A copy, so what the fuzzer adds stays out of the source tree.
  if [ -d "tests/fuzz/corpus/$name" ]; then
    cp tests/fuzz/corpus/"$name"/* "$corpus"/
  fi
  log="$build/$name.log"
  if "$build/$target" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/findings/$name-" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  cover=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 || true)
  printf '%-14s %s  executions: %s  %s  corpus: %s files\n' \
    "$name" "$result" "${runs:-?}" "${cover:-}" "$(ls "$corpus" | wc -l)"
  if [ "$result" != ok ]; then
    grep -E 'ERROR|SUMMARY|check failed|Test unit written' "$log" | head -n 20 >&2 || true
  fi
done
exit $status
