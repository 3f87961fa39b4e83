"""Reference values for the Mirkelt engine tests.

An independent rendering of the stilling-basin method in Python, written
from the method's own statement (regime table, contracted depth, conjugate
depth of the diverging basin, basin-depth passes, sill with the submergence
table), every stored quantity rounded to single precision through struct.
It shares no code with the C++ engine. Run:
    python3 basin_ref.py
and compare the printed values with the constants in the tests.
"""
import math
import struct


def f32(x):
    return struct.unpack('f', struct.pack('f', x))[0]


def hund(x):
    return f32(math.floor(x * 100 + 0.5) / 100)


TABLE = [(0.45, 1.0), (0.50, 0.99), (0.55, 0.985), (0.60, 0.975), (0.65, 0.96),
         (0.70, 0.94), (0.72, 0.93), (0.74, 0.915), (0.76, 0.90), (0.78, 0.885),
         (0.80, 0.865), (0.82, 0.845), (0.84, 0.815), (0.86, 0.785), (0.88, 0.75),
         (0.90, 0.71), (0.92, 0.651), (0.95, 0.535), (1.0, 0.0)]
TABLE = [(f32(a), f32(b)) for a, b in TABLE]


def sigma_s(s):
    if s <= TABLE[0][0]:
        return TABLE[0][1]
    for k in range(1, len(TABLE)):
        if s == TABLE[k][0]:
            return TABLE[k][1]
        if TABLE[k][0] > s:
            (s0, g0), (s1, g1) = TABLE[k - 1], TABLE[k]
            return f32(g0 + (g1 - g0) * (s - s0) / (s1 - s0))


def basin(Q, H, V0, L, D, B, n, i, P, B1, B2, hs, xi, kind, max_passes=100):
    """kind 1 deepened, 2 sill, 3 combined. Returns a dict or a reason."""
    Q, H, V0, L, D, B, n, i, P, B1, B2, hs, xi = map(f32, (Q, H, V0, L, D, B, n, i, P, B1, B2, hs, xi))
    if f32(hs - P) < D:
        xi = 0.0
    if f32(hs - P) > D and H > D and xi == 0:
        return 'stop: submerged without xi'
    q1 = f32(Q / n)
    R = f32(B * D / (B + D) / 2)
    Cz = f32(R ** (1 / 6) / 0.014)
    d = 0.0
    d1 = 0.0
    reduced = False
    note = ''
    for npass in range(1, max_passes + 1):
        hk = f32(0.467 * (Q / B) ** (2 / 3))
        hc = 0.0
        out = f32(hs - P)
        if out >= D:
            v = q1 / (D * B)
            T = f32(1.05 * V0 ** 2 / 19.62 + H + i * L + P + d - xi * 1.05 * v ** 2 / 19.62
                    - 1.05 * v ** 2 * L / (Cz ** 2 * R))
            regime = 'submerged'
        elif f32(1.2 * D) >= H:
            if f32(8 * H) > L:
                T = f32(1.05 * V0 ** 2 / 19.62 + H + i * L + P + d)
                regime = 'short'
            elif out < hk:
                T = f32(1.05 * (q1 / (hk * B)) ** 2 / 19.62 + hk + P + d)
                regime = 'long<hk'
            else:
                T = f32(1.05 * (q1 / ((hs - P) * B)) ** 2 / 19.62 + (hs - P) + P + d)
                regime = 'long>=hk'
        elif H <= f32(1.5 * D):
            T = f32(1.05 * (q1 / (0.74 * D * B)) ** 2 / 19.62 + 0.74 * D + P + d)
            regime = 'semi'
        else:
            T = f32(1.05 * (q1 / (0.85 * D * B)) ** 2 / 19.62 + 0.85 * D + P + d)
            regime = 'pressure'
        k = 0
        while k < 7 and hc < T:
            hc = hund(q1 / (B * 4.208 * math.sqrt(T - hc)))
            k += 1
        # A contracted depth at or above the head is no depth: the head
        # cannot pass the discharge, whatever the later passes would do.
        if not hc < T:
            return 'stop: hc not below T'
        h2 = hund(hc / 2 * (math.sqrt(1 + 0.815 * Q ** 2 / (B1 ** 2 * hc ** 3)) - 1) * (B1 / B2) ** 0.25)
        hk2 = None
        to_sill = False
        if kind == 2 and h2 < hc:
            C = 0.0
            break
        if kind == 2 or reduced:
            to_sill = True
        else:
            hk2 = f32(0.467 * (Q / B2) ** (2 / 3))
            hx = hs if hs > hk2 else hk2
            dZ = f32(Q ** 2 / (19.62 * 0.95 ** 2 * B2 ** 2 * hx ** 2) - Q ** 2 / (19.62 * B2 ** 2 * h2 ** 2))
            d1 = f32(1.05 * h2 - hx - dZ)
            if d1 <= 0:
                d1 = 0.0
                C = 0.0
                break
            if f32(abs(1 - d / d1)) >= f32(0.01):
                d = d1
                continue
            if kind == 1:
                C = 0.0
                break
            d1 = hund(d1)
            if d1 > 0.5:
                d = hund(0.65 * d1)
                d1 = d
                reduced = True
                continue
            to_sill = True
        # sill
        Hv = f32(Q ** 2 / ((h2 * B2) ** 2 * 19.62))
        H1 = f32((Q / (B2 * 0.42 * 4.43)) ** (2 / 3) - Hv)
        C = f32(h2 - H1 - d1)
        if f32(0.3 * d1) > C:
            if kind == 2:
                C = 0.0
                break
            if not reduced:
                C = 0.0
                note = 'treated as deepened'
                break
            nd = hund(0.65 * d1)
            if nd == d1:
                return 'stop: no sill at the least depth'
            d = nd
            d1 = d
            continue
        drowned = False
        for _ in range(3):
            s = f32((hs - C) / (H1 + Hv))
            if s >= 1:
                drowned = True
                break
            sg = sigma_s(s)
            H1 = f32((Q / (sg * B2 * 0.42 * 4.43)) ** (2 / 3) - Hv)
            C = f32(h2 - H1 - d1)
        if drowned:
            C = 0.0
        else:
            C = hund(1.05 * h2 - H1 - d1)
            if C < 0:
                C = 0.0
        break
    else:
        return 'stop: passes'
    d1 = hund(d1)
    Lj = hund(6.9 * (h2 - hc))
    Lb = hund(0.75 * Lj)
    return dict(regime=regime, T=math.floor(T * 100 + 0.5) / 100, hc=hc, h2=h2, d=d1, C=C, Lj=Lj, Lb=Lb,
                hk2=hk2, passes=npass, note=note)


