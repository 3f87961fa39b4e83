"""Reference values for the Dorvesk engine tests.

An independent rendering of the circular channel-culvert method in Python:
the half-angle is found by plain stepping (no bisection), every stored
quantity is rounded to single precision through struct. No code is shared
with the C++ engine. Run:
    python3 circular_ref.py
and compare the printed values with the constants in the tests.
"""
import math
import struct


def f32(x):
    return struct.unpack('f', struct.pack('f', x))[0]


def geometry(h, D, n):
    r = f32(D / 2)
    half = f32(2 * h) >= D
    e = f32(h - r) if half else f32(r - h)
    th = 3.1416
    while True:
        th -= 0.0001
        if f32(r * math.cos(th)) >= e:
            break
    seg = (2 * th - math.sin(2 * th)) * r * r / 2
    if half:
        A = f32(3.1416 * r * r - seg)
        chi = 6.2832 * r - 2 * r * th
    else:
        A = f32(seg)
        chi = 2 * r * th
    R = f32(A / chi)
    C = f32(R ** (1 / 6) / n)
    return dict(A=A, chi=chi, R=R, C=C, th=th)


def chain(Q, L, V, x1, x2, A, m):
    v = f32(Q / A)
    d = v * v - V * V
    Z1 = d * (1 + x1) / 19.62
    Z2 = f32(L / m)
    Z3 = d * (1 - x2) / 19.62
    Z = f32(Z1 + Z2 - Z3)
    return dict(v=v, Z1=Z1, Z2=Z2, Z3=Z3, Z=Z)


def rnd(x, k):
    return math.floor(x * 10 ** k + 0.5) / 10 ** k


def case1(Q, L, h, x1, D, n, V, x2):
    g = geometry(h, D, n)
    i = f32(Q * Q / (g['A'] ** 2 * g['C'] ** 2 * g['R']))
    m = f32(1 / i)
    c = chain(Q, L, V, x1, x2, g['A'], m)
    c.update(m=m, A=g['A'], chi=g['chi'], th=g['th'])
    return c


def case2(Q, L, h, x1, m, n, V, x2):
    D = h
    k = 0
    while True:
        k += 1
        D = f32(D + 0.005)
        g = geometry(h, D, n)
        Qc = f32(g['C'] * g['A'] * math.sqrt(g['R'] / m))
        if Qc >= Q:
            break
    c = chain(Q, L, V, x1, x2, g['A'], m)
    c.update(D=D, steps=k, Qc=Qc)
    return c


def case3(Q, L, h, x1, Za, n, V, x2):
    D = h
    k = 0
    while True:
        k += 1
        D = f32(D + 0.005)
        g = geometry(h, D, n)
        i = f32(Q * Q / (g['A'] ** 2 * g['C'] ** 2 * g['R']))
        m = f32(1 / i)
        c = chain(Q, L, V, x1, x2, g['A'], m)
        if c['Z'] <= Za:
            break
    c.update(D=D, m=m, steps=k)
    return c


def case4(Q, L, D, x1, m, n, V, x2):
    h = f32(0.05 * D)
    k = 0
    while True:
        k += 1
        h = f32(h + 0.005)
        if h >= D:
            return None
        g = geometry(h, D, n)
        Qc = f32(g['C'] * g['A'] * math.sqrt(g['R'] / m))
        if Qc >= Q:
            break
    c = chain(Q, L, V, x1, x2, g['A'], m)
    c.update(h=h, steps=k, Qc=Qc)
    return c


def show(name, c):
    print(name, {k: (repr(v) if isinstance(v, float) else v) for k, v in c.items()})


if __name__ == '__main__':
    show('case1 Q2 L100 h0.8 D1.5', case1(2, 100, 0.8, 0.15, 1.5, 0.014, 0.8, 0.4))
    show('case1 half full h0.75 D1.5', case1(2, 100, 0.75, 0.15, 1.5, 0.014, 0.8, 0.4))
    show('case1 full h1.5 D1.5', case1(2, 100, 1.5, 0.15, 1.5, 0.014, 0.8, 0.4))
    show('case1 shallow h0.3 D1.5', case1(0.5, 80, 0.3, 0.1, 1.5, 0.013, 0.5, 0.3))
    show('case1 slow V3 h1.2 D2', case1(2, 100, 1.2, 0.15, 2.0, 0.014, 3.0, 0.4))
    show('case2 Q2 L100 h0.8 m1000', case2(2, 100, 0.8, 0.15, 1000, 0.014, 0.8, 0.4))
    show('case2 Q0.3 h0.5 m2000', case2(0.3, 50, 0.5, 0.2, 2000, 0.014, 0.5, 0.5))
    show('case3 Q2 L100 h0.8 Z0.2', case3(2, 100, 0.8, 0.15, 0.2, 0.014, 0.8, 0.4))
    show('case4 Q2 L100 D1.5 m1000', case4(2, 100, 1.5, 0.15, 1000, 0.014, 0.8, 0.4))
    show('case4 Q0.05 D1 m500', case4(0.05, 30, 1.0, 0.1, 500, 0.014, 0.3, 0.3))
    print('case4 Q10 D1 m1000 (pressure):', case4(10, 100, 1.0, 0.15, 1000, 0.014, 0.8, 0.4))
