"""Vorna's analog filter design from Python.

    import vorna
    d = vorna.design(kind="lp", approximation="elliptic", fp=1e3, attp=0.1, xs=1.5, atts=60)
    gain_db, phase_rad, delay_s = d.response([100.0, 1e3, 2e3])

vorna.design and vorna.load make a Design: its sections and zeros, poles and gain, its
responses as numpy arrays, its digital filter, its attenuation mask, its design file and its
coefficient export, and its circuits (Design.circuit) with their part values, schematics
and verification. Frequencies are in Hz, attenuations and gains in dB. A refused design
raises vorna.DesignError (a ValueError), a circuit that cannot be made vorna.CircuitError;
nothing is printed.
"""
from ._vorna import (APPROXIMATIONS, CIRCUITS, KINDS, Circuit, CircuitError, Design,
                     DesignError, DigitalDesign, design, load)

__all__ = ["APPROXIMATIONS", "CIRCUITS", "KINDS", "Circuit", "CircuitError", "Design",
           "DesignError", "DigitalDesign", "design", "load"]

# The classes are the package's, whatever part of it defines them.
for _public in (Circuit, CircuitError, Design, DesignError, DigitalDesign):
    _public.__module__ = __name__
del _public
