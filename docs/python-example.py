#!/usr/bin/python3
"""Designs an elliptic low-pass with Vorna, compares it with scipy's elliptic design of the
same order, realises it with the LP3 circuit in E96 parts, and plots the response, the
circuit's simulated response and the Monte Carlo envelope of 1 % resistors and 5 %
capacitors.

    PYTHONPATH=build/python /usr/bin/python3 docs/python-example.py [PICTURE.png]
"""
import sys

import matplotlib.pyplot as plt
import numpy as np
from scipy import signal

import vorna

picture = sys.argv[1] if len(sys.argv) > 1 else "python-example.png"

d = vorna.design(kind="lp", approximation="elliptic", fp=1e3, attp=0.1, xs=1.5, atts=60)
print(f"order {d.order}, stop-band attenuation reached {d.figures['atts_achieved']:.2f} dB")

f = np.logspace(2, 4, 800)
gain_db, _, delay_s = d.response(f)
z, p, k = signal.ellip(d.order, 0.1, d.figures["atts_achieved"], 2 * np.pi * 1e3, analog=True,
                       output="zpk")
_, h = signal.freqs_zpk(z, p, k, worN=2 * np.pi * f)
print(f"largest difference from scipy: {np.max(np.abs(gain_db - 20 * np.log10(np.abs(h)))):.2e} dB")

c = d.circuit("LP3", series="E96", pick="best")
r = c.verify(gbw=10e6, monte_carlo=1000, tolerance_r=1, tolerance_c=5, seed=1)
mc = r["monte_carlo"]
print(f"{len(c.elements)} parts; yield {mc['yield']:.1%} of {mc['runs']} runs")

fig, ax = plt.subplots(figsize=(9, 5))
envelope = mc["envelope"]
ax.fill_between(envelope["frequency_hz"], envelope["min_db"], envelope["max_db"], color="0.85",
                label="Monte Carlo, smallest to largest")
ax.fill_between(envelope["frequency_hz"], envelope["p5_db"], envelope["p95_db"], color="0.65",
                label="Monte Carlo, 5 % to 95 %")
ax.semilogx(f, gain_db, label="Vorna design")
ax.semilogx(f, 20 * np.log10(np.abs(h)), "--", label="scipy ellip")
ax.semilogx(r["simulated"]["frequency_hz"], r["simulated"]["simulated_db"], ":",
            label="LP3 circuit, ngspice (GBW 10 MHz)")
for band in d.mask():
    high = band["high_hz"] or f[-1]
    ax.hlines(band["limit_db"], max(band["low_hz"], f[0]), high, colors="r")
ax.set(xlabel="frequency (Hz)", ylabel="gain (dB)", ylim=(-100, 5), xlim=(f[0], f[-1]))
ax.grid(True, which="both", alpha=0.3)
ax.legend(loc="lower left")
fig.savefig(picture, dpi=100)
print(f"wrote {picture}")
