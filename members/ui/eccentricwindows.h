// Brasselt's eccentric-member windows: Form3 (rectangular section under
// eccentric compression or tension, "xgp.dat") and Form6 (T section under
// eccentric compression, "xgt.dat").
#pragma once

#include "eccentric.h"
#include "form.h"
#include "checkwindows.h"

#include <QString>

#include <vector>

namespace brasselt {

class Program;

class EccentricWindow : public shell::Form {
  Q_OBJECT
 public:
  EccentricWindow(Program& program, bool tSection);

  void Form_Load();
  void Command1_Click();  // compute
  void PrintRecord_Click();  // Command3 in Form3, Command5 in Form6
  void Command2_Click();  // end the program
  void Command6_Click();  // the minimum cover table
  void Command4_Click();  // the crack check

  // Form3: the member kind of the main window, where it is one of this
  // window's kinds, becomes the kind the window computes and titles its
  // results for; another kind leaves the window's own kind.
  void FollowMemberKind();
  float Kind() const { return kind_; }

  bool tSection() const { return tSection_; }
  // The boxes of the record, in field order.
  const std::vector<QString>& RecordNames() const;
  // The boxes in the order they are read.
  const std::vector<QString>& ReadNames() const;
  static const std::vector<QString>& ResultNames();

  // Blank the results, the case and the notes; true where any was on show.
  bool ClearResults();
  // The program-wide choices this window shows, and the kind it computes.
  std::vector<float> ChoicesInForce() const;

 private:
  void ClearNotes();
  void Show(const EccentricResult& r);
  std::string ProjectName() const;

  Program& p_;
  bool tSection_;
  float kind_;
  ChoiceWatch choices_;
};

}  // namespace brasselt
