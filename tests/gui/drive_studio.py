#!/usr/bin/env python3
"""Drives tendencia-estudio under Xvfb and a window manager with real keystrokes (xdotool).

    drive_studio.py MODE BIN_DIR EXAMPLES SHOTS

MODE is one of complete, automatic, run-failure, choose-file, step-dialogue,
long-series, calibrated-t, bad-csv, other-data-file, dated-series, command-line; each
uses the arguments it needs.

BIN_DIR holds tendencia-estudio and the programs it is compared with
(tendencia, tendencia-importar, tendencia-ajuste, tendencia-grafico).

complete: the example CSV opened from the command line with its terms, points,
level and initial period, then Ctrl+J, Ctrl+P, Ctrl+S, Ctrl+Q. The data file,
report and chart files must equal, byte for byte, what the terminal programs
write in a copy of the folder (tendencia-importar, tendencia-ajuste ... --guion
piped into tendencia, tendencia-grafico --csv); the window's
chart must fill its part of the window, also after the window is made larger.
automatic: "Automático" gives the report of tendencia-ajuste --automatico --guion.
step-dialogue: the button starts tendencia-gui, whose run writes its report in
the data file's folder, not where the studio was started.
long-series: 40 values, so the run asks for t: the window's t is the one
tendencia-ajuste --guion writes, and the report is the same byte for byte.
calibrated-t: the same as the fit leaves it, "calibrada" ticked because its t is wider
than Student's: --guion --t-calibrada's t (unticked, long-series: --guion's).
choose-file: --elegir-fichero shows the chooser first; cancelled, nothing is
opened or written; Ctrl+O cancelled keeps the file that was open.
run-failure: a run that stops shows the terminal program's text and keeps the
same lines; Guardar saves nothing.
bad-csv: a CSV file the importer refuses: the importer's own message, and not
one file written.
other-data-file: the folder already holds a data file of that name with
another series: Ctrl+P asks; keeping it writes nothing, replacing it writes the
open series and the report.
dated-series: AirPassengers as R's write.csv2 writes it (a "Mes" column 1949-01 ...),
"Automático" and 24 points: the initial period proposed is 1, and the data file, report and
chart files equal the terminal programs' (their table's periods run 1949-01 ... 1962-12).
save-in-background: Guardar runs tendencia-grafico while the window goes on:
with a tendencia-grafico that never ends, the window still opens its file
chooser, refuses to project or save again until the chart is saved (the
report stays as the chart program reads it), and reports the end when it comes.
command-line: --help, --version, and a wrong command line (exit 2, usage line).

Any missing piece (no Xvfb, no window manager, no xdotool, a window that never
shows) is a failure, never a skip.
"""
import math
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from drive_desktop import STARTED, STEP_TIMEOUT, Desktop, fail, start_display, stop_started  # noqa: E402


def quit_studio(studio):
    """Ctrl+Q, then the window must end with status 0; returns its stderr."""
    studio.keys("ctrl+q")
    status, _, err = studio.finish()
    if status != 0:
        fail("exit status %d, stderr %r" % (status, err))
    return err


TITLE = "Tendencia - estudio"
WINDOW_MANAGER = "openbox"
# The chart's own colours (chart/fan_chart.h), as 8-bit values; the band is
# drawn at 60 % over white.
OBSERVED = (26, 77, 153)
TREND = (204, 64, 26)


def start_window_manager(env):
    if shutil.which(WINDOW_MANAGER) is None:
        fail(WINDOW_MANAGER + " is not installed")
    manager = subprocess.Popen([WINDOW_MANAGER, "--sm-disable"], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    STARTED.append(manager)
    time.sleep(0.5)


class Studio(Desktop):
    def __init__(self, env, bin_dir, cwd, arguments=()):
        super().__init__(env, os.path.join(bin_dir, "tendencia-estudio"), cwd, arguments)
        self.window = self.next_box("the studio window", caption=TITLE)

    def keys(self, *keys):
        self.xdotool("windowfocus", "--sync", self.window)
        for key in keys:
            self.xdotool("key", key)

    def shot(self, path):
        time.sleep(0.3)  # let it draw
        self.screenshot(self.window, path)


def wait_for_file(path, what):
    deadline = time.time() + STEP_TIMEOUT
    while time.time() < deadline:
        if os.path.exists(path):
            time.sleep(0.3)
            return
        time.sleep(0.05)
    fail("%s was never written" % what)


def pixels(path):
    """(width, height, rgb bytes) of an image, through ImageMagick's PPM."""
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True,
                          check=True).stdout
    fields = []
    at = 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        start = at
        while not data[at:at + 1].isspace():
            at += 1
        fields.append(data[start:at])
    return int(fields[1]), int(fields[2]), data[at + 1:]


