#!/usr/bin/env python3
"""Reference values for the sluice wall, worked apart from the C++ code.

The axial force and moment of each section come from the polygons of the stem
and of the fill resting on its back above the section (shoelace areas and
centroids; fill below the water table weighs the saturated gamma2 + 10), and
from the earth and water pressure integrated numerically over the height
(Simpson, 20000 steps). The steel and the crack check follow the design steps
of the single-safety-factor method. pi = 3.14159.
"""
import math
from semigravity_reference import area_centroid, clip, above, below, left, simpson

PI = 3.14159

def rnd(x, k):
    return math.floor(x * 10 ** k + 0.5) / 10 ** k

def forces(g, h1):
    B0, B1, H1, H2, phi, g1, g2 = g['B0'], g['B1'], g['H1'], g['H2'], g['phi'], g['g1'], g['g2']
    H = H1 + H2
    Ka = math.tan((45 - phi / 2) * PI / 180) ** 2
    stem = [(0, 0), (B1, 0), (B0, H2), (B0, H), (0, H)]
    fill = [(B1, 0), (50, 0), (50, H), (B0, H), (B0, H2)]
    S = H - h1
    def section(ys):
        # the back edge of the section
        t = B1 - (B1 - B0) * ys / H2 if ys < H2 else B0
        N = M = 0.0
        a, x, _ = area_centroid(clip(stem, above(ys))); N += 24 * a; M += 24 * a * (t / 2 - x)
        fl = clip(clip(fill, above(ys)), left(t))
        parts = ((clip(fl, above(h1)), g1), (clip(fl, below(h1)), g2 + 10)) if h1 > 0 else ((fl, g1),)
        for poly, gam in parts:
            if len(poly) >= 3:
                a, x, _ = area_centroid(poly); N += gam * a; M += gam * a * (t / 2 - x)
        def p(y):
            z = H - y
            if y < h1:
                return Ka * (g1 * S + g2 * (h1 - y)) + 10 * (h1 - y)
            return Ka * g1 * z
        if h1 > ys:
            M += simpson(lambda y: p(y) * (y - ys), ys, h1) + simpson(lambda y: p(y) * (y - ys), h1, H)
        else:
            M += simpson(lambda y: p(y) * (y - ys), ys, H)
        return t, N, M
    return Ka, section(H / 2), section(0.0)

def steel(t, N, M, K, Rw, Rg):
    h = 100 * t; h0 = h - 7; Mp = 100000 * M; Np = 1000 * N
    e0 = Mp / Np; e = e0 + h / 2 - 7
    ep = h / 2 - e0 - 7 if e0 < (h0 - 7) / 2 else e0 - h / 2 + 7
    Asp = (K * Np * e - 40 * Rw * h0 ** 2) / (Rg * (h0 - 7))
    if e0 < 0.3 * h0:
        As = (K * Np * ep - 40 * Rw * h0 ** 2) / (Rg * (h0 - 7))
        Asp = max(Asp, 0)  # no steel area is negative
    elif Asp < 0:
        Asp = 0
        if K * Np * e < 1400 * Rw * (h0 - 7):
            As = K * Np * ep / (Rg * (h0 - 7))
        else:
            A0 = K * Np * e / (100 * Rw * h0 ** 2)
            xi = 1 - math.sqrt(1 - 2 * A0)
            As = 100 * Rw * xi * h0 / Rg + Asp - K * Np / Rg
    else:
        As = Asp + (55 * Rw * h0 - K * Np) / Rg
    if As < 0.1 * h0: As = 0.1 * h0
    return dict(h=h, h0=h0, e0=e0, e=e, N=Np, As=As, Asp=Asp)

def capacity(s, Rw, Rg):
    """The axial force (N) that the designed section carries at its own
    eccentricity e0, a lower bound from a stress field within the strengths
    (b = 100 cm, a' = 7 cm). Compression steel at Rg 7 cm from the compressed
    face, concrete as a block at Rw; tension steel at Rg where the block stays
    within 0.55 h0, else no tension steel and the block centred on the load
    line (the concrete's effective area, with the compression steel)."""
    h, h0, As, Asp, e0 = s['h'], s['h0'], s['As'], s['Asp'], s['e0']
    e = e0 + h / 2 - 7  # from the tension steel
    # Tension steel yielding: Nu = Rw*100*x + Rg*Asp - Rg*As and, about the
    # tension steel, Nu*e = Rw*100*x*(h0 - x/2) + Rg*Asp*(h0 - 7).
    a = Rw * 100 / 2
    b = Rw * 100 * e - Rw * 100 * h0
    c = (Rg * Asp - Rg * As) * e - Rg * Asp * (h0 - 7)
    x = (-b - math.sqrt(b * b - 4 * a * c)) / (2 * a)
    if 0 < x <= 0.55 * h0:
        return Rw * 100 * x + Rg * Asp - Rg * As
    # All compressed: block of depth xb from the compressed face with the
    # compression steel, their resultant on the load line (h/2 - e0 from it).
    # Rw*100*xb*(h/2 - e0 - xb/2) + Rg*Asp*(h/2 - e0 - 7) = 0 for the block's
    # lever; with no compression steel, xb = h - 2 e0.
    m = h / 2 - e0
    xb = m + math.sqrt(m * m + 2 * Rg * Asp * (m - 7) / (Rw * 100))
    return Rw * 100 * xb + Rg * Asp

