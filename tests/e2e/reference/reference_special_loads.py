#!/usr/bin/env python3
"""Key results of three more reference wall sections, worked out from the
textbook formulas without any of the programs' code: a seismic case with the
dynamic water pressure, a construction stage under the Kuroda / Hiroi
(Morihira) wave pressures, and an embankment with fills and surcharge zones.

Run it with a plain Python 3 (standard library only):

    python3 tests/e2e/reference/reference_special_loads.py

It reuses the earth-pressure, integration and Chang routines of
reference_sections.py beside it (Coulomb / Mononobe-Okabe coefficients,
virtual seabed by bisection, Simpson integration of the pressure diagram,
Chang's closed forms) and adds, per section, what is new:

Seismic case with dynamic water pressure (seismic_dynamic_water.tn2)
--------------------------------------------------------------------
The seismic section of seismic_sand.tn2 with the apparent seismic
coefficient by the Arai-Yokoi proposal and Westergaard's dynamic water
pressure on the sea side.

* Apparent coefficient of a submerged layer (Arai-Yokoi):
      k' = (2 (S_wet + S_sat + q) + gamma_sat H) / (2 (S_wet + S_used + q) + gamma' H) k
  S_wet the wet overburden above the water level, S_sat / S_used the
  saturated / submerged overburden of the submerged rows above the layer,
  q the surcharge, H the layer's thickness, gamma' = gamma_sat - 10.0.
  Land side, the sand below the R.W.L. +1.00 down to -30.00 (H = 31):
  S_wet = 18 x 1.5 = 27, S_sat = S_used = 0, q = 5:
      k' = 684 / 374 x 0.15 = 0.2743 (4 decimals), 0.27 for the pressures.
  Sea side, the sand below the seabed -2.50 (H = 27.5, no overburden):
      k' = 20 / 10 x 0.15 = 0.30.
  The seismic angle of the pressures: atan k' rounded to 0.1 degree.
* Westergaard's dynamic water pressure between the L.W.L. and the seabed,
  depth H = L.W.L. - seabed = 2.5 m:
      p(y) = 7/8 k w sqrt(H y);  P_d = 7/12 k w H^2 acting 0.4 H above the
      seabed.
  It acts on the sea side towards the sea, so it adds to the land-side
  load: P, M about the virtual seabed, the cantilever deflection and Chang's
  results take it with the net earth pressure. The virtual seabed is that
  of the earth pressures alone.

Construction stage under the Kuroda / Hiroi waves (kuroda_hiroi_waves.tn2)
--------------------------------------------------------------------------
The wall stands in the sea before the backfill (design wave height HD and
H1/3 1.5 m, T 6 s, normal incidence, no wave-dissipating works, the ground
in front of the wall, the toe and the lower limit of the pressure all at the
seabed -2.50). A wave breaks in front of the wall when 2 H1/3 > d:
at the H.W.L. +1.50 (d = 4.0) it stands, at the L.W.L. 0.00 (d = 2.5) it
breaks.

* Standing wave (Hiroi / Morihira with Sainflou's rise of the mean level):
      delta0 = coth(2 pi D / L) pi H^2 / L;  p_b = w0 H / cosh(2 pi D / L)
      p_s = (w0 D + p_b) (H + delta0) / (D + H + delta0)
  (2 pi and pi taken as 6.28 and 3.14 as the design tables write them,
  delta0 and p_b to 3 decimals before p_s)
  the diagram runs linearly from 0 at the crest eta0 + delta0 + H to p_s at
  the tide level and on to p_b at the depth D; within H/2 of the tide level
  it is raised to at least Hiroi's p = 1.5 w0 H.
* Breaking wave (Hiroi): the uniform pressure p = 1.5 w0 H from 1.25 H above
  the tide level down to the lower limit h'.
  w0 = 10.1 kN/m3; the wave length L of linear theory for T and the depth h
  (g = 9.8, rounded to 2 decimals as the input carries it).
* Forces and moments about the construction seabed: the diagram integrated
  from the wall top (the sheet-pile crown +2.50) down to h'; no still-water
  pressure. The embedded part is Chang's beam under the resultant, with the
  completed state's pile. The cantilever term of the head displacement as
  the hand calculation takes it: the diagram cut into rectangles and
  triangles, each a point load F at its centroid a above the seabed,
  F a^2 (3h - a) / (6 EI) (the distributed load's term is printed beside it:
  under the uniform breaking-wave pressure the one rectangle gives 18 % less).

Embankment with fills and surcharge zones (embankment_fill.tn2)
---------------------------------------------------------------
The seismic section of seismic_sand.tn2 behind a fill (wet 18 kN/m3) from
the ground-surface crown +2.50 up to +3.00, its face at the wall, with the
surcharge zones 0..2 m 10 kN/m2 (5 in an earthquake) and 3..30 m 20 (10),
the surcharge of every layer taken from the wedge from the design seabed.

* Failure angle of the sand (Coulomb, with the seismic angle theta):
      cot(zeta - beta) = -tan(phi + delta + psi - beta)
          + sec(phi + delta + psi - beta) sqrt(cos(psi + delta + theta) sin(phi + delta)
                                              / (cos(psi - beta) sin(phi - beta - theta)))
  here beta = psi = 0, delta 15 degrees; theta = atan k rounded to whole
  seconds (k 0.15 above the R.W.L., the apparent 0.30 below it); the angle
  of the wedge is held to whole seconds.
* Trial wedge from the wall at the bottom of a layer: the slip plane rises
  through the layers with their failure angles to the ground-surface crown,
  reached at the distance X = sum of (layer thickness / tan zeta), and goes
  on with the angle of the top layer through the fill until it meets the
  ground surface at x_c = X + 0.5 / tan zeta. Above the crown the wedge is the
  trapezoid of the fill between the wall and the slip plane:
      W = gamma_fill x 0.5 (X + x_c) / 2,
      Q = the surcharge zones' intensities times their lengths inside x_c,
      q = (W + Q) / X, the equivalent uniform surcharge at the crown.
  The wedge from the seabed crosses the layers +2.50..+1.00 (zeta with
  k 0.15) and +1.00..-2.50 (zeta with k' 0.30); its q is every layer's.
* Active intensity K (sigma + q) (sigma the overburden from the
  ground-surface crown, the fill counted in q). The passive side,
  the residual water, the virtual seabed, P, M and Chang as in
  reference_sections.py.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import reference_sections as rs  # noqa: E402

r = rs.r


# --- seismic case with the dynamic water pressure ---------------------------

def arai_yokoi(k, s_wet, s_sat, s_used, q, h, sat, used):
    return (2 * (s_wet + s_sat + q) + sat * h) / (2 * (s_wet + s_used + q) + used * h) * k


class DynamicWaterSection(rs.Section):
    """The uniform sand with the apparent coefficients of the Arai-Yokoi
    proposal (land and sea side differ) and Westergaard's pressure."""

    def __init__(self, name, **kw):
        super().__init__(name, **kw)
        sand = self.land[0]
        submerged = sand.sat - rs.SUBMERGED_LESS
        s_wet = sand.wet * (self.crown - self.rwl)
        self.k_land = r(arai_yokoi(self.k, s_wet, 0.0, 0.0, self.q[1], self.rwl - self.bottom,
                                   sand.sat, submerged), 4)
        sea = self.sea[0]
        self.k_sea = r(arai_yokoi(self.k, 0.0, 0.0, 0.0, 0.0, self.seabed - self.bottom, sea.sat,
                                  sea.sat - rs.SUBMERGED_LESS), 2)
        self.depth = self.lwl - self.seabed

    def active(self, z, case, below):
        self.k_apparent = r(self.k_land, 2)
        return super().active(z, case, below)

    def passive(self, z, case, below):
        self.k_apparent = self.k_sea
        return super().passive(z, case, below)

    def dynamic_water(self, z):
        if z > self.lwl or z < self.seabed:
            return 0.0
        return 7.0 / 8.0 * self.k * self.w * math.sqrt(self.depth * (self.lwl - z))

    def integrate(self, zv, case, weight):
        total = super().integrate(zv, case, weight)
        if case != 1:
            return total
        n = 2000  # Simpson over the water depth; the root's end is smooth enough
        step = self.depth / n
        acc = 0.0
        for i in range(n + 1):
            z = self.lwl - i * step
            acc += (1 if i in (0, n) else (4 if i % 2 else 2)) * self.dynamic_water(z) * weight(
                z - zv)
        return total + acc * step / 3


