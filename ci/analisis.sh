#!/bin/sh
# Static analysis: clang-tidy (checks in .clang-tidy) and cppcheck over the
# compile commands of a clang configuration of the whole tree, plus the
# layout check of .clang-format. Fails on any finding.
#
# ANALISIS_ALCANCE=nucleo (default): clang-tidy and cppcheck over the core library (model/, data/,
#   reports/), the fuzz targets and the fault tests.
# ANALISIS_ALCANCE=todo: every source file of the project.
set -eu

RAIZ=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$RAIZ/build-tidy}
ALCANCE=${ANALISIS_ALCANCE:-nucleo}
JOBS=${JOBS:-2}
TIDY=${CLANG_TIDY:-clang-tidy-14}
FORMAT=${CLANG_FORMAT:-clang-format-14}

need=""
command -v "$TIDY" >/dev/null 2>&1 || need="$need clang-tidy-14"
command -v "$FORMAT" >/dev/null 2>&1 || need="$need clang-format-14"
command -v cppcheck >/dev/null 2>&1 || need="$need cppcheck"
command -v clang++-14 >/dev/null 2>&1 || need="$need clang-14 libclang-rt-14-dev"
if [ -n "$need" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $need >/dev/null
fi

GUI=OFF
if [ -n "$(find /usr/lib /usr/lib64 /usr/local/lib -name Qt6WidgetsConfig.cmake -print -quit 2>/dev/null)" ]; then
    GUI=ON
fi
cmake -S "$RAIZ" -B "$BUILD_DIR" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DTARVELON_GUI=$GUI -DTARVELON_TESTS=ON -DTARVELON_BENCH=ON \
    -DTARVELON_FUZZ=ON >/dev/null
# The Qt sources include the files moc writes; make them without building the rest.
autogen=$(ninja -C "$BUILD_DIR" -t targets all | sed -n 's/^\([A-Za-z0-9_.-]*_autogen\):.*/\1/p' | sort -u)
if [ -n "$autogen" ]; then
    # shellcheck disable=SC2086
    cmake --build "$BUILD_DIR" -j"$JOBS" --target $autogen >/dev/null
fi

cd "$RAIZ"
if [ "$ALCANCE" = todo ]; then
    fuentes=$(find model data reports cli windows app bench fuzz tests -name '*.cpp' 2>/dev/null | sort)
    cabeceras=$(find model data reports cli windows app bench fuzz tests -name '*.h' 2>/dev/null | sort)
else
    fuentes=""
    for f in model/*.cpp data/*.cpp reports/*.cpp fuzz/*.cpp tests/nucleo/test_regresiones_fuzz.cpp \
        tests/nucleo/test_fallos_grabacion.cpp; do
        [ -f "$f" ] && fuentes="$fuentes $f"
    done
    cabeceras=$(ls model/*.h data/*.h reports/*.h fuzz/*.h)
fi

estado=0

echo "== clang-format" >&2
# The layout is checked over the whole tree, whatever the scope of the rest.
arbol=$(find model data reports cli windows app bench fuzz tests -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)
# shellcheck disable=SC2086
"$FORMAT" --dry-run --Werror $arbol || estado=1

echo "== clang-tidy" >&2
# Only files the build compiles have compile commands; the headers are
# checked through them (HeaderFilterRegex).
registro="$BUILD_DIR/clang-tidy.log"
# shellcheck disable=SC2086
printf '%s\n' $fuentes | xargs -P "$JOBS" -n 1 "$TIDY" -p "$BUILD_DIR" --quiet >"$registro" 2>/dev/null || true
if grep -q -E ': (warning|error):' "$registro"; then
    grep -E -A3 ': (warning|error):' "$registro" >&2
    estado=1
fi

echo "== cppcheck" >&2
# useStlAlgorithm: a plain loop over characters reads as well as std::transform.
# The libraries tell cppcheck what the test and window macros expand to.
filtros=""
for f in $fuentes; do filtros="$filtros --file-filter=$RAIZ/$f"; done
# shellcheck disable=SC2086
cppcheck --project="$BUILD_DIR/compile_commands.json" $filtros --library=googletest --library=qt --library=posix \
    --std=c++20 --enable=warning,performance,portability,style --inline-suppr --quiet --error-exitcode=1 \
    -j"$JOBS" --suppress=missingIncludeSystem --suppress=useStlAlgorithm --suppress="*:$BUILD_DIR/*" \
    --suppress='*:/usr/*' || estado=1

[ "$estado" -eq 0 ] && echo "analisis: sin avisos ($ALCANCE)" >&2
exit $estado
