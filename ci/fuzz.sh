#!/bin/sh
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each one for FUZZ_SECONDS (default 60)
# from the seed corpus in fuzz/corpus/<target>/. Any crash, leak, sanitizer
# report or failed property stops the stage; the input that caused it is left
# in $BUILD_DIR/artefactos/<target>/ and becomes a regression test in
# tests/nucleo/test_regresiones_fuzz.cpp.
#
#   FUZZ_SECONDS=300 ci/fuzz.sh            # longer run
#   FUZZ_TARGETS="fuzz_numeros" ci/fuzz.sh # some targets only
set -eu

RAIZ=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$RAIZ/build-fuzz}
FUZZ_SECONDS=${FUZZ_SECONDS:-60}
FUZZ_TARGETS=${FUZZ_TARGETS:-"fuzz_lectura fuzz_fromarray fuzz_numeros fuzz_informe fuzz_revision"}
JOBS=${JOBS:-2}

CXX_FUZZ=${CXX_FUZZ:-clang++-14}
if ! command -v "$CXX_FUZZ" >/dev/null 2>&1 \
    || ! ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-*.a >/dev/null 2>&1; then
    echo "Instalando clang-14 y libclang-rt-14-dev" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends clang-14 libclang-rt-14-dev >/dev/null
fi

cmake -S "$RAIZ" -B "$BUILD_DIR" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER="$CXX_FUZZ" \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    -DTARVELON_FUZZ=ON -DTARVELON_GUI=OFF -DTARVELON_TESTS=OFF -DTARVELON_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR" -j"$JOBS" --target $FUZZ_TARGETS

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

# The scratch files the targets rewrite on every run are best kept in memory.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

resumen="$BUILD_DIR/fuzz-resumen.txt"
: >"$resumen"
fallos=0
for t in $FUZZ_TARGETS; do
    semillas="$RAIZ/fuzz/corpus/$t"
    trabajo="$BUILD_DIR/corpus/$t"
    artefactos="$BUILD_DIR/artefactos/$t"
    mkdir -p "$trabajo" "$artefactos"
    dic=""
    [ -f "$RAIZ/fuzz/$t.dict" ] && dic="-dict=$RAIZ/fuzz/$t.dict"
    registro="$BUILD_DIR/$t.log"
    echo "== $t: $FUZZ_SECONDS s" >&2
    # The working corpus grows in the build folder; the seeds in the repository stay as they are.
    # shellcheck disable=SC2086
    if "$BUILD_DIR/bin/$t" -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artefactos/" $dic "$trabajo" "$semillas" >"$registro" 2>&1; then
        estado=bien
    else
        estado=FALLO
        fallos=$((fallos + 1))
        tail -n 60 "$registro" >&2
    fi
    ejecuciones=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro" | tail -n 1)
    cobertura=$(grep -o 'cov: [0-9]*' "$registro" | tail -n 1 | cut -d' ' -f2)
    echo "$t: $estado, ${ejecuciones:-?} ejecuciones, cobertura ${cobertura:-?}" | tee -a "$resumen" >&2
done

[ "$fallos" -eq 0 ] || { echo "fuzz: $fallos objetivo(s) con fallos; ver $BUILD_DIR/artefactos/" >&2; exit 1; }
