#!/usr/bin/env bash
# Everything built with clang under AddressSanitizer and UndefinedBehaviorSanitizer: a short
# run of each fuzz target ($COMBICALC_FUZZ_SECONDS, 20 s by default), then every test, the
# slow ones among them.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/setup.sh
combicalc_install_for sanitize

echo "== sanitizer build"
combicalc_build fuzz -DCOMBICALC_WERROR=ON

echo "== fuzzing, ${COMBICALC_FUZZ_SECONDS:=20} s a target"
for target in read_number run; do
  corpus=$(mktemp -d)
  log=build-fuzz/fuzz_$target.log
  if ! build-fuzz/fuzz/fuzz_$target -dict="fuzz/$target.dict" -max_total_time="$COMBICALC_FUZZ_SECONDS" -timeout=5 \
      -rss_limit_mb=2048 "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 60 "$log"
    fail "fuzz_$target failed; the input that did it is named in $log"
  fi
  rm -rf "$corpus"
  echo "fuzz_$target: $(grep -E '^Done' "$log")"
done

ctest --preset fuzz
