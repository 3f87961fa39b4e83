// Brasselt's check windows: the crack check Form9 (opened by Command4 of
// every member window through Program::OpenForm9), the shear design Form10
// (opened from Form9) and the stirrup rules Form11 (opened by the shear
// design when the concrete alone carries the shear).
#pragma once

#include "crack.h"
#include "form.h"
#include "shear.h"

#include <QLabel>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace brasselt {

class Program;

// Clear a window's results when a program-wide choice that they were
// computed with changes (in this window or another): `inForce` gives the
// choices in force, `clear` blanks the results and says whether any were on
// show. Remember() after a compute that shows results; Forget() when they go.
class ChoiceWatch {
 public:
  // Watch the program's choices for `form`.
  void Attach(shell::Form* form, Program& program, std::function<std::vector<float>()> inForce,
              std::function<bool()> clear);
  void Remember(std::vector<float> choices) { used_ = std::move(choices); }
  void Forget() { used_.reset(); }
  bool Changed(const std::vector<float>& inForce) const { return used_ && *used_ != inForce; }

 private:
  std::optional<std::vector<float>> used_;
};

// The message lines of results cleared because a choice changed, and
// because a member window computed another member.
QString ChoicesChangedMessage();
QString MemberChangedMessage();

// A label whose caption holds runs of blanks (three or more) where other
// controls stand: each run is a gap that is at least as wide as the control
// placed in it, so the control never covers the words around it. The caption
// stays exactly as set; Arrange() places the controls after a change.
class GapLabel : public QLabel {
  Q_OBJECT
 public:
  GapLabel(const QString& name, QWidget* parent);
  // The controls of the gaps, in order; they become children of the label.
  void SetGapWidgets(std::vector<QWidget*> widgets);
  // Set the caption and place the controls; controls without a gap hide.
  void SetCaption(const QString& text);
  void Arrange();
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Piece {
    QString text;   // words drawn
    bool gap;       // a gap for the next control
    double width;   // pixels
  };
  std::vector<Piece> Pieces() const;
  std::vector<QWidget*> widgets_;
};

// The words naming a member kind (with its flange layout for T and I
// members), as the main window's boxes say them.
QString MemberKindCaption(float memberKind, float flangeLayout);

class Form9 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form9(Program& program);

  void Form_Load();
  void Command1_Click();  // compute
  void Command8_Click();  // print
  void Command4_Click();  // environment classes (Form7)
  void Command2_Click();  // shear design (Form10)
  void Check7_Click();    // short-term combination
  void Check8_Click();    // long-term combination

  static const std::vector<QString>& InputNames();
  static const std::vector<QString>& ResultNames();

  // Blank the results and the verdict lines; true where any was on show.
  bool ClearResults();
  std::vector<float> ChoicesInForce() const;
  // A member window has computed: results for another member go.
  void MemberComputed();

 private:
  void ShowCombinationCaptions();
  void ClearVerdictAndLimitLine();
  void ShowOutcome(const CrackResult& r);
  void ShowMemberInHand(const CrackMember& m);

  Program& p_;
  ChoiceWatch choices_;
  std::optional<std::vector<float>> resultsMember_;  // Program::handedMember of the results
};

class Form10 : public shell::Form {
  Q_OBJECT
 public:
  explicit Form10(Program& program);

  void Form_Load();
  void Command1_Click();  // compute (first or bent-up pass)
  void Command3_Click();  // print
  void Command2_Click();  // end the program

  static const std::vector<QString>& InputNames();
  static const std::vector<QString>& ResultNames();

  // Blank the results and notes of the last computation; with `prompt` the
  // bent-up prompt too, which then no longer leads to a bent-up pass. True
  // where anything was on show.
  bool ClearResults(bool prompt = true);
  std::vector<float> ChoicesInForce() const;
  // A member window has computed: results for another member go.
  void MemberComputed();

 private:
  void ClearPrompt();
  void ShowPrompt(float spacing);
  void ShowResults(const ShearResult& r);
  void ShowMemberInHand(const ShearMember& m);

  Program& p_;
  ChoiceWatch choices_;
  std::optional<std::vector<float>> resultsMember_;  // Program::handedMember of the results
  bool promptWithdrawn_ = false;  // the prompt on show was cleared: the next click is a first pass
};

class Form11 : public shell::Form {
  Q_OBJECT
 public:
  Form11();
  void Form_Load();
};

}  // namespace brasselt