def dynamic_water_report(sec, pile):
    print("==", sec.name)
    print(" apparent k' land %.4f (pressures %.2f), sea %.2f" % (sec.k_land, r(sec.k_land, 2),
                                                                sec.k_sea))
    h = sec.depth
    pd = 7.0 / 12.0 * sec.k * sec.w * h * h
    print(" Westergaard: H %.3f  P_d %.3f  h_d %.3f  p(seabed) %.3f" % (
        h, pd, 0.4 * h, 0.875 * sec.k * sec.w * h))
    for case in sec.cases:
        zv, p, m = sec.loads(case)
        print(" case %d: virtual seabed %.4f  P %.3f  M %.3f  h0 %.4f  M_d %.3f" % (
            case, zv, p, m, m / p, (sec.seabed - zv + 0.4 * h) * pd if case else 0.0))
        for z in (sec.crown, sec.rwl, sec.lwl, sec.seabed):
            print("   z %+.3f  pa %.3f (above) %.3f (below)  pw %.3f  pp %.3f" % (
                z, sec.active(z, case, False), sec.active(z, case, True), sec.water(z),
                sec.passive(z, case, True)))
        c = sec.chang(case, pile)
        print("  %-8s beta %.3f Mmax %.3f sigma %.1f disp %.3f (%.3f %.3f %.3f) emb %.3f "
              "tip %.3f" % (pile[0], c["beta"], c["mmax"], c["stress"], c["disp"], c["d1"],
                            c["d2"], c["d3"], c["emb"], c["zv"] - c["emb"]))


