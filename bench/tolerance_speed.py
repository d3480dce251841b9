#!/usr/bin/python3
"""Measures the tolerance analysis in one run and prints each ratio with its goal: the cost
of one Monte Carlo run over one fused evaluation of the same sections and frequencies (order
10 and order 58), two threads against one, and the memory of 10^6 runs against 10^3.

    /usr/bin/python3 bench/tolerance_speed.py [BUILD_DIR]

BUILD_DIR defaults to ./build; it must hold bin/vorna_bench and bin/vorna-cli.
"""
import json
import os
import subprocess
import sys
import tempfile
import time

from compare_with_scipy import BIN

# The order-10 low-pass of the memory rows and the README's example.
LOW_PASS = ["--kind", "lp", "--approx", "chebyshev", "--by-order", "--order", "10",
            "--fc", "1KHz", "--circuit", "LP2"]


def repetitions(benchmark, count):
    """The counters of each repetition of a Vorna benchmark that measures its own ratios."""
    out = subprocess.run(
        [os.path.join(BIN, "vorna_bench"), f"--benchmark_filter=^{benchmark}$",
         "--benchmark_format=json", f"--benchmark_repetitions={count}"],
        check=True, capture_output=True, text=True).stdout
    runs = [r for r in json.loads(out)["benchmarks"] if r.get("run_type") == "iteration"]
    if not runs:
        sys.exit(f"no benchmark named {benchmark}")
    return runs


def median(runs, counter):
    values = sorted(r[counter] for r in runs)
    return values[len(values) // 2]


def verify_run(runs):
    """Wall time (s) and largest resident memory (KiB) of vorna-cli verify with `runs` runs.
    GNU time starts it: a child of this process would count this process's memory too, which
    a fork copies."""
    with tempfile.TemporaryDirectory() as folder:
        report = os.path.join(folder, "memory.txt")
        start = time.monotonic()
        done = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report,
                               os.path.join(os.path.abspath(BIN), "vorna-cli"), "verify",
                               *LOW_PASS, "--monte-carlo", str(runs)],
                              cwd=folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        seconds = time.monotonic() - start
        if done.returncode != 0:
            sys.exit(f"vorna-cli verify --monte-carlo {runs} failed")
        with open(report) as lines:
            return seconds, int(lines.read().split()[-1])


def main():
    rows = []
    for order, runs in ((10, 20000), (58, 3000)):
        c = repetitions(f"BM_ToleranceRunOverFusedEvaluation/{order}/{runs}/iterations:1", 3)
        rows.append((f"one Monte Carlo run / one fused evaluation, order {order}, "
                     f"{c[0]['points']:.0f} points",
                     f"{median(c, 'runUs'):.1f}us / {median(c, 'evaluationUs'):.1f}us",
                     median(c, "ratio"), "<=", 1.5))
        rows.append(("  the same in processor time", "", median(c, "processorRatio"), "<=", 1.5))
    for order, runs in ((58, 10000), (10, 100000)):
        # The quickest of five each: other work on the machine only ever slows a run down.
        c = repetitions(f"BM_ToleranceTwoThreadsOverOne/{order}/{runs}/iterations:1", 5)
        one = min(r["oneThreadMs"] for r in c)
        two = min(r["twoThreadsMs"] for r in c)
        rows.append((f"{runs} runs of order {order}: 1 thread / 2 threads (quickest of 5)",
                     f"{one:.0f}ms / {two:.0f}ms", one / two, ">=", 1.7))
    small_time, small = verify_run(1000)
    large_time, large = verify_run(1000000)
    rows.append(("largest memory of verify --monte-carlo 10^6 / 10^3 (order-10 low-pass)",
                 f"{large / 1024:.1f}MiB / {small / 1024:.1f}MiB", large / small, "<=", 1.1))

    failed = False
    print(f"{'work':<78} {'measured':>22} {'ratio':>6} {'goal':>6}")
    for name, measured, ratio, sense, goal in rows:
        ok = ratio <= goal if sense == "<=" else ratio >= goal
        failed |= not ok
        print(f"{name:<78} {measured:>22} {ratio:6.2f} {sense + format(goal, 'g'):>6} "
              f"{'' if ok else 'MISSES GOAL'}")
    print(f"verify --monte-carlo 1000000 of the order-10 low-pass: {large_time:.1f} s "
          f"(10^3 runs: {small_time:.1f} s)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
