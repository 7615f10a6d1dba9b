#!/usr/bin/env python3
"""Whole runs of two or more builds of tendencia on the longest report, side by side.

    bench/compare_whole_runs.py BINARY [BINARY ...]

Each build runs 100 times, the builds taking turns (in an order drawn anew each
round) so that the machine's changing load falls on all of them alike; the time
is from the start of the process to its end, its input read from a file (no
shell in between). Each build's median, the middle half of its runs (first to
third quartile) and its fastest run are printed, and the mean processor time of
a run in the program and in the kernel; the first binary is the reference for
the speed-up column. Build an older version in another folder to compare with
it.
"""
import os
import random
import resource
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = 100


def main(binaries):
    here = os.path.dirname(os.path.realpath(__file__))
    binaries = [os.path.realpath(b) for b in binaries]
    with tempfile.TemporaryDirectory() as top:
        # Each build works in a folder of its own, so that each replaces its own
        # previous report: emptying a file of 2.9 MB costs the next run a
        # millisecond or more, depending on how the last run left it.
        folders = {}
        for index, binary in enumerate(binaries):
            folders[binary] = os.path.join(top, str(index))
            os.mkdir(folders[binary])
            subprocess.run(["sh", os.path.join(here, "longest_run_input.sh")],
                           cwd=folders[binary], check=True)

        def run(binary):
            folder = folders[binary]
            with open(os.path.join(folder, "answers"), "rb") as answers:
                before = resource.getrusage(resource.RUSAGE_CHILDREN)
                start = time.perf_counter()
                subprocess.run([binary], stdin=answers, stdout=subprocess.DEVNULL, cwd=folder,
                               check=True)
                wall = time.perf_counter() - start
                after = resource.getrusage(resource.RUSAGE_CHILDREN)
                return wall, after.ru_utime - before.ru_utime, after.ru_stime - before.ru_stime

        for _ in range(5):
            for binary in binaries:
                run(binary)
        times = {binary: [] for binary in binaries}
        user = {binary: [] for binary in binaries}
        system = {binary: [] for binary in binaries}
        # A new order each round, so that no build always follows the same one.
        order = list(binaries)
        shuffle = random.Random(1)
        for _ in range(RUNS):
            shuffle.shuffle(order)
            for binary in order:
                wall, user_seconds, system_seconds = run(binary)
                times[binary].append(wall)
                user[binary].append(user_seconds)
                system[binary].append(system_seconds)
    reference = statistics.median(times[binaries[0]])
    for binary in binaries:
        median = statistics.median(times[binary])
        # The middle half of the runs: on a shared machine the spread says
        # whether a difference of medians means anything. The processor time
        # (both threads, in the program and in the kernel for it) moves less
        # with the machine's load than the wall time does.
        lower, _, upper = statistics.quantiles(times[binary], n=4)
        print("%-40s median %6.2f ms  middle half %6.2f-%6.2f ms  fastest %6.2f ms  "
              "speed-up %.2f  processor: user %5.2f ms, kernel %5.2f ms"
              % (binary, 1e3 * median, 1e3 * lower, 1e3 * upper, 1e3 * min(times[binary]),
                 reference / median, 1e3 * statistics.mean(user[binary]),
                 1e3 * statistics.mean(system[binary])))


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(sys.argv[1:])
