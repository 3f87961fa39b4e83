"""Reference values for the Vostrane engine tests.

An independent Python rendering of the stage-discharge row procedure, every
stored quantity rounded to single precision through struct. The long-culvert
profile is the reference rendering of the free-surface method kept with
Quimbrel's tests (freesurface_ref.profile, critical depth without the 1.1
factor, the trial depth as the bisection's inlet depth). No code is shared
with the C++ engine. The total head H + vh of a trial depth is kept in
double (not rounded to single). Run:
    python3 stagedischarge_ref.py
and compare the printed values with the constants in the tests.
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                '..', '..', '..', 'quimbrel', 'tests', 'reference'))
from freesurface_ref import f32, profile  # noqa: E402


def round_to(x, k):
    return math.floor(x * 10 ** k + 0.5) / 10 ** k


def row(B, D, L, i, n, V, xi, Q, h):
    """Inlet depth H of one row, the regime, and the number of 1 mm steps."""
    i = i if i != 0 else f32(0.00001)
    vh = f32(1.1 * V * V / 19.62)
    d12, d15 = f32(1.2 * D), f32(1.5 * D)
    steps = [0]

    def up(H):
        steps[0] += 1
        return f32(H + 0.001)

    def pressure(submerged):
        R = f32(B * D / (B + D) / 2)
        Cz = f32(R ** (1 / 6) / n)
        xf = f32(19.62 * L / (Cz * Cz * R))
        mu = f32(1 / math.sqrt(1 + xf + xi))
        H = f32(h + vh)
        while True:
            H = up(H)
            head = i * L + H - h if submerged else i * L + H - 0.85 * D
            Qc = f32(B * mu * D * 4.4295 * math.sqrt(head)) if head > 0 else 0.0
            if Qc > Q:
                return H, 'submerged' if submerged else 'free-outlet pressure', steps[0]

    def weir(hs, H):
        H0 = H + vh  # kept in double
        if not (0 < hs < H0):
            return 0.0
        r = hs / H0
        sig = f32(2.31 * r * (1 - r) ** 0.4)
        return f32(B * sig * 0.95 * 0.36 * 4.4295 * H0 ** 1.5)

    if h > D:
        return pressure(True)
    hk = f32(round_to(0.467 * (Q / B) ** (2 / 3), 3))
    # The inlet cannot lie below the critical depth of its flow: the larger
    # of h - iL and hk (a free outfall, h - iL <= 0, starts at hk too).
    hs = max(f32(h - i * L), hk)
    H = f32(hs + 0.001)
    while True:
        if d12 < H <= d15:
            while True:
                H = up(H)
                if H > d15:
                    return pressure(h >= D)
                H0 = H + vh  # kept in double
                head = H0 - 0.74 * D + i * L
                Qc = f32(0.67 * B * D * 4.4295 * math.sqrt(head)) if head > 0 else 0.0
                if Qc > Q:
                    return H, 'semi', steps[0]
        if H > d15:
            return pressure(h >= D)
        if weir(hs, H) > Q:
            if f32(8 * H) > L:
                return H, 'short', steps[0]
            hsp = profile(B, Q, i, n, L, h, H, cf=1.0)[0]
            while True:
                H = up(H)
                if weir(hsp, H) > Q:
                    return H, 'long', steps[0]
        H = up(H)


F = f32
# B, D, L, i, n, V, xi and rows (Q, h)
CULVERT = (F(2), F(1.5), F(10), F(0.005), F(0.014), F(0.3), F(0.5))
LONG = (F(2), F(1.5), F(60), F(0.002), F(0.014), F(0.3), F(0.5))
if __name__ == '__main__':
    for Q, h in [(F(2), F(0.6)), (F(2), F(0.2)), (F(6), F(1.0)), (F(9), F(1.0)), (F(9), F(1.6)),
                 (F(6), F(1.5)), (F(12), F(0.5))]:
        print('short-data', Q, h, row(*CULVERT, Q, h))
    for Q, h in [(F(2), F(0.6)), (F(2), F(0.2)), (F(3), F(1.2))]:
        print('long-data', Q, h, row(*LONG, Q, h))
    print('V=0', row(F(2), F(1.5), F(10), F(0.005), F(0.014), F(0), F(0.5), F(9), F(1.6)))
    print('i=0', row(F(2), F(1.5), F(60), F(0), F(0.014), F(0.3), F(0.5), F(2), F(0.6)))
