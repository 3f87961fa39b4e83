#include "windows.h"
#include "testsupport.h"
using namespace testsupport;
class PillamorWindows : public InScratchDir {};
TEST_F(PillamorWindows, Render) {
  QWidget* f1 = pillamor::CreateForm1();
  SaveWindowPng(f1, "pillamor-Form1");
  Click(f1, "Check4");
  Click(f1, "Option1");
  Click(f1, "Command2");
  QWidget* f2 = TopLevel("Form2");
  ASSERT_NE(f2, nullptr);
  SaveWindowPng(f2, "pillamor-Form2-new");
}
