#!/usr/bin/env python3
"""Key results of the reference wall sections, worked out from the textbook
formulas without any of the programs' code.

Run it with a plain Python 3 (standard library only):

    python3 tests/e2e/reference/reference_sections.py

It prints, per section and case, the values the reference-section test
compares with the programs' results. The sections are the example projects
in examples/ (the same input values, written out below).

Methods, as a designer of a cantilever sheet-pile wall works them by hand:

* Earth-pressure coefficients: Coulomb (normal case) and Mononobe-Okabe
  (seismic case) for a vertical wall and a horizontal ground surface,
  horizontal component K cos(delta), rounded to 4 decimals as the coefficient
  tables are printed. Seismic angle theta = atan k rounded to 0.1 degree.
* Land side: vertical effective stress sigma (wet unit weight above the
  residual water level, submerged weight = saturated - 10.0 below), active intensity
  K (sigma + q) for sand, max(sigma + q - 2c, 0.5 (sigma + q)) for clay.
  Residual water pressure: w (R.W.L. - z) between the R.W.L. and the L.W.L.,
  w (R.W.L. - L.W.L.) below. Sea side: passive intensity Kp sigma' for sand,
  sigma' + 2c for clay.
* Virtual seabed: the first level below the design seabed where the land-side
  total (earth plus residual water) equals the passive intensity (bisection).
* Total force P and moment M about the virtual seabed: numerical integration
  (Simpson, 2 cm steps between the break points) of the net pressure above
  it; lever arm h0 = M / P.
* Chang's method: beta = (kh / 4 EI)^(1/4) with kh the mean lateral
  resistance constant over the depth 1/beta below the virtual seabed;
  Mmax = P / (2 beta) sqrt((1 + 2 beta h0)^2 + 1) exp(-atan(1 / (1 + 2 beta h0)));
  embedment: the depth at which sum(beta_i t_i) reaches 3 (3 / beta in
  uniform ground); head displacement = deflection at the virtual seabed
  P (1 + beta h0) / (2 EI beta^3) + its rotation P (1 + 2 beta h0) / (2 EI beta^2)
  times the height h above it + the cantilever deflection under the net
  pressure integral of p(a) a^2 (3h - a) / (6 EI) da.
* The decided pile is the first candidate whose stress Mmax / Z and head
  displacement are within their allowables in every case; its length runs
  from the sheet-pile crown to the virtual seabed minus the embedment,
  rounded up to 0.5 m.
"""

import math

# --- catalogue values (improved U-type, per metre of wall, installed file) ---
IMPROVED_U = [  # name, Z cm3/m, I cm4/m
    ("SP-IA", 529, 4500),
    ("SP-IIA", 880, 10600),
    ("SP-IIIA", 1520, 22800),
    ("SP-IVA", 2250, 41600),
    ("SP-VL", 3150, 63000),
    ("SP-VIL", 3820, 86000),
]
# Prestressed concrete sheet piles, general environment (installed file):
# name, Z cm3/m, allowable bending moment kN.m/m (normal case), I cm4/m.
PC_GENERAL = [
    ("PC-150", 3750, 30.0, 28125),
    ("PC-200", 6667, 53.3, 66667),
    ("PC-250", 10417, 83.3, 130208),
    ("PC-300", 15000, 120.0, 225000),
    ("PC-350", 20417, 163.3, 357292),
    ("PC-400", 26667, 213.3, 533333),
]


def steel_pipe(d_mm, t_mm, joint_mm):
    """A steel-pipe sheet pile per metre of wall: name, Z cm3/m, I cm4/m.
    I of the ring pi (D^4 - (D - 2t)^4) / 64 spread over the pile's width
    D + joint length; Z = I / (D / 2)."""
    d, b = d_mm / 10.0, (d_mm - 2 * t_mm) / 10.0
    width = d + joint_mm / 10.0
    i_pile = round(math.pi * (d ** 4 - b ** 4) / 64)
    i = round(100.0 / width * i_pile)
    return ("pipe %gx%g" % (d_mm, t_mm), round(2 * i / d), i)


E_STEEL = 200.0e6  # kN/m2 (200 kN/mm2)
E_CONCRETE = 34.8e6
# The calculation input carries the submerged unit weight of a layer as its
# saturated weight less 10.0 kN/m3 whatever the unit weight of the sea water
# (10.1 here, used for the water pressures): the system's convention, kept.
SUBMERGED_LESS = 10.0