def chart_box(path):
    """Left, top, right and bottom, in pixels, of the chart's lines and their legend: colours
    only the chart draws."""
    width, height, rgb = pixels(path)
    xs, ys = [], []
    for y in range(height):
        row = rgb[3 * width * y:3 * width * (y + 1)]
        for x in range(0, width, 2):
            pixel = tuple(row[3 * x:3 * x + 3])
            if any(all(abs(p - c) <= 12 for p, c in zip(pixel, colour))
                   for colour in (OBSERVED, TREND)):
                xs.append(x)
                ys.append(y)
    if not xs:
        fail("no chart in %s" % path)
    return min(xs), min(ys), max(xs), max(ys)


def chart_extent(path):
    """The share of the screenshot's width and height that the chart's lines and legend span."""
    width, height, _ = pixels(path)
    left, top, right, bottom = chart_box(path)
    return (right - left) / width, (bottom - top) / height


def check_chart_fills(path, what):
    wide, tall = chart_extent(path)
    # The chart takes the window's lower right part, about 3/4 of its width and
    # half its height; its legend and lines span most of that.
    if wide < 0.6 or tall < 0.25:
        fail("%s: the chart's lines span only %.0f %% x %.0f %% of the window"
             % (what, 100 * wide, 100 * tall))
    return wide, tall


def run_terminal_programs(bin_dir, folder, name, script, terms=("constante", "potencia")):
    """The importer, the fit's script of answers piped into the run, and the chart, as a
    user of the terminal would: tendencia-ajuste NAME constante potencia --guion SCRIPT... | tendencia."""
    env = dict(os.environ, LC_ALL="C")

    def run(program, *arguments, stdin=None):
        return subprocess.run([os.path.join(bin_dir, program)] + list(arguments), cwd=folder,
                              input=stdin, capture_output=True, env=env, check=True).stdout
    run("tendencia-importar", name + ".csv", name)
    answers = run("tendencia-ajuste", name, *terms, "--guion", *script)
    run("tendencia", stdin=answers)
    run("tendencia-grafico", name, "--csv")


