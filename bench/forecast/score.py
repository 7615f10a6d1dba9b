#!/usr/bin/env python3
"""Runs our pipeline on the benchmark's series and scores it beside R's forecasts.

Usage: score.py BUILD_FOLDER WORK_FOLDER
WORK_FOLDER holds series.csv, r_forecasts.csv and r_failures.csv written by
r_forecasts.R; each of our runs gets a scratch folder inside it, and the
tables are printed and written to WORK_FOLDER/results.md.
"""
import csv
import math
import os
import statistics
import subprocess
import sys
import time
from collections import defaultdict

LEVEL = 95
ALPHA = 1 - LEVEL / 100
# A hung run counts as a failure; no run of a sound pipeline comes near this.
RUN_SECONDS_LIMIT = 600

# Our methods: the arguments of tendencia-ajuste after the problem name. With
# --respuestas the script around the coefficients is built here, with the
# Student t of R's qt() when tendencia asks for one (more than 32 values).
OURS = [
    ("ours: --automatico --datos, calibrated t",
     ["--automatico", "--datos", "datos", "--periodo", "{period}", "--guion", "{h}", "1",
      "--t-calibrada"]),
    ("ours: --automatico on the series itself, calibrated t",
     ["--automatico", "--periodo", "{period}", "--guion", "{h}", "1", "--t-calibrada"]),
    ("ours: --automatico --datos, Student t",
     ["--automatico", "--datos", "datos", "--periodo", "{period}", "--guion", "{h}", "1"]),
    ("ours: constante potencia", ["constante", "potencia", "--respuestas"]),
    ("ours: constante potencia coseno coseno2",
     ["constante", "potencia", "coseno", "coseno2", "--respuestas"]),
]
R_METHODS = ["ets", "auto.arima", "thetaf", "naive", "comb"]
KINDS = ["yearly", "quarterly", "monthly", "daily", "other"]
# The series of the benchmark's first version, before it grew: their figures
# are printed apart so a change can be set beside the earlier runs.
FIRST_SERIES = ["Nile", "airmile", "lynx", "sunyear", "huron", "discov", "UKgas", "JohnJoh",
                "austres", "woolyrn", "AirPass", "co2", "nottem", "ldeaths", "UKDrive", "USAccDe",
                "gas", "sunspot", "WWWusag", "BJsales", "lh"]

# The groups of F(X), by the coefficients b0..b24 they own.
GROUPS = [("constante", 0, 1), ("potencia", 1, 3), ("potencia2", 3, 5), ("exponencial", 5, 7),
          ("logaritmo", 7, 9), ("coseno", 9, 12), ("coseno2", 12, 15), ("hiperbola", 15, 17),
          ("logistica", 17, 21), ("logistica2", 21, 25)]


class Failure(Exception):
    pass


def read_series(work):
    series = {}
    with open(os.path.join(work, "series.csv"), newline="") as f:
        for row in csv.DictReader(f):
            s = series.setdefault(row["name"], {"name": row["name"], "kind": row["kind"],
                                                "h": int(row["h"]), "period": int(row["period"]),
                                                "t95": float(row["t95"]), "values": []})
            s["values"].append(float(row["value"]))
    for s in series.values():
        s["train"], s["test"] = s["values"][:-s["h"]], s["values"][-s["h"]:]
    return list(series.values())


def read_r_forecasts(work):
    forecasts, failures, models, seconds = defaultdict(list), {}, {}, defaultdict(float)
    with open(os.path.join(work, "r_forecasts.csv"), newline="") as f:
        for row in csv.DictReader(f):
            forecasts[row["method"], row["name"]].append(
                (float(row["mean"]), float(row["lower"]), float(row["upper"])))
            models[row["method"], row["name"]] = row["model"]
            seconds[row["method"], row["name"]] = float(row["seconds"])
    with open(os.path.join(work, "r_failures.csv"), newline="") as f:
        for row in csv.DictReader(f):
            failures[row["method"], row["name"]] = row["message"]
    return forecasts, failures, models, seconds


