"""Independent check of the stirrup decision of an eccentric-compression
member, in double precision from the capacity equation

    γd·V ≤ Vc + Vsv + 0.07·N',   Vc = 0.2·fc·b·h0/(λ + 1.5),
    Vsv = 1.25·fyv·Asv·h0/s,      N' = min(N, 0.3·fc·b·h),

forces in newtons (kN ×1000, MPa·cm² ×100), lengths in cm. Stirrups are
needed exactly where the concrete and the axial force alone fall short of
γd·V; the spacing then follows from the equation, and is shortened where the
stirrup ratio Asv/(b·s) would fall below its minimum.
"""
import math


def stirrups(b, h0, a, V, N, fc, fyv, d, n, gd=1.2, lam=1.4, rho_min=0.12):
    h = h0 + a
    Vc = 0.2 * fc * b * h0 * 100 / (lam + 1.5)
    Np = min(N * 1e3, 0.3 * fc * 100 * b * h)
    need = gd * V * 1e3 - Vc - 0.07 * Np
    out = {"Vc": Vc, "N'": Np, "concrete + axial": Vc + 0.07 * Np, "γd·V": gd * V * 1e3, "need": need}
    if need <= 0:
        return out
    Asv = n * math.pi * (d / 10) ** 2 / 4
    s = Asv * 1.25 * fyv * 100 * h0 / need
    out.update(Asv=Asv, s_equation=s, Vsv=1.25 * fyv * 100 * Asv * h0 / s)
    ratio = 100 * Asv / (b * s)
    out["100ρsv"] = ratio
    if ratio < rho_min:
        s = Asv / (b * rho_min) * 100
    out["s"] = s
    out["capacity at s"] = Vc + 1.25 * fyv * 100 * Asv * h0 / s + 0.07 * Np
    return out


if __name__ == "__main__":
    # Column, other loads, γd 1.2, a 4; b 40, h0 56, fc 10, fyv 210, 2 × 8 mm.
    for V, N in ((180, 1200), (148, 300), (170.73, 1200), (170.74, 1200)):
        print(f"V {V} N {N}:", {k: round(v, 4) for k, v in stirrups(40, 56, 4, V, N, 10, 210, 8, 2).items()})
    # The old test, V > Vc/γd + 0.07·N with the uncapped N:
    for V, N in ((180, 1200), (148, 300)):
        Vc = 0.2 * 10 * 40 * 56 * 100 / 2.9
        print(f"V {V} N {N}: old test {V * 1e3 > Vc / 1.2 + 0.07 * N * 1e3}")
