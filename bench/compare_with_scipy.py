#!/usr/bin/python3
"""Runs Vorna's benchmarks and their numpy/scipy equivalents on the same sections and
frequency grid in one run, and prints each row's ratio (peer time / Vorna time).

    /usr/bin/python3 bench/compare_with_scipy.py [BUILD_DIR]

BUILD_DIR defaults to ./build; it must hold bin/vorna_bench and bin/vorna-cli, and the
Python module's row needs python/vorna (the module built with the project).
"""
import json
import os
import statistics
import subprocess
import sys
import timeit

import numpy as np
from scipy import signal

BUILD = sys.argv[1] if len(sys.argv) > 1 else "build"
BIN = os.path.join(BUILD, "bin")


def vorna_seconds(benchmark):
    """Median real time of one iteration of a Vorna benchmark, in seconds."""
    out = subprocess.run(
        [os.path.join(BIN, "vorna_bench"), f"--benchmark_filter=^{benchmark}$",
         "--benchmark_format=json", "--benchmark_repetitions=5",
         "--benchmark_report_aggregates_only=true"],
        check=True, capture_output=True, text=True).stdout
    runs = json.loads(out)["benchmarks"]
    if not runs:
        sys.exit(f"no benchmark named {benchmark}")
    median = next(r for r in runs if r.get("aggregate_name") == "median")
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[median["time_unit"]]
    return median["real_time"] * scale


def peer_seconds(call, repeat=7):
    number = max(1, int(0.2 / max(timeit.timeit(call, number=1), 1e-6)))
    return statistics.median(timeit.repeat(call, number=number, repeat=repeat)) / number


def design(*options):
    out = subprocess.run([os.path.join(BIN, "vorna-cli"), "design", *options],
                         check=True, capture_output=True, text=True).stdout
    return json.loads(out)


def sections_of(d):
    r = d["results"]
    return np.array(r["sections"][: r["sectionLast"] + 1])


def numpy_gain_phase(sec, f):
    """The fused numpy loop: gain and phase of analog sections at frequencies f (Hz)."""
    s = 1j * 2 * np.pi * f

    def run():
        s2 = s * s
        h = np.ones_like(s)
        for p0, p1, p2, p3, p4 in sec:
            h *= (p2 * s2 + p3 * s + p4) / (s2 + p0 * s + p1)
        return 20 * np.log10(np.abs(h)), np.angle(h)
    return run


def analog_peer(points):
    """numpy: the 58 analog sections of the order-58 band-pass, gain and phase at `points`
    from 10 Hz to 100 kHz."""
    sec = sections_of(design("--kind", "bp", "--by-order", "--order", "58"))
    return peer_seconds(numpy_gain_phase(sec, np.logspace(1, 5, points)))


def python_response_row(points=100000):
    """vorna's Design.response (gain, phase and group delay, in C++ without the GIL) and the
    fused numpy loop (gain and phase) on the same sections and frequencies; None when the
    module is not built."""
    sys.path.insert(0, os.path.join(BUILD, "python"))
    try:
        import vorna
    except ImportError:
        return None
    d = vorna.design(kind="bp", by_order=True, order=58)
    f = np.logspace(1, 5, points)
    return (peer_seconds(lambda: d.response(f)) / points,
            peer_seconds(numpy_gain_phase(d.sections, f)) / points)


def digital_peer(points):
    """scipy.signal.sosfreqz on the 58 digital sections of the same band-pass, from 10 Hz
    to 24 kHz."""
    sec = sections_of(design("--kind", "bp", "--by-order", "--order", "58",
                             "--digital", "48KHz"))
    # Vorna: (P2 + P3 zm + P4 zm^2) / (1 + P0 zm + P1 zm^2) with zm = z^-1.
    sos = np.column_stack([sec[:, 2], sec[:, 3], sec[:, 4],
                           np.ones(len(sec)), sec[:, 0], sec[:, 1]])
    w = 2 * np.pi * np.logspace(1, np.log10(24000), points) / 48000

    def run():
        _, h = signal.sosfreqz(sos, worN=w)
        return 20 * np.log10(np.abs(h)), np.angle(h)
    return peer_seconds(run)


def elliptic_band_pass_peer():
    def run():
        z, p, k = signal.ellipap(58, 0.1, 60)
        return signal.lp2bp_zpk(z, p, k, wo=2 * np.pi * 1732.05, bw=2 * np.pi * 2000)
    return peer_seconds(run)


def elliptic_low_pass_peer():
    def run():
        z, p, k = signal.ellipap(58, 0.1, 60)
        return signal.lp2lp_zpk(z, p, k, wo=2 * np.pi * 1000)
    return peer_seconds(run)


# name, Vorna benchmark, points a call (ratio per point), peer, goal (peer/Vorna at least)
RATIO_ROWS = [
    ("analog gain + phase, 58 sections, 2303 points", "BM_AnalogGainPhase58Sections", 2303,
     lambda: analog_peer(2303), 3.0),
    ("digital gain + phase, 58 sections, 2905 points", "BM_DigitalGainPhase58Sections", 2905,
     lambda: digital_peer(2905), 3.0),
    ("elliptic band-pass order 58, design to sections", "BM_EllipticBandPassOrder58", 1,
     elliptic_band_pass_peer, 3.0),
    ("elliptic low-pass order 58", "BM_EllipticLowPassOrder58", 1,
     elliptic_low_pass_peer, 3.0),
]

# name, Vorna benchmark, limit in seconds
LIMIT_ROWS = [
    ("repaint of an elliptic band-pass of order 58, 100 Hz-10 kHz, 1000 points a decade",
     "BM_ResponseGraphRepaintOrder58BandPass", 5e-3),
    ("circuit --kind be --approx elliptic --order 58 --circuit BE2 --series E96 --pick best",
     "BM_PickBestBandEliminateEllipticOrder58BE2", 30e-3),
    ("circuit --kind hp --approx chebyshev --order 58 --circuit HP1 --series E96 --pick best",
     "BM_PickBestHighPassChebyshevOrder58HP1", 100e-3),
]


def main():
    failed = False
    print(f"{'work':<90} {'Vorna':>12} {'peer':>12} {'ratio':>7} {'goal':>6}")
    for name, bench, points, peer, goal in RATIO_ROWS:
        ours = vorna_seconds(bench) / points
        theirs = peer() / points
        ratio = theirs / ours
        ok = ratio >= goal
        failed |= not ok
        print(f"{name:<90} {ours * 1e6:10.3f}us {theirs * 1e6:10.3f}us {ratio:7.2f} "
              f"{'>=' + format(goal, 'g'):>6} {'' if ok else 'BELOW GOAL'}")
    name, goal = "Python Design.response (gain, phase, delay), 58 sections, 100000 points", 2.0
    measured = python_response_row()
    if measured is None:
        failed = True
        print(f"{name:<90} the module is not built (python/vorna in {BUILD})")
    else:
        ours, theirs = measured
        ratio = theirs / ours
        ok = ratio >= goal
        failed |= not ok
        print(f"{name:<90} {ours * 1e6:10.3f}us {theirs * 1e6:10.3f}us {ratio:7.2f} "
              f"{'>=' + format(goal, 'g'):>6} {'' if ok else 'BELOW GOAL'}")
    for name, bench, limit in LIMIT_ROWS:
        ours = vorna_seconds(bench)
        ok = ours <= limit
        failed |= not ok
        print(f"{name:<90} {ours * 1e3:10.3f}ms {'':>12} {'':>7} "
              f"{'<=' + format(limit * 1e3, 'g') + 'ms':>6} {'' if ok else 'OVER LIMIT'}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
