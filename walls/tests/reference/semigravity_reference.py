#!/usr/bin/env python3
"""Reference values for the semi-gravity wall, worked apart from the C++ code.

Every weight is the area and centroid of a polygon of the cross-section
(shoelace formula), clipped at the water table where the fill is submerged;
the earth thrust and the uplift are integrated numerically over the height
and along the base (Simpson, 20000 steps); the stem and toe sections take the
polygons that lie above or beside them. pi = 3.14159 as the method uses.
"""
import math
import sys

PI = 3.14159

def area_centroid(poly):
    a = cx = cy = 0.0
    n = len(poly)
    for i in range(n):
        x0, y0 = poly[i]; x1, y1 = poly[(i + 1) % n]
        c = x0 * y1 - x1 * y0
        a += c; cx += (x0 + x1) * c; cy += (y0 + y1) * c
    a /= 2.0
    if abs(a) < 1e-15:
        return 0.0, 0.0, 0.0
    return abs(a), cx / (6 * a), cy / (6 * a)

def clip(poly, keep):
    """Sutherland-Hodgman against a half-plane given by keep(p) -> signed value >= 0."""
    out = []
    n = len(poly)
    for i in range(n):
        p, q = poly[i], poly[(i + 1) % n]
        fp, fq = keep(p), keep(q)
        if fp >= 0: out.append(p)
        if (fp >= 0) != (fq >= 0):
            t = fp / (fp - fq)
            out.append((p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1])))
    return out

def below(y):  return lambda p: y - p[1]
def above(y):  return lambda p: p[1] - y
def left(x):   return lambda p: x - p[0]
def right(x):  return lambda p: p[0] - x

def simpson(f, a, b, n=20000):
    if b <= a: return 0.0
    h = (b - a) / n
    s = f(a) + f(b)
    for i in range(1, n):
        s += (4 if i % 2 else 2) * f(a + i * h)
    return s * h / 3