def complete(env, bin_dir, examples, shots):
    with tempfile.TemporaryDirectory() as desk, tempfile.TemporaryDirectory() as term:
        for folder in (desk, term):
            shutil.copy(os.path.join(examples, "ventas.csv"), folder)
        s = Studio(env, bin_dir, desk, ["ventas.csv", "--terminos", "constante,potencia",
                                        "--puntos", "5", "--nivel", "95", "--inicio", "2001"])
        s.shot(os.path.join(shots, "studio-opened.png"))
        if sorted(os.listdir(desk)) != ["ventas.csv"]:
            fail("opening wrote files: %r" % os.listdir(desk))
        s.keys("ctrl+j", "ctrl+p")
        wait_for_file(os.path.join(desk, "Eventas.TXT"), "Eventas.TXT")
        s.shot(os.path.join(shots, "studio-projected.png"))
        check_chart_fills(os.path.join(shots, "studio-projected.png"), "after Ctrl+P")
        s.keys("ctrl+s")
        wait_for_file(os.path.join(desk, "Gventas.CSV"), "Gventas.CSV")

        # Larger: the chart follows the window.
        s.xdotool("windowsize", "--sync", s.window, "1270", "990")
        s.shot(os.path.join(shots, "studio-resized.png"))
        width, _, _ = pixels(os.path.join(shots, "studio-resized.png"))
        if width < 1200:
            fail("the window did not grow: %d pixels wide" % width)
        check_chart_fills(os.path.join(shots, "studio-resized.png"), "after resizing")

        # The border between the panels and the chart dragged down: the chart is
        # drawn again, smaller, in what is left.
        before = chart_box(os.path.join(shots, "studio-resized.png"))
        s.xdotool("mousemove", "--window", s.window, "800", "420")
        s.xdotool("mousedown", "1")
        s.xdotool("mousemove", "--window", s.window, "800", "480")
        s.xdotool("mousemove", "--window", s.window, "800", "520")
        s.xdotool("mouseup", "1")
        s.shot(os.path.join(shots, "studio-border-dragged.png"))
        after = chart_box(os.path.join(shots, "studio-border-dragged.png"))
        if not (after[1] > before[1] + 50 and abs(after[3] - before[3]) < 40):
            fail("the chart was not redrawn below the dragged border: %r, then %r" % (before, after))

        quit_studio(s)

        run_terminal_programs(bin_dir, term, "ventas", ["5", "2001"])
        for name in ("Dventas.TXT", "Eventas.TXT", "Gventas.CSV", "Gventas.SVG", "Gventas.PNG"):
            ours = open(os.path.join(desk, name), "rb").read()
            theirs = open(os.path.join(term, name), "rb").read()
            if ours != theirs:
                fail("%s differs from the terminal programs'" % name)
        if b" 2025 " not in open(os.path.join(desk, "Eventas.TXT"), "rb").read():
            fail("the report is not complete")
    print("complete: data file, report and chart files identical to the terminal programs'; "
          "the chart fills its part of the window, also when resized")


def long_series(env, bin_dir, shots, calibrated=False):
    """More than 32 values: the run asks for t, and the window's t must be the one
    tendencia-ajuste --guion gives (with "calibrada" ticked, --guion --t-calibrada's),
    so the reports agree to the byte."""
    # A wave the power term cannot follow: errors that run together, so the
    # calibrated t is far above Student's and ticking "calibrada" shows.
    rows = "".join(("%d;%.2f\n" % (i, 50 + 3 * i + 15 * math.sin(i / 3))).replace(".", ",")
                   for i in range(1, 41))
    with tempfile.TemporaryDirectory() as desk, tempfile.TemporaryDirectory() as term:
        for folder in (desk, term):
            open(os.path.join(folder, "largo.csv"), "w").write("Mes;Ventas\n" + rows)
        s = Studio(env, bin_dir, desk, ["largo.csv", "--terminos", "constante,potencia",
                                        "--puntos", "7", "--nivel", "99", "--inicio", "1"])
        s.keys("ctrl+j")
        # The fit ticks "calibrada" by itself, its t being wider than Student's;
        # without it the user unticks it ("calibrada" stands right of the t field).
        if not calibrated:
            time.sleep(0.3)
            s.xdotool("mousemove", "--window", s.window, "1150", "103")
            s.xdotool("click", "1")
            time.sleep(0.3)
        s.keys("ctrl+p")
        wait_for_file(os.path.join(desk, "Elargo.TXT"), "Elargo.TXT")
        s.shot(os.path.join(shots, "studio-long-series.png"))
        quit_studio(s)
        run_terminal_programs(bin_dir, term, "largo", ["7", "1", "--nivel", "99"] +
                              (["--t-calibrada"] if calibrated else []))
        ours = open(os.path.join(desk, "Elargo.TXT"), "rb").read()
        if ours != open(os.path.join(term, "Elargo.TXT"), "rb").read():
            fail("Elargo.TXT differs from the terminal programs'")
        typed_t = b"20.77" if calibrated else b"2.71"
        if typed_t not in ours:
            fail("the report does not hold the t expected (%r)" % typed_t)
    print("long series: the t asked for is --guion%s's, the report identical"
          % (" --t-calibrada" if calibrated else ""))


