"""Checks that every section topology realises the write-back equations of its synthesis
routine exactly (symbolically, ideal op-amps), and that it is stable with op-amps of finite
gain-bandwidth. Run with a Python that has sympy and numpy."""
import sympy as sp
import numpy as np
from mna import solve, s

S = lambda n: sp.Symbol(n, positive=True)

FO_LP = [('R', 'R1', 'in', 'a'), ('C', 'C1', 'a', '0'), ('U', 'U1', 'a', 'out', 'out')]
FO_HP = [('C', 'C1', 'in', 'a'), ('R', 'R1', 'a', '0'), ('R', 'R2', 'out', 'n'), ('U', 'U1', 'a', 'n', 'out')]
MFB_LP = [('R', 'R1', 'in', 'a'), ('C', 'C1', 'a', '0'), ('R', 'R3', 'a', 'out'), ('R', 'R2', 'a', 'n'),
          ('C', 'C2', 'n', 'out'), ('U', 'U1', '0', 'n', 'out')]
SK_LP = [('R', 'R1', 'in', 'a'), ('R', 'R2', 'a', 'b'), ('C', 'C1', 'a', 'out'), ('C', 'C2', 'b', '0'),
         ('U', 'U1', 'b', 'out', 'out')]
MFB_HP = [('C', 'C1', 'in', 'a'), ('R', 'R1', 'a', '0'), ('C', 'C3', 'a', 'out'), ('C', 'C2', 'a', 'n'),
          ('R', 'R2', 'n', 'out'), ('U', 'U1', '0', 'n', 'out')]
SK_HP = [('C', 'C1', 'in', 'a'), ('C', 'C2', 'a', 'b'), ('R', 'R1', 'a', 'out'), ('R', 'R2', 'b', '0'),
         ('U', 'U1', 'b', 'out', 'out')]
MFB_BP = [('R', 'R1', 'in', 'a'), ('R', 'R2', 'a', '0'), ('C', 'C1', 'a', 'out'), ('C', 'C2', 'a', 'n'),
          ('R', 'R3', 'n', 'out'), ('U', 'U1', '0', 'n', 'out')]
def DABP(u1, u2):
    return [('R', 'R11', 'in', 'A'), ('R', 'R12', 'A', '0'), ('C', 'C1', 'A', '0'),
            ('R', 'R21', 'A', 'n2'), ('C', 'C2', 'n2', 'n3'), ('R', 'R22', 'n3', 'n4'),
            ('R', 'Rx1', 'n4', 'n5'), ('R', 'Rx2', 'n5', '0'),
            ('U', 'U1', u1[0], u1[1], 'n2'), ('U', 'U2', u2[0], u2[1], 'n4'),
            ('R', 'R4', 'm', '0'), ('R', 'R3', 'out', 'm'), ('U', 'U3', 'n4', 'm', 'out')]
KHN = [('R', 'R41', 'in', 'h'), ('R', 'R42', 'hp', 'h'), ('R', 'R43', 'lp', 'h'), ('U', 'U1', 'q', 'h', 'hp'),
       ('R', 'R44', 'bp', 'q'), ('R', 'R1', 'q', '0'),
       ('R', 'Rb1', 'hp', 'i1'), ('C', 'Cb1', 'i1', 'bp'), ('U', 'U2', '0', 'i1', 'bp'),
       ('R', 'Rb2', 'bp', 'i2'), ('C', 'Cb2', 'i2', 'lp'), ('U', 'U3', '0', 'i2', 'lp'),
       ('R', 'R2', 'hp', 'k'), ('R', 'R45', 'lp', 'k'), ('R', 'R3', 'out', 'k'), ('U', 'U4', '0', 'k', 'out')]
TWINT = [('R', 'Rb1', 'in', 'p'), ('R', 'Rb2', 'p', 'o'), ('C', 'C1', 'p', 'b'),
         ('C', 'Cb1', 'in', 'q'), ('C', 'Cb2', 'q', 'o'), ('R', 'R1', 'q', 'b'),
         ('C', 'C2', 'o', '0'), ('R', 'R2', 'o', '0'),
         ('U', 'U1', 'o', 'm', 'b'), ('R', 'R3', 'b', 'm'), ('R', 'R5', 'm', '0'),
         ('R', 'R6', 'b', 'k'), ('R', 'R4', 'out', 'k'), ('U', 'U2', '0', 'k', 'out')]


def normalised(h):
    num, den = sp.fraction(sp.cancel(sp.together(h)))
    num = sp.Poly(sp.expand(num), s); den = sp.Poly(sp.expand(den), s)
    dc = den.all_coeffs()
    lead = dc[0]
    d = [sp.simplify(c / lead) for c in dc[1:]]
    n = [sp.simplify(c / lead) for c in num.all_coeffs()]
    return n, d


def check(name, netlist, subs, expected_den, expected_num):
    h = solve(netlist)['out']
    h = h.subs(subs)
    n, d = normalised(h)
    errs = [sp.simplify(a - b) for a, b in zip(d, expected_den)]
    nn = [0] * (len(expected_num) - len(n)) + n
    errn = [sp.simplify(a - b) for a, b in zip(nn, expected_num)]
    print(f'{name:8s} den {errs} num {errn}  num={nn}')


