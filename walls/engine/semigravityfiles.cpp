#include "semigravityfiles.h"

#include "wallfields.h"

namespace ketrova {

using shell::Field;
using shell::Line;
using shell::RoundTo;
using namespace fields;

std::vector<Line> SemiGravityDataLines(const SemiGravityInputs& in, const FrictionAngle& friction) {
  Line first;
  for (float v : {in.B, in.B0, in.B1, in.B2, in.B3, in.B4, in.B5, in.B6, in.H, in.H1, in.H2, in.H3,
                  in.H4, in.H5, in.C, in.f, in.q, in.h1, in.h2, in.d, in.gamma1, in.Rl, in.gamma2})
    first.push_back(Field::Num(v));
  return {first, FrictionLine(friction, in.phi)};
}

std::array<std::string, 24> SemiGravityDataBoxTexts(const std::vector<Field>& fields) {
  std::array<std::string, 24> box;
  for (std::size_t i = 0; i < 9; ++i) box[i] = Stored(fields, i);             // Text1..Text9
  for (std::size_t i = 9; i < 14; ++i) box[i + 10] = Stored(fields, i);       // Text20..Text24
  for (std::size_t i = 14; i < 23; ++i) box[i - 4] = Stored(fields, i);       // Text11..Text19
  box[9] = TypedPhiText(fields, 24);                                          // Text10
  return box;
}

std::vector<Line> SemiGravityResultsLines(const SemiGravityResults& r) {
  const Stability& R = r.st;
  const CoulombSet& c = r.coulomb;
  const double water = RoundTo(r.Wwback, 2) + RoundTo(r.Wtoe, 2);
  // The Coulomb set where it could be formed; empty fields keep the places.
  auto C = [&](double x, int k) { return c.ok ? Rounded(x, k) : Field::None(); };
  Line first = {Plain(r.friction.phid), Rounded(r.Wwall, 2), Rounded(r.Wsoil, 2), Rounded(water, 2),
                Rounded(r.uplift.U, 2),  Rounded(R.sumV, 2), Rounded(R.e, 2),     Rounded(R.sf, 2),
                Rounded(R.sb, 2),        Rounded(R.eta, 2),  C(c.Ev, 2),          C(c.st.sumV, 2),
                C(c.st.e, 2),            C(c.st.sf, 2),      C(c.st.sb, 2),       C(c.st.eta, 2),
                Rounded(R.Kc, 2),        Rounded(R.K0, 2)};
  Line second = {Rounded(r.Ka, 3), Rounded(r.thrust.E, 2), Plain(r.back.P - r.front.P),
                 Rounded(R.Mr, 1), Rounded(R.Mo, 1),       Rounded(R.Kc, 2),
                 Rounded(R.K0, 2), C(c.K, 3),              C(c.Eh, 2),
                 C(c.st.Mr, 2),    C(c.st.Mo, 1),          C(c.st.Kc, 2),
                 C(c.st.K0, 2)};
  Line third;
  for (const ControlSection& s : r.sections) third.push_back(Plain(s.M));
  third.push_back(Plain(r.sections[0].N));
  third.push_back(Plain(r.sections[1].N));
  third.push_back(Field::None());
  third.push_back(Field::None());
  for (const ControlSection& s : r.sections) third.push_back(Field::Num(s.t));
  for (const ControlSection& s : r.sections) third.push_back(Plain(s.sigma));
  for (const ControlSection& s : r.sections) third.push_back(s.hasK ? Plain(s.K) : Field::None());
  return {first, second, third};
}

std::array<std::string, 38> SemiGravityResultsBoxTexts(const std::vector<Field>& f) {
  std::array<std::string, 38> box;
  auto set = [&](int text, std::string s) { box[static_cast<std::size_t>(text - 1)] = std::move(s); };
  for (int i = 1; i <= 9; ++i) set(i, Stored(f, static_cast<std::size_t>(i)));  // base pressures
  set(10, Again(f, 5, 2));
  set(11, Again(f, 18, 3));
  set(12, Again(f, 19, 2));
  set(13, Again(f, 20, 2));
  for (int i = 0; i < 4; ++i) set(14 + i, Stored(f, 21 + static_cast<std::size_t>(i)));
  set(35, Stored(f, 0));
  // Control sections: M, N, t, σ, K of each row.
  const int rows[4][5] = {{18, 19, 20, 21, 22}, {23, 24, 25, 26, 27}, {28, 29, 30, 31, 32}, {33, 34, 36, 37, 38}};
  for (std::size_t i = 0; i < 4; ++i) {
    const int* b = rows[i];
    set(b[0], Again(f, 31 + i, 2));
    // Sections 3 and 4 carry no axial force: their empty fields show 0.
    set(b[1], i < 2 ? Again(f, 35 + i, 2) : (IsNumber(f, 35 + i) ? Again(f, 35 + i, 2) : "0"));
    set(b[2], Stored(f, 39 + i));
    set(b[3], Again(f, 43 + i, 2));
    set(b[4], Again(f, 47 + i, 2));
  }
  // No tension at the back of the first stem section: no factor to read.
  if (IsNumber(f, 47) && f[47].number <= 0.0f) set(22, "----");
  return box;
}

}  // namespace ketrova
