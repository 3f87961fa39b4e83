// The nine programs of the suite, by name, with the function that makes each
// one's main window.
#pragma once

#include <QString>
#include <QStringList>
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
  // Example data of windows that start blank: (window, box texts); a box
  // name with a null text is a choice to click.
  std::vector<std::pair<QString, MainData>> examples = {};
};

inline MainData Numbered(const QStringList& texts, int first = 1) {
  MainData d;
  for (int i = 0; i < texts.size(); ++i) d.push_back({QString("Text%1").arg(first + i), texts[i]});
  return d;
}

inline MainData With(MainData d, const MainData& more) {
  d.insert(d.end(), more.begin(), more.end());
  return d;
}

// The example walls and sections of the programs' own window tests.
inline const MainData kVostraneSection =
    With(Numbered({"2", "1.5", "5", "0.005", "0.014", "0.3", "0.5", "3"}),
         {{"Text9(0)", "2"}, {"Text10(0)", "0.6"}, {"Text9(1)", "9"}, {"Text10(1)", "1.5"}, {"Text9(2)", "10"},
          {"Text10(2)", "1"}});
inline const MainData kKetrovaWall =
    With(Numbered({"4", "0.6", "2", "0.8", "1.2", "5", "1", "3.5", "0.5", "30", "0", "0.45", "0", "2", "1", "10",
                   "18", "15", "10", "24", "22", "0"}),
         {{"Option1", QString()}});
inline const MainData kKetrovaSemiWall =
    With(Numbered({"4.5", "0.5", "0.9", "1.5", "2.2", "0.6", "0.4", "1.3", "6", "30", "0", "0.4", "10", "3", "0.7",
                   "0", "18", "1100", "10", "2", "2", "1.5", "0.5", "0.9"}),
         {{"Option1", QString()}});

inline const ProgramEntry kPrograms[] = {
    {"Pillamor", pillamor::CreateForm1}, {"Quimbrel", quimbrel::CreateForm1,
     {{{"Text2", "1.8"}, {"Text3", "0.8"}, {"Text4", "2"}},
      {{"Text2", "2.6"}, {"Text3", "1.2"}, {"Text4", "1.5"}},
      {{"Text2", "2"}, {"Text3", "1"}, {"Text4", "1.5"}}}},
    {"Vostrane", vostrane::CreateForm1, {}, {{"Form2", kVostraneSection}}}, {"Dorvesk", dorvesk::CreateForm1},
    {"Runsavel", runsavel::CreateForm1}, {"Mirkelt", mirkelt::CreateForm1},
    {"Tessarin", tessarin::CreateForm1}, {"Ketrova", ketrova::CreateForm1, {}, {{"Form2", kKetrovaWall}, {"Form4", kKetrovaSemiWall}}},
    {"Brasselt", brasselt::CreateForm1},
};

}  // namespace robustness
