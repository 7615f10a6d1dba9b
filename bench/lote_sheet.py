#!/usr/bin/env python3
"""A planner's sheet for tendencia-lote's benchmark: SERIES monthly series of
VALUES values each (1000 and 144 by default), one column per product, as a
Spanish spreadsheet saves it (";" and decimal commas). Each series is a trend
(a level and a drift), a yearly season added or in proportion to the level,
and noise; the same seed gives the same sheet on every machine.

    lote_sheet.py [SERIES [VALUES]] > hoja.csv
"""
import math
import random
import sys

series = int(sys.argv[1]) if len(sys.argv) > 1 else 1000
values = int(sys.argv[2]) if len(sys.argv) > 2 else 144
rng = random.Random(2026)
shapes = []
for _ in range(series):
    shapes.append((rng.uniform(50, 500), rng.uniform(-0.5, 2), rng.uniform(0, 0.3),
                   rng.uniform(0, 2 * math.pi), rng.uniform(1, 10), rng.random() < 0.5))
print(";".join(["Mes"] + ["Producto %d" % (j + 1) for j in range(series)]))
for i in range(values):
    cells = ["%d-%02d" % (1990 + i // 12, i % 12 + 1)]
    for level, drift, swing, phase, noise, proportional in shapes:
        trend = level + drift * i
        season = swing * math.sin(2 * math.pi * i / 12 + phase)
        value = trend * (1 + season) if proportional else trend + season * level
        cells.append(("%.2f" % (value + rng.gauss(0, noise))).replace(".", ","))
    print(";".join(cells))
