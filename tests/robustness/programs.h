// The nine programs of the suite, by name, with the function that makes each
// one's main window.
#pragma once

#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

namespace pillamor { QWidget* CreateForm1(); }
namespace quimbrel { QWidget* CreateForm1(); }
namespace vostrane { QWidget* CreateForm1(); }
namespace dorvesk { QWidget* CreateForm1(); }
namespace runsavel { QWidget* CreateForm1(); }
namespace mirkelt { QWidget* CreateForm1(); }
namespace tessarin { QWidget* CreateForm1(); }
namespace ketrova { QWidget* CreateForm1(); }
namespace brasselt { QWidget* CreateForm1(); }

namespace robustness {

// A set of texts typed into main-window boxes before a window is opened.
using MainData = std::vector<std::pair<QString, QString>>;

struct ProgramEntry {
  const char* name;
  QWidget* (*create)();
  // Data that the main window needs before it opens a window: each set is
  // tried (Quimbrel's depths choose its case window).
  std::vector<MainData> mainData = {};
};

inline const ProgramEntry kPrograms[] = {
    {"Pillamor", pillamor::CreateForm1}, {"Quimbrel", quimbrel::CreateForm1,
     {{{"Text2", "1.8"}, {"Text3", "0.8"}, {"Text4", "2"}},
      {{"Text2", "2.6"}, {"Text3", "1.2"}, {"Text4", "1.5"}},
      {{"Text2", "2"}, {"Text3", "1"}, {"Text4", "1.5"}}}},
    {"Vostrane", vostrane::CreateForm1}, {"Dorvesk", dorvesk::CreateForm1},
    {"Runsavel", runsavel::CreateForm1}, {"Mirkelt", mirkelt::CreateForm1},
    {"Tessarin", tessarin::CreateForm1}, {"Ketrova", ketrova::CreateForm1},
    {"Brasselt", brasselt::CreateForm1},
};

}  // namespace robustness
