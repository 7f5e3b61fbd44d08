#!/usr/bin/env python3
"""Key results of the reference sections for C-type and S-type ground
(embedment methods 3, 4 and 5), worked out without any of the programs' code
and without their standard-curve tables.

Run it with a plain Python 3 (standard library only):

    python3 tests/e2e/reference/embedment_methods.py

The loads above the virtual seabed (its level, the resultant P and its
moment M = P h0, the cantilever deflection of the wall above it) are those of
reference_sections.py, which this script imports; the sections are the
example projects ctype_sand.tn2, stype_sand.tn2 and
ctype_sand_over_clay_layered.tn2 (the same input values, written out below).

The embedded part
-----------------
Below the virtual seabed (depth x downward, deflection y positive towards
the sea) the wall is a beam on a foundation whose reaction grows with the
square root of the deflection:

    EI y'''' + p(x, y) = 0,   p = k(x) sign(y) sqrt(|y|)

    C-type ground:  k(x) = Kc            (kN/m2.5)
    S-type ground:  k(x) = Ks x          (kN/m3.5)
    layered C-type: k(x) = Kc of the layer at x

with the loads above as boundary conditions at the head (x = 0):
EI y''(0) = M and EI y'''(0) = P (the internal moment and shear there), and
a free tip (y'' = y''' = 0) at the bottom. Methods 3 and 5 take a long pile
(the tip far below the first zero of the moment: 25 m here, where the
deflection has died out); method 4 stops at the given tip -15.00.

The solution minimises the potential energy

    Pi(y) = integral( EI/2 y''^2 + (2/3) k |y|^(3/2) ) dx - P y(0) + M y'(0),

a convex functional (|y|^(3/2) is convex), so it has one minimiser. It is
found by iterating on the secant spring k / sqrt(|y_i|) of the last
deflection y_i: since (2/3) t^(3/4) is concave in t = y^2, the quadratic
(2/3)|y_i|^(3/2) + (1/2) k/sqrt(|y_i|) (y^2 - y_i^2) lies above the energy of
the spring and touches it at y_i, so each linear solve lowers Pi
(majorise-minimise) and the iteration converges to the minimiser. A floor of
1e-12 m on |y_i| keeps the secant finite where the deflection changes sign.

Each linear solve is a finite-element beam: cubic Hermite elements of 1 cm
(2 degrees of freedom per node, exact for the beam itself), the spring
stiffness integrated over each element by 3-point Gauss quadrature at the
interpolated deflection, P and M applied at the head node, the banded
symmetric system solved by Gaussian elimination without pivoting (it is
positive definite).

Results along the pile come from equilibrium rather than from the
elements' curvature: the shear Q(x) = P - integral_0^x p and the moment
M(x) = M + integral_0^x Q (trapezoidal rule at the nodes and element
midpoints). From them: the largest moment and its depth (where Q = 0), the
first zero of the moment l1 (linear interpolation), and at the head the
deflection y0 and the slope theta0.

Checks of this solver (printed first): with a linear spring (p = kh y) it
must give Chang's closed forms y0 = P (1 + beta h0) / (2 EI beta^3),
theta0 = -P (1 + 2 beta h0) / (2 EI beta^2) and Mmax of reference_sections.py;
and halving the element length must not move the results.

The method's values
-------------------
Methods 3 and 5 (port-research-institute method): the pile's response scales
with the load height h0, the rigidity EI and the constant k. Putting
x = h0 xi in the equation above, y scales with Y = k^2 h0^8 / EI^2 (C-type)
or k^2 h0^10 / EI^2 (S-type) and the loads with EI Y / h0^3; the one
dimensionless parameter is the characteristic value

    Ts = P EI / (k^2 h0^5)   (C-type),    Ts = P EI / (k^2 h0^7)   (S-type).

Its common logarithm is printed in the units of the standard curves
(EI in 10^4 kN m2/m, k in 1000 kN/m2.5 or kN/m3.5, h0 in m, P in kN/m).
Required embedment: 1.5 l1. Head displacement at the sheet-pile crown:
y0 + |theta0| h + the cantilever deflection of the wall above the virtual
seabed (integral of the net pressure p(a) a^2 (3h - a) / (6 EI) da, from
reference_sections.py), h the height of the crown above the virtual seabed.

Method 4: the given tip; the embedment is the embedded length from the
virtual seabed to the tip, the head displacement as above. The method
itself cuts each layer into n pieces of equal length, n = floor(t / 0.5)
and one more for a remainder (t the layer's thickness below the virtual
seabed and above the tip), and gives each piece one linear spring, the
secant k / sqrt(|y|) of the deflection at the piece's middle, iterated from
the springs k (a deflection of 1 m) until the head deflection changes by
less than 0.1 mm. The script solves three beams and prints them: the
continuous square-root law; the pieces, iterated to convergence; and the
pieces with the method's first springs and stop ("pieces, stopped"), the
values the programs are checked against. The differences between the
three show what the pitch and the stop alone do to each value.

The decided pile is the first candidate (SP-IA upwards) whose stress
Mmax / Z and head displacement are within 180 N/mm2 and 10 cm; its length
runs from the crown to the tip (virtual seabed less the embedment, or the
given tip), rounded up to 0.5 m.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from reference_sections import (  # noqa: E402
    IMPROVED_U,
    SAND_OVER_CLAY,
    UNIFORM_SAND,
    E_STEEL,
)

ALLOW_STRESS = 180.0  # N/mm2, normal case
ALLOW_DISP = 10.0  # cm
GAUSS3 = ((-math.sqrt(0.6), 5.0 / 9.0), (0.0, 8.0 / 9.0), (math.sqrt(0.6), 5.0 / 9.0))
FLOOR = 1e-12  # m, least |y| of a secant spring


def hermite(xi, h):
    """Cubic Hermite shape functions of an element of length h at xi in [0, 1]."""
    return (1 - 3 * xi ** 2 + 2 * xi ** 3, h * (xi - 2 * xi ** 2 + xi ** 3),
            3 * xi ** 2 - 2 * xi ** 3, h * (-xi ** 2 + xi ** 3))


def solve_banded(a, b, bw):
    """Gaussian elimination of a symmetric positive definite band matrix
    given as full rows a[i] = {j: value} (|i - j| <= bw); returns x."""
    n = len(b)
    rows = [dict(r) for r in a]
    rhs = list(b)
    for i in range(n):
        piv = rows[i][i]
        for r in range(i + 1, min(n, i + bw + 1)):
            f = rows[r].get(i, 0.0)
            if f == 0.0:
                continue
            f /= piv
            for c, v in rows[i].items():
                if c >= i:
                    rows[r][c] = rows[r].get(c, 0.0) - f * v
            rhs[r] -= f * rhs[i]
    x = [0.0] * n
    for i in range(n - 1, -1, -1):
        s = rhs[i]
        for c, v in rows[i].items():
            if c > i:
                s -= v * x[c]
        x[i] = s / rows[i][i]
    return x


def mesh(cuts, size):
    """Node depths from 0 to the last cut, every cut a node, elements of at
    most `size`."""
    xs = [0.0]
    for top, bot in zip([0.0] + cuts[:-1], cuts):
        m = max(1, int(math.ceil((bot - top) / size - 1e-9)))
        xs += [top + (bot - top) * j / m for j in range(1, m + 1)]
    return xs


def pitch_pieces(layer_cuts, pitch):
    """Each layer (between the depths of layer_cuts) cut into n equal
    pieces: n = floor(thickness / pitch), one more for a remainder."""
    cuts = []
    for top, bot in zip([0.0] + layer_cuts[:-1], layer_cuts):
        t = bot - top
        n = int(math.floor(t / pitch))
        if t - n * pitch > 0.00001:
            n += 1
        cuts += [top + t * j / n for j in range(1, n + 1)]
    return cuts


class Pile:
    """The embedded part between the node depths xs (m), reaction law
    k_of_x(x) sign(y) sqrt(|y|); with `pieces` (the bottom depths of the
    pieces) the law of a pitch discretisation instead: in each piece a
    linear spring k / sqrt(|y|) of the deflection at the piece's middle."""

    def __init__(self, ei, xs, k_of_x, linear=False, pieces=None, start=0.01, stop=None):
        self.ei, self.xs = ei, xs
        self.start = start  # m, the deflection of the first secant springs
        self.stop = stop  # m, stop when the head deflection changes by less
        self.length, self.n = xs[-1], len(xs) - 1
        self.k = k_of_x
        self.linear = linear  # p = k y (Chang's check) instead of k sqrt(y)
        self.pieces = pieces
        self.piece_secant = None

    def element_of(self, x):
        lo, hi = 0, self.n - 1
        while lo < hi:
            mid = (lo + hi + 1) // 2
            if self.xs[mid] <= x:
                lo = mid
            else:
                hi = mid - 1
        return lo

    def deflection(self, u, e, xi):
        n = hermite(xi, self.xs[e + 1] - self.xs[e])
        return sum(n[a] * u[2 * e + a] for a in range(4))

    def deflection_at(self, u, x):
        e = self.element_of(x)
        return self.deflection(u, e, (x - self.xs[e]) / (self.xs[e + 1] - self.xs[e]))

    def piece_of(self, x):
        for j, bot in enumerate(self.pieces):
            if x < bot - 1e-12:
                return j
        return len(self.pieces) - 1

    def spring(self, x, y):
        """Secant spring at depth x under the deflection y there."""
        if self.linear:
            return self.k(x)
        if self.pieces is not None:
            return self.piece_secant[self.piece_of(x)]
        return self.k(x) / math.sqrt(max(abs(y), FLOOR))

    def update_pieces(self, u):
        tops = [0.0] + self.pieces[:-1]
        self.piece_secant = []
        for top, bot in zip(tops, self.pieces):
            xm = 0.5 * (top + bot)
            y = self.deflection_at(u, xm) if u is not None else self.start
            self.piece_secant.append(self.k(xm) / math.sqrt(max(abs(y), FLOOR)))

    def solve(self, p, m, tol=1e-9, limit=2000):
        ei, ndof = self.ei, 2 * (self.n + 1)
        load = [0.0] * ndof
        load[0], load[1] = p, -m
        u = None
        for it in range(limit):
            if self.pieces is not None:
                self.update_pieces(u)
            rows = [dict() for _ in range(ndof)]
            for e in range(self.n):
                h = self.xs[e + 1] - self.xs[e]
                kb = [12.0 / h ** 3, 6.0 / h ** 2, 4.0 / h, 2.0 / h]
                ke = [[kb[0], kb[1], -kb[0], kb[1]], [kb[1], kb[2], -kb[1], kb[3]],
                      [-kb[0], -kb[1], kb[0], -kb[1]], [kb[1], kb[3], -kb[1], kb[2]]]
                ke = [[ei * v for v in row] for row in ke]
                for g, w in GAUSS3:
                    xi = 0.5 + 0.5 * g
                    x = self.xs[e] + xi * h
                    y = self.start if u is None else self.deflection(u, e, xi)
                    s = self.spring(x, y)
                    nn = hermite(xi, h)
                    for a in range(4):
                        for b in range(4):
                            ke[a][b] += s * nn[a] * nn[b] * w * 0.5 * h
                for a in range(4):
                    for b in range(4):
                        i, j = 2 * e + a, 2 * e + b
                        rows[i][j] = rows[i].get(j, 0.0) + ke[a][b]
            new = solve_banded(rows, load, 3)
            if self.stop is not None:
                done = u is not None and abs(new[0] - u[0]) < self.stop
            else:
                done = u is not None and abs(new[0] - u[0]) <= tol * abs(new[0]) and \
                    abs(new[1] - u[1]) <= tol * abs(new[1])
            u = new
            if self.linear or done:
                break
        else:
            raise RuntimeError("the secant iteration did not converge")
        self.u, self.iterations = u, it + 1
        return self.results(p, m)

    def reaction(self, x, y):
        if self.linear or self.pieces is not None:
            return self.spring(x, y) * y
        return self.k(x) * math.copysign(math.sqrt(abs(y)), y)

    def results(self, p, m):
        # points at the nodes and the element midpoints
        pts = []
        for e in range(self.n):
            for xi in (0.0, 0.5):
                x = self.xs[e] + xi * (self.xs[e + 1] - self.xs[e])
                pts.append((x, self.deflection(self.u, e, xi)))
        pts.append((self.length, self.u[2 * self.n]))
        q, mom = p, m
        best, best_x, zero = abs(m), 0.0, None
        prev = (0.0, m)
        px, py = pts[0]
        pr = self.reaction(px, py)
        for x, y in pts[1:]:
            r = self.reaction(x, y)
            dx = x - px
            q_new = q - 0.5 * (pr + r) * dx
            mom_new = mom + 0.5 * (q + q_new) * dx
            if abs(mom_new) > best:
                best, best_x = abs(mom_new), x
            if zero is None and mom_new * prev[1] <= 0.0:
                zero = prev[0] + (x - prev[0]) * prev[1] / (prev[1] - mom_new)
            q, mom, px, pr, prev = q_new, mom_new, x, r, (x, mom_new)
        return dict(y0=self.u[0], t0=self.u[1], mmax=best, depth=best_x, l1=zero,
                    tip_moment=mom, tip_shear=q, iterations=self.iterations)


