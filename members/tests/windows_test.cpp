// Brasselt's windows driven by control name.
#include "windows.h"

#include "testsupport.h"

#include <QCheckBox>
#include <QLabel>

using namespace testsupport;

namespace {

class BrasseltWindows : public InScratchDir {};

TEST_F(BrasseltWindows, Render) {
  QWidget* f1 = brasselt::CreateForm1();
  SaveWindowPng(f1, "brasselt-Form1");
  Type(f1, "Text1", "p");
  Click(f1, "Check1");
  Click(f1, "Option1");
  Click(f1, "Command2");
  QWidget* f2 = TopLevel("Form2");
  ASSERT_NE(f2, nullptr);
  SaveWindowPng(f2, "brasselt-Form2-new");
  Click(f1, "Check6");
  Click(f1, "Command2");
  QWidget* f4 = TopLevel("Form4");
  ASSERT_NE(f4, nullptr);
  SaveWindowPng(f4, "brasselt-Form4-new");
  Click(f2, "Command6");
  SaveWindowPng(TopLevel("Form8"), "brasselt-Form8");
}

}  // namespace
