"""Independent rendering of the eccentric-compression design of rectangular
and T-section members, in double precision from the code's formulas, and an
independent capacity check of a designed section.

Units as the member calculator takes them: cm, cm², kN·m, kN, MPa; forces in
newtons (×1000), moments in N·cm (×1e5); MPa·cm² ×100 gives newtons.

Design (asymmetric steel):
  e0 = M/N to 0.01, e0' = max(e0, h0/30), l0 by the end restraint,
  ζ1 = min(1, 0.5·fc·A/(γd·N)), ζ2 = 1.15 − 0.01·l0/h (1 below l0/h 15),
  η = 1 + (l0/h)²·ζ1·ζ2·h0/(1400·e0') (1 for l0/h ≤ 8), e = η·e0 + h/2 − a to 0.01;
  large eccentricity where η·e0 > 0.3·h0:
    A's from the moment about As at x = ξb·h0, at least the minimum; with the
    minimum, x solves 100·[fc·b·x·(h0 − x/2) + fy'·A's·(h0 − a')] = γd·N·e;
    As = (100·fc·b·x + 100·fy'·A's − γd·N)/(100·fy), at least the minimum;
  small eccentricity otherwise:
    As at the minimum; σs = (x/h0 − 0.8)·fy/(ξb − 0.8) bounded to [−fy', fy];
    A's(x) from the moment about As; x solves the force equation
    100·(fc·b·x + fy'·A's(x) − σs(x)·As) = γd·N.

Capacity: the largest moment about As that the section carries under the
design axial force γd·N (x from the force equation with the same stress
model, bounded to h), against γd·N·e.
"""
import math


def eta_e(b, h0, a, L, M, N, gd, fc, k=1.0):
    h = h0 + a
    e0 = math.floor(M * 1e5 / (N * 1e3) * 100 + 0.5) / 100  # shown to 0.01, and used so
    e0c = max(e0, h0 / 30)
    l0 = k * L
    z1 = min(1.0, 0.5 * fc * 100 * b * h / gd / (N * 1e3))
    z2 = 1.0 if l0 / h < 15 else 1.15 - 0.01 * l0 / h
    eta = 1.0 if l0 / h <= 8 else 1 + (l0 / h) ** 2 * z1 * z2 * h0 / 1400 / e0c
    return e0, eta, math.floor((eta * e0 + h / 2 - a) * 100 + 0.5) / 100


def bisect(f, lo, hi):
    flo = f(lo)
    for _ in range(200):
        mid = (lo + hi) / 2
        if (f(mid) > 0) == (flo > 0):
            lo, flo = mid, f(mid)
        else:
            hi = mid
    return (lo + hi) / 2


def sigma_s(x, h0, fy, fyc, xib):
    s = (x / h0 - 0.8) * fy / (xib - 0.8)
    return min(fy, max(-fyc, s))


def large_design(b, h0, a, ac, N, gd, e, fc, fy, fyc, xib, rho_min):
    GN = gd * N * 1e3
    amin = rho_min * b * h0 / 100
    x = xib * h0
    Asc = (GN * e - 100 * fc * b * x * (h0 - x / 2)) / fyc / (h0 - ac) / 100
    if Asc < amin:
        Asc = amin
        x = bisect(lambda x: 100 * (fc * b * x * (h0 - x / 2) + fyc * Asc * (h0 - ac)) - GN * e, 0, xib * h0)
    As = max(amin, (100 * fc * b * x + 100 * fyc * Asc - GN) / fy / 100)
    return x, As, Asc


def moment_capacity(b, h0, a, ac, As, Asc, N, gd, fc, fy, fyc, xib):
    """Largest moment about As under γd·N, N·cm: x from the force equation."""
    GN = gd * N * 1e3
    h = h0 + a
    x = bisect(lambda x: 100 * (fc * b * x + fyc * Asc - sigma_s(x, h0, fy, fyc, xib) * As) - GN, 1e-9, h)
    x = min(x, h)
    return x, 100 * (fc * b * x * (h0 - x / 2) + fyc * Asc * (h0 - ac))


def step_loop(b, h0, ac, N, gd, e, fc, fy, fyc, xib, As, bounded=True, Ff=0.0):
    """The small-eccentricity search as a person would step it: x from
    0.5·ξb·h0 up by 0.05 until the force equation holds."""
    GN = gd * N * 1e3

    def Asc(x):
        return (GN * e - 100 * fc * b * x * (h0 - x / 2)) / fyc / (h0 - ac) / 100

    x = 0.5 * xib * h0
    while True:
        s = sigma_s(x, h0, fy, fyc, xib) if bounded else (x / h0 - 0.8) * fy / (xib - 0.8)
        if 100 * (fc * b * x + fyc * Asc(x) - s * As) + Ff >= GN:
            return x, Asc(x), s
        x += 0.05


def t_section(b, h, bfc, hfc):
    A = (bfc - b) * hfc + b * h
    yt = (b * h * h + (2 * h - hfc) * (bfc - b) * hfc) / (2 * A)
    return A, yt, h - yt


