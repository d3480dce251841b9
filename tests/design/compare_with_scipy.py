#!/usr/bin/python3
"""Compares the magnitude responses of designed filter sections with scipy.signal's analog
designs of the same kind, approximation, order, ripple and stop-band attenuation.

Usage: compare_with_scipy.py DESIGNS.json
DESIGNS.json holds a list of designs, each with its kind ("LP", "HP", "BP", "BE"), its
approximation ("Butterworth", "Chebyshev", "InvCheb", "Elliptic", "Bessel" with its "norm",
"Legendre", compared with the exact optimum-L polynomial), order, attp, attsAchieved,
the edges scipy is given (rad/s), the first-order section (odd LP/HP orders) and the
second-order sections [Pn_0, Pn_1, Pn_2, Pn_3, Pn_4].

Exit status 0 when every response is within its "tolerance" (dB, TOLERANCE_DB when it has
none) of scipy's wherever scipy's response
is above FLOOR_DB; 1 with the worst mismatches listed otherwise; 2 on bad input.
"""

import json
import os
import sys

import numpy as np
from numpy.polynomial import legendre
from scipy import signal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_all_pole_references as references  # noqa: E402

TOLERANCE_DB = 0.01
FLOOR_DB = -200.0
POINTS = 2000

BTYPES = {"LP": "lowpass", "HP": "highpass", "BP": "bandpass", "BE": "bandstop"}


def sections_db(design, w):
    s = 1j * w
    db = np.zeros_like(w)
    if design["first"] is not None:
        p0, p1, p2 = design["first"]
        db += 20 * np.log10(np.abs((p1 * s + p2) / (s + p0)))
    for a0, a1, b2, b3, b4 in design["sections"]:
        db += 20 * np.log10(np.abs((b2 * s * s + b3 * s + b4) / (s * s + a0 * s + a1)))
    return db


def optimum_l_db(design, w):
    """-10 log10(1 + L_n(W^2)) with the exact optimum-L polynomial at the prototype frequency
    W of each frequency, the polynomial as a Legendre series in 2 W^2 - 1."""
    series = [float(c) for c in
              references.legendre_series(references.optimum_l_in_x(design["order"]))]
    edges = design["edges"]
    if len(edges) == 1:
        prototype = w / edges[0] if design["kind"] == "LP" else edges[0] / w
    else:
        centre2, width = edges[0] * edges[1], edges[1] - edges[0]
        prototype = (np.abs((w * w - centre2) / (width * w)) if design["kind"] == "BP"
                     else np.abs(width * w / (centre2 - w * w)))
    return -10 * np.log10(1 + legendre.legval(2 * prototype ** 2 - 1, series))


def reference_db(design, w):
    order = design["order"]
    edges = design["edges"]
    wn = edges[0] if len(edges) == 1 else edges
    btype = BTYPES[design["kind"]]
    approximation = design["approximation"]
    if approximation == "Butterworth":
        z, p, k = signal.butter(order, wn, btype, analog=True, output="zpk")
    elif approximation == "Chebyshev":
        z, p, k = signal.cheby1(order, design["attp"], wn, btype, analog=True, output="zpk")
    elif approximation == "InvCheb":
        z, p, k = signal.cheby2(order, design["attsAchieved"], wn, btype, analog=True,
                                output="zpk")
    elif approximation == "Bessel":
        z, p, k = signal.bessel(order, wn, btype, analog=True, output="zpk", norm=design["norm"])
    elif approximation == "Legendre":
        return optimum_l_db(design, w)
    else:
        z, p, k = signal.ellip(order, design["attp"], design["attsAchieved"], wn, btype,
                               analog=True, output="zpk")
    s = 1j * w
    # Products of many factors are summed as logarithms: the polynomial form of an order-116
    # filter would not survive double precision.
    db = np.full_like(w, 20 * np.log10(abs(k)))
    for zero in z:
        db += 20 * np.log10(np.abs(s - zero))
    for pole in p:
        db -= 20 * np.log10(np.abs(s - pole))
    # This system's even-order Chebyshev filters have unity gain at DC (or at the centre), so
    # their ripple lies between 0 and +attp dB; scipy's lies between -attp and 0 dB.
    if approximation == "Chebyshev" and order % 2 == 0:
        db += design["attp"]
    return db


def frequencies(design):
    centre = np.sqrt(np.prod(design["edges"])) if len(design["edges"]) == 2 else design["edges"][0]
    grid = np.logspace(np.log10(centre) - 2, np.log10(centre) + 2, POINTS)
    return np.sort(np.concatenate([grid, np.asarray(design["edges"], dtype=float)]))


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    with open(sys.argv[1], encoding="utf-8") as f:
        designs = json.load(f)
    if not designs:
        print("no designs to compare")
        return 2
    failures = []
    worst = 0.0
    for design in designs:
        w = frequencies(design)
        ours = sections_db(design, w)
        ref = reference_db(design, w)
        checked = ref > FLOOR_DB
        if not np.all(np.isfinite(ours[checked])):
            failures.append((float("inf"), design["name"], "response not finite"))
            continue
        error = np.abs(ours - ref)[checked]
        if error.size == 0:
            failures.append((float("inf"), design["name"], "no point above the floor"))
            continue
        at = int(np.argmax(error))
        worst = max(worst, float(error[at]))
        if error[at] > design.get("tolerance", TOLERANCE_DB):
            f = w[checked][at] / (2 * np.pi)
            failures.append((float(error[at]), design["name"],
                             f"at {f:.6g} Hz: ours {ours[checked][at]:.6f} dB, "
                             f"scipy {ref[checked][at]:.6f} dB"))
    print(f"{len(designs)} designs compared, worst difference {worst:.3g} dB")
    if failures:
        failures.sort(reverse=True)
        print(f"{len(failures)} designs differ from scipy by more than their tolerance:")
        for error, name, detail in failures[:40]:
            print(f"  {name}: {error:.4g} dB {detail}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