def log_ts(p, ei, k, h0, n):
    """Characteristic value in the units of the standard curves."""
    return math.log10(p * (ei / 1e4) / ((k / 1000.0) ** 2 * h0 ** n))


def head_displacement(sec, zv, ei, res):
    h = sec.crown - zv
    d3 = sec.integrate(zv, 0, lambda a: a * a * (3 * h - a) / 6 / ei)
    return (res["y0"] - res["t0"] * h + d3) * 100, d3 * 100


def check_against_chang():
    """The solver with linear springs against Chang's closed forms."""
    name, z, i = IMPROVED_U[3]
    ei = E_STEEL * i * 1e-8
    zv, p, m = UNIFORM_SAND.loads(0)
    h0 = m / p
    kh = 20000.0
    beta = (kh / 4 / ei) ** 0.25
    bh = 1 + 2 * beta * h0
    mmax = p / (2 * beta) * math.sqrt(bh * bh + 1) * math.exp(-math.atan(1 / bh))
    y0 = p * (1 + beta * h0) / (2 * ei * beta ** 3)
    t0 = -p * bh / (2 * ei * beta ** 2)
    lm = math.atan(1 / bh) / beta
    res = Pile(ei, mesh([20.0], 0.01), lambda x: kh, linear=True).solve(p, m)
    print("== check: linear springs kh %.0f, %s, against Chang's closed forms" % (kh, name))
    print("   y0 %.6f (Chang %.6f)  theta0 %.7f (%.7f)  Mmax %.3f (%.3f) at %.3f (%.3f)" % (
        res["y0"], y0, res["t0"], t0, res["mmax"], mmax, res["depth"], lm))


