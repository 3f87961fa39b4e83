// The sluice-wall window Form6.
#include "windows.h"

namespace ketrova {

Form6::Form6(Program& program) : Form("Form6", "Form6"), p_(program) {}
void Form6::Form_Load() {}
void Form6::Command1_Click() {}
void Form6::Command2_Click() {}
void Form6::Command3_Click() {
  p_.OpenForm1();
  close();
}
void Form6::Command4_Click() { p_.EndProgram(); }
void Form6::Command5_Click() { PrintThisWindow(p_.m.ProjectName); }

}  // namespace ketrova
