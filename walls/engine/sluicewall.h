// The reinforced-concrete sluice wall: the stem as a cantilever on the base
// slab, vertical on the water side, its back vertical over H1 from the top and
// then sloping outward over H2 (B0 thick at the top, B1 at the bottom), level
// backfill with groundwater up to h1 above the slab. Forces at half height and
// at the wall bottom, the steel of the 100 cm wide sections, and the crack
// check of the chosen bars.
#pragma once

#include "earthpressure.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ketrova {

// The typed data, in the window's box order (Text1..Text14).
struct SluiceWallInputs {
  float B0 = 0, B1 = 0, H1 = 0, H2 = 0;
  float phi = 0, C = 0, h1 = 0, h2 = 0;
  float gamma1 = 0, gamma2 = 0;
  float Rw = 0, Rf = 0, Rg = 0, K = 0;
};

enum class SluiceWaterCase {
  Dry,       // h1 = 0
  Low,       // 0 < h1 ≤ H/2: the half-height section above the water
  Slope,     // h1 > H/2, water table on the sloped back (S ≥ H1)
  Straight,  // h1 > H/2, water table beside the vertical back (S < H1)
};

// The steel of one section (cm, N, N/cm²).
struct SectionSteel {
  float h = 0, h0 = 0;  // thickness and effective depth, cm
  double e0 = 0;        // eccentricity M/N, cm
  double e = 0;         // eccentricity from the tension steel, cm
  double eprime = 0;    // from the compression steel, cm
  double N = 0;         // axial force, N
  bool small = false;   // small eccentricity
  double As = 0;        // tension steel, cm²
  double AsPrime = 0;   // compression steel, cm² (0 where the concrete needs none)
};

struct SluiceWallResults {
  bool ok = false;
  std::string message;

  FrictionAngle friction;  // φd kept as a single in this window
  double Ka = 0;
  float H = 0, S = 0, tm = 0;
  SluiceWaterCase waterCase = SluiceWaterCase::Dry;
  double Mm = 0, Nm = 0, Mb = 0, Nb = 0;  // rounded to 2 decimals
  std::array<SectionSteel, 2> steel;      // half height, wall bottom
};

SluiceWallResults SluiceWallCase(const SluiceWallInputs& in);

// The transfer file for the crack check, "zhq.dat3": two empty fields, then
// As, h0, As', e0, N, e, h of both sections (pairwise), Rg, Rf; after these
// 18 fields the 14 basic data of the run, by which the crack check knows
// whether the sections belong to the data in the window.
inline constexpr const char* kTransferFile = "zhq.dat3";
inline constexpr std::size_t kTransferFields = 18;
std::string TransferFileText(const SluiceWallInputs& in, const SluiceWallResults& r);

// "zhq.dat2": Mm, Nm, t_m, As(1), As'(1), Mb, Nb, B1, As(2), As'(2), φd.
std::string ForceResultsText(const SluiceWallInputs& in, const SluiceWallResults& r);

// The section data read back from the transfer file.
struct CrackSections {
  bool ok = false;
  std::string message;
  double As[2] = {}, h0[2] = {}, AsPrime[2] = {}, e0[2] = {}, N[2] = {}, e[2] = {}, h[2] = {};
  double Rg = 0, Rf = 0;
  std::vector<float> basicData;  // the 14 inputs of the run ("" when the file has none)
};
// Parse the transfer file's text; a short file or a field that is not a
// number is a message.
CrackSections ParseTransferFile(std::string_view text);
// True where the transfer file was written from exactly these inputs.
bool TransferMatches(const CrackSections& s, const SluiceWallInputs& in);

// The bars of one section: diameters (cm) and counts of two bar sizes.
struct Bars {
  double d1 = 0, n1 = 0, d2 = 0, n2 = 0;
};
struct CrackResult {
  bool ok = false;
  std::string message;
  double Kf = 0;        // crack-resistance factor, RoundTo 2
  double width = 0;     // largest crack width, cm, RoundTo 4
  double edgeMPa = 0;   // edge tensile stress, MPa, RoundTo 2 of the N/cm² value (itself RoundTo 2) / 100
};
// Section i (0 half height, 1 wall bottom).
CrackResult CrackCheck(const CrackSections& s, int i, const Bars& bars);

}  // namespace ketrova
