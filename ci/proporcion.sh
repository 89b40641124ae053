#!/usr/bin/env bash
# Tests, fuzz targets and benchmarks together stay at or under 40 % of the
# product's C++ lines (non-blank lines of .cpp and .h files).
set -euo pipefail
cd "$(dirname "$0")/.."
lineas() { git ls-files -co --exclude-standard -- "$@" | grep -E '\.(cpp|h)$' | xargs cat | grep -cv '^[[:space:]]*$'; }
pruebas=$(lineas tests fuzz bench)
producto=$(lineas model data reports cli windows app)
echo "Pruebas: $pruebas líneas; producto: $producto líneas; $((pruebas * 1000 / producto / 10)),$((pruebas * 1000 / producto % 10)) %"
if [ $((pruebas * 100)) -gt $((producto * 40)) ]; then
  echo "Las pruebas pasan del 40 % del producto." >&2
  exit 1
fi