def wall(g, h1, h2, d, mode, Rl=1100.0):
    B0, B1, B2, B3, B4, B5, B6 = g['B0'], g['B1'], g['B2'], g['B3'], g['B4'], g['B5'], g['B6']
    H1, H2, H3, H4, H5 = g['H1'], g['H2'], g['H3'], g['H4'], g['H5']
    phi, f, q, g1, g2 = g['phi'], g['f'], g['q'], g['g1'], g['g2']
    xf = B4 + B5
    B = xf + B3 + B6
    H = H1 + H2 + H3 + H4
    y3, y2, y1 = H4 + H3, H4 + H3 + H2, H
    concrete = [(0, 0), (B, 0), (B, H4), (xf + B3, H4), (xf + B2, y3), (xf + B1, y2), (xf + B0, H),
                (xf, H), (xf, H5), (B4, H4), (0, H4)]
    fill = [(xf + B3, H4), (B, H4), (B, H), (xf + B0, H), (xf + B1, y2), (xf + B2, y3)]
    h0 = q / g1
    zw = H - h1 if h1 > 0 else H
    if h1 > 0 and zw == 0: zw = 0.001
    wt = H - zw  # water table height (h1, or H for none)
    res = {}
    A, cx, _ = area_centroid(concrete)
    res['Wwall'] = 24 * A; res['Mwall'] = 24 * A * cx
    # fill: dry part above the water table with g1, submerged part g2 and water 10
    Ws = Ms = Ww = Mw = 0.0
    if h1 > H4:
        dry = clip(fill, above(wt)); wet = clip(fill, below(wt))
    else:
        dry, wet = fill, []
    for poly, gam in ((dry, g1), (wet, g2)):
        if len(poly) >= 3:
            a, x, _ = area_centroid(poly); Ws += gam * a; Ms += gam * a * x
    if len(wet) >= 3:
        a, x, _ = area_centroid(wet); Ww += 10 * a; Mw += 10 * a * x
    wq = B - B0 - xf
    Ws += g1 * h0 * wq; Ms += g1 * h0 * wq * (xf + B0 + wq / 2)
    res.update(Wsoil=Ws, Msoil=Ms, Wwback=Ww, Mwback=Mw)
    # water over the toe
    toe = clip([(0, H4), (B4, H4), (xf, H5), (xf, 100), (0, 100)], below(h2))
    Wt = Mt = 0.0
    if h2 > H4 and len(toe) >= 3:
        a, x, _ = area_centroid(toe); Wt = 10 * a; Mt = 10 * a * x
    res.update(Wtoe=Wt, Mtoe=Mt)
    # uplift: head along the base
    if mode == 2:
        head = lambda x: h1
    else:
        head = lambda x: h2 + (h1 - h2) * x / B
    U = simpson(lambda x: 10 * head(x), 0, B); MU = simpson(lambda x: 10 * head(x) * x, 0, B)
    res.update(U=U, MU=MU)
    # water thrusts
    Pw1 = 10 * h1 * h1 / 2; MPw1 = Pw1 * h1 / 3
    if mode == 1 and h2 > 0:
        Pw2 = 10 * h2 * h2 / 2; MPw2 = Pw2 * h2 / 3
    elif mode == 2 and h2 > d:
        Pw2 = 10 * (h2 - d) ** 2 / 2; MPw2 = Pw2 * (d + (h2 - d) / 3)
    else:
        Pw2 = MPw2 = 0.0
    # Rankine thrust
    Ka = math.tan((45 - phi / 2) * PI / 180) ** 2
    def p(y):  # earth pressure at height y above the base
        z = H - y
        if h1 > 0 and y < wt:
            return Ka * (g1 * (h0 + zw) + g2 * (wt - y))
        return Ka * g1 * (h0 + z)
    E = simpson(p, 0, wt) + simpson(p, wt, H) if h1 > 0 else simpson(p, 0, H)
    ME = (simpson(lambda y: p(y) * y, 0, wt) + simpson(lambda y: p(y) * y, wt, H)) if h1 > 0 else simpson(lambda y: p(y) * y, 0, H)
    res.update(Ka=Ka, E=E, ME=ME, Pw1=Pw1, Pw2=Pw2)
    SV = res['Wwall'] + Ws + Ww + Wt - U
    Mr = res['Mwall'] + Ms + Mw + Mt + MPw2
    Mo = ME + MPw1 + MU
    e = B / 2 - (Mr - Mo) / SV
    sf = SV / B * (1 + 6 * e / B); sb = SV / B * (1 - 6 * e / B)
    eta = sf / sb
    if eta < 1: eta = 1 / eta
    res.update(SV=SV, Mr=Mr, Mo=Mo, e=e, sf=sf, sb=sb, eta=eta, Kc=f * SV / (E + Pw1 - Pw2), K0=Mr / Mo)
    # ---- sections (Ka and base pressures as the results file keeps them)
    Kr = math.floor(Ka * 1000 + 0.5) / 1000
    sfr = math.floor(sf * 100 + 0.5) / 100; sbr = math.floor(sb * 100 + 0.5) / 100
    gs = g2 + 10
    def pk(y):  # lateral earth (rounded Ka, no surcharge split) plus water pressure
        z = H - y
        if h1 > 0 and y < wt:
            return Kr * (g1 * (h0 + zw) + g2 * (wt - y)) + 10 * (wt - y)
        return Kr * g1 * (h0 + z)
    def stem_section(ysec, t):
        stem = clip(clip(concrete, above(ysec)), right(xf))
        fl = clip(clip(fill, above(ysec)), left(xf + t))
        N = M = 0.0
        a, x, _ = area_centroid(stem); N += 24 * a; M += 24 * a * (t / 2 - (x - xf))
        if h1 > H4:
            parts = ((clip(fl, above(wt)), g1), (clip(fl, below(wt)), gs))
        else:
            parts = ((fl, g1),)
        for poly, gam in parts:
            if len(poly) >= 3:
                a, x, _ = area_centroid(poly); N += gam * a; M += gam * a * (t / 2 - (x - xf))
        M += simpson(lambda y: pk(y) * (y - ysec), ysec, H) if not (h1 > 0 and ysec < wt) else (
            simpson(lambda y: pk(y) * (y - ysec), ysec, wt) + simpson(lambda y: pk(y) * (y - ysec), wt, H))
        s = 6 * M / t ** 2 - N / t
        return M, N, t, s, 1.55 * Rl / s
    S1 = stem_section(H - H1, B1)
    S2 = stem_section(H - H1 - H2, B2)
    # toe root: base pressure and the uplift of the stability (the same head
    # along the base) up, concrete and water down
    L4 = xf
    sig = lambda x: sfr + (sbr - sfr) * x / B
    M4 = simpson(lambda x: (sig(x) + 10 * head(x)) * (L4 - x), 0, L4)
    toeconc = clip(concrete, left(xf))
    a, x, _ = area_centroid(toeconc); M4 -= 24 * a * (L4 - x)
    if h2 > H4 and len(toe) >= 3:
        a, x, _ = area_centroid(toe); M4 -= 10 * a * (L4 - x)
    S4 = (M4, None, H5, 6 * M4 / H5 ** 2, 1.55 * Rl / (6 * M4 / H5 ** 2))
    # heel section at x = xf + B2: base pressure and uplift up; concrete,
    # fill and the surcharge on the fill down
    xs = xf + B2
    M3 = -simpson(lambda x: (sig(x) + 10 * head(x)) * (x - xs), xs, B)
    M3 += g1 * h0 * (B - xs) ** 2 / 2
    heelc = clip(concrete, right(xs))
    a, x, _ = area_centroid(heelc); M3 += 24 * a * (x - xs)
    fl = clip(fill, right(xs))
    parts = ((clip(fl, above(wt)), g1), (clip(fl, below(wt)), gs)) if h1 > H4 else ((fl, g1),)
    for poly, gam in parts:
        if len(poly) >= 3:
            a, x, _ = area_centroid(poly); M3 += gam * a * (x - xs)
    t3 = H3 + H4
    S3 = (M3, None, t3, 6 * M3 / t3 ** 2, 1.55 * Rl / (6 * M3 / t3 ** 2))
    res['sections'] = (S1, S2, S3, S4)
    return res

