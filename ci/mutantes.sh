#!/usr/bin/env bash
# Deliberate faults: applies each fault of ci/mutantes.txt in turn to a scratch
# copy of the tree, rebuilds incrementally, runs the whole suite and reports
# which faults the tests caught and which survived. Exits 1 when any survived
# or could not be applied.
#
#   ci/mutantes.sh                 every fault
#   ci/mutantes.sh Calculo Ficheros   only faults whose file or text names one of these
#
# MUTANTES_DIR (default /tmp/tarvelon-mutantes) holds the copy and its build.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
trabajo="${MUTANTES_DIR:-/tmp/tarvelon-mutantes}"
mkdir -p "$trabajo"
rm -rf "$trabajo/src"
mkdir -p "$trabajo/src"
# The tree as committed plus the working changes, without builds.
(cd "$raiz" && git ls-files -co --exclude-standard -z | grep -zv '^build' | xargs -0 cp --parents -t "$trabajo/src")

cmake -S "$trabajo/src" -B "$trabajo/build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVELON_BENCH=OFF >/dev/null
cmake --build "$trabajo/build" -j2 >/dev/null
if ! QT_QPA_PLATFORM=offscreen ctest --test-dir "$trabajo/build" -j2 >/dev/null 2>&1; then
  echo "La batería de pruebas falla sin ningún fallo deliberado: se detiene." >&2
  exit 2
fi

exec python3 - "$raiz/ci/mutantes.txt" "$trabajo" "$@" <<'PY'
import os, subprocess, sys, time

lista, trabajo, filtros = sys.argv[1], sys.argv[2], sys.argv[3:]
src, build = os.path.join(trabajo, "src"), os.path.join(trabajo, "build")

# Blocks of "@ file | description", then "- original line(s)", then "+ replacement line(s)".
fallos, actual = [], None
for linea in open(lista, encoding="utf-8").read().split("\n"):
    if linea.startswith("@ "):
        fichero, _, descripcion = linea[2:].partition("|")
        actual = {"fichero": fichero.strip(), "descripcion": descripcion.strip(), "antes": [], "despues": []}
        fallos.append(actual)
    elif linea.startswith("- ") or linea == "-":
        actual["antes"].append(linea[2:])
    elif linea.startswith("+ ") or linea == "+":
        actual["despues"].append(linea[2:])
if filtros:
    fallos = [f for f in fallos if any(x in f["fichero"] or x in f["descripcion"] for x in filtros)]

entorno = dict(os.environ, QT_QPA_PLATFORM="offscreen")
cazados, vivos, sin_aplicar = 0, [], []
for n, f in enumerate(fallos, 1):
    ruta = os.path.join(src, f["fichero"])
    original = open(ruta, encoding="utf-8").read()
    antes, despues = "\n".join(f["antes"]), "\n".join(f["despues"])
    if original.count(antes) != 1:
        sin_aplicar.append(f)
        print(f"[{n}/{len(fallos)}] NO APLICADO   {f['fichero']}: {f['descripcion']}", flush=True)
        continue
    open(ruta, "w", encoding="utf-8").write(original.replace(antes, despues))
    inicio = time.time()
    try:
        compila = subprocess.run(["cmake", "--build", build, "-j2"], capture_output=True).returncode == 0
        if not compila:
            sin_aplicar.append(f)
            estado = "NO COMPILA"
        else:
            try:
                r = subprocess.run(["ctest", "--test-dir", build, "-j2", "--stop-on-failure", "--timeout", "120"],
                                   capture_output=True, env=entorno, timeout=900)
                cazado = r.returncode != 0
            except subprocess.TimeoutExpired:
                cazado = True
            if cazado:
                cazados += 1
                estado = "cazado"
            else:
                vivos.append(f)
                estado = "SOBREVIVE"
    finally:
        open(ruta, "w", encoding="utf-8").write(original)
    print(f"[{n}/{len(fallos)}] {estado:<13} {f['fichero']}: {f['descripcion']} ({time.time() - inicio:.0f} s)",
          flush=True)

subprocess.run(["cmake", "--build", build, "-j2"], capture_output=True)
total = len(fallos)
print(f"\nFallos deliberados: {total}; cazados {cazados}; sobreviven {len(vivos)}; sin aplicar {len(sin_aplicar)}.")
if total:
    print(f"Proporción cazada: {100.0 * cazados / total:.1f} %")
for f in vivos:
    print(f"  sobrevive: {f['fichero']}: {f['descripcion']}")
for f in sin_aplicar:
    print(f"  sin aplicar: {f['fichero']}: {f['descripcion']}")
sys.exit(0 if cazados == total else 1)
PY