def crack(s, Rg, Rf, d1, n1, d2, n2):
    h, h0, As, Asp, e0, e, N = s['h'], s['h0'], s['As'], s['Asp'], s['e0'], s['e'], s['N']
    nu = 1 if Rg <= 24000 else 0.7
    A = 100 * h; A0 = A + 10 * As + 10 * Asp
    y0 = (A * h / 2 + 10 * As * h0 + 70 * Asp) / A0
    I0 = 100 * h ** 3 / 12 + A * (h / 2 - y0) ** 2 + 10 * As * (h0 - y0) ** 2 + 10 * Asp * (y0 - 7) ** 2
    W0 = I0 / (h - y0)
    d = (d1 * d1 * n1 + d2 * d2 * n2) / (d1 * n1 + d2 * n2)
    mu = As / (100 * h0)
    Kf = 1.55 * Rf * W0 / (N * (e0 - W0 / A0))
    sg = N * (e / (h0 * (0.8 + 0.1 * e0 / h - 5 * mu)) - 1) / As
    sig = rnd(N * (e0 - W0 / A0) / W0, 2)
    lf = nu * (6 + 0.055 * d / mu)
    psi = 1 - 0.22 * Rf / (mu * sg)
    w = 2 * lf * (psi * (sg - 200) / 2e7 - 0.7 / 10000)
    return rnd(Kf, 2), rnd(max(w, 0), 4), rnd(sig / 100, 2)

G = dict(B0=0.4, B1=0.8, H1=1.5, H2=4.5, phi=30.0, g1=18.0, g2=10.0)
if __name__ == '__main__':
    K, Rw, Rf, Rg = 1.6, 1100.0, 130.0, 31000.0
    for name, h1 in (("dry", 0.0), ("low", 2.0), ("slope", 4.0), ("straight", 5.0), ("top", 6.0)):
        Ka, (tm, Nm, Mm), (tb, Nb, Mb) = forces(G, h1)
        print(name, 'Ka=%.9g tm=%.9g Nm=%.9g Mm=%.9g Nb=%.9g Mb=%.9g' % (Ka, tm, Nm, Mm, Nb, Mb))
        s1 = steel(tm, rnd(Nm, 2), rnd(Mm, 2), K, Rw, Rg)
        s2 = steel(tb, rnd(Nb, 2), rnd(Mb, 2), K, Rw, Rg)
        for s in (s1, s2):
            print('   As=%.12g Asp=%.12g e0=%.12g e=%.12g' % (s['As'], s['Asp'], s['e0'], s['e']))
        print('   crack', crack(s1, Rg, Rf, 1.6, 5, 0, 0), crack(s2, Rg, Rf, 2.0, 5, 1.6, 2))

    # The small-eccentricity section (forces by hand: h = 100, h0 = 93,
    # N = 36 kN, M = 3.37 kN m): no compression steel; the section carries
    # K N with the concrete alone; the crack check on As' = 0.
    G2 = dict(B0=1.0, B1=1.2, H1=2.0, H2=1.0, phi=30.0, g1=18.0, g2=10.0)
    K, Rw, Rf, Rg = 1.6, 1400.0, 160.0, 34000.0
    Ka, (tm, Nm, Mm), (tb, Nb, Mb) = forces(G2, 0.0)
    print('small', 'Nm=%.9g Mm=%.9g Nb=%.9g Mb=%.9g' % (Nm, Mm, Nb, Mb))
    for t, N, M in ((tm, Nm, Mm), (tb, Nb, Mb)):
        s = steel(t, rnd(N, 2), rnd(M, 2), K, Rw, Rg)
        print('   As=%.15g Asp=%.15g e0=%.12g Nu=%.9g K*N=%.9g' % (s['As'], s['Asp'], s['e0'],
              capacity(s, Rw, Rg), K * s['N']))
        print('   crack', crack(s, Rg, Rf, 1.2, 9, 0, 0))

    # Water at the top of the wall: h1 = H1 + H2 as typed, S = 0.
    # The last two: tall walls typed a millimetre above the top (h1 = H1 +
    # H2 + 0.001), which is the top; their forces are those of water there.
    for H1, H2 in ((0.9, 2.3), (1.2, 4.7), (1.2, 3.9), (7.49, 8.72), (0.23, 8.48)):
        g = dict(G, H1=H1, H2=H2)
        H = H1 + H2
        Ka, (tm, Nm, Mm), (tb, Nb, Mb) = forces(g, H)
        print('top', H1, H2, 'tm=%.9g Nm=%.9g Mm=%.9g Nb=%.9g Mb=%.9g' % (tm, Nm, Mm, Nb, Mb))
        K, Rw, Rf, Rg = 1.6, 1100.0, 130.0, 31000.0
        for t, N, M in ((tm, Nm, Mm), (tb, Nb, Mb)):
            s = steel(t, rnd(N, 2), rnd(M, 2), K, Rw, Rg)
            print('   As=%.15g Asp=%.15g e0=%.12g' % (s['As'], s['Asp'], s['e0']))
