// Brasselt's program-wide state: the member kind chosen on the main window,
// the project name kept for each member kind, the material tables and the
// choice families that every calculation window shares, and the member
// values that one window hands to another.
//
// The state is one plain object owned by the program; windows and case
// functions receive it explicitly. All values are single-precision numbers,
// 0 until chosen, compared by exact value.
#pragma once

#include "project.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

namespace brasselt {

// Member kinds (MemberKind).
inline constexpr float RectFlexural = 1;
inline constexpr float RectEccentricCompression = 2;
inline constexpr float RectEccentricTension = 3;
inline constexpr float TSectionFlexural = 4;
inline constexpr float TSectionEccentricCompression = 5;

// Flange layouts of a T or I section (FlangeLayout).
inline constexpr float FlangeInTension = 1;
inline constexpr float FlangeInCompression = 2;
inline constexpr float ISection = 3;

// Structural elements (StructuralElement): they select the minimum ratio.
inline constexpr float Beam = 1;
inline constexpr float Slab = 2;
inline constexpr float Column = 3;
inline constexpr float Wall = 4;

// One row of the concrete table: box, caption, grade and its design values.
struct ConcreteGrade {
  int box;              // Check5 .. Check14 of the calculation windows
  const char* caption;  // "C15" .. "C60"
  float grade;
  float fc;   // design axial compressive strength, MPa
  float ftk;  // characteristic tensile strength, MPa
  float Ec;   // modulus of elasticity, MPa
};

// One row of the steel table.
struct SteelGrade {
  int box;              // Check15 .. Check18
  const char* caption;  // "Ⅰ 级钢筋" .. "Ⅳ 级钢筋"
  float grade;
  float fy;   // design tensile strength, MPa
  float fyc;  // design compressive strength fy', MPa
  float xib;  // relative depth of the balanced compression zone ξb
  float Es;   // modulus of elasticity, MPa
};

extern const std::array<ConcreteGrade, 10> ConcreteGradeTable;
extern const std::array<SteelGrade, 4> SteelGradeTable;

// The member-kind boxes of the main window, in their order on screen.
struct MemberKindBox {
  int box;              // Check1 .. Check7
  const char* caption;
  float memberKind;
  float flangeLayout;   // 0: the box leaves FlangeLayout unchanged
};
extern const std::array<MemberKindBox, 7> MemberKindBoxes;

// The options of one choice family other than the materials: box, caption
// and the value a click stores.
struct ChoiceBox {
  int box;
  const char* caption;
  float value;
};
extern const std::array<ChoiceBox, 4> StructuralElementBoxes;  // Check1..Check4 of Form2, Form3

// The chosen materials and element, as one computation reads them.
struct Materials {
  float concreteGrade = 0, fc = 0, ftk = 0, Ec = 0;
  float steelGrade = 0, fy = 0, fyc = 0, xib = 0, Es = 0;
};

// Values one computation hands to the crack check and the shear design.
struct HandedMemberValues {
  float b = 0;       // section (web) width, cm
  float a = 0;       // cover of the tension steel, cm
  float gammaD = 0;  // structure coefficient γd
  float bfc = 0, hfc = 0;  // compression flange b'f, h'f, cm
  float bft = 0, hft = 0;  // tension flange bf, hf, cm
  float l0 = 0, e = 0;     // effective length, eccentricity about the tension steel, cm
  float eccentricKind = 0;  // the member kind (2, 3 or 5) whose compute left l0 and e; 0 where none did
};

// Module1 of Brasselt. ProjectName (from ProjectValues) follows the main
// window's name box as typed; the windows build their file names from the
// name kept for their member kind.
struct MemberState : shell::ProjectValues {
  float MemberKind = 0;
  float FlangeLayout = 0;
  // One project name per name slot: kind 1; kinds 2 and 3; kind 4; kind 5.
  std::array<std::string, 4> ProjectNames;

  Materials materials;
  float StructuralElement = 0;
  float MemberShape = 0, SteelArrangement = 0, ArchType = 0, EndRestraint = 0;

  HandedMemberValues handed;
};

// What a computation that cannot give results returns: its results struct
// with nothing computed and the message saying why.
template <class Result>
Result FailedResult(std::string message) {
  Result r;
  r.error = std::move(message);
  return r;
}

// π, and the message of an invalid value met on the way, as the crack check
// and the shear design take them.
inline constexpr double ChecksPi = 3.14159;
inline constexpr const char* ChecksOutOfRange =
    "计算中出现无效数值（除以零或超出单精度数值范围），未得出计算成果，请检查基本资料。";

// The name slot of a member kind (0..3), or nullopt for kind 0 or unknown.
std::optional<int> NameSlot(float memberKind);

// The project name of a member kind's windows ("" where there is none).
std::string ProjectNameOf(const MemberState& state, float memberKind);

// Text1's change on the main window: the text becomes the name of the
// current member kind; with no member kind chosen nothing is kept.
void ProjectNameChanged(MemberState& state, const std::string& text);

// A click of a member-kind box (Check1..Check7): sets MemberKind and, for
// the T and I boxes, FlangeLayout. The name box's current text becomes the
// chosen kind's name, so a name typed before the kind was chosen is not
// lost to the bare-suffix file; `nameTyped` is false while the name box
// still holds its design text, which names no project.
void MemberKindClicked(MemberState& state, int box, const std::string& nameText, bool nameTyped);

// Material and element clicks: store the row's values whether the click
// checked or cleared the box; the last click wins.
void ConcreteBoxClicked(MemberState& state, int box);
void SteelBoxClicked(MemberState& state, int box);
void StructuralElementClicked(MemberState& state, int box);

}  // namespace brasselt
