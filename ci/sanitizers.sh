#!/bin/sh
# Builds everything in a separate folder with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the whole CTest suite (window tests on
# the offscreen platform). Any sanitizer report fails the stage: each one
# aborts the process that made it, and every process (the tools the tests
# start included) also writes its report under $BUILD_DIR/informes-san/,
# which must stay empty.
set -eu

RAIZ=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$RAIZ/build-asan}
JOBS=${JOBS:-2}

# The desktop program and its tests join in when Qt 6 is installed.
GUI=OFF
if [ -n "$(find /usr/lib /usr/lib64 /usr/local/lib -name Qt6WidgetsConfig.cmake -print -quit 2>/dev/null)" ]; then
    GUI=ON
fi

cmake -S "$RAIZ" -B "$BUILD_DIR" -G Ninja \
    -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DTARVELON_GUI=$GUI -DTARVELON_TESTS=ON -DTARVELON_BENCH=OFF >/dev/null

informes="$BUILD_DIR/informes-san"
rm -rf "$informes"
mkdir -p "$informes"
supresiones="$RAIZ/ci/lsan.supp"

# The build already runs programs (test discovery, the data file step), so
# the options hold for it too.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:log_path=$informes/asan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$informes/ubsan"
export LSAN_OPTIONS="suppressions=$supresiones:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen

cmake --build "$BUILD_DIR" -j"$JOBS"

estado=0
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$JOBS" --timeout 600 || estado=1

if [ -n "$(ls -A "$informes")" ]; then
    echo "Informes de los sanitizadores:" >&2
    for f in "$informes"/*; do
        echo "--- $f" >&2
        cat "$f" >&2
    done
    estado=1
fi
exit $estado
