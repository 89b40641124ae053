#!/usr/bin/env python3
"""Every deliberate fault of ci/mutantes.txt still applies: its file exists and
its original text occurs there exactly once. Quick, so CI runs it on every
change; the faults themselves are run by ci/mutantes.sh."""
import os
import sys

raiz = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
bloques = []
actual = None
with open(os.path.join(raiz, 'ci', 'mutantes.txt'), encoding='utf-8') as f:
    for linea in f:
        linea = linea.rstrip('\n')
        if linea.startswith('@ '):
            fichero, _, que = linea[2:].partition(' | ')
            actual = {'fichero': fichero.strip(), 'que': que, 'original': []}
            bloques.append(actual)
        elif actual is not None and (linea.startswith('- ') or linea == '-'):
            actual['original'].append(linea[2:])

malos = 0
for b in bloques:
    ruta = os.path.join(raiz, b['fichero'])
    if not os.path.isfile(ruta):
        print(f"{b['fichero']}: no existe ({b['que']})")
        malos += 1
        continue
    with open(ruta, encoding='utf-8') as f:
        veces = f.read().count('\n'.join(b['original']))
    if veces != 1:
        print(f"{b['fichero']}: el texto original aparece {veces} veces ({b['que']})")
        malos += 1
print(f'{len(bloques)} fallos deliberados; {malos} no se aplican una sola vez')
sys.exit(1 if malos else 0)
