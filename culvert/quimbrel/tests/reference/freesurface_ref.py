"""Reference values for the Quimbrel engine tests.

An independent rendering of the free-surface, pressure and semi-pressure
methods in Python, with every stored quantity rounded to single precision
through struct (no shared code with the C++ engine). Run:
    python3 freesurface_ref.py
and compare the printed values with the constants in the tests.
"""
import math
import struct


def f32(x):
    return struct.unpack('f', struct.pack('f', x))[0]


def normal_depth(B, Q, i, n):
    h0, s = 50.0, 50.0
    for _ in range(200):
        A = B * h0
        Qn = f32(A * (A / (B + 2 * h0)) ** (2 / 3) * math.sqrt(i) / n)
        if f32(abs(1 - Qn / Q)) < 0.001:
            return h0
        s = f32(s / 2)
        h0 = f32(h0 - s) if Qn > Q else f32(h0 + s)
    return None


def phi(y, x, eta1):
    acc = 0.0
    if eta1 > 1:
        for N in range(1, 31):
            acc = f32(acc + y ** (1 - N * x) / (N * x - 1))
        return acc
    for N in range(1, 31):
        acc = f32(acc + y ** (N * x + 1) / (N * x + 1))
    return f32(y + acc)


def dist(eta, P):
    return f32(abs((eta - P['eta1']) - (1 - P['j']) * (phi(eta, P['x'], P['eta1']) - phi(P['eta1'], P['x'], P['eta1']))) * P['h0'] / P['i'])


def profile(B, Q, i, n, L, h, Hcmp, cf=1.1):
    q = f32(Q / B)
    hc = f32((cf * q * q / 9.81) ** (1 / 3))
    d1 = hc if h < hc else h
    h0 = normal_depth(B, Q, i, n)
    hm = f32((h0 + h) / 2)
    chi = f32(2 * hm + B)
    C = f32((B * hm / chi) ** (1 / 6) / n)
    j = f32(C * C * (1.1 * i) * B / chi / 9.810001)
    eta1 = f32(h / h0)
    dh = f32((hc - h) / 23) if h0 < hc else f32((h0 - h) / 23)
    K0 = f32(Q / math.sqrt(i))
    Km = f32(B * hm * (B * hm / chi) ** (2 / 3) / n)
    x = f32(2 * (math.log(Km) - math.log(K0)) / (math.log(hm) - math.log(h0)))
    P = dict(i=i, h0=h0, j=j, eta1=eta1, x=x)
    depth = [None, d1]
    for k in range(2, 25):
        depth.append(f32(depth[k - 1] + dh))
        dd = dist(f32(depth[k] / h0), P)
        if dd > L:
            d = f32(abs(depth[k] - depth[k - 1]))
            for m in range(1, 21):
                if Hcmp > h0:
                    sgn = 1 if dd > L else (-1 if dd < L else 0)
                elif Hcmp < h0:
                    sgn = -1 if dd > L else (1 if dd < L else 0)
                else:
                    sgn = 0
                depth[k] = f32(depth[k] + sgn * d / 2 ** m)
                dd = dist(f32(depth[k] / h0), P)
                if f32(abs(1 - dd / L)) < 0.001:
                    break
            return depth[k], h0, hc, P, k
    return depth[24], h0, hc, P, 24


def free_surface(Q, D, L, i, n, H, h, V):
    i = i if i != 0 else f32(0.00001)
    hs0 = f32(h - i * L)
    hs = hs0
    raised = f32(0.72 * H) >= hs
    if raised:
        hs = f32(0.72 * H)
    H0 = f32(H + 1.1 * V * V / 19.62)
    sig = f32(2.31 * (hs / H0) * (1 - hs / H0) ** 0.4)
    B = f32(Q / sig / 0.95 / 0.36 / 4.4295 / H0 ** 1.5)
    q = f32(Q / B)
    hc = f32((1.1 * q * q / 9.81) ** (1 / 3))
    if f32(8 * H) > L:
        return dict(kind='short', hs=hc if raised else hs0, sigma=sig, B=B, hc=hc, raised=raised)
    H0 = f32(H + 1.05 * V * V / 19.62)
    passes = 0
    drowned = 0  # passes whose profile depth reaches the total head (sigma 0)
    while True:
        passes += 1
        B = f32(B + 0.001)
        hsp, h0, hc, P, k = profile(B, Q, i, n, L, h, H)
        hs = hsp
        if f32(0.72 * H) > hs:
            hs = f32(0.72 * H)
        if hs < H0:
            sig = f32(2.31 * (hs / H0) * (1 - hs / H0) ** 0.4)
        else:
            sig = 0.0
            drowned += 1
        Qw = f32(B * sig * 0.95 * 0.36 * 4.4295 * H0 ** 1.5)
        if Qw > Q:
            return dict(kind='long', hs=hsp, sigma=sig, B=B, h0=h0, hc=hc, passes=passes, drowned=drowned, k=k, x=P['x'], j=P['j'])


