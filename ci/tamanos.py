#!/usr/bin/env python3
"""Windows and the tool stay readable: no function in windows/ or cli/ over 60
lines, no file in windows/ over 400, the main window's file under 250. A
function is counted from its signature to its closing brace, as clang-format
lays them out (the opening brace alone on a line at the left edge)."""
import glob
import os
import sys

raiz = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
avisos = []


def funciones(ruta):
    lineas = open(ruta, encoding='utf-8').read().split('\n')
    i = 0
    while i < len(lineas):
        anterior = lineas[i - 1] if i else ''
        if lineas[i] == '{' and not anterior.startswith(('namespace', 'struct', 'class', 'enum')) and '=' not in anterior:
            inicio = i - 1
            while inicio > 0 and lineas[inicio - 1].strip() and not lineas[inicio - 1].strip().endswith((';', '}', '{')) \
                    and not lineas[inicio - 1].startswith(('//', '#')):
                inicio -= 1
            fin = i + 1
            while fin < len(lineas) and lineas[fin] != '}' and not lineas[fin].startswith('};'):
                fin += 1
            yield inicio + 1, fin - inicio + 1, lineas[inicio].strip()
            i = fin
        i += 1


for carpeta in ('windows', 'cli'):
    for ruta in sorted(glob.glob(os.path.join(raiz, carpeta, '*.cpp')) + glob.glob(os.path.join(raiz, carpeta, '*.h'))):
        nombre = os.path.relpath(ruta, raiz)
        for linea, n, firma in funciones(ruta):
            if n > 60:
                avisos.append(f'{nombre}:{linea}: función de {n} líneas: {firma[:70]}')
        total = sum(1 for _ in open(ruta, encoding='utf-8'))
        if carpeta == 'windows' and total > 400:
            avisos.append(f'{nombre}: {total} líneas (más de 400)')
inicio = sum(1 for _ in open(os.path.join(raiz, 'windows', 'Inicio.cpp'), encoding='utf-8'))
if inicio >= 250:
    avisos.append(f'windows/Inicio.cpp: {inicio} líneas (250 o más)')
print('\n'.join(avisos) if avisos else 'tamaños: funciones y ficheros dentro de sus límites')
sys.exit(1 if avisos else 0)
