#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
# the core tests, the same tests under AddressSanitizer + UndefinedBehaviorSanitizer,
# and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)

bash scripts/deps.sh test

echo "== build (release) =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
echo "== tests =="
# The desktop program's tests open real windows: run everything under Xvfb.
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
xvfb-run -a -s "-screen 0 1366x768x24" ctest --test-dir build --output-on-failure -j"$jobs"

echo "== build (asan+ubsan) =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DEXPURGOS_SANITIZE=ON -DEXPURGOS_BENCH=OFF \
  -DEXPURGOS_GUI=OFF >/dev/null
cmake --build build-asan -j"$jobs" --target core_tests expurgos-cli
echo "== tests (asan+ubsan) =="
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

if [ -d fuzz ]; then
  echo "== fuzz =="
  CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DEXPURGOS_FUZZ=ON \
    -DEXPURGOS_TESTS=OFF -DEXPURGOS_BENCH=OFF -DEXPURGOS_GUI=OFF >/dev/null
  cmake --build build-fuzz -j"$jobs"
  secs=${FUZZ_SECONDS:-60}
  for f in build-fuzz/fuzz/fuzz_*; do
    [ -x "$f" ] || continue
    name=$(basename "$f")
    corpus="$root/fuzz/corpus/${name#fuzz_}"
    work=$(mktemp -d)
    [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
    echo "-- $name (${secs}s)"
    "$f" -max_total_time="$secs" -max_len=65536 -rss_limit_mb=2048 -print_final_stats=0 "$work" 2>"$work.log" \
      || { tail -50 "$work.log"; echo "$name encontrou uma falha"; exit 1; }
    rm -rf "$work" "$work.log"
  done
fi
echo "Todos os testes passaram."