def run(command, folder, stdin_text=""):
    env = dict(os.environ, LC_ALL="C")
    try:
        done = subprocess.run(command, cwd=folder, input=stdin_text.encode(), capture_output=True,
                              env=env, timeout=RUN_SECONDS_LIMIT)
    except subprocess.TimeoutExpired:
        raise Failure(f"{os.path.basename(command[0])}: no termina en {RUN_SECONDS_LIMIT} s")
    # Kept for reading what a run said (the ranking of --automatico, warnings).
    with open(os.path.join(folder, os.path.basename(command[0]) + ".stderr"), "wb") as f:
        f.write(done.stderr)
    if done.returncode != 0:
        message = done.stderr.decode("utf-8", "replace").strip().replace("\n", " / ")
        raise Failure(f"{os.path.basename(command[0])} (exit {done.returncode}): {message}")
    return done.stdout.decode("utf-8", "replace")


def write_data_file(folder, s):
    os.makedirs(folder, exist_ok=True)
    lines = [f"Periodo  {s['name']}"] + [f"{i} {v!r}" for i, v in enumerate(s["train"], 1)]
    with open(os.path.join(folder, f"D{s['name']}.TXT"), "w", newline="") as f:
        f.write("\r\n".join(lines) + "\r\n")


def answers_for(build, folder, s, arguments):
    """The lines tendencia reads, the problem they name, and what they say: the
    data and terms in use and the t."""
    ajuste = os.path.join(build, "tendencia-ajuste")
    filled = [a.format(h=s["h"], period=s["period"]) for a in arguments]
    output = run([ajuste, s["name"]] + filled, folder)
    if "--respuestas" in arguments:
        coefficients = output.split()
        problem = s["name"]
        script = [problem, str(s["h"]), str(LEVEL)] + coefficients
        t = repr(s["t95"]) if len(s["train"]) > 32 else None
        script += ([t] if t else []) + ["1"]
        script = "\n".join(script) + "\n"
    else:
        # Exactly what the pipe would carry: name, h, level, b0..b24, [t], start.
        script = output
        lines = output.splitlines()
        problem = lines[0]
        coefficients = lines[3:28]
        t = lines[28] if len(lines) == 30 else None
    terms = [g for g, first, end in GROUPS if any(float(b or 0) != 0 for b in coefficients[first:end])]
    data = data_title(folder, problem)
    return script, problem, (data + ": " if problem != s["name"] else "") + " ".join(terms), t


def data_title(folder, problem):
    """The name of the series in the data file's title line ("log(...)", "..., últimos 60")."""
    with open(os.path.join(folder, f"D{problem}.TXT"), encoding="cp1252", newline="") as f:
        title = f.readline().strip()
    parts = title.split("  ")
    return parts[-1].strip()


def projected_rows(folder, s, problem):
    with open(os.path.join(folder, f"E{problem}.TXT"), encoding="cp1252", newline="") as f:
        rows = [line.split() for line in f.read().split("\r\n") if line.strip()]
    projected = rows[-s["h"]:]
    if len(projected) != s["h"] or any(len(r) != 4 for r in projected):
        raise Failure(f"el informe E{problem}.TXT no acaba en {s['h']} filas proyectadas")
    # Start 1 makes period labels of the X values; other labels mean an answer
    # was read as another question (a t taken as the number of points).
    expected = [str(len(s["train"]) + j) for j in range(1, s["h"] + 1)]
    if [r[0] for r in projected] != expected:
        raise Failure(f"periodos proyectados {projected[0][0]}.. en E{problem}.TXT, "
                      f"no {expected[0]}..")
    try:
        numbers = [tuple(float(x) for x in r[1:]) for r in projected]
    except ValueError:
        raise Failure(f"filas proyectadas no numéricas en E{problem}.TXT: {projected[0]}")
    if not all(math.isfinite(x) for r in numbers for x in r):
        raise Failure(f"valores no finitos en E{problem}.TXT")
    # A data file of logarithms: the projection and its bounds in the series'
    # own units, as tendencia-grafico shows them.
    if data_title(folder, problem).startswith("log("):
        numbers = [tuple(math.exp(x) for x in r) for r in numbers]
    return numbers


def our_forecast(build, work, label, arguments, s):
    method_folder = "_".join("".join(c if c.isalnum() else " " for c in label[len("ours: "):]).split())
    folder = os.path.join(work, "runs", method_folder, s["name"])
    write_data_file(folder, s)
    for old in os.listdir(folder):
        if old.startswith("E") and old.endswith(".TXT"):
            os.remove(os.path.join(folder, old))
    script, problem, terms, t = answers_for(build, folder, s, arguments)
    run([os.path.join(build, "tendencia")], folder, script)
    return projected_rows(folder, s, problem), terms, t