def report_curve_method(title, sec, k_of_x, k, n_exp, piles, length=25.0):
    print("==", title)
    zv, p, m = sec.loads(0)
    h0 = m / p
    print("   virtual seabed %.4f  P %.3f  M %.3f  h0 %.4f" % (zv, p, m, h0))
    decided = None
    for name, z, i in piles:
        ei = E_STEEL * i * 1e-8
        res = Pile(ei, mesh([length], 0.01), k_of_x).solve(p, m)
        disp, d3 = head_displacement(sec, zv, ei, res)
        stress = res["mmax"] * 1e3 / z
        emb = 1.5 * res["l1"]
        print("   %-8s log Ts %.4f  Mmax %.3f at %.3f  sigma %.1f  l1 %.4f  emb %.4f  "
              "y0 %.4f cm  rotation term %.4f cm  disp %.3f (cantilever %.3f)  tip %.4f  [%d it, "
              "tip M %.1e]" % (name, log_ts(p, ei, k, h0, n_exp), res["mmax"], res["depth"],
                               stress, res["l1"], emb, res["y0"] * 100,
                               -res["t0"] * (sec.crown - zv) * 100, disp, d3,
                               zv - emb, res["iterations"], res["tip_moment"]))
        if n_exp == 5:
            print("            subgrade reaction at the virtual seabed %.3f kN/m2" % (
                k * math.sqrt(res["y0"])))
        if decided is None and stress <= ALLOW_STRESS and disp <= ALLOW_DISP:
            decided = (name, zv - emb)
            break
    if decided:
        print("   decided %s, length %.1f" % (decided[0],
                                               math.ceil(2 * (sec.crown - decided[1])) / 2))


