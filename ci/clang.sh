#!/usr/bin/env bash
# Builds the whole tree, tests and benchmarks included, with clang 14 as well
# as the usual gcc, so that code only one compiler accepts is caught here.
set -euo pipefail
RAIZ="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$RAIZ/build-clang}"
JOBS="${JOBS:-2}"

if ! command -v clang++-14 >/dev/null; then
    apt-get install -y -qq --no-install-recommends clang-14 >/dev/null
fi
CC=clang-14 CXX=clang++-14 cmake -S "$RAIZ" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-O0 -Werror=return-type" -DTARVELON_TESTS=ON -DTARVELON_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" -j"$JOBS"
echo "clang 14: todo compilado."
