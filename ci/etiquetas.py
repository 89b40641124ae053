#!/usr/bin/env python3
"""Field labels written more than once: every string literal of the product
(*.cpp, *.h outside tests/, fuzz/ and bench/) that names a field of the table
in model/TablaCampos.cpp, as its label or caption (a trailing ": " and blanks
aside), anywhere but in the table. Prints them and exits 1 when there is one."""
import pathlib
import re
import subprocess
import sys

raiz = pathlib.Path(__file__).resolve().parent.parent
tabla = (raiz / "model/TablaCampos.cpp").read_text(encoding="utf-8")
literal = re.compile(r'"((?:[^"\\]|\\.)*)"')

etiquetas = {}
cuerpo = tabla[tabla.index("kTabla = {"):tabla.index("#undef")]
for m in re.finditer(r"(DATO|CAJA|CAMPO)\((\w+),(.*?)\),\n|FilaCampo\{\"(\w+)\",(.*?)\},\n", cuerpo, re.S):
    clave = m.group(2) or m.group(4)
    textos = literal.findall(m.group(3) or m.group(5))
    if m.group(1) == "CAJA":
        textos = textos[1:]
    elif m.group(4):
        textos = textos[:3] + textos[4:]  # the box suffix is no label
    nombre, unidad = textos[0], textos[1]
    if nombre:
        etiquetas[nombre + (f" ({unidad})" if unidad else "")] = clave
    for t in textos[2:]:
        if t.strip():
            etiquetas[t.strip()] = clave

if len(set(etiquetas.values())) < 80:
    sys.exit("la tabla de campos no se ha podido leer")
ficheros = subprocess.run(["git", "ls-files", "*.cpp", "*.h"], cwd=raiz, capture_output=True, text=True).stdout.split()
repetidas = []
for f in ficheros:
    if f.split("/")[0] in ("tests", "fuzz", "bench") or f == "model/TablaCampos.cpp":
        continue
    for n, linea in enumerate((raiz / f).read_text(encoding="utf-8", errors="replace").splitlines(), 1):
        if linea.lstrip().startswith("//"):
            continue
        for t in literal.findall(linea):
            t = t.rstrip().rstrip(":").rstrip()
            if t in etiquetas:
                repetidas.append(f"{f}:{n}: «{t}» ({etiquetas[t]})")
print(f"{len(etiquetas)} etiquetas y rótulos en la tabla; {len(repetidas)} escritos también fuera de ella")
print("\n".join(repetidas))
sys.exit(1 if repetidas else 0)