def t_capacity(b, h, bfc, hfc, a, ac, As, Asc, N, gd, fc, fy, fyc, xib):
    """Largest moment about As under γd·N for a zone below the flange."""
    GN = gd * N * 1e3
    h0 = h - a
    Ff = 100 * fc * (bfc - b) * hfc
    x = bisect(lambda x: 100 * (fc * b * x + fyc * Asc - sigma_s(x, h0, fy, fyc, xib) * As) + Ff - GN, hfc, h)
    return x, 100 * (fc * b * x * (h0 - x / 2) + fyc * Asc * (h0 - ac)) + Ff * (h0 - hfc / 2)


def small_root(b, h0, ac, N, gd, e, fc, fy, fyc, xib, As, bounded=True):
    """The x at which the force equation holds exactly (the search stops at
    the first step of 0.05 at or beyond it)."""
    GN = gd * N * 1e3

    def Asc(x):
        return (GN * e - 100 * fc * b * x * (h0 - x / 2)) / fyc / (h0 - ac) / 100

    def f(x):
        s = sigma_s(x, h0, fy, fyc, xib) if bounded else (x / h0 - 0.8) * fy / (xib - 0.8)
        return 100 * (fc * b * x + fyc * Asc(x) - s * As) - GN

    x = bisect(f, 0.5 * xib * h0, 3 * h0)
    return x, Asc(x)


