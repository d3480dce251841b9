#!/usr/bin/python3
"""Checks the group delays and the step and impulse responses of filter cascades against
independent evaluations.

Usage: compare_analysis_with_scipy.py CASES.json
CASES.json holds a list of cascades, each with its "domain" ("analog" or "digital"), the
sampling period "T", the first-order section "first" ([P0, P1, P2] or null), the
second-order sections [Pn_0 .. Pn_4], the angular frequencies "omegas" (rad/s) with the
computed "groupDelay" (s), and optionally "dt" with the computed "step" and "impulse"
samples at 0, dt, 2 dt, ... (for digital cascades dt is a whole number of sampling periods).

Group delay: analog, the numerical derivative of each term's phase (central differences of
the angles of the terms' ratios with Richardson extrapolation), summed; digital,
scipy.signal.group_delay of each section, summed. Both within GD_TOLERANCE relative wherever
the gain is above FLOOR_DB. Responses: scipy.signal.step and impulse of the series
connection of the sections (analog), scipy.signal.sosfilt (digital), within TIME_TOLERANCE
of the larger of the final value and the largest sample.

Exit status 0 when everything agrees, 1 with the worst mismatches listed otherwise.
"""

import json
import sys
import warnings

import numpy as np
from scipy import signal

GD_TOLERANCE = 1e-6
TIME_TOLERANCE = 1e-6
FLOOR_DB = -200.0
NEAR_ZERO = 1e-5


def terms(case, x):
    """Numerators and denominators of every section at x (s for analog, zm for digital)."""
    numerators, denominators = [], []
    digital = case["domain"] == "digital"
    if case["first"] is not None:
        p0, p1, p2 = case["first"]
        numerators.append(p1 + p2 * x if digital else p1 * x + p2)
        denominators.append(1 + p0 * x if digital else x + p0)
    for a1, a0, n2, n1, n0 in case["sections"]:
        if digital:
            numerators.append(n2 + n1 * x + n0 * x * x)
            denominators.append(1 + a1 * x + a0 * x * x)
        else:
            numerators.append(n2 * x * x + n1 * x + n0)
            denominators.append(x * x + a1 * x + a0)
    return numerators, denominators


def gain_db(case, w):
    x = np.exp(-1j * w * case["T"]) if case["domain"] == "digital" else 1j * w
    numerators, denominators = terms(case, x)
    with np.errstate(divide="ignore"):
        return sum(20 * np.log10(np.abs(n)) - 20 * np.log10(np.abs(d))
                   for n, d in zip(numerators, denominators))


def analog_delay(case, w):
    """-d(phase)/dw by central differences; nan where a zero lies within the stencil."""
    def slope(h):
        up_n, up_d = terms(case, 1j * (w + h))
        down_n, down_d = terms(case, 1j * (w - h))
        total = np.zeros_like(w)
        crossing = np.zeros_like(w, dtype=bool)
        for a, b in zip(up_n, down_n):
            step = np.angle(a / b)
            crossing |= np.abs(step) > np.pi / 2
            total += step
        for a, b in zip(up_d, down_d):
            total -= np.angle(a / b)
        return np.where(crossing, np.nan, total / (2 * h))
    h = 1e-5 * w
    return -(4 * slope(h / 2) - slope(h)) / 3


def digital_delay(case, w):
    """scipy's group delay summed over the sections; nan within a hair of a zero on the unit
    circle, where its formula divides by a vanishing polynomial (its result is then off by
    up to 1e-3 while the closed form still agrees with 50-digit arithmetic)."""
    T = case["T"]
    polynomials = []
    if case["first"] is not None:
        p0, p1, p2 = case["first"]
        polynomials.append(([p1, p2], [1, p0]))
    for a1, a0, n2, n1, n0 in case["sections"]:
        polynomials.append(([n2, n1, n0], [1, a1, a0]))
    total = np.zeros_like(w)
    zm = np.exp(-1j * w * T)
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")
        for b, a in polynomials:
            total += signal.group_delay((b, a), w=w * T)[1]
            near_zero = np.abs(np.polyval(b[::-1], zm)) < NEAR_ZERO * np.sum(np.abs(b))
            total[near_zero] = np.nan
    return total * T


def sos_rows(case):
    rows = []
    if case["first"] is not None:
        p0, p1, p2 = case["first"]
        rows.append([p1, p2, 0, 1, p0, 0])
    for a1, a0, n2, n1, n0 in case["sections"]:
        rows.append([n2, n1, n0, 1, a1, a0])
    return np.array(rows)


def analog_system(case):
    """The series connection of the sections as one state-space system."""
    parts = []
    if case["first"] is not None:
        p0, p1, p2 = case["first"]
        parts.append(signal.tf2ss([p1, p2], [1, p0]))
    for a1, a0, n2, n1, n0 in case["sections"]:
        parts.append(signal.tf2ss([n2, n1, n0], [1, a1, a0]))
    A, B, C, D = parts[0]
    for A2, B2, C2, D2 in parts[1:]:
        n, m = A.shape[0], A2.shape[0]
        A = np.block([[A, np.zeros((n, m))], [B2 @ C, A2]])
        B = np.vstack([B, B2 @ D])
        C = np.hstack([D2 @ C, C2])
        D = D2 @ D
    return A, B, C, D


def responses(case, count):
    dt = case["dt"]
    if case["domain"] == "digital":
        # Every stride-th sampling instant.
        stride = int(round(dt / case["T"]))
        x = np.zeros(count * stride)
        x[0] = 1
        sos = sos_rows(case)
        return (signal.sosfilt(sos, np.ones(count * stride))[::stride],
                signal.sosfilt(sos, x)[::stride])
    t = np.arange(count) * dt
    with warnings.catch_warnings():
        # tf2ss warns of the second-order sections' leading zeros (low-pass numerators).
        warnings.simplefilter("ignore")
        system = analog_system(case)
    return signal.step(system, T=t)[1], signal.impulse(system, T=t)[1]


def main():
    cases = json.load(open(sys.argv[1]))
    failures = []
    worst_gd = worst_time = 0.0
    for case in cases:
        w = np.array(case["omegas"])
        ours = np.array(case["groupDelay"])
        reference = digital_delay(case, w) if case["domain"] == "digital" else analog_delay(case, w)
        usable = (gain_db(case, w) > FLOOR_DB) & np.isfinite(reference)
        scale = np.maximum(np.abs(reference), 1e-9 * np.max(np.abs(reference[usable]), initial=0))
        error = np.where(usable, np.abs(ours - reference) / np.where(scale > 0, scale, 1), 0)
        worst_gd = max(worst_gd, float(np.max(error)))
        if np.max(error) > GD_TOLERANCE:
            i = int(np.argmax(error))
            failures.append(f"{case['name']}: group delay {ours[i]!r} against {reference[i]!r} "
                            f"at {w[i]!r} rad/s (relative {error[i]:.3g})")
        if "dt" not in case:
            continue
        step, impulse = responses(case, len(case["step"]))
        for label, mine, theirs, final in (("step", case["step"], step, step[-1]),
                                           ("impulse", case["impulse"], impulse, 0.0)):
            scale = max(abs(final), float(np.max(np.abs(theirs))))
            error = float(np.max(np.abs(np.array(mine) - theirs))) / scale
            worst_time = max(worst_time, error)
            if error > TIME_TOLERANCE:
                failures.append(f"{case['name']}: {label} response off by {error:.3g} of its scale")
    print(f"{len(cases)} cascades; worst group delay error {worst_gd:.3g} (relative), "
          f"worst time response error {worst_time:.3g} (of the scale)")
    for failure in failures[:40]:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