def automatic(env, bin_dir, examples, shots):
    """"Automático": the terms tendencia-ajuste --automatico chooses, validated at the
    projection's horizon, give the same report as its --guion."""
    with tempfile.TemporaryDirectory() as desk, tempfile.TemporaryDirectory() as term:
        for folder in (desk, term):
            shutil.copy(os.path.join(examples, "ventas.csv"), folder)
        s = Studio(env, bin_dir, desk, ["ventas.csv", "--automatico", "--puntos", "5",
                                        "--inicio", "2001"])
        s.keys("ctrl+j", "ctrl+p")
        wait_for_file(os.path.join(desk, "Eventas.TXT"), "Eventas.TXT")
        s.shot(os.path.join(shots, "studio-automatic.png"))
        quit_studio(s)
        run_terminal_programs(bin_dir, term, "ventas", ["5", "2001"], terms=["--automatico"])
        if open(os.path.join(desk, "Eventas.TXT"), "rb").read() != \
                open(os.path.join(term, "Eventas.TXT"), "rb").read():
            fail("Eventas.TXT differs from tendencia-ajuste --automatico --guion's run")
    print("automatic: the same terms and report as tendencia-ajuste --automatico --guion")


def step_dialogue(env, bin_dir, examples, shots):
    """"Diálogo paso a paso…" starts tendencia-gui in the open file's folder."""
    with tempfile.TemporaryDirectory() as desk, tempfile.TemporaryDirectory() as elsewhere:
        shutil.copy(os.path.join(examples, "Dventas.TXT"), desk)
        s = Studio(env, bin_dir, elsewhere, [os.path.join(desk, "Dventas.TXT")])
        # The button stands under "Proyectar" in the projection panel.
        s.xdotool("mousemove", "--window", s.window, "950", "204")
        s.xdotool("click", "1")
        s.answer("tendencia-gui's problem name", "ventas")
        s.accept_message("tendencia-gui's data-file instructions")
        s.answer("tendencia-gui's points to project", "1")
        s.answer("tendencia-gui's confidence level", "95")
        s.accept_message("tendencia-gui's coefficient prompt")
        for k in range(25):
            s.answer("b%d" % k, "1" if k in (1, 2) else "")
        s.answer("tendencia-gui's initial period", "1")
        s.accept_message("tendencia-gui's results message")
        s.accept_message("tendencia-gui's farewell")
        wait_for_file(os.path.join(desk, "Eventas.TXT"), "tendencia-gui's Eventas.TXT")
        quit_studio(s)
        if os.listdir(elsewhere):
            fail("files written where the studio started: %r" % os.listdir(elsewhere))
    print("step-by-step dialogue: tendencia-gui runs in the data file's folder")


def run_failure(env, bin_dir, examples, shots):
    """A run that stops shows the terminal program's own text for the same answers, and
    Guardar then has nothing to save."""
    with tempfile.TemporaryDirectory() as desk, tempfile.TemporaryDirectory() as term:
        for folder in (desk, term):
            shutil.copy(os.path.join(examples, "Dventas.TXT"), folder)
        # No fit and no coefficient typed: F(X) = 0 and the regression line has no slope.
        s = Studio(env, bin_dir, desk, ["Dventas.TXT", "--inicio", "2001"])
        s.keys("ctrl+p")
        wait_for_file(os.path.join(desk, "Eventas.TXT"), "the report's first lines")
        s.shot(os.path.join(shots, "studio-run-failure.png"))
        s.keys("ctrl+s")
        time.sleep(0.3)
        err = quit_studio(s)
        answers = "ventas\n5\n95\n" + "\n" * 25 + "2001\n"
        terminal = subprocess.run([os.path.join(bin_dir, "tendencia")], cwd=term, input=answers,
                                  capture_output=True, text=True, env=dict(os.environ, LC_ALL="C"))
        if terminal.returncode != 1 or not terminal.stderr.startswith("Error: "):
            fail("the terminal program did not stop: %r" % terminal.stderr)
        if terminal.stderr not in err:
            fail("the window said %r, the terminal program %r" % (err, terminal.stderr))
        if open(os.path.join(desk, "Eventas.TXT"), "rb").read() != \
                open(os.path.join(term, "Eventas.TXT"), "rb").read():
            fail("the lines kept in Eventas.TXT differ from the terminal program's")
        if any(name.startswith("G") for name in os.listdir(desk)):
            fail("a chart was saved for a run that stopped: %r" % os.listdir(desk))
    print("run failure: the terminal program's text, the same lines kept, nothing saved")


