"""Small symbolic nodal analysis used to derive and check the section topologies.

A netlist is a list of elements: ('R'|'C', name, n1, n2) or ('U', name, plus, minus, out).
Node '0' is ground, 'in' is driven by a 1 V source. Op-amps are ideal (nullors) unless a
finite open-loop gain A(s) is given, in which case out = A(s)·(plus − minus).
"""
import sympy as sp

s = sp.Symbol('s')


def solve(netlist, values=None, gain=None):
    values = values or {}
    nodes = sorted({n for e in netlist for n in e[2:]} - {'0', 'in'})
    V = {n: sp.Symbol('V_' + n) for n in nodes}
    V['0'] = 0
    V['in'] = 1
    sym = lambda name: values.get(name, sp.Symbol(name, positive=True))
    kcl = {n: 0 for n in nodes}
    opamps = [e for e in netlist if e[0] == 'U']
    outs = {e[4] for e in opamps}
    for e in netlist:
        if e[0] in 'RC':
            y = 1 / sym(e[1]) if e[0] == 'R' else s * sym(e[1])
            a, b = e[2], e[3]
            i = (V[a] - V[b]) * y
            if a in kcl: kcl[a] -= i
            if b in kcl: kcl[b] += i
    eqs = [kcl[n] for n in nodes if n not in outs]
    for e in opamps:
        plus, minus, out = e[2], e[3], e[4]
        if gain is None:
            eqs.append(V[plus] - V[minus])
        else:
            eqs.append(V[out] - gain * (V[plus] - V[minus]))
    sol = sp.solve(eqs, [V[n] for n in nodes], dict=True)
    assert sol, 'singular'
    return {n: sp.simplify(sol[0][V[n]]) for n in nodes}


def coefficients(h):
    """Pn_0..Pn_4 and the sign of the leading numerator term, normalised to s^2 + Pn_0 s + Pn_1."""
    num, den = sp.fraction(sp.together(h))
    num = sp.Poly(sp.expand(num), s)
    den = sp.Poly(sp.expand(den), s)
    return num, den
