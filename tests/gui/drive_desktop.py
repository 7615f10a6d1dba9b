#!/usr/bin/env python3
"""Drives tendencia-gui under Xvfb with real keystrokes and mouse clicks (xdotool).

    drive_desktop.py MODE GUI TERMINAL EXAMPLES SHOTS

MODE is one of:

complete: a whole run of the example problem; one coefficient is answered with
the Cancel button. Its results file must equal, byte for byte, the terminal
program's on the same answers. Screenshots of the coefficient message box and
of an input box go to SHOTS.
folder-argument: the same run, started from another folder with the data's
folder on the command line; the report lands in that folder.
missing-data: the data file is missing; the alert box must show, the program
must exit 1, and the results file must keep its first lines.

choose-folder-cancelled: --elegir-carpeta, and the folder chooser cancelled with
Escape: exit 0 and no file written.
missing-folder: a folder that does not exist: an alert naming it, exit 2, no
file written.

Any missing piece (no Xvfb, no xdotool, a window that never shows) is a failure,
never a skip.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

# How long a step may take before the window counts as hung: far beyond any
# step, so a loaded machine never trips it.
STEP_TIMEOUT = 90


STARTED = []  # every process started, ended whatever happens


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def start_display():
    for tool in ("Xvfb", "xdotool", "import"):
        if shutil.which(tool) is None:
            fail(tool + " is not installed")
    for number in range(90, 140):
        if os.path.exists("/tmp/.X%d-lock" % number):
            continue
        display = ":%d" % number
        server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        STARTED.append(server)
        env = dict(os.environ, DISPLAY=display)
        for _ in range(100):
            if server.poll() is not None:
                break
            probe = subprocess.run(["xdotool", "getdisplaygeometry"], env=env,
                                   capture_output=True)
            if probe.returncode == 0:
                return server, env
            time.sleep(0.05)
        server.kill()
    fail("could not start Xvfb")


class Desktop:
    def __init__(self, env, program, cwd, arguments=()):
        self.env = env
        self.seen = set()
        self.process = subprocess.Popen([program] + list(arguments), cwd=cwd, env=env,
                                        stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        STARTED.append(self.process)

    def xdotool(self, *args):
        result = subprocess.run(["xdotool"] + list(args), env=self.env, capture_output=True,
                                text=True)
        return result.stdout.strip()

    def next_box(self, what, caption="Tendencia"):
        """Waits for a new visible window of that caption and gives it the focus."""
        deadline = time.time() + STEP_TIMEOUT
        while time.time() < deadline:
            if self.process.poll() is not None:
                fail("the program ended (status %s) while waiting for %s; stderr: %r"
                     % (self.process.returncode, what, self.process.stderr.read()))
            ids = [w for w in self.xdotool("search", "--onlyvisible", "--name", "^%s$" % caption).split()
                   if w not in self.seen]
            if ids:
                window = ids[0]
                self.seen.add(window)
                time.sleep(0.15)  # let it draw before keys or screenshots
                self.xdotool("windowfocus", "--sync", window)
                return window
            time.sleep(0.05)
        fail("no box appeared for " + what)

    def answer(self, what, text, shot=None):
        window = self.next_box(what)
        if text:
            self.xdotool("type", "--delay", "15", text)
        if shot:
            self.screenshot(window, shot)
        self.xdotool("key", "Return")
        return window

    def accept_message(self, what):
        window = self.next_box(what)
        self.xdotool("key", "Return")
        return window

    def click_cancel(self, what):
        window = self.next_box(what)
        self.xdotool("type", "--delay", "15", "999")  # typed, then thrown away by Cancel
        geometry = self.xdotool("getwindowgeometry", window)
        size = [line for line in geometry.splitlines() if "Geometry:" in line][0].split()[-1]
        width, height = (int(v) for v in size.split("x"))
        # Cancelar stands left of Aceptar, both 100 x 30 with 16-pixel margins.
        x, y = width - 2 * (16 + 100) + 16 + 50, height - 16 - 15
        self.xdotool("mousemove", "--window", window, str(x), str(y))
        self.xdotool("click", "1")

    def screenshot(self, window, path):
        subprocess.run(["import", "-window", window, path], env=self.env, check=True)

    def finish(self):
        try:
            out, err = self.process.communicate(timeout=STEP_TIMEOUT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            fail("the program did not end")
        return self.process.returncode, out.decode("utf-8", "replace"), err.decode("utf-8", "replace")


COEFFICIENTS = ["120", "15", "0.9"]  # b3 is cancelled, b4..b24 left empty


def complete_run(env, gui, terminal, examples, shots, folder_argument=False):
    with tempfile.TemporaryDirectory() as desk, tempfile.TemporaryDirectory() as term, \
            tempfile.TemporaryDirectory() as elsewhere:
        for folder in (desk, term):
            shutil.copy(os.path.join(examples, "Dventas.TXT"), folder)
        if folder_argument:
            d = Desktop(env, gui, elsewhere, [desk])
        else:
            d = Desktop(env, gui, desk)
        d.answer("the problem name", "ventas", os.path.join(shots, "name-input-box.png"))
        d.accept_message("the data-file instructions")
        d.answer("the points to project", "5")
        d.answer("the confidence level", "95")
        window = d.next_box("the coefficient prompt")
        d.screenshot(window, os.path.join(shots, "coefficient-message.png"))
        d.xdotool("key", "Return")
        for k, value in enumerate(COEFFICIENTS):
            d.answer("b%d" % k, value, os.path.join(shots, "b0-input-box.png") if k == 0 else None)
        d.click_cancel("b3")
        for k in range(4, 25):
            d.answer("b%d" % k, "")
        d.answer("the initial period", "2001")
        d.accept_message("the results message")
        d.accept_message("the farewell")
        status, out, err = d.finish()
        if status != 0:
            fail("exit status %d, stderr %r" % (status, err))
        answers = ["ventas", "5", "95"] + COEFFICIENTS + [""] * 22 + ["2001"]
        subprocess.run([terminal], cwd=term, input="".join(a + "\n" for a in answers).encode(),
                       capture_output=True, env=dict(os.environ, LC_ALL="C"), check=True)
        desktop_report = open(os.path.join(desk, "Eventas.TXT"), "rb").read()
        terminal_report = open(os.path.join(term, "Eventas.TXT"), "rb").read()
        if desktop_report != terminal_report:
            fail("the desktop report differs from the terminal's")
        if b" 2025 " not in desktop_report:
            fail("the report is not complete")
        if os.listdir(elsewhere):
            fail("files written in the folder it was started from: %r" % os.listdir(elsewhere))
    print("complete run%s: %d bytes, identical to the terminal program's"
          % (" in the folder named on the command line" if folder_argument else "",
             len(desktop_report)))


def expect_end(d, status, in_stderr=None):
    """The program ends by itself with that status and, if given, that text on stderr."""
    ended, out, err = d.finish()
    if ended != status:
        fail("exit status %d, expected %d; stderr %r" % (ended, status, err))
    if in_stderr is not None and in_stderr not in err:
        fail("stderr lacks %r: %r" % (in_stderr, err))


def choose_folder_cancelled(env, gui, shots):
    with tempfile.TemporaryDirectory() as desk:
        d = Desktop(env, gui, desk, ["--elegir-carpeta"])
        window = d.next_box("the folder chooser", caption="Carpeta de los datos")
        d.screenshot(window, os.path.join(shots, "folder-chooser.png"))
        d.xdotool("key", "Escape")
        expect_end(d, 0)
        if os.listdir(desk):
            fail("files written: %r" % os.listdir(desk))
    print("folder chooser cancelled: exit 0, nothing written")


def missing_folder(env, gui, shots):
    with tempfile.TemporaryDirectory() as desk:
        d = Desktop(env, gui, desk, ["no-existe"])
        window = d.next_box("the alert")
        d.screenshot(window, os.path.join(shots, "missing-folder-alert.png"))
        d.xdotool("key", "Return")
        expect_end(d, 2, 'la carpeta "no-existe": no existe')
        if os.listdir(desk):
            fail("files written: %r" % os.listdir(desk))
    print("missing folder: alert shown, exit 2, nothing written")


def missing_data(env, gui, shots):
    with tempfile.TemporaryDirectory() as desk:
        d = Desktop(env, gui, desk)
        # "@" and "%" must show literally, never as symbols or formats.
        d.answer("the problem name", "n@%s")
        window = d.next_box("the data-file instructions")
        d.screenshot(window, os.path.join(shots, "instructions-with-symbols.png"))
        d.xdotool("key", "Return")
        d.answer("the points to project", "5")
        d.answer("the confidence level", "95")
        window = d.next_box("the alert")
        d.screenshot(window, os.path.join(shots, "alert.png"))
        d.xdotool("key", "Return")
        expect_end(d, 1, "no se encuentra el fichero")
        report = open(os.path.join(desk, "En@%s.TXT"), "rb").read()
        expected = (b"Se extrapolan  5  puntos\r\n\r\n"
                    b"El grado de confianza de los intervalos es:  95 %\r\n")
        if report != expected:
            fail("results file %r" % report)
    print("missing data file: alert shown, exit 1, first lines kept")


def stop_started():
    """Ends every process started, the last first. Terminated, not killed:
    Xvfb then removes its lock file."""
    for process in reversed(STARTED):
        if process.poll() is None:
            process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main():
    # Every mode takes the same arguments; each uses what it needs.
    mode, gui, terminal, examples, shots = sys.argv[1:6]
    os.makedirs(shots, exist_ok=True)
    server, env = start_display()
    try:
        if mode == "complete":
            complete_run(env, gui, terminal, examples, shots)
        elif mode == "folder-argument":
            complete_run(env, gui, terminal, examples, shots, folder_argument=True)
        elif mode == "choose-folder-cancelled":
            choose_folder_cancelled(env, gui, shots)
        elif mode == "missing-folder":
            missing_folder(env, gui, shots)
        elif mode == "missing-data":
            missing_data(env, gui, shots)
        else:
            fail("unknown mode " + mode)
    finally:
        stop_started()


if __name__ == "__main__":
    main()
