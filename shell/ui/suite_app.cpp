#include "suite_app.h"

#include <QFont>
#include <QWidget>

namespace shell {

void InitSuiteApplication(QApplication& app) {
  QFont font = app.font();
  font.setFamilies({"Noto Sans CJK SC", "WenQuanYi Micro Hei", "Source Han Sans SC", "Sans Serif"});
  font.setPointSize(10);
  app.setFont(font);
}

int RunProgram(int argc, char** argv, const std::function<QWidget*()>& createForm1) {
  QApplication app(argc, argv);
  InitSuiteApplication(app);
  QWidget* form1 = createForm1();
  form1->show();
  return app.exec();
}

}  // namespace shell