DYNAMIC_WATER = DynamicWaterSection(
    "uniform sand, seismic case with the dynamic water pressure (Arai-Yokoi)",
    land=[rs.SAND_LAND], sea=[rs.SAND_SEA], cases=[0, 1])


# --- construction stage under the Kuroda / Hiroi waves ----------------------

def wave_length(period, depth):
    l0 = 9.8 * period ** 2 / (2 * math.pi)
    length = l0
    for _ in range(500):
        length = l0 * math.tanh(2 * math.pi * depth / length)
    return r(length, 2)


def kuroda_hiroi_level(tide, seabed=-2.5, top=2.5, h13=1.5, hd=1.5, period=6.0, w0=10.1):
    """Pressure diagram, force and moment about the seabed of one tide level."""
    d = tide - seabed  # d = h = h' = D here
    length = wave_length(period, d)
    big_h = hd
    p = 1.5 * w0 * big_h
    out = dict(length=length, p=p, breaking=2 * h13 > d)
    if out["breaking"]:
        crest = tide + 1.25 * big_h

        def pressure(z):
            return p if z <= crest else 0.0

        breaks = [top, crest, seabed]
    else:
        # 2 pi and pi as the published formulas write them, 6.28 and 3.14;
        # p_s from the rounded p_b and delta0 as the tables give them
        x = 6.28 * d / length
        delta0 = r(1 / math.tanh(x) * 3.14 * big_h ** 2 / length, 3)
        pb = r(w0 * big_h / math.cosh(x), 3)
        ps = (w0 * d + pb) * (big_h + delta0) / (d + big_h + delta0)
        crest = tide + delta0 + big_h
        e = 0.5 * big_h

        def standing(z):
            if z >= tide:
                return max(0.0, ps * (crest - z) / (crest - tide))
            return ps + (pb - ps) * (tide - z) / d

        def pressure(z):
            v = standing(z)
            return max(v, p) if abs(z - tide) <= e + 1e-12 else v

        breaks = [top, crest, tide + e, tide, tide - e, seabed]
        # where the standing line crosses p inside the band
        if p < ps:
            breaks += [tide + (ps - p) * (crest - tide) / ps, tide - d * (ps - p) / (ps - pb)]
        out.update(delta0=delta0, pb=pb, ps=ps, crest=crest)
    breaks = sorted({b for b in breaks if seabed <= b <= top}, reverse=True)

    def integral(weight):
        total = 0.0
        for hi, lo in zip(breaks, breaks[1:]):
            n = 200
            step = (hi - lo) / n
            acc = 0.0
            for i in range(n + 1):
                # the ends take the interval's own values (no jumps inside)
                z = hi - i * step
                zz = z - 1e-9 if i == 0 else (z + 1e-9 if i == n else z)
                acc += (1 if i in (0, n) else (4 if i % 2 else 2)) * pressure(zz) * weight(
                    z - seabed)
            total += acc * step / 3
        return total

    def pieces(weight):
        """Sum of weight(a) x force over the pieces of the diagram, each
        segment a rectangle or the two triangles of its trapezoid, each piece
        a point load at its centroid, a its height above the seabed."""
        total = 0.0
        for hi, lo in zip(breaks, breaks[1:]):
            a, b, height = pressure(hi - 1e-9), pressure(lo + 1e-9), hi - lo
            if abs(a - b) < 1e-4:
                total += a * height * weight(hi - height / 2 - seabed)
            else:
                total += a * height / 2 * weight(lo + 2 * height / 3 - seabed)
                total += b * height / 2 * weight(lo + height / 3 - seabed)
        return total

    force = integral(lambda a: 1.0)
    moment = integral(lambda a: a)
    out.update(force=force, moment=moment, h0=moment / force, integral=integral, pieces=pieces,
               p_top=pressure(top - 1e-9))
    return out