def pressure(Q, D, L, i, n, H, h, V, x1, x2, x3, x4, x5):
    H0 = f32(H + 1.05 * V * V / 19.62)
    S0 = f32(x1 + 1 + x2 + x3 + x4 + x5)
    Z = f32(i * L + H0 - 0.85 * D) if h < D else f32(i * L + H0 - h)
    m = f32(1 / math.sqrt(S0))
    B = f32(Q / m / D / 4.4295 / math.sqrt(Z))
    for _ in range(5):
        R = f32(B * D / (B + D) / 2)
        C = f32(R ** (1 / 6) / n)
        xf = f32(19.62 * L / (C * C * R))
        m = f32(1 / math.sqrt(x1 + 1 + x2 + x3 + xf + x4 + x5))
        B = f32(Q / m / D / 4.4295 / math.sqrt(Z))
    return dict(m=m, B=B, Z=Z)


def semi(Q, D, L, i, H, h, V, m1, b1):
    H0 = f32(H + 1.05 * V * V / 19.62)
    return f32(Q / m1 / D / 4.4295 / math.sqrt(i * L + H0 - b1 * D))


def manning_depth(B, Q, i, n):
    """Normal depth by Newton's method in double (another way of solving)."""
    h = 1.0
    for _ in range(100):
        A = B * h
        P = B + 2 * h
        F = A * (A / P) ** (2 / 3) * math.sqrt(i) / n - Q
        dA = B
        dP = 2
        dF = math.sqrt(i) / n * (5 / 3 * A ** (2 / 3) * dA / P ** (2 / 3) - 2 / 3 * A ** (5 / 3) * dP / P ** (5 / 3))
        h -= F / dF
    return h


F = f32
cases = {
    'short': (F(5), F(2), F(10), F(0.01), F(0.014), F(1.8), F(1.5), F(0.5)),
    'short_floor': (F(5), F(2), F(10), F(0.01), F(0.014), F(1.8), F(0.8), F(0.5)),
    'long_h_above_h0': (F(6), F(3), F(200), F(0.0005), F(0.014), F(2.0), F(1.9), F(0.3)),
    'long_h_below_hc': (F(6), F(3), F(200), F(0.0005), F(0.014), F(2.0), F(0.3), F(0.3)),
    'long_zero_slope': (F(3), F(2), F(30), F(0), F(0.014), F(1.2), F(1.0), F(0.2)),
}
if __name__ == '__main__':
    for name, args in cases.items():
        print(name, free_surface(*args))
    r = free_surface(*cases['long_h_above_h0'])
    print('manning h0 at B', r['B'], manning_depth(r['B'], F(6), F(0.0005), F(0.014)))
    for B, Q, i, n in [(F(2.5), F(6), F(0.0005), F(0.014)), (F(1), F(1), F(0.002), F(0.013)), (F(4), F(20), F(0.001), F(0.02))]:
        print('normal', B, Q, i, n, normal_depth(B, Q, i, n), manning_depth(B, Q, i, n))
    print('pressure free', pressure(F(8), F(1.5), F(40), F(0.002), F(0.014), F(2.6), F(1.2), F(0.5), F(0.3), F(0.1), F(0.2), F(0.1), F(0.2)))
    print('pressure sub', pressure(F(8), F(1.5), F(40), F(0.002), F(0.014), F(2.6), F(1.8), F(0.5), F(0.3), F(0.1), F(0.2), F(0.1), F(0.2)))
    print('semi', semi(F(4), F(1.5), F(30), F(0.003), F(2.0), F(1.0), F(0.4), F(0.625), F(0.735)))


def simpson(f, a, b, n=20000):
    h = (b - a) / n
    s = f(a) + f(b) + sum((4 if k % 2 else 2) * f(a + k * h) for k in range(1, n))
    return s * h / 3


if __name__ == '__main__':
    # The varied-flow function as the integral it truncates:
    # below 1: integral 0..y of dt/(1 - t^x); above 1: integral y..inf of dt/(t^x - 1)
    # (the upper limit mapped by t = 1/u: integral 0..1/y of u^(x-2)/(1 - u^x) du).
    print('phi below', simpson(lambda t: 1 / (1 - t ** 3), 0, 0.5))
    print('phi above', simpson(lambda u: u ** (3 - 2) / (1 - u ** 3), 0, 1 / 1.5))
    print('short 8H=L (long)', free_surface(F(3), F(2), F(20), F(0.005), F(0.014), F(2.5), F(1.2), F(0)))
    print('long h>h0', free_surface(F(6), F(3), F(200), F(0.003), F(0.014), F(2.0), F(1.9), F(0.3)))
    print('long h<hc<h0<H', free_surface(F(6), F(3), F(200), F(0.002), F(0.014), F(2.0), F(0.3), F(0.3)))