def r(x, n):
    """Half-up rounding to n decimals, as the coefficient tables print."""
    f = 10.0 ** n
    return math.floor(abs(x) * f + 0.5) / f * (1 if x >= 0 else -1)


def theta_of(k):
    return math.radians(r(math.degrees(math.atan(k)), 1))


def ka_cos(phi, delta, theta=0.0):
    """Coulomb / Mononobe-Okabe active coefficient times cos(delta)."""
    p, d = map(math.radians, (phi, delta))
    t = theta
    root = math.sin(p + d) * math.sin(p - t) / math.cos(d + t)
    ka = math.cos(p - t) ** 2 / (math.cos(t) * math.cos(d + t) * (1 + math.sqrt(max(root, 0))) ** 2)
    return r(ka * math.cos(d), 4)


def kp_cos(phi, delta, theta=0.0):
    """Coulomb / Mononobe-Okabe passive coefficient times cos(delta);
    delta is the magnitude of the wall friction."""
    p, d = map(math.radians, (phi, delta))
    t = theta
    root = math.sin(p + d) * math.sin(p - t) / math.cos(d + t)
    kp = math.cos(p - t) ** 2 / (math.cos(t) * math.cos(d + t) * (1 - math.sqrt(root)) ** 2)
    return r(kp * math.cos(d), 4)


class Layer:
    def __init__(self, top, wet, sat, phi=0.0, c=0.0, kh=0.0):
        self.top, self.wet, self.sat, self.phi, self.c, self.kh = top, wet, sat, phi, c, kh


