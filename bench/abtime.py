#!/usr/bin/env python3
"""Times two commands as whole processes, in turns (A B A B ...), after one warm-up run of
each, and prints the median wall time and peak resident set of each and the ratio A / B of
the medians. Output is thrown away. Used by the benchmark scripts beside it:

  bench/abtime.py [-n RUNS] [--label TEXT] [--goal X | --speedup-goal X] -- A ARGS... --vs B ARGS...

With --goal the last line says whether the ratio A / B is within it; with --speedup-goal it
gives B / A (how many times faster A is) and says whether that reaches the goal.
"""
import argparse
import os
import statistics
import subprocess
import sys
import time


def run(argv):
    start = time.monotonic()
    child = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    elapsed = time.monotonic() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        sys.exit(f"{' '.join(argv)}: exit {child.returncode}")
    return elapsed, usage.ru_maxrss / 1024.0  # seconds, MiB


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("-n", type=int, default=7)
    parser.add_argument("--label", default="")
    parser.add_argument("--goal", type=float)
    parser.add_argument("--speedup-goal", type=float)
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    words = args.command[1:] if args.command[:1] == ["--"] else args.command
    if "--vs" not in words:
        sys.exit("usage: abtime.py [-n RUNS] -- A ARGS... --vs B ARGS...")
    split = words.index("--vs")
    a, b = words[:split], words[split + 1:]
    run(a)
    run(b)
    times = {"A": [], "B": []}
    peaks = {"A": [], "B": []}
    for _ in range(args.n):
        for key, argv in (("A", a), ("B", b)):
            t, peak = run(argv)
            times[key].append(t)
            peaks[key].append(peak)
    ma, mb = statistics.median(times["A"]), statistics.median(times["B"])
    label = f"{args.label}: " if args.label else ""
    print(f"{label}A median {ma * 1000:.1f} ms (peak {statistics.median(peaks['A']):.1f} MiB), "
          f"B median {mb * 1000:.1f} ms (peak {statistics.median(peaks['B']):.1f} MiB), "
          f"{args.n} runs each in turns")
    ratio = ma / mb
    if args.speedup_goal is not None:
        met = "met" if mb / ma >= args.speedup_goal else "NOT met"
        print(f"{label}A is {mb / ma:.2f}x as fast as B (goal {args.speedup_goal}x: {met})")
        return
    verdict = "" if args.goal is None else (f" (goal {args.goal}x: " + ("met" if ratio <= args.goal else "NOT met") + ")")
    print(f"{label}ratio A/B {ratio:.2f}x{verdict}")


if __name__ == "__main__":
    main()
