// The program-wide state: material tables, choice clicks, member kinds and
// the project name kept for each member kind.
#include "memberstate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brasselt {
namespace {

// SL/T 191-96 design values: concrete fc, ftk, Ec (MPa) by grade.
TEST(MaterialTables, ConcreteGradesCarryTheCodeValues) {
  struct Row { int box; const char* caption; float grade, fc, ftk, Ec; };
  const Row code[] = {
      {5, "C15", 15, 7.5f, 1.2f, 22000},   {6, "C20", 20, 10, 1.5f, 25500},
      {7, "C25", 25, 12.5f, 1.75f, 28000}, {8, "C30", 30, 15, 2.0f, 30000},
      {9, "C35", 35, 17.5f, 2.25f, 31500}, {10, "C40", 40, 19.5f, 2.45f, 32500},
      {11, "C45", 45, 21.5f, 2.6f, 33500}, {12, "C50", 50, 23.5f, 2.75f, 34500},
      {13, "C55", 55, 25, 2.85f, 35500},   {14, "C60", 60, 26.5f, 2.95f, 36000},
  };
  ASSERT_EQ(ConcreteGradeTable.size(), std::size(code));
  for (std::size_t i = 0; i < std::size(code); ++i) {
    SCOPED_TRACE(code[i].caption);
    MemberState s;
    ConcreteBoxClicked(s, code[i].box);
    EXPECT_STREQ(ConcreteGradeTable[i].caption, code[i].caption);
    EXPECT_EQ(s.materials.concreteGrade, code[i].grade);
    EXPECT_EQ(s.materials.fc, code[i].fc);
    EXPECT_EQ(s.materials.ftk, code[i].ftk);
    EXPECT_EQ(s.materials.Ec, code[i].Ec);
    EXPECT_EQ(s.materials.steelGrade, 0);  // another family is untouched
  }
}

TEST(MaterialTables, SteelGradesCarryTheCodeValues) {
  struct Row { int box; float grade, fy, fyc, xib, Es; };
  const Row code[] = {
      {15, 1, 210, 210, 0.614f, 210000},
      {16, 2, 310, 310, 0.544f, 200000},
      {17, 3, 360, 360, 0.518f, 200000},
      {18, 4, 500, 400, 0.455f, 200000},
  };
  const char* captions[] = {"Ⅰ 级钢筋", "Ⅱ 级钢筋", "Ⅲ 级钢筋", "Ⅳ 级钢筋"};
  ASSERT_EQ(SteelGradeTable.size(), std::size(code));
  for (std::size_t i = 0; i < std::size(code); ++i) {
    MemberState s;
    SteelBoxClicked(s, code[i].box);
    EXPECT_STREQ(SteelGradeTable[i].caption, captions[i]);
    EXPECT_EQ(s.materials.steelGrade, code[i].grade);
    EXPECT_EQ(s.materials.fy, code[i].fy);
    EXPECT_EQ(s.materials.fyc, code[i].fyc);
    EXPECT_EQ(s.materials.xib, code[i].xib);
    EXPECT_EQ(s.materials.Es, code[i].Es);
    EXPECT_EQ(s.materials.concreteGrade, 0);
  }
}

// The tables' derived values against the code's formulas, worked out apart
// from the tables: ξb = 0.8 / (1 + fy / (0.0033·Es)) to three decimals, and
// Ec = 1e5 / (2.2 + 34.7 / fcu,k) on the code's 500 MPa grid (fcu,k = grade).
TEST(MaterialTables, DerivedValuesFollowTheCodeFormulas) {
  for (const SteelGrade& g : SteelGradeTable) {
    SCOPED_TRACE(g.caption);
    const double xib = 0.8 / (1 + g.fy / (0.0033 * g.Es));
    EXPECT_FLOAT_EQ(g.xib, static_cast<float>(std::round(xib * 1000) / 1000));
  }
  for (const ConcreteGrade& g : ConcreteGradeTable) {
    SCOPED_TRACE(g.caption);
    const double Ec = 1e5 / (2.2 + 34.7 / g.grade);
    EXPECT_EQ(g.Ec, std::round(Ec / 500) * 500);
  }
}

TEST(Choices, LastClickWinsAndASecondClickStillChooses) {
  MemberState s;
  ConcreteBoxClicked(s, 8);  // C30
  ConcreteBoxClicked(s, 7);  // C25
  EXPECT_EQ(s.materials.fc, 12.5f);
  ConcreteBoxClicked(s, 7);  // the click that clears the mark still sets C25
  EXPECT_EQ(s.materials.concreteGrade, 25);
  StructuralElementClicked(s, 3);
  EXPECT_EQ(s.StructuralElement, Column);
  StructuralElementClicked(s, 2);
  EXPECT_EQ(s.StructuralElement, Slab);
}

TEST(MemberKinds, BoxesSetKindAndOnlyTheTAndIBoxesSetTheFlangeLayout) {
  struct Case { int box; float kind, layoutAfter; };
  // Each starts from FlangeLayout 2 (a T with the flange in compression).
  const Case cases[] = {{1, 1, 2}, {2, 2, 2}, {3, 3, 2}, {4, 4, 3},
                        {6, 4, 2}, {7, 4, 1}, {5, 5, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box);
    MemberState s;
    s.FlangeLayout = FlangeInCompression;
    MemberKindClicked(s, c.box, "", false);
    EXPECT_EQ(s.MemberKind, c.kind);
    EXPECT_EQ(s.FlangeLayout, c.layoutAfter);
  }
  MemberState s;
  MemberKindClicked(s, 6, "", false);
  MemberKindClicked(s, 2, "", false);
  EXPECT_EQ(s.MemberKind, 2);
  EXPECT_EQ(s.FlangeLayout, 2);
}

TEST(ProjectNames, EachKindKeepsItsOwnNameAndTheEccentricKindsShareOne) {
  MemberState s;
  ProjectNameChanged(s, "lost");  // no member kind yet: kept nowhere
  for (const auto& name : s.ProjectNames) EXPECT_EQ(name, "");
  MemberKindClicked(s, 1, "", false);
  ProjectNameChanged(s, "beam1");
  MemberKindClicked(s, 3, "", false);
  ProjectNameChanged(s, "tie");
  MemberKindClicked(s, 2, "", false);
  EXPECT_EQ(ProjectNameOf(s, RectEccentricCompression), "tie");
  MemberKindClicked(s, 7, "", false);
  ProjectNameChanged(s, "tbeam");
  EXPECT_EQ(ProjectNameOf(s, RectFlexural), "beam1");
  EXPECT_EQ(ProjectNameOf(s, RectEccentricTension), "tie");
  EXPECT_EQ(ProjectNameOf(s, TSectionFlexural), "tbeam");
  EXPECT_EQ(ProjectNameOf(s, TSectionEccentricCompression), "");
  EXPECT_EQ(ProjectNameOf(s, 0), "");
}

TEST(ProjectNames, AKindChosenAfterTheNameWasTypedTakesTheName) {
  MemberState s;
  ProjectNameChanged(s, "bridge");         // typed first
  MemberKindClicked(s, 4, "bridge", true);  // then the kind
  EXPECT_EQ(ProjectNameOf(s, TSectionFlexural), "bridge");
  MemberKindClicked(s, 1, "bridge", true);
  EXPECT_EQ(ProjectNameOf(s, RectFlexural), "bridge");
  // A name box that still holds its design blank names no project.
  MemberState fresh;
  MemberKindClicked(fresh, 1, " ", false);
  EXPECT_EQ(ProjectNameOf(fresh, RectFlexural), "");
}

}  // namespace
}  // namespace brasselt
