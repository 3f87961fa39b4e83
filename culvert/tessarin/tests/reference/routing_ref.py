#!/usr/bin/env python3
"""Independent reference for the flood routing of the Tessarin tests.

Written from the method's description, not from the C++ code: storage and
discharge are interpolated linearly between the table rows, each period's
depth is the first trial depth (1 mm steps) at which the storage increase
exceeds the net inflow volume. Single-precision values are emulated by
packing into IEEE binary32 (struct 'f'); expressions are evaluated in
double precision between the roundings, as the program does.

Prints h, q, V of the 24 periods for the window's sample data (and for
the other cases used in the tests), as the shortest text that reads back
to the same single.
"""
import struct
import sys


def f32(x):
    return struct.unpack('f', struct.pack('f', x))[0]


def text(x):
    # Shortest decimal that reads back to the same binary32 value.
    for digits in range(1, 12):
        s = '%.*g' % (digits, x)
        if f32(float(s)) == x:
            v = float(s)
            out = ('%.*f' % (max(0, digits - len(str(int(abs(v))))) + 2, v)).rstrip('0').rstrip('.')
            # Check the fixed form too.
            if f32(float(out)) == x:
                return out
            return s
    return repr(x)


def interp(h, xs, ys):
    for k in range(1, len(xs)):
        if xs[k] > h:
            return f32(ys[k - 1] + (ys[k] - ys[k - 1]) / (xs[k] - xs[k - 1]) * (h - xs[k - 1]))
    if h == xs[-1]:
        return ys[-1]  # the last depth lies within the table
    return None  # the tables do not reach h


def falling(ys):
    """The first row (1-based) whose value is below the row before it."""
    for k in range(1, len(ys)):
        if ys[k] < ys[k - 1]:
            return k + 1
    return None


def route(hV, V, hQ, Q, Qin, dt):
    hV, V, hQ, Q, Qin = ([f32(v) for v in a] for a in (hV, V, hQ, Q, Qin))
    dt = f32(dt)
    if falling(V):
        return ('storage falls', falling(V))
    if falling(Q):
        return ('discharge falls', falling(Q))
    h = [0.0] * 25
    q = [0.0] * 25
    Vt = [0.0] * 25
    Vt[0] = V[0]
    for i in range(1, 25):
        found = False
        for j in range(1, 20001):
            hi = f32(j / 1000)
            qi = interp(hi, hQ, Q)
            vi = interp(hi, hV, V)
            if qi is None or vi is None:
                return ('beyond table', i, hi, qi is None)
            W = f32((Qin[i - 1] + Qin[i]) / 2 * dt * 3600 - dt * (q[i - 1] + qi) / 2 * 3600)
            S = f32(vi - Vt[i - 1])
            if S > W:
                if qi < 0:
                    return ('negative discharge', i, hi, qi)
                if vi < 0 and hi < hV[0]:
                    return ('negative storage', i, hi, vi)
                h[i], q[i], Vt[i] = hi, qi, vi
                found = True
                break
        if not found:
            return ('bound', i)
    return h, q, Vt


SAMPLE = dict(
    hV=[0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 4.5],
    V=[0, 2150, 4150, 7500, 11250, 15700, 21250, 29000, 37500, 55000],
    hQ=[0, 1.91, 2.5, 3.0, 3.5, 3.94, 4.97, 7.1, 9.08],
    Q=[0, 10, 15, 20, 25, 30, 40, 50, 60],
    Qin=[0, 1, 2, 2, 2.5, 2.5, 3.0, 3.0, 3.5, 3.5, 4.0, 5.0, 7.0, 10, 22, 40, 15, 8, 5, 4, 3, 2,
         1.5, 1.5, 1],
    dt=1)


def show(name, r):
    print('==', name)
    if isinstance(r[0], str):
        print(r)
        return
    h, q, Vt = r
    print('h ', [text(x) for x in h[1:]])
    print('q ', [text(x) for x in q[1:]])
    print('V ', [text(x) for x in Vt[1:]])


if __name__ == '__main__':
    show('sample', route(**SAMPLE))
    half = dict(SAMPLE)
    half['dt'] = 0.5
    show('sample dt 0.5', route(**half))
    big = dict(SAMPLE)
    big['Qin'] = [v * 4 for v in SAMPLE['Qin']]
    show('sample flood x4', route(**big))
    # The strict test S > W on single values: W = 1800 exactly in period 1;
    # S at the first trial is 1800.000122 (accepted) or 1800 (not accepted).
    for V1 in (1800000.0, 1799999.875):
        r = route(hV=[0, 1], V=[0, V1], hQ=[0, 30], Q=[0, 0], Qin=[0] + [1] * 24, dt=1)
        print('== strict V1', V1, 'h1', text(r[0][1]), 'V', repr(r[2][1]))
    # Zero inflow: every period is accepted at the first trial.
    show('no inflow', route(hV=SAMPLE['hV'], V=SAMPLE['V'], hQ=SAMPLE['hQ'], Q=SAMPLE['Q'],
                             Qin=[0] * 25, dt=1))
    # A period that balances exactly at a table's last depth, 0.5 m: with a
    # steady 4 m3/s, V = 10820 h and q = 10 h, period 1 balances where
    # 10820 h > 14400 - 18000 h, h > 0.499653, so at 0.5 m.
    for name, hV, V, hQ, Q in (('storage ends at 0.5 m', [0, 0.5], [0, 5410], [0, 1], [0, 10]),
                               ('rating ends at 0.5 m', [0, 1], [0, 10820], [0, 0.5], [0, 5]),
                               ('both end at 0.5 m', [0, 0.5], [0, 5410], [0, 0.5], [0, 5])):
        show(name, route(hV=hV, V=V, hQ=hQ, Q=Q, Qin=[4] * 25, dt=1))
    # A storage relation from 0.45 m under the sample flood, culvert 8 h:
    # period 1 balances where 10000 (h - 0.45) > 1800 - 14400 h, h > 0.258197.
    show('storage from 0.45 m', route(hV=[0.45, 1, 2, 5], V=[0, 5500, 15500, 45500],
                                      hQ=[0, 1, 10], Q=[0, 8, 80], Qin=SAMPLE['Qin'], dt=1))
    # Falling values.
    show('storage falls', route(hV=SAMPLE['hV'], V=SAMPLE['V'][:5] + [10000] + SAMPLE['V'][6:],
                                hQ=SAMPLE['hQ'], Q=SAMPLE['Q'], Qin=SAMPLE['Qin'], dt=1))
    # Extrapolation below the first row: tables that start at 0.5 m.
    show('tables from 0.5 m', route(hV=[0.5, 1, 2, 5, 10], V=[0, 1000, 5000, 40000, 120000],
                                    hQ=[0.5, 1, 2, 5, 10], Q=[0, 2, 8, 30, 70],
                                    Qin=SAMPLE['Qin'], dt=1))
