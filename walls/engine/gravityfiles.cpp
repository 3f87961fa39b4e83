#include "gravityfiles.h"

#include "wallfields.h"

namespace ketrova {

using shell::Field;
using shell::Line;
using shell::RoundTo;
using namespace fields;

std::vector<Line> GravityDataLines(const GravityWallInputs& in, const FrictionAngle& friction) {
  Line first;
  for (float v : {in.B, in.B0, in.B1, in.B2, in.B3, in.H, in.H1, in.H2, in.H3, in.C, in.f, in.beta,
                  in.h1, in.h2, in.q, in.gamma1, in.delta, in.gamma2, in.gammaBase, in.gammaWall,
                  in.d})
    first.push_back(Field::Num(v));
  return {first, FrictionLine(friction, in.phi)};
}

std::array<std::string, 22> GravityDataBoxTexts(const std::vector<Field>& fields) {
  std::array<std::string, 22> box;
  for (std::size_t i = 0; i < 9; ++i) box[i] = Stored(fields, i);        // Text1..Text9
  for (std::size_t i = 9; i < 21; ++i) box[i + 1] = Stored(fields, i);   // Text11..Text22
  box[9] = TypedPhiText(fields, 22);                                     // Text10
  return box;
}

std::vector<Line> GravityResultsLines(const GravityWallResults& r) {
  const Stability& R = r.rankine.st;
  const Stability& C = r.coulomb.st;
  const double water = RoundTo(r.Wwback, 2) + RoundTo(r.Wtoe, 2);
  Line first = {Plain(r.friction.phid),
                Rounded(r.Wwall, 2),
                Rounded(r.rankine.Wsoil, 2),
                Rounded(water, 2),
                Rounded(r.uplift.U, 2),
                Rounded(R.sumV, 2),
                Rounded(R.e, 2),
                Rounded(R.sf, 2),
                Rounded(R.sb, 2),
                Rounded(R.eta, 2),
                Rounded(r.coulomb.Wsoil, 2),
                Rounded(C.sumV, 2),
                Rounded(C.e, 2),
                Rounded(C.sf, 2),
                Rounded(C.sb, 2),
                Rounded(C.eta, 2),
                Rounded(R.Kc, 2),
                Rounded(R.K0, 2)};
  Line second = {Rounded(r.rankine.K, 3),
                 Rounded(r.rankine.Eh, 2),
                 Plain(r.back.P - r.front.P),
                 Rounded(R.Mr, 1),
                 Rounded(R.Mo, 1),
                 Rounded(R.Kc, 2),
                 Rounded(R.K0, 2),
                 Rounded(r.coulomb.K, 3),
                 Rounded(r.coulomb.Eh, 2),
                 Rounded(C.Mr, 2),
                 Rounded(C.Mo, 1),
                 Rounded(C.Kc, 2),
                 Rounded(C.K0, 2)};
  return {first, second};
}

std::array<std::string, 35> GravityResultsBoxTexts(const std::vector<Field>& f) {
  std::array<std::string, 35> box;
  auto set = [&](int text, std::string s) { box[static_cast<std::size_t>(text - 1)] = std::move(s); };
  // Base-pressure table: the stored values.
  set(1, Stored(f, 1));
  set(10, Stored(f, 1));
  set(2, Stored(f, 2));
  set(11, Stored(f, 10));
  set(3, Stored(f, 3));
  set(12, Stored(f, 3));
  set(4, Stored(f, 4));
  set(13, Stored(f, 4));
  for (int i = 0; i < 5; ++i) {
    set(5 + i, Stored(f, 5 + static_cast<std::size_t>(i)));
    set(14 + i, Stored(f, 11 + static_cast<std::size_t>(i)));
  }
  // Stability table: rounded again for display.
  set(19, Again(f, 5, 2));
  set(27, Again(f, 11, 2));
  set(20, Again(f, 18, 3));
  set(28, Again(f, 25, 3));
  set(21, Again(f, 19, 2));
  set(29, Again(f, 26, 2));
  set(22, Again(f, 20, 2));
  set(30, Again(f, 20, 2));
  for (int i = 0; i < 4; ++i) {
    set(23 + i, Again(f, 21 + static_cast<std::size_t>(i), 2));
    set(31 + i, Again(f, 27 + static_cast<std::size_t>(i), 2));
  }
  set(35, Stored(f, 0));
  return box;
}

}  // namespace ketrova