def choose_file(env, bin_dir, examples, shots):
    """--elegir-fichero (the menu's way in) shows the chooser first; cancelled, the
    window waits with nothing open and writes nothing. Ctrl+O cancelled keeps the
    file that was open."""
    with tempfile.TemporaryDirectory() as desk, tempfile.TemporaryDirectory() as elsewhere:
        shutil.copy(os.path.join(examples, "ventas.csv"), desk)
        d = Desktop(env, os.path.join(bin_dir, "tendencia-estudio"), elsewhere,
                    ["--elegir-fichero"])
        d.next_box("the file chooser", caption="Abrir una serie")
        d.xdotool("key", "Escape")
        d.window = d.next_box("the studio window", caption=TITLE)
        Studio.keys(d, "ctrl+j", "ctrl+p", "ctrl+s")
        time.sleep(0.5)
        Studio.keys(d, "ctrl+q")
        status, out, err = d.finish()
        if status != 0:
            fail("exit status %d, stderr %r" % (status, err))
        if "Abra primero" not in err:
            fail("no word that a file must be opened first: %r" % err)
        if os.listdir(elsewhere) or os.listdir(desk) != ["ventas.csv"]:
            fail("files written: %r %r" % (os.listdir(elsewhere), os.listdir(desk)))

        s = Studio(env, bin_dir, desk, ["ventas.csv", "--terminos", "constante,potencia"])
        s.keys("ctrl+o")
        s.next_box("the file chooser from Ctrl+O", caption="Abrir una serie")
        s.xdotool("key", "Escape")
        time.sleep(0.5)
        s.keys("ctrl+j", "ctrl+p")
        wait_for_file(os.path.join(desk, "Eventas.TXT"), "Eventas.TXT")
        quit_studio(s)
    print("file chooser: shown first with --elegir-fichero; cancelled, nothing is opened "
          "or written, and a file already open stays open")


BAD_CSV = "Año;Ventas\n2001;132,89\n2002;ciento\n2003;162,13\n".encode("utf-8")


def bad_csv(env, bin_dir, shots):
    with tempfile.TemporaryDirectory() as desk, tempfile.TemporaryDirectory() as term:
        for folder in (desk, term):
            open(os.path.join(folder, "malo.csv"), "wb").write(BAD_CSV)
        importer = subprocess.run([os.path.join(bin_dir, "tendencia-importar"), "malo.csv", "malo"],
                                  cwd=term, capture_output=True, text=True)
        message = importer.stderr.strip()
        if importer.returncode != 1 or not message.startswith("Error al importar malo.csv"):
            fail("the importer did not refuse the file: %r" % importer.stderr)
        s = Studio(env, bin_dir, desk, ["malo.csv"])
        s.shot(os.path.join(shots, "studio-bad-csv.png"))
        s.keys("ctrl+j", "ctrl+p", "ctrl+s")
        time.sleep(0.5)
        err = quit_studio(s)
        if message not in err.splitlines():
            fail("the window's message %r is not the importer's %r" % (err, message))
        if os.listdir(desk) != ["malo.csv"]:
            fail("files written: %r" % os.listdir(desk))
    print("bad CSV: the importer's message, nothing written")


