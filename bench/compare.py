#!/usr/bin/python3
"""Compares the start of two builds of brevant.exe, round by round.

Run by tools/bench-compare. In each round both builds start the configuration
window and then a `/c` message, in turn, the order alternating from round to
round, so that whatever else the machine does falls on both alike; each start
is measured as tools/bench measures it (measure.py) and compared with the
other build's start of the same round. Prints, for Wine on both processors and
on one, the median of those ratios (with its quartiles) for the time to the
window on screen and for the processor time of the program's whole run.
"""
import argparse
import os
import statistics
import sys
import time

import measure

KINDS = {"window": measure.WINDOW_TITLE, "dialog": measure.DIALOG_TITLE}


def start(bench, exe, kind):
    """Seconds to the window on screen, and the processor time of the run."""
    args = [exe] if kind == "window" else [exe, "/c" + measure.windows_path(bench.config)]
    begun = time.monotonic()
    process = bench._launch(*args)
    try:
        window, shown, _, _ = bench.screen.wait_for_map(process.pid, KINDS[kind], begun + measure.LAUNCH_TIMEOUT)
        bench.screen.close(window)
        _, status, usage = os.wait4(process.pid, 0)
    except BaseException:
        process.kill()
        raise
    process.returncode = status
    if status != 0:
        raise RuntimeError(f"{args} ended with status {status}")
    return shown - begun, usage.ru_utime + usage.ru_stime


def rounds(bench, builds, count):
    """Ratios of the second build's figures to the first's, per kind and figure."""
    ratios = {(kind, figure): [] for kind in KINDS for figure in (0, 1)}
    for number in range(count + 1):
        order = builds if number % 2 else builds[::-1]
        for kind in KINDS:
            results = {exe: start(bench, exe, kind) for exe in order}
            if number == 0:
                continue  # warm-up
            for figure in (0, 1):
                ratios[(kind, figure)].append(results[builds[1]][figure] / results[builds[0]][figure])
        measure.log(f"round {number}/{count} done")
    return ratios


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("before")
    parser.add_argument("after")
    parser.add_argument("work", help="folder for the config file the runs use")
    parser.add_argument("--rounds", type=int, default=50)
    options = parser.parse_args()

    bench = measure.Bench(options.before, options.before, options.work)
    bench._write_config("FALSE", "0")
    every = os.sched_getaffinity(0)
    print(f"Start of {options.after} against {options.before}, {options.rounds} rounds, "
          f"{measure.look()}; load average {os.getloadavg()[0]:.1f} before the run.\n")
    print("| Start | Wine on | Time to the window on screen | Processor time of the program |")
    print("|---|---|---|---|")
    for processors in ("two processors", "one processor"):
        if processors == "one processor":
            measure.set_processors([0, bench.server], {min(every)})
        ratios = rounds(bench, (options.before, options.after), options.rounds)
        measure.set_processors([0, bench.server], every)
        for kind, label in (("window", "configuration window"), ("dialog", "`/c` message dialog")):
            cells = []
            for figure in (0, 1):
                values = ratios[(kind, figure)]
                low, _, high = statistics.quantiles(values, n=4)
                cells.append(f"{statistics.median(values):.3f} × ({low:.2f}–{high:.2f})")
            print(f"| {label} | {processors} | {cells[0]} | {cells[1]} |")
        sys.stdout.flush()
    print(f"\nMedians of the ratios after/before of the starts of one round (quartiles in "
          f"brackets); load average {os.getloadavg()[0]:.1f} after the run.")


if __name__ == "__main__":
    main()
