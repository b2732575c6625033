#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the normal build,
# the same tests under AddressSanitizer + UndefinedBehaviorSanitizer, and the
# fuzz targets for a bounded time.  Ends with one summary line.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/deps.sh" || exit 1

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
fuzz_seconds=${TRESSALO_FUZZ_SECONDS:-30}

passed=0
failed=0
status=0
run_ctest() { # DIR LABEL
  local log
  log=$(mktemp)
  (cd "$root/$1" && ctest --output-on-failure -j "$(nproc)" --timeout 900) >"$log" 2>&1
  local rc=$?
  sed -n '/tests passed/,$p' "$log" | sed "s/^/[$2] /"
  [ $rc -eq 0 ] || { grep -v '^\s*$' "$log" | tail -n 80; status=1; }
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1]))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  else
    failed=$((failed + 1))
  fi
  rm -f "$log"
}

build_or_fail() { # DIR options...
  local log
  log=$(mktemp)
  if ! "$root/tools/build.sh" "$@" >"$log" 2>&1; then
    grep -v '^\[[0-9]*/[0-9]*\] ' "$log" | tail -n 80
    rm -f "$log"
    echo "build of $1 failed"
    failed=$((failed + 1))
    status=1
    return 1
  fi
  rm -f "$log"
}

build_or_fail build -DTRESSALO_SANITIZE=OFF && run_ctest build normal
build_or_fail build-asan -DTRESSALO_SANITIZE=ON -DTRESSALO_BENCH=OFF && run_ctest build-asan sanitizers
build_or_fail build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTRESSALO_GUI=OFF -DTRESSALO_TESTS=OFF \
  -DTRESSALO_BENCH=OFF -DTRESSALO_FUZZ=ON -DTRESSALO_FUZZ_SECONDS="$fuzz_seconds" &&
  {
    log=$(mktemp)
    (cd "$root/build-fuzz" && ctest --output-on-failure -L fuzz -j "$(nproc)" --timeout 900) >"$log" 2>&1
    rc=$?
    sed -n '/tests passed/,$p' "$log" | sed "s/^/[fuzz] /"
    [ $rc -eq 0 ] || { tail -n 60 "$log"; status=1; }
    if [[ $(grep -E 'tests passed' "$log") =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
      failed=$((failed + BASH_REMATCH[1]))
      passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
    else
      failed=$((failed + 1))
    fi
    rm -f "$log"
  }

echo
echo "${passed} passed, ${failed} failed"
[ $failed -eq 0 ] || status=1
exit $status
