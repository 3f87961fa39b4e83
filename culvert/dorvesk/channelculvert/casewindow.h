// The case window of a channel-culvert calculator: input table of eight
// boxes in two rows, the hint block on the loss coefficients and roughness,
// the compute button, the results table of five boxes, the print and end
// buttons, an optional hint line and the message line. The circular
// (Dorvesk) and the rectangular (Runsavel) channel-culvert calculators build
// their case windows on it. Once the user edits an input box, the results
// and the hint line are blanked (Form::ClearResultsOnEdit).
#pragma once

#include "form.h"
#include "formbuilder.h"
#include "program.h"
#include "project.h"

#include <QLineEdit>
#include <QPointer>
#include <QString>

#include <string>
#include <vector>

namespace dorvesk {

struct CaseWindowLayout {
  QString name;                          // "Form6"
  QString title;                         // title bar
  std::vector<shell::BoxSpec> inputs;    // Text1 .. Text8 in box order
  std::vector<shell::BoxSpec> results;   // the five result boxes in order
  std::vector<QString> afterOneSlash;    // boxes that hold m of a slope 1/m: "1/" stands before them
  QString label70 = "～";                // the tilde of the first hint line ("～" or " ～")
  bool hintLine = false;                 // Label15 below the buttons
  std::vector<std::pair<const char*, const char*>> symbols;  // labels filled at load
};

// The case window keeps its data in `dataSuffix` under the case's own
// project name `projectName` (copied from the main window as the case is
// opened); `program` ends with its end button.
class ChannelCulvertWindow : public shell::Form {
  Q_OBJECT
 public:
  ChannelCulvertWindow(const CaseWindowLayout& layout, shell::ProgramBase& program,
                       const shell::ProjectValues& project, const std::string& projectName,
                       const char* dataSuffix);

  // Fill the symbols, and the input boxes from the case's saved data file.
  void Form_Load();
  virtual void Command2_Click() = 0;  // compute
  virtual void Command1_Click();      // print the record
  virtual void Command3_Click();      // end the program

  // The input and result boxes in box order.
  const std::vector<QString>& InputNames() const { return inputs_; }
  const std::vector<QString>& ResultNames() const { return results_; }

 protected:
  // SymbolCaptionFill of the window's symbol labels and hint tildes.
  void FillSymbols();
  // The case's project name and data file suffix.
  const std::string& ProjectName() const { return projectName_; }
  const char* DataSuffix() const { return dataSuffix_; }

 private:
  shell::ProgramBase& program_;
  const shell::ProjectValues& project_;
  const std::string& projectName_;
  const char* dataSuffix_;
  std::vector<QString> inputs_;
  std::vector<QString> results_;
  std::vector<std::pair<QString, QString>> symbols_;
};

// The inputs every case of a channel-culvert calculator takes from the same
// boxes, `v` holding Text1 .. Text8 in box order: Q (Text1), L (Text2),
// ξ1 (Text4), n (Text6), V (Text7), ξ2 (Text8).
template <class Inputs>
void SetSharedInputs(Inputs& in, const std::vector<float>& v) {
  in.Q = v[0];
  in.L = v[1];
  in.xi1 = v[3];
  in.n = v[5];
  in.V = v[6];
  in.xi2 = v[7];
}

// The open button of a channel-culvert main window `form1`: copy its project
// name (Text1) into the case's own, then open the case's window in `slot`
// (or bring it forward where it is loaded).
template <class Program, class CaseWindow>
void OpenCase(shell::Form& form1, Program& program, int caseNumber, QPointer<CaseWindow>& slot) {
  program.m.CaseProjectName(caseNumber) = form1.Box("Text1")->text().toStdString();
  program.OpenWindow(slot, [&program, caseNumber] { return new CaseWindow(program, caseNumber); });
}

// Put a "1/" label before `box` in the table that holds it, so that the box
// reads as the m of a slope 1/m.
void PrefixOneSlash(shell::Form* form, const QString& box);

}  // namespace dorvesk