R, C = S('R'), S('C')
R1, R2, R3, R4, R5, R6 = map(S, ['R1', 'R2', 'R3', 'R4', 'R5', 'R6'])
C1, C2, C3 = map(S, ['C1', 'C2', 'C3'])
Rb, Cb = S('Rb'), S('Cb')

# First-order: p2 = p0 = 1/(CR) (low-pass), p0 = 1/(CR), p1 = 1 (high-pass).
check('FO-LP', FO_LP, {S('R1'): R, S('C1'): C}, [1 / (C * R)], [1 / (C * R)])
check('FO-HP', FO_HP, {S('R1'): R, S('C1'): C, S('R2'): R}, [1 / (C * R)], [1, 0])
# LP1 with R3 = R1; LP2.
check('LP1', MFB_LP, {S('R3'): R1}, [(2 * R2 + R1) / (R1 * R2 * C1), 1 / (R1 * R2 * C1 * C2)],
      [-1 / (R1 * R2 * C1 * C2)])
check('LP2', SK_LP, {}, [(R1 + R2) / (R1 * R2 * C1), 1 / (R1 * R2 * C1 * C2)], [1 / (R1 * R2 * C1 * C2)])
check('HP1', MFB_HP, {S('C3'): C1}, [(2 * C1 + C2) / (C1 * C2 * R2), 1 / (R1 * R2 * C1 * C2)], [-1, 0, 0])
check('HP2', SK_HP, {}, [(C2 + C1) / (C1 * C2 * R2), 1 / (R1 * R2 * C1 * C2)], [1, 0, 0])
P0 = 2 / (C * R3)
check('BP1', MFB_BP, {S('C1'): C, S('C2'): C}, [P0, (R1 + R2) / (R1 * R2 * R3 * C ** 2)], [-(R3 / (2 * R1)) * P0, 0])
Rx = S('Rx')
# The impedance converter's op-amps: U1 + at the tank node, - at the capacitor node; U2 + at
# the capacitor node, - at the gain-of-two divider (the stable arrangement, see below).
STABLE_DABP = DABP(('A', 'n3'), ('n3', 'n5'))
P0 = 2 / (C * R1)
check('BP2', STABLE_DABP,
      {S('R11'): R1, S('R12'): R1, S('R21'): R2, S('R22'): R2, S('C1'): C, S('C2'): C, S('Rx1'): Rx, S('Rx2'): Rx},
      [P0, 1 / (C * R2) ** 2], [((R3 + R4) / R4) * P0, 0])
P1 = 1 / (Cb * Rb) ** 2
check('lpet1', KHN, {S('Rb1'): Rb, S('Rb2'): Rb, S('Cb1'): Cb, S('Cb2'): Cb,
                     S('R41'): R4, S('R42'): R4, S('R43'): R4, S('R44'): R4, S('R45'): R4},
      [3 * R1 / ((R1 + R4) * Cb * Rb), P1], [R3 / R2, 0, (R3 / R4) * P1])
d1 = R3 / R5 + 1; d2 = 2 * C2 / Cb; d3 = 2 * Rb / R2; d4 = 1 / (Cb * Rb)
Pn2 = d1 * R4 / ((d2 + 1) * R6)
check('lpet2', TWINT, {S('Rb1'): Rb, S('Rb2'): Rb, S('Cb1'): Cb, S('Cb2'): Cb, S('R1'): Rb / 2, S('C1'): 2 * Cb},
      [((d2 + d3 + 4) - 4 * d1) * d4 / (d2 + 1), ((d3 + 1) / (d2 + 1)) * d4 ** 2], [-Pn2, 0, -d4 ** 2 * Pn2])


# Stability with single-pole op-amps (A0 = 1e5, GBW = 10 MHz) at 1 kHz-ish values.
def poles(netlist, values):
    A0, wa = 1e5, 2 * np.pi * 100
    h = solve(netlist, values, gain=A0 * wa / (s + wa))['out']
    num, den = sp.fraction(sp.together(h))
    r = np.roots([complex(c) for c in sp.Poly(sp.expand(den), s).all_coeffs()])
    return max(r.real)


print('Largest real part of the poles with single-pole op-amps (must be negative):')
vals = dict(R11=22e3, R12=22e3, C1=10e-9, C2=10e-9, R21=15.9e3, R22=15.9e3, Rx1=10e3, Rx2=10e3, R3=10e3, R4=10e3)
for u1 in [('A', 'n3'), ('n3', 'A')]:
    for u2 in [('n5', 'n3'), ('n3', 'n5')]:
        print('  BP2 U1', u1, 'U2', u2, poles(DABP(u1, u2), vals))
print('  lpet1', poles(KHN, dict(R41=1e4, R42=1e4, R43=1e4, R44=1e4, R45=1e4, R1=5e3, Rb1=15.9e3, Rb2=15.9e3,
                                 Cb1=10e-9, Cb2=10e-9, R2=1e4, R3=1e4)))
print('  lpet2', poles(TWINT, dict(Rb1=15.9e3, Rb2=15.9e3, Cb1=10e-9, Cb2=10e-9, R1=7.95e3, C1=20e-9, C2=4.7e-9,
                                   R2=100e3, R3=1e3, R5=10e3, R4=10e3, R6=10e3)))
print('  LP1', poles(MFB_LP, dict(R1=1e4, R2=1e4, R3=1e4, C1=47e-9, C2=5.6e-9)))
