#!/bin/sh
# Builds the Debian package, installs it on this machine, runs the
# command-line tool from the installed location (the type list and a summary
# report, from another working folder, so the data must be found beside the
# program) and removes the package again. Needs root.
set -eu

RAIZ=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$RAIZ/build-pkg}
JOBS=${JOBS:-2}
export DEBIAN_FRONTEND=noninteractive

if dpkg -s tarvelon >/dev/null 2>&1; then
    echo "El paquete tarvelon ya está instalado en esta máquina; no se toca." >&2
    exit 1
fi

GUI=OFF
if [ -n "$(find /usr/lib /usr/lib64 /usr/local/lib -name Qt6WidgetsConfig.cmake -print -quit 2>/dev/null)" ]; then
    GUI=ON
fi
cmake -S "$RAIZ" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTARVELON_GUI=$GUI -DTARVELON_TESTS=OFF -DTARVELON_BENCH=OFF -DTARVELON_FUZZ=OFF >/dev/null
cmake --build "$BUILD_DIR" -j"$JOBS"
rm -rf "$BUILD_DIR/paquetes"
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
deb=$(ls "$BUILD_DIR"/paquetes/tarvelon_*.deb)
echo "Paquete: $deb" >&2
dpkg-deb --field "$deb" >&2

fallo() {
    echo "paquete: $*" >&2
    exit 1
}

contenido=$(dpkg-deb --contents "$deb")
for f in ./opt/tarvelon/tarvelon-datos ./opt/tarvelon/Config.txt ./usr/bin/tarvelon-datos; do
    printf '%s\n' "$contenido" | grep -q " $f\( \|$\)" || fallo "falta $f en el paquete"
done
if [ "$GUI" = ON ]; then
    for f in ./opt/tarvelon/tarvelon ./usr/bin/tarvelon ./usr/share/applications/tarvelon.desktop \
        ./usr/share/icons/hicolor/scalable/apps/tarvelon.svg; do
        printf '%s\n' "$contenido" | grep -q " $f\( \|$\)" || fallo "falta $f en el paquete"
    done
fi

instalado=0
retirar() {
    if [ "$instalado" -eq 1 ]; then
        apt-get remove -y -qq tarvelon >/dev/null 2>&1 || dpkg -r tarvelon >/dev/null 2>&1 || true
    fi
}
trap retirar EXIT

apt-get install -y -qq "$deb" >/dev/null
instalado=1

[ "$(command -v tarvelon-datos)" = /usr/bin/tarvelon-datos ] || fallo "tarvelon-datos no está en /usr/bin"
[ "$(readlink -f /usr/bin/tarvelon-datos)" = /opt/tarvelon/tarvelon-datos ] || fallo "el enlace de /usr/bin no lleva a /opt/tarvelon"

# Run from another folder: the tool must find Config.txt beside itself.
cd /
esperados=$(grep -c '^Tipo=' "$RAIZ/resources/datos/Config.fuente.txt")
tipos=$(tarvelon-datos tipos) || fallo "tarvelon-datos tipos terminó con error"
[ "$(printf '%s\n' "$tipos" | grep -c .)" -eq "$esperados" ] || fallo "tipos: se esperaban $esperados tipos"
primero=$(printf '%s\n' "$tipos" | head -n 1)
echo "Primer tipo: $primero" >&2

informe=$(tarvelon-datos informe --tipo "$primero") || fallo "el informe resumen terminó con error"
[ "$(printf '%s\n' "$informe" | wc -l)" -eq 20 ] || fallo "el informe resumen no tiene 20 líneas"
printf '%s\n' "$informe" | head -n 1 | grep -qF "$primero" || fallo "el informe no lleva el nombre del tipo"
printf '%s\n' "$informe" | grep -q '[0-9],[0-9][0-9]' || fallo "el informe no lleva importes con coma decimal"
printf '%s\n' "$informe" >&2

# The workbook export needs the spreadsheet library at run time: the package must bring it.
dpkg-deb --field "$deb" Depends | grep -q 'libxlsxwriter' || fallo "el paquete no depende de libxlsxwriter"
libro=$(mktemp -d)
tarvelon-datos exportar --xlsx "$libro/costes.xlsx" --tipo "$primero" || fallo "exportar --xlsx terminó con error"
[ -s "$libro/costes.xlsx" ] || fallo "exportar --xlsx no dejó el libro"
rm -rf "$libro"

if [ "$GUI" = ON ]; then
    [ -x /opt/tarvelon/tarvelon ] || fallo "falta el programa tarvelon"
    if ldd /opt/tarvelon/tarvelon | grep -q 'not found'; then
        fallo "al programa le faltan bibliotecas: $(ldd /opt/tarvelon/tarvelon | grep 'not found')"
    fi
    if command -v desktop-file-validate >/dev/null 2>&1; then
        desktop-file-validate /usr/share/applications/tarvelon.desktop || fallo "entrada de escritorio no válida"
    fi
fi

apt-get remove -y -qq tarvelon >/dev/null
instalado=0
[ ! -e /opt/tarvelon/tarvelon-datos ] && [ ! -e /usr/bin/tarvelon-datos ] || fallo "quedan ficheros tras retirar el paquete"
echo "paquete: instalado, probado y retirado" >&2