def show(label, r):
    if isinstance(r, str):
        print(label, r)
        return
    print(label, r['regime'], 'T=%.2f hc=%.2f h2=%.2f d=%.2f C=%.2f Lj=%.2f Lb=%.2f' %
          (r['T'], r['hc'], r['h2'], r['d'], r['C'], r['Lj'], r['Lb']),
          'hk2=%s' % (None if r['hk2'] is None else '%.3f' % r['hk2']), 'passes=%d' % r['passes'], r['note'])


if __name__ == '__main__':
    # Q, H, V0, L, D, B, n, i, P, B1, B2, hs, xi: two bores 2.5 m x 2 m.
    base = dict(Q=10, H=2.0, V0=0.5, L=10, D=2.0, B=2.5, n=2, i=0.01, P=1.0, B1=5.5, B2=6, hs=0.5, xi=0.3)
    cases = [
        ('short culvert', {}, (1, 2, 3)),
        ('long culvert, outlet below hk', dict(L=30), (1,)),
        ('long culvert, outlet at hk or above', dict(L=30, hs=2.3, Q=6), (1,)),
        ('semi-pressure', dict(H=2.6), (1,)),
        ('non-submerged pressure', dict(H=3.5), (1,)),
        ('submerged pressure', dict(H=3.5, hs=3.2, P=1.0, xi=0.5, Q=20), (1,)),
        ('outlet exactly at D, xi 0', dict(H=3.5, hs=3.0, xi=0.0, Q=20), (1,)),
        ('outlet just above D, xi 0', dict(H=3.5, hs=3.01, xi=0.0, Q=20), (1,)),
        ('larger discharge', dict(Q=20), (1, 2, 3)),
        ('combined, shallow basin with sill', dict(Q=4, hs=0.2, B2=5.5, H=1.0, P=0.0), (1, 3)),
        ('combined, shallow basin without sill', dict(Q=2, hs=0.3, B2=5.5, H=1.0, P=0.5), (1, 3)),
        ('sill drowned or not needed', dict(Q=2, hs=0.5, B2=5.5, H=1.0, P=0.0), (2,)),
        ('no jump', dict(Q=10, hs=2.0, B2=5.5, H=1.0, P=0.0), (1, 2)),
        ('tailwater high', dict(hs=2.5, B2=7), (1, 3)),
        ('passes do not converge', dict(Q=40, hs=0.3, B2=5.5, P=0.5), (1, 2, 3)),
    ]
    for name, over, kinds in cases:
        args = dict(base, **over)
        for kind in kinds:
            show('%-40s kind %d' % (name, kind), basin(kind=kind, **args))