def report_layered(title, sec, layers, tip, piles):
    print("==", title)
    zv, p, m = sec.loads(0)
    length = zv - tip
    print("   virtual seabed %.4f  P %.3f  M %.3f  h0 %.4f  embedded length %.4f" % (
        zv, p, m, m / p, length))

    def kc(x):
        level = zv - x
        for top, value in layers:
            if level <= top + 1e-12:
                found = value
        return found

    cuts = [zv - top for top, _ in layers[1:] if tip < top < zv] + [length]
    pieces = pitch_pieces(cuts, 0.5)
    print("   %d pieces of the pitch 0.5 m" % len(pieces))
    decided = None
    for name, z, i in piles:
        ei = E_STEEL * i * 1e-8
        rows = (
            ("continuous law", Pile(ei, mesh(cuts, 0.01), kc)),
            ("0.5 m pieces", Pile(ei, mesh(pieces, 0.01), kc, pieces=pieces)),
            # as the iteration of the programs: first springs the constant
            # itself (a deflection of 1 m), stop at a change below 0.1 mm
            ("pieces, stopped", Pile(ei, mesh(pieces, 0.01), kc, pieces=pieces, start=1.0,
                                     stop=0.0001)),
        )
        print("   %s" % name)
        for label, pile in rows:
            res = pile.solve(p, m)
            disp, d3 = head_displacement(sec, zv, ei, res)
            stress = res["mmax"] * 1e3 / z
            print("     %-16s Mmax %.3f at %.3f  sigma %.1f  l1 %.4f  y0 %.4f cm  rotation "
                  "term %.4f cm  disp %.3f (cantilever %.3f)  reaction %.3f  [%d it]" % (
                      label, res["mmax"], res["depth"], stress, res["l1"], res["y0"] * 100,
                      -res["t0"] * (sec.crown - zv) * 100, disp, d3,
                      kc(0.0) * math.sqrt(res["y0"]), res["iterations"]))
            if pile.pieces is None:
                ok = stress <= ALLOW_STRESS and disp <= ALLOW_DISP
        if ok:
            decided = name
            break
    if decided:
        print("   decided %s, length %.1f" % (decided, math.ceil(2 * (sec.crown - tip)) / 2))


