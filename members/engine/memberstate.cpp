#include "memberstate.h"

namespace brasselt {

const std::array<ConcreteGrade, 10> ConcreteGradeTable{{
    {5, "C15", 15, 7.5f, 1.2f, 22000},
    {6, "C20", 20, 10, 1.5f, 25500},
    {7, "C25", 25, 12.5f, 1.75f, 28000},
    {8, "C30", 30, 15, 2.0f, 30000},
    {9, "C35", 35, 17.5f, 2.25f, 31500},
    {10, "C40", 40, 19.5f, 2.45f, 32500},
    {11, "C45", 45, 21.5f, 2.6f, 33500},
    {12, "C50", 50, 23.5f, 2.75f, 34500},
    {13, "C55", 55, 25, 2.85f, 35500},
    {14, "C60", 60, 26.5f, 2.95f, 36000},
}};

const std::array<SteelGrade, 4> SteelGradeTable{{
    {15, "Ⅰ 级钢筋", 1, 210, 210, 0.614f, 210000},
    {16, "Ⅱ 级钢筋", 2, 310, 310, 0.544f, 200000},
    {17, "Ⅲ 级钢筋", 3, 360, 360, 0.518f, 200000},
    {18, "Ⅳ 级钢筋", 4, 500, 400, 0.455f, 200000},
}};

const std::array<MemberKindBox, 7> MemberKindBoxes{{
    {1, "矩形截面受弯构件", RectFlexural, 0},
    {2, "矩形截面偏心受压构件", RectEccentricCompression, 0},
    {3, "矩形截面偏心受拉构件", RectEccentricTension, 0},
    {4, "工字形截面受弯构件", TSectionFlexural, ISection},
    {6, "T 形截面受弯构件（翼缘位于受压区）", TSectionFlexural, FlangeInCompression},
    {7, "T 形截面受弯构件（翼缘位于受拉区）", TSectionFlexural, FlangeInTension},
    {5, "T 形截面偏心受压构件", TSectionEccentricCompression, 0},
}};

const std::array<ChoiceBox, 4> StructuralElementBoxes{{
    {1, "梁", Beam},
    {2, "板", Slab},
    {3, "柱", Column},
    {4, "墙", Wall},
}};

std::optional<int> NameSlot(float memberKind) {
  if (memberKind == RectFlexural) return 0;
  if (memberKind == RectEccentricCompression || memberKind == RectEccentricTension) return 1;
  if (memberKind == TSectionFlexural) return 2;
  if (memberKind == TSectionEccentricCompression) return 3;
  return std::nullopt;
}

std::string ProjectNameOf(const MemberState& state, float memberKind) {
  const auto slot = NameSlot(memberKind);
  return slot ? state.ProjectNames[*slot] : std::string();
}

void ProjectNameChanged(MemberState& state, const std::string& text) {
  if (const auto slot = NameSlot(state.MemberKind)) state.ProjectNames[*slot] = text;
}

void MemberKindClicked(MemberState& state, int box, const std::string& nameText, bool nameTyped) {
  for (const MemberKindBox& row : MemberKindBoxes) {
    if (row.box != box) continue;
    state.MemberKind = row.memberKind;
    if (row.flangeLayout != 0) state.FlangeLayout = row.flangeLayout;
    if (nameTyped) ProjectNameChanged(state, nameText);
    return;
  }
}

void ConcreteBoxClicked(MemberState& state, int box) {
  for (const ConcreteGrade& row : ConcreteGradeTable) {
    if (row.box != box) continue;
    state.materials.concreteGrade = row.grade;
    state.materials.fc = row.fc;
    state.materials.ftk = row.ftk;
    state.materials.Ec = row.Ec;
    return;
  }
}

void SteelBoxClicked(MemberState& state, int box) {
  for (const SteelGrade& row : SteelGradeTable) {
    if (row.box != box) continue;
    state.materials.steelGrade = row.grade;
    state.materials.fy = row.fy;
    state.materials.fyc = row.fyc;
    state.materials.xib = row.xib;
    state.materials.Es = row.Es;
    return;
  }
}

void StructuralElementClicked(MemberState& state, int box) {
  for (const ChoiceBox& row : StructuralElementBoxes)
    if (row.box == box) state.StructuralElement = row.value;
}

}  // namespace brasselt
