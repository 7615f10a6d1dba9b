#!/usr/bin/python3
"""tendencia-ajuste beside an independent fitter, SciPy's curve_fit (MINPACK's
Levenberg-Marquardt), on the example series and on series made from known
coefficients plus noise: coefficient by coefficient, the residual sum of
squares, and how long each takes.

    /usr/bin/python3 tools/compare_with_scipy.py build/tendencia-ajuste

Needs Debian's python3-scipy (the system Python, hence /usr/bin/python3).
SciPy starts from the coefficients the series was made from (for the example,
from 120, 15, 0.9), so it does not share tendencia-ajuste's starting values.
"""
import math
import os
import subprocess
import sys
import tempfile
import time

import numpy as np
from scipy.optimize import curve_fit

GROUPS = {
    "constante": [0], "potencia": [1, 2], "potencia2": [3, 4],
    "exponencial": [5, 6], "logaritmo": [7, 8], "coseno": [9, 10, 11],
    "coseno2": [12, 13, 14], "hiperbola": [15, 16], "logistica": [17, 18, 19, 20],
    "logistica2": [21, 22, 23, 24],
}


def trend(b, x):
    """F(X), written here again from its formula, not from the C++ code."""
    return (b[0] + b[1] * x ** b[2] + b[3] * x ** b[4] + b[5] * np.exp(b[6] * x)
            + b[7] * np.log(x + b[8]) + b[9] * np.cos(b[10] * x + b[11])
            + b[12] * np.cos(b[13] * x + b[14]) + b[15] * x / (b[16] + x)
            + b[17] * np.exp(b[18] * x) / (1 + b[19] * np.exp(b[20] * x))
            + b[21] * np.exp(b[22] * x) / (1 + b[23] * np.exp(b[24] * x)))


def model(indices):
    def f(x, *p):
        b = [0.0] * 25
        for k, v in zip(indices, p):
            b[k] = v
        return trend(b, x)
    return f


def made_series(truth, n, noise, seed):
    b = [0.0] * 25
    for k, v in truth.items():
        b[k] = v
    x = np.arange(1, n + 1, dtype=float)
    return trend(b, x) + noise * np.random.default_rng(seed).standard_normal(n)


STEP = math.exp(-6.0)
CASES = [
    # name, terms, truth (or SciPy's start), n, noise
    ("ventas (ejemplo)", ["constante", "potencia"], {0: 120, 1: 15, 2: 0.9}, None, None),
    ("constante potencia coseno", ["constante", "potencia", "coseno"],
     {0: 100, 1: 5, 2: 0.8, 9: 8, 10: 2 * math.pi / 12, 11: 1}, 60, 1.0),
    ("constante exponencial", ["constante", "exponencial"], {0: 50, 5: 40, 6: -0.1}, 40, 0.5),
    ("constante logistica", ["constante", "logistica"],
     {0: 20, 17: 100 * STEP, 18: 0.3, 19: STEP, 20: 0.3}, 40, 1.0),
    ("constante hiperbola", ["constante", "hiperbola"], {0: 20, 15: 100, 16: 10}, 30, 0.5),
    ("constante logaritmo", ["constante", "logaritmo"], {0: 10, 7: 20, 8: 5}, 30, 0.2),
]


def main(program, examples):
    rows = []
    with tempfile.TemporaryDirectory() as folder:
        for number, (name, terms, truth, n, noise) in enumerate(CASES):
            if n is None:
                with open(os.path.join(examples, "Dventas.TXT"), "rb") as f:
                    data = f.read()
                y = np.array([float(line.split()[1]) for line in data.splitlines()[1:] if line.strip()])
                problem = "ventas"
            else:
                y = made_series(truth, n, noise, 1000 + number)
                problem = "s%d" % number
                data = "Periodo NUMERO\n" + "".join(
                    "%d %r\n" % (i + 1, v) for i, v in enumerate(y.tolist()))
                data = data.encode()
            with open(os.path.join(folder, "D%s.TXT" % problem), "wb") as f:
                f.write(data)
            started = time.perf_counter()
            out = subprocess.run([program, problem] + terms + ["--respuestas"], cwd=folder,
                                 capture_output=True, text=True, check=True).stdout
            ours_seconds = time.perf_counter() - started
            ours = [float(v) for v in out.split()]

            indices = sorted(k for t in terms for k in GROUPS[t])
            x = np.arange(1, len(y) + 1, dtype=float)
            start = [truth.get(k, 0.0) for k in indices]
            started = time.perf_counter()
            fitted, _ = curve_fit(model(indices), x, y, p0=start, method="lm", xtol=1e-15,
                                  ftol=1e-15, gtol=1e-15, maxfev=100000)
            scipy_seconds = time.perf_counter() - started
            theirs = [0.0] * 25
            for k, v in zip(indices, fitted):
                theirs[k] = float(v)
            rss_ours = float(np.sum((trend(ours, x) - y) ** 2))
            rss_theirs = float(np.sum((trend(theirs, x) - y) ** 2))
            rows.append((name, len(y), indices, ours, theirs, rss_ours, rss_theirs,
                         ours_seconds, scipy_seconds))

    print("| serie | N | b | tendencia-ajuste | SciPy curve_fit | diferencia relativa |")
    print("|---|---|---|---|---|---|")
    for name, n, indices, ours, theirs, rss_ours, rss_theirs, _, _ in rows:
        for k in indices:
            d = abs(ours[k] - theirs[k]) / max(abs(theirs[k]), 1e-300)
            print("| %s | %d | b%d | %.10g | %.10g | %.1e |" % (name, n, k, ours[k], theirs[k], d))
        print("| %s | %d | RSS | %.12g | %.12g | %.1e |" % (
            name, n, rss_ours, rss_theirs, (rss_ours - rss_theirs) / rss_theirs))
    print()
    print("| serie | tendencia-ajuste (programa entero) | SciPy curve_fit (solo el ajuste) |")
    print("|---|---|---|")
    for name, _, _, _, _, _, _, ours_seconds, scipy_seconds in rows:
        print("| %s | %.3f s | %.3f s |" % (name, ours_seconds, scipy_seconds))


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    main(os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                         os.path.join(here, "..", "build", "tendencia-ajuste")),
         os.path.join(here, "..", "examples"))
