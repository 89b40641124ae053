#!/bin/sh
# Gives the test machine a real default printer: CUPS with the PDF printer,
# whose jobs end up as PDF files that the printing tests can inspect.
# Needs root (or sudo without a password). Safe to run again: it only adds
# what is missing. Without the rights it says so and leaves the machine as it
# is; the printing test then skips itself.
set -eu

export DEBIAN_FRONTEND=noninteractive

if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        exec sudo -n "$0" "$@"
    fi
    echo "impresora.sh: sin permisos de administrador; no se instala la impresora PDF" >&2
    exit 0
fi

faltan=""
for p in cups printer-driver-cups-pdf poppler-utils; do
    dpkg -s "$p" >/dev/null 2>&1 || faltan="$faltan $p"
done
if [ -n "$faltan" ]; then
    # The caller may have refreshed the package lists already.
    [ -n "${APT_ACTUALIZADO:-}" ] || apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $faltan >/dev/null
fi

# Every job lands in one known folder, whoever sends it.
salida=/var/spool/cups-pdf
conf=/etc/cups/cups-pdf.conf
if [ -f "$conf" ]; then
    sed -i -e 's|^#\{0,1\}Out .*|Out '"$salida"'/${USER}|' \
           -e 's|^#\{0,1\}AnonDirName .*|AnonDirName '"$salida"'/ANONYMOUS|' "$conf"
fi
mkdir -p "$salida"

# The scheduler: started here when it is not running (no init system in CI).
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    /usr/sbin/cupsd
    i=0
    until lpstat -r 2>/dev/null | grep -q 'is running'; do
        i=$((i + 1))
        [ "$i" -gt 50 ] && { echo "cupsd no arranca" >&2; exit 1; }
        sleep 0.2
    done
fi

if ! lpstat -p PDF >/dev/null 2>&1; then
    ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n 1 || true)
    if [ -n "$ppd" ]; then
        lpadmin -p PDF -E -v cups-pdf:/ -P "$ppd"
    else
        lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
    fi
fi
cupsenable PDF 2>/dev/null || true
cupsaccept PDF 2>/dev/null || true
lpoptions -d PDF >/dev/null
lpadmin -d PDF

lpstat -d