def kuroda_hiroi_stage():
    name, z, i = rs.IMPROVED_U[4]  # SP-VL, decided by the completed state
    ei = rs.E_STEEL * i * 1e-8
    beta = r((20000.0 / 4 / ei) ** 0.25, 3)
    print("== construction stage under the Kuroda / Hiroi waves, %s, beta %.3f, embedment "
          "%.3f" % (name, beta, 3 / beta))
    for label, tide in (("H.W.L.", 1.5), ("L.W.L.", 0.0)):
        g = kuroda_hiroi_level(tide)
        p, h0 = g["force"], g["h0"]
        bh = 1 + 2 * beta * h0
        mmax = p / (2 * beta) * math.sqrt(bh * bh + 1) * math.exp(-math.atan(1 / bh))
        h = 2.5 - (-2.5)
        d1 = p * (1 + beta * h0) / (2 * ei * beta ** 3)
        d2 = p * (1 + 2 * beta * h0) / (2 * ei * beta ** 2) * h
        d3 = g["pieces"](lambda a: a * a * (3 * h - a) / 6 / ei)
        d3_distributed = g["integral"](lambda a: a * a * (3 * h - a) / 6 / ei)
        if g["breaking"]:
            print(" %s: breaking, L %.2f p %.3f crest %+.3f" % (label, g["length"], g["p"],
                                                               tide + 1.25 * 1.5))
        else:
            print(" %s: standing, L %.2f p %.3f delta0 %.3f p_s %.3f p_b %.3f crest %+.3f "
                  "p(top) %.3f" % (label, g["length"], g["p"], g["delta0"], g["ps"], g["pb"],
                                   g["crest"], g["p_top"]))
        print("   P %.3f M %.3f h0 %.4f Mmax %.3f sigma %.1f disp %.3f (%.3f %.3f %.3f; the "
              "cantilever term of the distributed load %.3f)" % (
                  p, g["moment"], h0, mmax, mmax * 1e3 / z, (d1 + d2 + d3) * 100, d1 * 100,
                  d2 * 100, d3 * 100, d3_distributed * 100))


