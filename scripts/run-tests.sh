#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the project and runs every test: the ordinary build, the same tests
# built with AddressSanitizer and UndefinedBehaviorSanitizer, and a bounded
# run of the loader's fuzz target. Installs what is missing first.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
export ZBL_PACKAGES="build-essential cmake ninja-build qt6-base-dev libgtest-dev clang libclang-rt-14-dev"
. "$ROOT/scripts/setup.sh"
JOBS=$(nproc)
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j"$JOBS"

# Sanitizer build: the first fault ends the test that hit it. Leak checking
# stays on for every test, the widget tests included.
ASAN_DIR=${ZBL_ASAN_DIR:-$ROOT/build-asan}
cmake -S "$ROOT" -B "$ASAN_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZBL_SANITIZE=ON
cmake --build "$ASAN_DIR"
(
  cd "$ASAN_DIR"
  export ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_leaks=1
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j"$JOBS"
)

# Fuzzing smoke run: about a minute over the seed corpus and what grows from
# it; any crash, sanitizer report or broken property fails the script.
FUZZ_DIR=${ZBL_FUZZ_DIR:-$ROOT/build-fuzz}
cmake -S "$ROOT" -B "$FUZZ_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DZBL_BUILD_FUZZERS=ON -DZBL_BUILD_TESTS=OFF -DZBL_BUILD_UI=OFF
cmake --build "$FUZZ_DIR" --target zbl_loader_fuzzer
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp "$ROOT"/fuzz/corpus/* "$WORK/"
mkdir -p "$ROOT/fuzz-artifacts"
"$FUZZ_DIR/fuzz/zbl_loader_fuzzer" -max_total_time="${ZBL_FUZZ_SECONDS:-60}" -max_len=16384 \
  -print_final_stats=1 -artifact_prefix="$ROOT/fuzz-artifacts/" "$WORK"
# Reached only when every stage passed (set -e): one closing count of both
# test runs, after the fuzzer's statistics.
ORDINARY=$(cd "$BUILD_DIR" && ctest -N | sed -n 's/^Total Tests: //p')
SANITIZED=$(cd "$ASAN_DIR" && ctest -N | sed -n 's/^Total Tests: //p')
echo "All tests passed: ordinary build ($ORDINARY), sanitizer build ($SANITIZED) and the fuzzing smoke run."
echo "tests: $((ORDINARY + SANITIZED)) passed, 0 failed"