G = dict(B0=0.5, B1=0.9, B2=1.5, B3=2.2, B4=0.6, B5=0.4, B6=1.3, H1=2.0, H2=2.0, H3=1.5, H4=0.5,
         H5=0.9, phi=30.0, f=0.4, q=10.0, g1=18.0, g2=10.0)
CASES = [("dry", 0.0, 0.0, 0.0, 1), ("step 1", 4.5, 1.2, 0.0, 1), ("step 2", 3.0, 0.7, 0.0, 1),
         ("step 3", 1.5, 0.7, 0.3, 2), ("h2 above h1", 2.5, 3.0, 0.0, 1)]
if __name__ == '__main__':
    for name, h1, h2, d, mode in CASES:
        r = wall(G, h1, h2, d, mode)
        print(name)
        for k in ('Wwall', 'Mwall', 'Wsoil', 'Msoil', 'Wwback', 'Mwback', 'Wtoe', 'Mtoe', 'U', 'MU',
                  'Pw1', 'Pw2', 'Ka', 'E', 'ME', 'SV', 'Mr', 'Mo', 'e', 'sf', 'sb', 'eta', 'Kc', 'K0'):
            print('  %s = %.9g' % (k, r[k]))
        for i, s in enumerate(r['sections']):
            print('  S%d M=%.9g N=%s t=%.9g sigma=%.9g K=%.9g' % (i + 1, s[0], 'none' if s[1] is None else '%.9g' % s[1], s[2], s[3], s[4]))