def other_data_file(env, bin_dir, examples, shots):
    with tempfile.TemporaryDirectory() as desk:
        shutil.copy(os.path.join(examples, "ventas.csv"), desk)
        other = b"A\xf1o o periodo          NUMERO\r\n1  5\r\n2  6\r\n3  8\r\n"
        open(os.path.join(desk, "Dventas.TXT"), "wb").write(other)
        s = Studio(env, bin_dir, desk, ["ventas.csv", "--terminos", "constante,potencia"])
        s.keys("ctrl+j", "ctrl+p")
        question = s.next_box("the question before replacing", caption="Tendencia")
        s.screenshot(question, os.path.join(shots, "studio-replace-question.png"))
        s.xdotool("key", "Escape")
        time.sleep(0.5)
        if sorted(os.listdir(desk)) != ["Dventas.TXT", "ventas.csv"]:
            fail("files written though the data file was kept: %r" % os.listdir(desk))
        if open(os.path.join(desk, "Dventas.TXT"), "rb").read() != other:
            fail("the data file was changed though the user kept it")
        s.keys("ctrl+p")
        s.seen.discard(question)  # FLTK shows its question box again, the same window
        s.next_box("the question again", caption="Tendencia")
        s.xdotool("key", "Return")
        wait_for_file(os.path.join(desk, "Eventas.TXT"), "Eventas.TXT")
        quit_studio(s)
        if open(os.path.join(desk, "Dventas.TXT"), "rb").read() == other:
            fail("the data file was not replaced")
        if b" 2025 " not in open(os.path.join(desk, "Eventas.TXT"), "rb").read():
            fail("the report is not complete")
    print("another series in the data file: kept when asked to, replaced when agreed")


def dated_series(env, bin_dir, examples, shots):
    """A monthly series: the window proposes 1 as the initial period, as tendencia-importar
    advises, and its files are the terminal programs' for the same answers, dates and all."""
    fixture = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data",
                           "airpassengers.csv")
    with tempfile.TemporaryDirectory() as desk, tempfile.TemporaryDirectory() as term:
        for folder in (desk, term):
            shutil.copy(fixture, os.path.join(folder, "pasaj.csv"))
        s = Studio(env, bin_dir, desk, ["pasaj.csv", "--automatico", "--puntos", "24"])
        s.keys("ctrl+j", "ctrl+p")
        wait_for_file(os.path.join(desk, "Epasaj.TXT"), "Epasaj.TXT")
        s.shot(os.path.join(shots, "studio-dated-series.png"))
        s.keys("ctrl+s")
        wait_for_file(os.path.join(desk, "Gpasaj.CSV"), "Gpasaj.CSV")
        quit_studio(s)
        # The fit leaves "calibrada" ticked where its t is wider: --t-calibrada.
        run_terminal_programs(bin_dir, term, "pasaj", ["24", "1", "--t-calibrada"],
                              terms=["--automatico"])
        for name in ("Dpasaj.TXT", "Epasaj.TXT", "Gpasaj.CSV", "Gpasaj.SVG", "Gpasaj.PNG"):
            if open(os.path.join(desk, name), "rb").read() != open(os.path.join(term, name), "rb").read():
                fail("%s differs from the terminal programs'" % name)
        table = open(os.path.join(desk, "Gpasaj.CSV"), "rb").read().decode("cp1252").split("\r\n")
        periods = [row.split(",")[0] for row in table[1:] if row]
        if periods[0] != "1949-01" or periods[144] != "1961-01" or periods[-1] != "1962-12":
            fail("the table's periods run %s, %s ... %s" % (periods[0], periods[144], periods[-1]))
        if b"\r\n 1             112 \r\n" not in open(os.path.join(desk, "Epasaj.TXT"), "rb").read():
            fail("the report does not number its periods from 1")
    print("dated series: initial period 1, files identical to the terminal programs', "
          "the table's periods 1949-01 ... 1962-12")
HANGING_CHART = """#!/bin/sh
echo $$ > started
echo dibujando
exec sleep 600
"""