def scores(s, forecast):
    """MASE, coverage and MSIS as the M4 competition defines them."""
    train, test, m = s["train"], s["test"], s["period"]
    scale = statistics.fmean(abs(train[i] - train[i - m]) for i in range(m, len(train)))
    mase = statistics.fmean(abs(y - mean) for y, (mean, _, _) in zip(test, forecast)) / scale
    inside = statistics.fmean(1.0 if lo <= y <= up else 0.0 for y, (_, lo, up) in zip(test, forecast))
    penalty = [up - lo + (2 / ALPHA) * max(lo - y, 0) + (2 / ALPHA) * max(y - up, 0)
               for y, (_, lo, up) in zip(test, forecast)]
    return mase, inside, statistics.fmean(penalty) / scale


def collect(build, work, series):
    r_forecasts, r_failures, r_models, r_seconds = read_r_forecasts(work)
    results = {}  # (method, series) -> dict(score=(...), note=...) or dict(failure=...)
    for method in R_METHODS:
        for s in series:
            key = (method, s["name"])
            if key in r_forecasts:
                results[key] = {"score": scores(s, r_forecasts[key]), "note": r_models[key]}
            else:
                results[key] = {"failure": r_failures.get(key, "sin pronóstico")}
            results[key]["seconds"] = r_seconds[key]
    for label, arguments in OURS:
        for s in series:
            started = time.monotonic()
            try:
                forecast, terms, t = our_forecast(build, work, label, arguments, s)
                note = terms + (f"; t = {float(t):.3g}" if t else "")
                results[label, s["name"]] = {"score": scores(s, forecast), "note": note}
            except (Failure, OSError, IndexError, ValueError) as e:
                results[label, s["name"]] = {"failure": str(e)}
            r = results[label, s["name"]]
            r["seconds"] = time.monotonic() - started
            shown = r.get("failure") or "MASE %.2f, coverage %.0f %%" % (r["score"][0], 100 * r["score"][1])
            print(f"{label}, {s['name']}: {shown}", file=sys.stderr)
    return results


def figures(method, series, results):
    """Median and mean MASE, mean coverage, mean MSIS and failures of one method."""
    done = [results[method, s["name"]]["score"] for s in series if "score" in results[method, s["name"]]]
    failed = len(series) - len(done)
    if not done:
        return None, failed
    mase, inside, msis = zip(*done)
    return (statistics.median(mase), statistics.fmean(mase), statistics.fmean(inside),
            statistics.fmean(msis)), failed


def summary_table(methods, series, results):
    lines = ["| method | median MASE | mean MASE | mean coverage of the 95 % interval | mean MSIS | failed "
             "| seconds, all series |", "|---|---|---|---|---|---|---|"]
    for method in methods:
        seconds = sum(results[method, s["name"]]["seconds"] for s in series)
        shown, failed = figures(method, series, results)
        if shown is None:
            lines.append(f"| {method} | – | – | – | – | {failed}/{len(series)} | {seconds:.0f} |")
            continue
        median, mean, inside, msis = shown
        lines.append(f"| {method} | {median:.2f} | {mean:.2f} | {100 * inside:.1f} % | {msis:.1f} | "
                     f"{failed}/{len(series)} | {seconds:.0f} |")
    return lines


def kind_table(methods, series, results):
    """Each method's figures on each kind of series: median MASE / coverage / mean MSIS."""
    kinds = [k for k in KINDS if any(s["kind"] == k for s in series)]
    lines = ["| method | " + " | ".join(f"{k} ({sum(s['kind'] == k for s in series)})" for k in kinds) + " |",
             "|---|" + "---|" * len(kinds)]
    for method in methods:
        cells = []
        for kind in kinds:
            shown, failed = figures(method, [s for s in series if s["kind"] == kind], results)
            cells.append("–" if shown is None else
                         f"{shown[0]:.2f} / {100 * shown[2]:.0f} % / {shown[3]:.1f}" +
                         (f" ({failed} failed)" if failed else ""))
        lines.append(f"| {method} | " + " | ".join(cells) + " |")
    return lines


# What our whole pipeline must reach: coverage overall and on every kind,
# median MASE (and below the naive forecast's), mean MSIS, failures.
TARGETS = {"coverage": 0.90, "kind coverage": 0.85, "median MASE": 1.15, "MSIS": 20.0, "failed": 0}


