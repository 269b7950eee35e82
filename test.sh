#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds and runs every test headless.
#   ./test.sh             the whole suite
#   ./test.sh --sanitize  the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer,
#                         then a short run of every fuzz target
#   ./test.sh --tsan      the threaded tests under ThreadSanitizer
#   ./test.sh --windows   the whole program and every test built for Windows with MinGW-w64
#                         against Qt for Windows (built once per machine by
#                         scripts/qt-windows.sh), the tests run under Wine, then the zip
#                         made and started (installs packages-windows.txt too)
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-}
lists=()
case "$mode" in
  "") preset=default ;;
  --sanitize) preset=sanitize ;;
  --tsan) preset=tsan ;;
  --windows) preset=windows; lists=(packages-windows.txt) ;;
  *) echo "usage: ./test.sh [--sanitize | --tsan | --windows]" >&2; exit 2 ;;
esac
scripts/setup.sh "${lists[@]}"
if [[ "$preset" == windows ]]; then
  VORNA_QT_WINDOWS_PREFIX=$(scripts/qt-windows.sh)
  export VORNA_QT_WINDOWS_PREFIX
fi
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/test-fuzz-support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/support/tsan.supp"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
labels=()
[[ "$preset" == tsan ]] && labels=(-L threads)
if [[ "$preset" == windows ]]; then
  # Wine makes Qt's hidden window on an X display even for the offscreen tests.
  display=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display" 2>/dev/null &
  xvfb=$!
  until [[ -s "$display" ]]; do kill -0 "$xvfb"; sleep 0.1; done
  export DISPLAY=:$(<"$display")
  scripts/wine.sh build/windows/wine --hold
  trap 'scripts/wine.sh build/windows/wine --release; kill "$xvfb"; rm -f "$display"' EXIT
fi
ctest --preset "$preset" -j "$(nproc)" "${labels[@]}"
if [[ "$preset" == windows ]]; then
  rm -f build/windows/VORNA-*-win64.zip
  cpack --preset windows >/dev/null
  scripts/check-windows-zip.sh build/windows/VORNA-*-win64.zip build/windows/wine
fi
if [[ "$preset" == sanitize ]]; then
  seconds=${FUZZ_SECONDS:-25}
  artifacts=build/sanitize/fuzz-artifacts  # an input that fails, kept out of the source tree
  mkdir -p "$artifacts"
  while IFS= read -r fuzzer; do
    echo "fuzzing $(basename "$fuzzer") for ${seconds}s"
    corpus=$(mktemp -d)
    seeds=fuzz/$(basename "$(dirname "$fuzzer")")/corpus
    [[ -d "$seeds" ]] && cp -r "$seeds"/. "$corpus"/
    # Every input, the seeds first, must run within 512 MB and 5 seconds. ASan's store of
    # freed memory counts toward that RSS and fills over a run (256 MB by default), so it
    # is kept to 64 MB: the limit then holds the target's own memory.
    ASAN_OPTIONS="$ASAN_OPTIONS:quarantine_size_mb=64" \
      "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=512 -timeout=5 -print_final_stats=0 \
        -artifact_prefix="$artifacts/" "$corpus" 2>"$corpus.log" \
      || { tail -50 "$corpus.log"; echo "the failing input is in $artifacts/"; exit 1; }
    # The edges reached: the libraries carry the coverage instrumentation too.
    grep -m1 -o 'DONE *cov: [0-9]*' "$corpus.log" | sed 's/DONE */  /' || true
    rm -rf "$corpus" "$corpus.log"
  done < <(find build/sanitize/fuzz -type f -name 'fuzz_*' -perm -u+x | sort)
fi