def main():
    print("1. Slender column, Form3: C25, II, column, b 40, h0 56, a = a' = 4, L 1200 hinged, M 120, N 800")
    fc, fy, fyc, xib = 12.5, 310, 310, 0.544
    e0, eta, e = eta_e(40, 56, 4, 1200, 120, 800, 1.2, fc)
    print(f"   e0 {e0} eta {eta:.5f} eta*e0 {eta*e0:.4f} > 0.3h0 {0.3*56:.1f}; e {e}")
    x, As, Asc = large_design(40, 56, 4, 4, 800, 1.2, e, fc, fy, fyc, xib, 0.2)
    xs, Ass, _ = step_large(40, 56, 4, 800, 1.2, e, fc, fy, fyc, xib, Asc)
    print(f"   large: A's {Asc} x {x:.4f} As {As:.4f}; stepped x {xs:.4f} As {Ass:.4f}")
    GNe = 1.2 * 8e5 * e
    for As_, Asc_ in ((round(Ass, 2), Asc), (round(Ass, 2) + fc * 40 * 0.05 / fy, Asc), (4.48, 4.48)):
        xc, Mu = moment_capacity(40, 56, 4, 4, As_, Asc_, 800, 1.2, fc, fy, fyc, xib)
        print(f"   capacity As {As_:.4f} A's {Asc_}: x {xc:.4f} Mu/(γd·N·e) {Mu / GNe:.5f}")
    for M in (14.64, 14.72):
        e0, eta, e = eta_e(40, 56, 4, 1200, M, 800, 1.2, fc)
        print(f"   M {M}: e0 {e0:.4f} eta {eta:.5f} eta*e0 {eta*e0:.4f} ({'large' if eta*e0 > 16.8 else 'small'})")

    print("2. Slender T section, Form6: C25, II, b 30, h 80, b'f 50, h'f 8, a = a' = 4, L 1600 hinged, M 200, N 1000")
    b, h, bfc, hfc, a, ac, gd, N = 30, 80, 50, 8, 4, 4, 1.2, 1000
    A, yt, yc = t_section(b, h, bfc, hfc)
    h0 = h - a
    e0 = 200e5 / (N * 1e3) - h / 2 + yc
    z1 = min(1, 0.5 * fc * 100 * A / gd / (N * 1e3))
    z2 = 1.15 - 0.01 * 1600 / h
    eta = 1 + (1600 / h) ** 2 * z1 * z2 * h0 / 1400 / max(e0, h0 / 30)
    e = round(eta * e0 + yt - a, 2)
    GN = gd * N * 1e3
    Ff = 100 * fc * (bfc - b) * hfc
    Mf = Ff * (h0 - hfc / 2)
    Asc = max(0.2 * b * h0 / 100, (GN * e - 100 * fc * b * xib * h0 * (h0 - xib * h0 / 2) - Mf) / fyc / (h0 - ac) / 100)
    x = bisect(lambda x: 100 * (fc * b * x * (h0 - x / 2) + fyc * Asc * (h0 - ac)) + Mf - GN * e, hfc, xib * h0)
    As = (100 * fc * b * x + 100 * fyc * Asc + Ff - GN) / fy / 100
    print(f"   A {A} yt {yt} yc {yc} e0 {e0} eta {eta:.5f} eta*e0 {eta*e0:.4f} > {0.3*h0:.1f}; e {e}")
    print(f"   large: A's {Asc} x {x:.4f} As {As:.4f}")
    for As_ in (As, As - fc * b * 0.05 / fy):
        xc, Mu = t_capacity(b, h, bfc, hfc, a, ac, As_, Asc, N, gd, fc, fy, fyc, xib)
        print(f"   capacity As {As_:.4f}: Mu/(γd·N·e) {Mu / (GN * e):.5f}")

    print("3. Small eccentricity, C25, I, column, b 40, h0 56, a = a' = 6, L 600 fixed, M 14, N 2800")
    fc, fy, fyc, xib = 12.5, 210, 210, 0.614
    e0, eta, e = eta_e(40, 56, 6, 600, 14, 2800, 1.2, fc, 0.5)
    amin = 0.25 * 40 * 56 / 100
    print(f"   e0 {e0} eta {eta} e {e}; far side at the minimum {amin}")
    for bounded in (True, False):
        x, Asc = small_root(40, 56, 6, 2800, 1.2, e, fc, fy, fyc, xib, amin, bounded)
        xs, Ascs, s = step_loop(40, 56, 6, 2800, 1.2, e, fc, fy, fyc, xib, amin, bounded)
        xc, Mu = moment_capacity(40, 56, 6, 6, amin, round(Ascs, 2), 2800, 1.2, fc, fy, fyc, xib)
        print(f"   {'bounded' if bounded else 'unbounded'}: root x {x:.4f} A's {Asc:.4f}; stepped x {xs:.4f} "
              f"A's {Ascs:.4f} σs {s:.2f}; capacity Mu/(γd·N·e) {Mu / (1.2 * 2.8e6 * e):.5f}")
    h = 62
    ec = h / 2 - 6 - e0
    As5 = (1.2 * 2.8e6 * ec - 100 * fc * 40 * h * (56 - h / 2)) / fyc / (56 - 6) / 100
    print(f"   far side by (6.3.2-5): {As5:.4f} (< {amin}: stays at the minimum)")

    print("4. Small eccentricity, C30, II, column, b 40, h0 56, a = a' = 4, L 600 fixed, M 60")
    fc, fy, fyc, xib = 15, 310, 310, 0.544
    for N in (4000, 3400):
        e0, eta, e = eta_e(40, 56, 4, 600, 60, N, 1.2, fc, 0.5)
        x, Asc = small_root(40, 56, 4, N, 1.2, e, fc, fy, fyc, xib, 4.48)
        xu, _ = small_root(40, 56, 4, N, 1.2, e, fc, fy, fyc, xib, 4.48, False)
        A = (1.2 * N * 1e3 * e - 100 * fc * 40 * min(x, 60) * (56 - min(x, 60) / 2)) / fyc / 52 / 100
        print(f"   N {N}: e {e}; bounded root x {x:.4f} (unbounded {xu:.4f}); A's at min(x, h) {A:.4f}")

    print("5. The far-side minimum of the note: 0.2 % of 33 × 47 =", 0.2 * 33 * 47 / 100)
    fc, fy, fyc, xib = 15, 310, 310, 0.544
    e0, eta, e = eta_e(33, 47, 4, 500, 30, 3000, 1.2, fc, 0.5)
    ec = 51 / 2 - 4 - e0
    As5 = (1.2 * 3e6 * ec - 100 * fc * 33 * 51 * (47 - 51 / 2)) / fyc / (47 - 4) / 100
    print(f"   C30, II, column, b 33, h0 47, a = a' = 4, L 500 fixed, M 30, N 3000: e0 {e0} e {e}; (6.3.2-5) {As5:.4f}")

    print("6. Symmetric steel, slender: C25, II, column, b 40, h0 56, a = a' = 4, L 1800 hinged, M 49.5, N 330")
    fc, fy, fyc, xib = 12.5, 310, 310, 0.544
    e0, eta, e = eta_e(40, 56, 4, 1800, 49.5, 330, 1.2, fc)
    GN = 1.2 * 330e3
    xi = math.floor(GN / fc / 40 / 56 / 100 * 1000 + 0.5) / 1000
    x = xi * 56
    ec = e - 56 + 4  # N beyond A's by η·e0 − h/2 + a'
    As = GN * ec / fy / (56 - 4) / 100
    print(f"   e0 {e0} eta {eta:.5f} eta*e0 {eta*e0:.4f} > 16.8; e {e}; xi {xi} x {x:.3f} < 2a' = 8")
    print(f"   x = 2a': moments about A's, As = A's = γd·N·e'/(fy·(h0 − a')) with e' = {ec:.2f}: {As:.4f}")
    ec_old = 60 / 2 - 4 - e0
    print(f"   with e' = h/2 − a' − e0 = {ec_old}: {GN * ec_old / fy / 52 / 100:.4f}, raised to the minimum 4.48,"
          f" which carries {4.48 * fy * 52 * 100 / (GN * ec):.4f} of γd·N·e'")


def step_large(b, h0, ac, N, gd, e, fc, fy, fyc, xib, Asc):
    """x stepped down from ξb·h0 by 0.05 while the moment holds; As there."""
    GN = gd * N * 1e3
    x = xib * h0
    while 100 * (fc * b * x * (h0 - x / 2) + fyc * Asc * (h0 - ac)) >= GN * e:
        x -= 0.05
    return x, (100 * fc * b * x + 100 * fyc * Asc - GN) / fy / 100, Asc


if __name__ == "__main__":
    main()