def save_in_background(env, bin_dir, examples, shots):
    with tempfile.TemporaryDirectory() as desk, tempfile.TemporaryDirectory() as bins:
        shutil.copy(os.path.join(examples, "Dventas.TXT"), desk)
        # The studio finds tendencia-grafico beside its own binary: here, one that hangs.
        shutil.copy(os.path.join(bin_dir, "tendencia-estudio"), bins)
        chart = os.path.join(bins, "tendencia-grafico")
        open(chart, "w").write(HANGING_CHART)
        os.chmod(chart, 0o755)
        s = Studio(env, bins, desk, ["Dventas.TXT", "--terminos", "constante,potencia",
                                     "--inicio", "2001"])
        s.keys("ctrl+j", "ctrl+p")
        report = os.path.join(desk, "Eventas.TXT")
        wait_for_file(report, "Eventas.TXT")
        s.keys("ctrl+s")
        started = os.path.join(desk, "started")
        wait_for_file(started, "the chart program's start")
        projected = open(report, "rb").read()
        try:
            # While it runs, the window answers: its file chooser opens and closes.
            s.keys("ctrl+o")
            s.next_box("the file chooser while the chart is saved", caption="Abrir una serie")
            s.xdotool("key", "Escape")
            time.sleep(0.5)
            # Neither a projection nor a second Guardar meanwhile.
            s.keys("ctrl+p", "ctrl+s")
            time.sleep(0.5)
        finally:
            os.kill(int(open(started).read()), 9)
        time.sleep(0.5)
        err = quit_studio(s)
        if err.count("se está guardando todavía") != 2:
            fail("a projection or a second Guardar went on while the chart was saved: %r" % err)
        if "dibujando" not in err:
            fail("the end of the chart program was not reported: %r" % err)
        if open(report, "rb").read() != projected:
            fail("the report changed while the chart program was reading it")
    print("save in background: the window goes on while tendencia-grafico runs, and says so")


def command_line(bin_dir):
    studio = os.path.join(bin_dir, "tendencia-estudio")
    env = dict(os.environ)
    env.pop("DISPLAY", None)  # none of these may need a display
    help_text = subprocess.run([studio, "--help"], capture_output=True, text=True, env=env)
    if help_text.returncode != 0 or "Ctrl+P" not in help_text.stdout:
        fail("--help: %r" % (help_text,))
    version = subprocess.run([studio, "--version"], capture_output=True, text=True, env=env)
    if version.stdout != "tendencia-estudio 1.0\n":
        fail("--version: %r" % version.stdout)
    for arguments in (["--nivel", "80"], ["a.csv", "b.csv"], ["--terminos", "seno"], ["--x"]):
        wrong = subprocess.run([studio] + arguments, capture_output=True, text=True, env=env)
        if wrong.returncode != 2 or "Uso: tendencia-estudio" not in wrong.stderr:
            fail("%r: status %d, stderr %r" % (arguments, wrong.returncode, wrong.stderr))
    no_display = subprocess.run([studio], capture_output=True, text=True, env=env)
    if no_display.returncode != 1 or "no se puede abrir la pantalla" not in no_display.stderr:
        fail("without a display: status %d, stderr %r" % (no_display.returncode, no_display.stderr))
    print("command line: --help, --version, wrong ones refused with exit 2, no display exit 1")


def main():
    # Every mode takes the same arguments; each uses what it needs.
    mode, bin_dir, examples, shots = [sys.argv[1]] + [os.path.abspath(a) for a in sys.argv[2:5]]
    if mode == "command-line":
        command_line(bin_dir)
        return
    os.makedirs(shots, exist_ok=True)
    server, env = start_display()
    try:
        start_window_manager(env)
        if mode == "complete":
            complete(env, bin_dir, examples, shots)
        elif mode == "step-dialogue":
            step_dialogue(env, bin_dir, examples, shots)
        elif mode == "choose-file":
            choose_file(env, bin_dir, examples, shots)
        elif mode == "run-failure":
            run_failure(env, bin_dir, examples, shots)
        elif mode == "automatic":
            automatic(env, bin_dir, examples, shots)
        elif mode == "long-series":
            long_series(env, bin_dir, shots)
        elif mode == "calibrated-t":
            long_series(env, bin_dir, shots, calibrated=True)
        elif mode == "bad-csv":
            bad_csv(env, bin_dir, shots)
        elif mode == "other-data-file":
            other_data_file(env, bin_dir, examples, shots)
        elif mode == "dated-series":
            dated_series(env, bin_dir, examples, shots)
        elif mode == "save-in-background":
            save_in_background(env, bin_dir, examples, shots)
        else:
            fail("unknown mode " + mode)
    finally:
        stop_started()


if __name__ == "__main__":
    main()
