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

#include <QString>

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

class ChannelCulvertWindow : public shell::Form {
  Q_OBJECT
 public:
  explicit ChannelCulvertWindow(const CaseWindowLayout& layout);

  virtual void Command2_Click() = 0;  // compute
  virtual void Command1_Click() = 0;  // print the record
  virtual void Command3_Click() = 0;  // end the program

  // The input and result boxes in box order.
  const std::vector<QString>& InputNames() const { return inputs_; }
  const std::vector<QString>& ResultNames() const { return results_; }

 protected:
  // SymbolCaptionFill of the window's symbol labels and hint tildes.
  void FillSymbols();

 private:
  std::vector<QString> inputs_;
  std::vector<QString> results_;
  std::vector<std::pair<QString, QString>> symbols_;
};

// Put a "1/" label before `box` in the table that holds it, so that the box
// reads as the m of a slope 1/m.
void PrefixOneSlash(shell::Form* form, const QString& box);

}  // namespace dorvesk