def target_lines(series, results):
    """Our first method against the targets, each met or not."""
    method = OURS[0][0]
    shown, failed = figures(method, series, results)
    median, _, inside, msis = shown if shown else (math.inf, math.inf, 0.0, math.inf)
    naive, _ = figures("naive", series, results)
    checks = [("mean coverage", 100 * inside, ">=", 100 * TARGETS["coverage"]),
              ("median MASE", median, "<=", TARGETS["median MASE"]),
              ("median MASE below the naive forecast's", median, "<", naive[0] if naive else math.inf),
              ("mean MSIS", msis, "<=", TARGETS["MSIS"]),
              ("failed series", failed, "<=", TARGETS["failed"])]
    for kind in KINDS:
        kind_shown, _ = figures(method, [s for s in series if s["kind"] == kind], results)
        if kind_shown:
            checks.append((f"mean coverage, {kind}", 100 * kind_shown[2], ">=",
                           100 * TARGETS["kind coverage"]))
    lines = [f"Targets for {method}:"]
    for name, value, relation, target in checks:
        met = {">=": value >= target, "<=": value <= target, "<": value < target}[relation]
        shown_value = f"{value:.2f}" if isinstance(value, float) else str(value)
        lines.append(f"- {name} {shown_value} {relation} {target:.4g}: {'met' if met else 'NOT met'}")
    return lines


def series_table(methods, series, results):
    lines = ["| series | kind | n | h | " + " | ".join(methods) + " |",
             "|---|---|---|---|" + "---|" * len(methods)]
    for s in series:
        cells = []
        for method in methods:
            r = results[method, s["name"]]
            if "failure" in r:
                cells.append("FAILED")
            else:
                mase, inside, msis = r["score"]
                cells.append(f"{mase:.2f} / {100 * inside:.0f} % / {msis:.1f}")
        lines.append(f"| {s['name']} | {s['kind']} | {len(s['train'])} | {s['h']} | " +
                     " | ".join(cells) + " |")
    return lines


def ours_against_ets(series, results):
    """Our first method beside ets, series by series, with what our run chose."""
    ours = OURS[0][0]
    lines = [f"| series | ets MASE | ets coverage | ours MASE | ours coverage | ours MSIS | {ours}: terms; t |",
             "|---|---|---|---|---|---|---|"]
    for s in series:
        cells = []
        for method in ("ets", ours):
            r = results[method, s["name"]]
            if "failure" in r:
                cells += ["FAILED", "", ""] if method == ours else ["FAILED", ""]
                continue
            mase, inside, msis = r["score"]
            cells += [f"{mase:.2f}", f"{100 * inside:.0f} %"] + ([f"{msis:.1f}"] if method == ours else [])
        r = results[ours, s["name"]]
        cells.append(r.get("note") or "FAILED: " + r["failure"])
        lines.append(f"| {s['name']} | " + " | ".join(cells) + " |")
    return lines


def notes_and_failures(methods, series, results):
    lines = []
    for method in methods:
        for s in series:
            r = results[method, s["name"]]
            text = f"FAILED: {r['failure']}" if "failure" in r else r["note"]
            lines.append(f"- {method}, {s['name']}: {text}")
    return lines


def main():
    build, work = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    series = read_series(work)
    results = collect(build, work, series)
    methods = R_METHODS + [label for label, _ in OURS]
    first = [s for s in series if s["name"] in FIRST_SERIES]
    report = (["## Summary", ""] + summary_table(methods, series, results) + [""] +
              target_lines(series, results) +
              ["", "## By kind (median MASE / mean coverage / mean MSIS)", ""] +
              kind_table(methods, series, results) +
              ["", f"## The {len(first)} series of the first benchmark", ""] +
              summary_table(methods, first, results) +
              ["", "## Per series (MASE / coverage / MSIS)", ""] + series_table(methods, series, results) +
              ["", "## Ours against ets", ""] + ours_against_ets(series, results) +
              ["", "## Models chosen and failures", ""] + notes_and_failures(methods, series, results))
    with open(os.path.join(work, "results.md"), "w") as f:
        f.write("\n".join(report) + "\n")
    print("\n".join(summary_table(methods, series, results) + [""] + kind_table(methods, series, results) +
                    [""] + target_lines(series, results)))
    print(f"\nPer-series scores, models and failures: {os.path.join(work, 'results.md')}")


if __name__ == "__main__":
    main()
