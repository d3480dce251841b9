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


def counters(benchmark, repetitions=3):
    """The median counters of a Vorna benchmark that measures its own ratios."""
    out = subprocess.run(
        [os.path.join(BIN, "vorna_bench"), f"--benchmark_filter=^{benchmark}$",
         "--benchmark_format=json", f"--benchmark_repetitions={repetitions}",
         "--benchmark_report_aggregates_only=true"],
        check=True, capture_output=True, text=True).stdout
    runs = json.loads(out)["benchmarks"]
    if not runs:
        sys.exit(f"no benchmark named {benchmark}")
    return next(r for r in runs if r.get("aggregate_name") == "median")


def verify_run(runs):
    """Wall time (s) and largest resident memory (KiB) of vorna-cli verify with `runs` runs."""
    with tempfile.TemporaryDirectory() as folder:
        start = time.monotonic()
        child = subprocess.Popen([os.path.join(os.path.abspath(BIN), "vorna-cli"), "verify",
                                  *LOW_PASS, "--monte-carlo", str(runs)],
                                 cwd=folder, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        if os.waitstatus_to_exitcode(status) != 0:
            sys.exit(f"vorna-cli verify --monte-carlo {runs} failed")
        return time.monotonic() - start, usage.ru_maxrss


def main():
    rows = []
    for order, runs in ((10, 20000), (58, 3000)):
        c = counters(f"BM_ToleranceRunOverFusedEvaluation/{order}/{runs}/iterations:1")
        rows.append((f"one Monte Carlo run / one fused evaluation, order {order}, "
                     f"{c['points']:.0f} points",
                     f"{c['runUs']:.1f}us / {c['evaluationUs']:.1f}us", c["ratio"], "<=", 1.5))
        rows.append((f"  the same in processor time", "", c["processorRatio"], "<=", 1.5))
    for order, runs in ((58, 3000), (10, 20000)):
        c = counters(f"BM_ToleranceTwoThreadsOverOne/{order}/{runs}/iterations:1")
        rows.append((f"{runs} runs of order {order}: 1 thread / 2 threads",
                     f"{c['oneThreadMs']:.0f}ms / {c['twoThreadsMs']:.0f}ms", c["speedUp"],
                     ">=", 1.7))
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