# --- embankment with fills and surcharge zones -------------------------------

def failure_angle(phi, delta, theta, beta=0.0, psi=0.0):
    """Active failure angle (radians) of a sand, Coulomb's plane with the
    seismic angle theta (radians)."""
    p, d, b, s = map(math.radians, (phi, delta, beta, psi))
    a = p + d + s - b
    root = math.sin(p + d) * math.cos(s + d + theta) / (math.cos(s - b) * math.sin(p - b - theta))
    return b + math.atan(1.0 / (math.sqrt(root) / math.cos(a) - math.tan(a)))


def to_seconds(angle):
    return math.radians(r(math.degrees(angle) * 3600.0, 0) / 3600.0)


def dms(angle):
    s = r(math.degrees(angle) * 3600.0, 0)
    return "%d°%2d′%2d″" % (s // 3600, s % 3600 // 60, s % 60)


class EmbankmentSection(rs.Section):
    """The uniform sand behind the fill, the surcharge taken at the seabed:
    every layer carries the equivalent surcharge of the wedge from the design
    seabed, which crosses the layers +2.50..+1.00 (above the R.W.L.) and
    +1.00..-2.50."""

    fill_top = 3.0
    fill_wet = 18.0
    zones = [(0.0, 2.0, {0: 10.0, 1: 5.0}), (3.0, 30.0, {0: 20.0, 1: 10.0})]

    def __init__(self, name, **kw):
        super().__init__(name, **kw)
        self.layers = [(self.crown, self.rwl), (self.rwl, self.seabed)]
        self.wedges = {case: self.wedge(len(self.layers) - 1, case) for case in self.cases}
        # the active pressures of reference_sections.py with this surcharge,
        # rounded to 2 decimals as the intensities take it
        self.q = {case: r(self.wedges[case]["q"], 2) for case in self.cases}

    def k_of(self, index, case):
        if case == 0:
            return 0.0
        return self.k if index == 0 else self.k_apparent

    def zeta(self, index, case):
        theta = to_seconds(math.atan(self.k_of(index, case)))
        return to_seconds(failure_angle(self.land[0].phi, self.delta, theta))

    def wedge(self, index, case):
        """The wedge from the bottom of layer index."""
        x = 0.0
        for j in range(index + 1):
            top, bot = self.layers[j]
            x += (top - bot) / math.tan(self.zeta(j, case))
        x = r(x, 4)
        xc = x + (self.fill_top - self.crown) / math.tan(self.zeta(0, case))
        area = (self.fill_top - self.crown) * (x + xc) / 2
        w = r(area * self.fill_wet, 4)
        parts = [(start, min(xc, end) - start, q[case]) for start, end, q in self.zones
                 if xc > start]
        big_q = sum(r(length * q, 4) for _, length, q in parts)
        return dict(x=x, xc=xc, area=area, w=w, parts=parts, q_load=big_q,
                    q=r((w + big_q) / x, 4))


def embankment_report(sec, piles):
    print("==", sec.name)
    for case in sec.cases:
        print(" case %d: failure angles %s" % (case, ", ".join(
            dms(sec.zeta(j, case)) for j in range(len(sec.layers)))))
        w = sec.wedges[case]
        print("  wedge from %+.2f: X %.4f x_c %.4f fill area %.4f W %.4f zones %s Q %.4f "
              "q %.4f" % (sec.seabed, w["x"], w["xc"], w["area"], w["w"],
                          " ".join("%.4f x %.2f" % (length, q) for _, length, q in w["parts"]),
                          w["q_load"], w["q"]))
    rs.report(sec, piles)


EMBANKMENT = EmbankmentSection("uniform sand behind a fill with surcharge zones, both cases",
                               land=[rs.SAND_LAND], sea=[rs.SAND_SEA], cases=[0, 1])


if __name__ == "__main__":
    embankment_report(EMBANKMENT, rs.IMPROVED_U)
    dynamic_water_report(DYNAMIC_WATER, rs.IMPROVED_U[4])
    kuroda_hiroi_stage()
