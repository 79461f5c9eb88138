#!/usr/bin/env bash
# Installs what is needed, then builds and runs the whole test suite twice: a
# normal optimised build and a build under AddressSanitizer and
# UndefinedBehaviorSanitizer (which also checks every array index).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

echo "== core guards: no Qt, no locale-dependent number functions"
bash scripts/check-core.sh

echo "== format"
mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench -name '*.cpp' -o -name '*.h')
if [ ${#sources[@]} -gt 0 ]; then
  clang-format --dry-run --Werror "${sources[@]}"
fi

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== clang-tidy: bug-finding checks over the core"
if command -v clang-tidy >/dev/null; then
  git ls-files 'src/project/*.cpp' 'src/input/*.cpp' 'src/input/formats/*.cpp' 'src/classification/*.cpp' \
    'src/design/*.cpp' 'src/results/*.cpp' 'src/screenlogic/*.cpp' 'src/pipeline/*.cpp' 'src/batch/*.cpp' |
    xargs -P"$jobs" -n4 clang-tidy -p build --quiet --extra-arg=-Wno-unknown-warning-option 2> >(grep -v ' warnings generated\.$' >&2)
else
  echo "clang-tidy is not installed (scripts/install-deps.sh installs it); skipping this check"
fi

echo "== thread sanitizer build: two projects computed at once, a site run on four workers"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUARVEX_TSAN=ON -DQUARVEX_BUILD_UI=OFF \
  -DQUARVEX_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j"$jobs" --target test_threads test_site
TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/core/design/test_threads
TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/core/batch/test_site

echo "== sanitizer build"
# Qt keeps some allocations until exit; leak reports would fail test discovery.
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUARVEX_SANITIZE=ON -DQUARVEX_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"