class Section:
    def __init__(self, name, **kw):
        self.name = name
        self.crown = 2.5
        self.hwl = 1.5
        self.lwl = 0.0
        self.seabed = -2.5
        self.bottom = -30.0
        self.w = 10.1
        self.q = {0: 10.0, 1: 5.0}
        self.delta = 15.0
        self.k = 0.15
        self.k_apparent = 0.30
        self.cases = [0]
        self.allow_stress = {0: 180.0, 1: 270.0}
        self.allow_disp = {0: 10.0, 1: 15.0}
        self.land = []
        self.young = E_STEEL
        self.kind = 'steel'  # 'steel', 'pipe' or 'concrete'
        self.pipe = None  # (D mm, t mm) of a steel pipe
        self.sea = []
        self.__dict__.update(kw)
        self.seabed = kw.get('seabed', self.seabed)
        self.rwl = self.lwl + 2.0 / 3.0 * (self.hwl - self.lwl)

    # layer of a side at level z (the layer whose range holds z; at a
    # boundary the lower layer when below=True)
    @staticmethod
    def layer_at(layers, z, below):
        found = layers[0]
        for l in layers:
            if z < l.top - 1e-9 or (below and abs(z - l.top) < 1e-9):
                found = l
        return found

    def sigma_land(self, z):
        """Vertical effective stress on the land side at z."""
        cuts = sorted({l.top for l in self.land} | {self.rwl}, reverse=True)
        cuts = [c for c in cuts if z < c < self.crown] + [z]
        s, upper = 0.0, self.crown
        for lower in cuts:
            mid = (upper + lower) / 2
            l = self.layer_at(self.land, mid, True)
            s += (l.wet if mid > self.rwl else l.sat - SUBMERGED_LESS) * (upper - lower)
            upper = lower
        return s

    def active(self, z, case, below):
        l = self.layer_at(self.land, z, below)
        q = self.q[case]
        sigma = self.sigma_land(z)
        if l.phi > 0:
            theta = 0.0
            if case == 1:
                in_water = z < self.rwl or (abs(z - self.rwl) < 1e-9 and below)
                theta = theta_of(self.k_apparent if in_water else self.k)
            return ka_cos(l.phi, self.delta, theta) * (sigma + q)
        f1 = sigma + q - 2 * l.c
        f2 = 0.5 * (sigma + q)
        return max(f1, f2)

    def water(self, z):
        if z >= self.rwl:
            return 0.0
        return self.w * (self.rwl - max(z, self.lwl))

    def passive(self, z, case, below):
        if z > self.seabed - 1e-12 and not (abs(z - self.seabed) < 1e-9 and below):
            return 0.0
        l = self.layer_at(self.sea, z, below)
        sigma = 0.0
        zs = self.seabed
        for b in sorted({x.top for x in self.sea if x.top < self.seabed} | {z}, reverse=True):
            if b < z:
                b = z
            mid = (zs + b) / 2
            sigma += (self.layer_at(self.sea, mid, True).sat - SUBMERGED_LESS) * (zs - b)
            zs = b
            if b <= z:
                break
        if l.phi > 0:
            theta = theta_of(self.k_apparent) if case == 1 else 0.0
            return kp_cos(l.phi, self.delta, theta) * sigma
        return sigma + 2 * l.c

    def net(self, z, case, below=False):
        pa = self.active(z, case, below) + self.water(z)
        return pa - min(self.passive(z, case, below), pa)

    def virtual_seabed(self, case):
        # scan down from the seabed for the first sign change of active - passive
        z = self.seabed
        step = 0.01
        f = lambda x: self.active(x, case, True) + self.water(x) - self.passive(x, case, True)
        while f(z - step) > 0:
            z -= step
        lo, hi = z - step, z
        for _ in range(60):
            mid = (lo + hi) / 2
            if f(mid) > 0:
                hi = mid
            else:
                lo = mid
        return (lo + hi) / 2

    def breaks(self, zv):
        pts = {self.crown, self.rwl, self.lwl, self.seabed, zv}
        pts |= {l.top for l in self.land} | {l.top for l in self.sea}
        return sorted([p for p in pts if zv <= p <= self.crown], reverse=True)

    def integrate(self, zv, case, weight):
        """Integral of net pressure x weight(height above zv) from zv to the crown."""
        total = 0.0
        b = self.breaks(zv)
        for top, bot in zip(b, b[1:]):
            n = max(2, int(round((top - bot) / 0.02)) // 2 * 2)
            hstep = (top - bot) / n
            acc = 0.0
            for i in range(n + 1):
                z = bot if i == n else top - i * hstep
                # the ends take the interval's own values (just below its top)
                v = self.net(z, case, below=(i == 0)) * weight(z - zv)
                acc += (1 if i in (0, n) else (4 if i % 2 else 2)) * v
            total += acc * hstep / 3
        return total

    def loads(self, case):
        zv = self.virtual_seabed(case)
        p = self.integrate(zv, case, lambda a: 1.0)
        m = self.integrate(zv, case, lambda a: a)
        return zv, p, m

    # --- Chang's method ---
    def kh_layers(self, zv):
        rows = []
        for i, l in enumerate(self.sea):
            top = min(l.top, zv)
            bot = self.sea[i + 1].top if i + 1 < len(self.sea) else -1e9
            if bot >= zv:
                continue
            rows.append((zv - top, zv - bot, l.kh))
        return rows  # depth of top, depth of bottom, kh

    def beta_of(self, zv, ei):
        rows = self.kh_layers(zv)

        def mean_kh(depth):
            s = 0.0
            for t, b, kh in rows:
                s += kh * max(0.0, min(depth, b) - t)
            return s / depth

        # 1/beta = depth where beta is computed from the mean kh over that depth
        d = 1.0
        for _ in range(200):
            d = 1.0 / (mean_kh(d) / 4 / ei) ** 0.25
        return r((r(mean_kh(d), 1) / 4 / ei) ** 0.25, 3), r(mean_kh(d), 1)

    def embedment(self, zv, ei):
        acc = 0.0
        for t, b, kh in self.kh_layers(zv):
            bi = r((kh / 4 / ei) ** 0.25, 3)
            if acc + bi * (b - t) >= 3.0:
                return t + (3.0 - acc) / bi
            acc += bi * (b - t)
        raise ValueError("embedment below the last layer")

    def chang(self, case, pile):
        name, z, i = pile[0], pile[1], pile[-1]
        ei = self.young * i * 1e-8
        zv, p, m = self.loads(case)
        h0 = m / p
        beta, kh = self.beta_of(zv, ei)
        bh = 1 + 2 * beta * h0
        mmax = p / (2 * beta) * math.sqrt(bh * bh + 1) * math.exp(-math.atan(1 / bh))
        stress = mmax * 1e3 / z
        h = self.crown - zv
        d1 = p * (1 + beta * h0) / (2 * ei * beta ** 3)
        d2 = p * (1 + 2 * beta * h0) / (2 * ei * beta ** 2) * h
        d3 = self.integrate(zv, case, lambda a: a * a * (3 * h - a) / 6 / ei)
        disp = (d1 + d2 + d3) * 100
        emb = self.embedment(zv, ei)
        extra = {}
        if self.kind == 'pipe' and case == 0:
            # Ring stress of the pipe wall at the depth of the maximum moment
            # under the net pressure there (land side less sea side).
            lm = math.atan(1 / bh) / beta
            y = zv - lm
            dp = self.active(y, case, True) + self.water(y) - self.passive(y, case, True)
            dd, tt = self.pipe
            extra['secondary'] = (dd / tt) ** 2 * abs(dp) * 2.1e-4
            extra['lm'] = lm
        return dict(extra, zv=zv, p=p, m=m, h0=h0, beta=beta, kh=kh, mmax=mmax, stress=stress,
                    d1=d1 * 100, d2=d2 * 100, d3=d3 * 100, disp=disp, emb=emb)


def report(sec, piles):
    print("==", sec.name)
    for case in sec.cases:
        zv, p, m = sec.loads(case)
        l0 = sec.land[0]
        print(" case %d: virtual seabed %.4f  P %.3f  M %.3f  h0 %.4f" % (case, zv, p, m, m / p))
        for z in (sec.crown, sec.rwl, sec.lwl, sec.seabed):
            print("   z %+.3f  pa %.3f (above) %.3f (below)  pw %.3f  pp %.3f" % (
                z, sec.active(z, case, False), sec.active(z, case, True), sec.water(z),
                sec.passive(z, case, True)))
    decided = None
    for pile in piles:
        ok = True
        rows = []
        for case in sec.cases:
            c = sec.chang(case, pile)
            rows.append((case, c))
            if sec.kind == 'concrete':
                # the bending moment against the pile's allowable moment,
                # twice that in an earthquake
                c["stress"] = c["mmax"]
                allow = pile[2] * (1 if case == 0 else 2)
            else:
                allow = sec.allow_stress[case]
            ok = ok and c["stress"] <= allow and c["disp"] <= sec.allow_disp[case]
            if sec.kind == 'pipe':
                if case == 0:
                    sec.secondary = r(c["secondary"], 1)
                s2 = sec.secondary
                c["combined"] = math.sqrt(s2 * s2 + c["stress"] ** 2 - c["stress"] * s2)
                ok = ok and s2 <= sec.allow_stress[0] and c["combined"] <= sec.allow_combined[case]
        for case, c in rows:
            if "combined" in c:
                print("  %-8s case %d secondary %.1f at lm %.3f, combined %.1f" % (
                    pile[0], case, sec.secondary, c.get("lm", 0.0), c["combined"]))
            print("  %-8s case %d beta %.3f kh %.1f Mmax %.3f sigma %.1f disp %.3f (%.3f %.3f %.3f) "
                  "emb %.3f tip %.3f" % (pile[0], case, c["beta"], c["kh"], c["mmax"], c["stress"],
                                          c["disp"], c["d1"], c["d2"], c["d3"], c["emb"],
                                          c["zv"] - c["emb"]))
        if ok:
            decided = (pile, rows)
            break
    if decided is None:
        print("  no pile passes")
        return
    tip = min(c["zv"] - c["emb"] for _, c in decided[1])
    length = math.ceil(2 * (sec.crown - tip)) / 2
    print("  decided %s, tip %.3f, length %.1f (printed tip %.3f)" % (
        decided[0][0], tip, length, sec.crown - length))


SAND_LAND = Layer(2.5, 18.0, 20.0, phi=30.0)
SAND_SEA = Layer(-2.5, 18.0, 20.0, phi=30.0, kh=20000.0)

UNIFORM_SAND = Section("uniform sand, normal case", land=[SAND_LAND], sea=[SAND_SEA])
SAND_OVER_CLAY = Section(
    "sand over clay, normal case",
    land=[SAND_LAND, Layer(-4.0, 17.0, 17.0, c=60.0)],
    sea=[SAND_SEA, Layer(-4.0, 17.0, 17.0, c=60.0, kh=5000.0)])
SEISMIC_SAND = Section("uniform sand, normal and seismic cases", land=[SAND_LAND],
                       sea=[SAND_SEA], cases=[0, 1])

# A lower wall of prestressed concrete sheet piles: crown +2.00, seabed -1.50.
CONCRETE_SAND = Section("concrete sheet piles, uniform sand, normal case", crown=2.0, seabed=-1.5,
                        land=[Layer(2.0, 18.0, 20.0, phi=30.0)],
                        sea=[Layer(-1.5, 18.0, 20.0, phi=30.0, kh=20000.0)],
                        young=E_CONCRETE, kind='concrete')
# Steel-pipe sheet piles (SKK400: 140 N/mm2, 210 in an earthquake, combined
# 1.1 and 1.5 times 140), P-T joints of 180 mm, the seismic section.
PIPE_SAND = Section("steel-pipe sheet piles, uniform sand, both cases", land=[SAND_LAND],
                    sea=[SAND_SEA], cases=[0, 1], kind='pipe', pipe=(800.0, 9.0),
                    allow_stress={0: 140.0, 1: 210.0}, allow_combined={0: 154.0, 1: 210.0})

if __name__ == "__main__":
    for section in (UNIFORM_SAND, SAND_OVER_CLAY, SEISMIC_SAND):
        report(section, IMPROVED_U)
    report(CONCRETE_SAND, PC_GENERAL)
    report(PIPE_SAND, [steel_pipe(800.0, 9.0, 180.0)])


# --- construction stage: Goda's wave pressure on the wall of both_studies ---
#
# The wall stands in the sea before the backfill: Goda's standing-wave
# pressure acts on it from the crest eta* above the tide level down to the
# seabed, cut off at the wall top (the sheet-pile crown +2.50), and the
# embedded part below the construction seabed -2.50 is Chang's beam under
# its resultant. The pile is the completed state's SP-VL.
#   eta* = 0.75 (1 + cos b) H;  p1 = 0.5 (1 + cos b)(a1 + a2 cos^2 b) w0 H
#   a1 = 0.6 + 0.5 (4 pi h / L / sinh(4 pi h / L))^2
#   a2 = min((hb - d) / (3 hb) (H / d)^2, 2 d / H)
#   a3 = 1 - h' / h (1 - 1 / cosh(2 pi h / L)); p3 = a3 p1
# with w0 = 1.03 x 9.81 kN/m3 (sea water), the wave length L of linear
# theory for T and h (g = 9.8, to 2 decimals as the input carries it), and
# hb the depth five H1/3 seaward on the 1/50 slope (ground h - 5 H1/3 / 50).
def goda_level(tide, seabed=-2.5, top=2.5, h13=1.0, hmax=1.8, period=5.0, slope=50.0):
    h = tide - seabed
    hp = d = h
    hb = tide - r(seabed - 5 * h13 / slope, 2)
    l0 = 9.8 * period ** 2 / (2 * math.pi)
    length = l0
    for _ in range(200):
        length = l0 * math.tanh(2 * math.pi * h / length)
    length = r(length, 2)
    big_h = hmax
    eta = 0.75 * 2 * big_h
    x = 4 * math.pi * h / length
    a1 = 0.6 + 0.5 * (x / math.sinh(x)) ** 2
    a2 = min((hb - d) / (3 * hb) * (big_h / d) ** 2, 2 * d / big_h)
    a3 = 1 - hp / h * (1 - 1 / math.cosh(2 * math.pi * h / length))
    p1 = 0.5 * 2 * (r(a1, 3) + r(a2, 3)) * 1.03 * 9.81 * big_h
    p3 = r(a3, 3) * p1

    def p(z):
        if z >= tide:
            return max(0.0, p1 * (tide + eta - z) / eta)
        return p1 + (p3 - p1) * (tide - z) / (tide - seabed)

    def integral(weight):
        total = 0.0
        for hi, lo in ((top, tide), (tide, seabed)):
            n = 200
            step = (hi - lo) / n
            total += sum((1 if i in (0, n) else (4 if i % 2 else 2)) * p(hi - i * step) *
                         weight(hi - i * step - seabed) for i in range(n + 1)) * step / 3
        return total

    force = integral(lambda a: 1.0)
    moment = integral(lambda a: a)
    return dict(length=length, eta=eta, a1=a1, a2=a2, a3=a3, p1=p1, p3=p3, force=force,
                moment=moment, h0=moment / force, integral=integral, p_top=p(top))


def construction_stage():
    name, z, i = IMPROVED_U[4]  # SP-VL, decided by the completed state
    ei = E_STEEL * i * 1e-8
    beta = r((20000.0 / 4 / ei) ** 0.25, 3)
    print("== construction stage of both_studies, %s, beta %.3f, embedment %.3f" % (
        name, beta, 3 / beta))
    for label, tide in (("H.W.L.", 1.5), ("L.W.L.", 0.0)):
        g = goda_level(tide)
        p, h0 = g["force"], g["h0"]
        bh = 1 + 2 * beta * h0
        mmax = p / (2 * beta) * math.sqrt(bh * bh + 1) * math.exp(-math.atan(1 / bh))
        h = 2.5 - (-2.5)
        d1 = p * (1 + beta * h0) / (2 * ei * beta ** 3)
        d2 = p * (1 + 2 * beta * h0) / (2 * ei * beta ** 2) * h
        d3 = g["integral"](lambda a: a * a * (3 * h - a) / 6 / ei)
        print(" %s: L %.2f eta* %.3f a1 %.3f a2 %.3f a3 %.3f p1 %.3f p3 %.3f p(top) %.3f" % (
            label, g["length"], g["eta"], g["a1"], g["a2"], g["a3"], g["p1"], g["p3"],
            g["p_top"]))
        print("   P %.3f M %.3f h0 %.4f Mmax %.3f sigma %.1f disp %.3f (%.3f %.3f %.3f)" % (
            p, g["moment"], h0, mmax, mmax * 1e3 / z, (d1 + d2 + d3) * 100, d1 * 100, d2 * 100,
            d3 * 100))


if __name__ == "__main__":
    construction_stage()


# --- method 2: the embedded part as a beam on layered springs, given tip ---
#
# EI y'''' + kh y = 0 below the virtual seabed, x downward, y towards the
# sea; head (x = 0): EI y'' = -M, EI y''' = P (the loads above the virtual
# seabed); free tip at the given pile tip: y'' = y''' = 0. Solved by
# shooting: fourth-order Runge-Kutta integration of three independent
# solutions (head y, head rotation, loads) in 1 mm steps, combined so that
# the tip is free. Mmax is the largest |EI y''| along the pile.
def beam_on_springs(layers, length, ei, p, m, step=0.001):
    def kh_at(x):
        for top, bot, kh in layers:
            if top <= x < bot:
                return kh
        return layers[-1][2]

    def deriv(x, s):
        y, t, c, q = s  # y, y', y'', y'''
        return (t, c, q, -kh_at(x) * y / ei)

    def run(s, record=False):
        x, n = 0.0, int(round(length / step))
        out = []
        for _ in range(n):
            k1 = deriv(x, s)
            k2 = deriv(x + step / 2, [a + step / 2 * b for a, b in zip(s, k1)])
            k3 = deriv(x + step / 2, [a + step / 2 * b for a, b in zip(s, k2)])
            k4 = deriv(x + step, [a + step * b for a, b in zip(s, k3)])
            s = [a + step / 6 * (b1 + 2 * b2 + 2 * b3 + b4)
                 for a, b1, b2, b3, b4 in zip(s, k1, k2, k3, k4)]
            x += step
            if record:
                out.append(abs(ei * s[2]))
        return s, out

    load = [0.0, 0.0, m / ei, p / ei]
    a, _ = run([1.0, 0.0, 0.0, 0.0])
    b, _ = run([0.0, 1.0, 0.0, 0.0])
    c, _ = run(load)
    # free tip: y'' and y''' vanish
    det = a[2] * b[3] - a[3] * b[2]
    y0 = (-c[2] * b[3] + c[3] * b[2]) / det
    t0 = (-a[2] * c[3] + a[3] * c[2]) / det
    head = [y0, t0] + load[2:]
    _, moments = run(head, record=True)
    return y0, t0, max([abs(m)] + moments)


def matrix_method(sec, pile, tip):
    name, z, i = pile
    ei = sec.young * i * 1e-8
    zv, p, m = sec.loads(0)
    layers = [(t, min(b, zv - tip), kh) for t, b, kh in sec.kh_layers(zv) if t < zv - tip]
    y0, t0, mmax = beam_on_springs(layers, zv - tip, ei, p, m)
    h = sec.crown - zv
    d3 = sec.integrate(zv, 0, lambda a: a * a * (3 * h - a) / 6 / ei)
    # the head turns towards the sea: y decreases downward, t0 < 0
    disp = (y0 - t0 * h + d3) * 100
    print("== %s by a beam on springs to the tip %.2f (method 2): %s" % (sec.name, tip, name))
    print("   embedded length %.4f  head y %.4f cm  rotation term %.4f cm  cantilever %.4f cm"
          % (zv - tip, y0 * 100, -t0 * h * 100, d3 * 100))
    print("   Mmax %.3f  sigma %.1f  displacement %.3f" % (mmax, mmax * 1e3 / z, disp))
    return mmax, disp


if __name__ == "__main__":
    # check of the shooting against Chang's closed forms: uniform sand, a
    # long pile
    matrix_method(UNIFORM_SAND, IMPROVED_U[3], -30.0)
    for pile in IMPROVED_U[2:]:
        matrix_method(SAND_OVER_CLAY, pile, -15.0)