def check_mesh():
    """Halving the element length of the C-type long pile."""
    name, z, i = IMPROVED_U[3]
    ei = E_STEEL * i * 1e-8
    zv, p, m = UNIFORM_SAND.loads(0)
    a = Pile(ei, mesh([25.0], 0.02), lambda x: 2000.0).solve(p, m)
    b = Pile(ei, mesh([25.0], 0.01), lambda x: 2000.0).solve(p, m)
    print("== check: C-type, %s, 2 cm and 1 cm elements" % name)
    for key in ("y0", "t0", "mmax", "l1"):
        print("   %-5s %.7f  %.7f" % (key, a[key], b[key]))


if __name__ == "__main__":
    check_against_chang()
    check_mesh()
    report_curve_method("uniform sand, C-type ground, Kc 2000 kN/m2.5 (method 3)", UNIFORM_SAND,
                        lambda x: 2000.0, 2000.0, 5, IMPROVED_U)
    report_curve_method("uniform sand, S-type ground, Ks 1000 kN/m3.5 (method 5)", UNIFORM_SAND,
                        lambda x: 1000.0 * x, 1000.0, 7, IMPROVED_U)
    report_layered("sand over clay, C-type multi-layer ground to the tip -15.00 (method 4): "
                   "Kc 2000 (sand), 500 (clay)", SAND_OVER_CLAY, [(-2.5, 2000.0), (-4.0, 500.0)],
                   -15.0, IMPROVED_U)
