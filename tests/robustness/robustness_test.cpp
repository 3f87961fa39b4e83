// The suite's robustness test: every calculation window of every program,
// reached through its main window as an engineer reaches it, is filled with
// hostile numbers (0, negatives, 1e-30, 1e30, values close to each other, its
// own example values perturbed) from a seeded generator, and every compute
// button is clicked. After each click no open window may show "nan", "inf" or
// a number in exponent form, the click must return within a bound, a blank
// result must come with a message, and a data file written must read back
// into the window with the same box texts.
//
// SUITE_ROBUSTNESS_SEED=<n> repeats a run with another seed;
// SUITE_ROBUSTNESS_ROUNDS=<n> sets the rounds per window.
#include "programs.h"
#include "testsupport.h"

#include "numbers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace robustness {
namespace {

using testsupport::CloseAllWindows;

constexpr double kClickBoundSeconds = 3.0;

// What is being done now, written out by the crash handler so that a crash
// names the program, window, seed and inputs.
std::string g_now;
char g_nowBuffer[8192];

void OnFatalSignal(int sig) {
  const char head[] = "\n*** robustness: the program died during:\n";
  ssize_t r = write(2, head, sizeof head - 1);
  r = write(2, g_nowBuffer, strnlen(g_nowBuffer, sizeof g_nowBuffer));
  (void)r;
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

void SetNow(const std::string& s) {
  g_now = s;
  std::snprintf(g_nowBuffer, sizeof g_nowBuffer, "%s\n", s.c_str());
}

unsigned Seed() {
  if (const char* s = std::getenv("SUITE_ROBUSTNESS_SEED")) return static_cast<unsigned>(std::strtoul(s, nullptr, 10));
  return 20261210u;
}

int Rounds() {
  if (const char* s = std::getenv("SUITE_ROBUSTNESS_ROUNDS")) return std::max(1, std::atoi(s));
  return 12;
}

// One click of a recipe: the control `control` of the window `window`.
struct Step {
  QString window;
  QString control;
  QString text;  // typed into the box `control`; a click where null
};

// How a calculation window is reached: clicks from a fresh main window.
struct Recipe {
  std::vector<Step> steps;
  QString window;  // the window reached
  std::string Describe() const {
    std::string s;
    for (const Step& st : steps) s += st.window.toStdString() + "." + st.control.toStdString() + " ";
    return s + "-> " + window.toStdString();
  }
};

// Buttons that print or end the program are not computations.
bool IsComputeButton(QAbstractButton* b) {
  QString t = b->text();
  t.remove(QRegularExpression(R"(\s)"));  // captions spaced out: "结 束 计 算"
  return !(t.contains("打印") || t.contains("退出") || t.contains("结束") || t.contains("关闭") ||
           t.contains("返回") || t.contains("End", Qt::CaseInsensitive) || t.contains("Print", Qt::CaseInsensitive));
}

bool IsProjectOption(QAbstractButton* b) {
  return b->text() == "新计算项目" || b->text() == "已计算项目";
}

QWidget* FindTop(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name && w->isVisible()) return w;
  return nullptr;
}

std::vector<QWidget*> VisibleTops() {
  std::vector<QWidget*> v;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->objectName().startsWith("Form")) v.push_back(w);
  return v;
}

template <class T>
std::vector<T*> Controls(QWidget* w) {
  std::vector<T*> v;
  for (T* c : w->findChildren<T*>())
    if (!c->objectName().isEmpty() && c->isVisibleTo(w)) v.push_back(c);
  return v;
}

std::vector<QLineEdit*> EditableBoxes(QWidget* w) {
  std::vector<QLineEdit*> v;
  for (QLineEdit* e : Controls<QLineEdit>(w))
    if (!e->isReadOnly() && e->isEnabled()) v.push_back(e);
  return v;
}

std::vector<QAbstractButton*> ComputeButtons(QWidget* w) {
  std::vector<QAbstractButton*> v;
  for (QPushButton* b : Controls<QPushButton>(w))
    if (b->isEnabled() && IsComputeButton(b)) v.push_back(b);
  return v;
}

std::vector<QAbstractButton*> Choices(QWidget* w) {
  std::vector<QAbstractButton*> v;
  for (QAbstractButton* b : Controls<QAbstractButton>(w))
    if ((qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b)) && b->isEnabled() && !IsProjectOption(b))
      v.push_back(b);
  return v;
}

// Type as a user does: the box takes the text and hears of the edit.
void Put(QLineEdit* e, const QString& text) {
  e->setText(text);
  emit e->textEdited(text);
}

void ClickControl(QWidget* window, const QString& name) {
  if (auto* b = window->findChild<QAbstractButton*>(name))
    if (b->isEnabled()) b->click();
}

void Do(QWidget* window, const Step& st) {
  if (st.text.isNull()) {
    ClickControl(window, st.control);
  } else if (auto* e = window->findChild<QLineEdit*>(st.control)) {
    Put(e, st.text);
  }
}

const QString kProject = "rb";

// A fresh main window of the program with the project named, new or old.
QWidget* FreshMain(const ProgramEntry& p, bool existing) {
  CloseAllWindows();
  QWidget* f = p.create();
  f->show();
  if (auto* name = f->findChild<QLineEdit*>("Text1"))
    if (!name->isReadOnly()) Put(name, kProject);
  ClickControl(f, existing ? "Option2" : "Option1");
  return f;
}

// Replay a recipe from a fresh main window; the window reached or nullptr.
QWidget* Reach(const ProgramEntry& p, const Recipe& r, bool existing) {
  FreshMain(p, existing);
  for (const Step& st : r.steps) {
    QWidget* w = FindTop(st.window);
    if (!w) return nullptr;
    Do(w, st);
  }
  return FindTop(r.window);
}

// The state of the choices of every open window: which are checked.
std::string ChoiceState() {
  std::string s;
  for (QWidget* w : VisibleTops())
    for (QAbstractButton* b : Choices(w))
      if (b->isChecked()) s += w->objectName().toStdString() + "." + b->objectName().toStdString() + ",";
  return s;
}

// Every calculation window of the program and a way to reach it: from a new
// project, one or two choices of the main window and one of its buttons; and
// from there, a window that a button of the window reached opens.
std::vector<Recipe> Discover(const ProgramEntry& p) {
  std::vector<Recipe> recipes;
  std::set<std::string> seen;   // window + state of the choices on opening
  std::map<QString, int> perWindow;
  std::set<QString> reached, reachedBefore;
  int lastPass = -1;
  auto consider = [&](const std::vector<Step>& steps, const std::set<QWidget*>& before, int pass) {
    if (pass != lastPass) {
      reachedBefore = reached;
      lastPass = pass;
    }
    for (QWidget* w : VisibleTops()) {
      if (before.count(w)) continue;
      if (pass == 1 && reachedBefore.count(w->objectName())) continue;
      reached.insert(w->objectName());
      if (EditableBoxes(w).empty() || ComputeButtons(w).empty()) continue;
      const std::string key = w->objectName().toStdString() + "|" + ChoiceState();
      if (seen.count(key) || perWindow[w->objectName()] >= 6) continue;
      seen.insert(key);
      ++perWindow[w->objectName()];
      recipes.push_back({steps, w->objectName()});
    }
  };
  QWidget* f = FreshMain(p, false);
  const QString mainName = f->objectName();
  std::vector<QString> choices{QString()}, buttons;
  for (QAbstractButton* b : Choices(f)) choices.push_back(b->objectName());
  for (QAbstractButton* b : ComputeButtons(f)) buttons.push_back(b->objectName());
  std::vector<std::vector<Step>> presets{{}};
  for (const auto& texts : p.mainData) {
    std::vector<Step> typing;
    for (const auto& [box, text] : texts) typing.push_back({mainName, box, text});
    presets.push_back(typing);
  }
  // One choice first; two (the second a further choice of the window's
  // kind) only for windows that one choice does not reach.
  for (int pass = 0; pass < 2; ++pass)
  for (const auto& preset : presets)
  for (const QString& first : choices)
    for (const QString& second : choices) {
      if (!second.isEmpty() && second == first) continue;
      if (first.isEmpty() && !second.isEmpty()) continue;
      if ((pass == 0) != second.isEmpty()) continue;
      for (const QString& button : buttons) {
        std::vector<Step> steps = preset;
        if (!first.isEmpty()) steps.push_back({mainName, first, {}});
        if (!second.isEmpty()) steps.push_back({mainName, second, {}});
        steps.push_back({mainName, button, {}});
        QWidget* main = FreshMain(p, false);
        std::set<QWidget*> before{main};
        for (const Step& st : steps) Do(main, st);
        consider(steps, before, pass);
      }
    }
  // A main window with data of its own (Quimbrel's depths choose the case
  // window) is a calculation window too; its project name stays.
  {
    QWidget* main = FreshMain(p, false);
    for (QLineEdit* e : EditableBoxes(main))
      if (e->objectName() != "Text1") {
        recipes.push_back({{}, mainName});
        break;
      }
  }
  // Windows that the calculation windows open (a second step of the data).
  const std::size_t firstLevel = recipes.size();
  for (std::size_t i = 0; i < firstLevel; ++i) {
    const Recipe r = recipes[i];
    QWidget* w = Reach(p, r, false);
    if (!w) continue;
    std::vector<QString> names;
    for (QAbstractButton* b : ComputeButtons(w)) names.push_back(b->objectName());
    for (const QString& name : names) {
      w = Reach(p, r, false);
      if (!w) break;
      std::set<QWidget*> before;
      for (QWidget* t : VisibleTops()) before.insert(t);
      ClickControl(w, name);
      std::vector<Step> steps = r.steps;
      steps.push_back({r.window, name, {}});
      consider(steps, before, 2);
    }
  }
  CloseAllWindows();
  return recipes;
}

const QRegularExpression& BadText() {
  // nan, inf (any case) or a number in exponent form (1e+30, 2.5E-07).
  static const QRegularExpression re(R"((nan|inf)|(\d\.?\d*[eE][+-]?\d))",
                                     QRegularExpression::CaseInsensitiveOption);
  return re;
}

// Texts of the boxes and labels of every open window that show nan, inf or an
// exponent; boxes holding what the test typed itself are left out.
std::vector<std::string> BadTexts(const std::map<QLineEdit*, QString>& typed) {
  std::vector<std::string> bad;
  for (QWidget* w : VisibleTops()) {
    for (QLineEdit* e : w->findChildren<QLineEdit*>()) {
      auto it = typed.find(e);
      if (it != typed.end() && it->second == e->text()) continue;
      if (BadText().match(e->text()).hasMatch())
        bad.push_back(w->objectName().toStdString() + "." + e->objectName().toStdString() + " = \"" +
                      e->text().toStdString() + "\"");
    }
    for (QLabel* l : w->findChildren<QLabel*>()) {
      if (BadText().match(l->text()).hasMatch())
        bad.push_back(w->objectName().toStdString() + "." + l->objectName().toStdString() + " = \"" +
                      l->text().toStdString() + "\"");
    }
  }
  return bad;
}

QString MessageOf(QWidget* w) {
  auto* m = w->findChild<QLabel*>("Message");
  return m ? m->text() : QString();
}

// Files of the scratch folder with their sizes and times, to see what a click
// wrote.
std::map<std::string, std::string> FolderState() {
  std::map<std::string, std::string> s;
  for (const QFileInfo& fi : QDir(".").entryInfoList(QDir::Files)) {
    if (fi.suffix().compare("pdf", Qt::CaseInsensitive) == 0) continue;
    s[fi.fileName().toStdString()] = testsupport::ReadFile(fi.fileName().toStdString());
  }
  return s;
}

// A hostile number for a box whose example text is `example`.
class Hostile {
 public:
  explicit Hostile(unsigned seed) : rng_(seed) {}

  QString For(const QString& example, const std::vector<QString>& others) {
    const std::optional<float> x = shell::TextToSingle(example.toStdString());
    if (!x && !example.trimmed().isEmpty()) return example;  // a text box keeps its text
    const float base = x ? *x : 1.0f;
    std::uniform_int_distribution<int> pick(0, 13);
    switch (pick(rng_)) {
      case 0: return "0";
      case 1: return Plain(-base);
      case 2: return "1e-30";
      case 3: return "0.000000000000000000000000000001";
      case 4: return "1e30";
      case 5: return "1000000000000000000000000000000";
      case 6: return "-1e30";
      case 7:  // close to another box of the window
        if (!others.empty()) {
          const auto o = shell::TextToSingle(others[Index(others.size())].toStdString());
          if (o) return Plain(*o * (1.0f + Small()));
        }
        return Plain(base * (1.0f + Small()));
      case 8: return Plain(base * (1.0f + Small()));
      case 9: return Plain(-0.0001f);
      default: {  // the example perturbed
        std::uniform_real_distribution<float> f(0.3f, 3.0f);
        return Plain(base * f(rng_));
      }
    }
  }

  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  std::size_t Index(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

 private:
  static QString Plain(float v) { return QString::fromStdString(shell::SingleToText(v)); }
  float Small() { return std::uniform_real_distribution<float>(-1e-5f, 1e-5f)(rng_); }
  std::mt19937 rng_;
};

std::string Inputs(QWidget* w, const std::vector<QLineEdit*>& boxes) {
  std::ostringstream s;
  s << w->objectName().toStdString() << ":";
  for (QLineEdit* e : boxes) s << " " << e->objectName().toStdString() << "=\"" << e->text().toStdString() << "\"";
  std::string checked;
  for (QWidget* t : VisibleTops())
    for (QAbstractButton* b : Controls<QAbstractButton>(t))
      if (b->isCheckable() && b->isChecked()) checked += " " + t->objectName().toStdString() + "." + b->objectName().toStdString();
  if (!checked.empty()) s << " | checked:" << checked;
  return s.str();
}

class Robustness : public testsupport::InScratchDir {
 protected:
  void TearDown() override { CloseAllWindows(); }

  void Run(const ProgramEntry& p) {
    std::signal(SIGSEGV, OnFatalSignal);
    std::signal(SIGABRT, OnFatalSignal);
    std::signal(SIGFPE, OnFatalSignal);
    const unsigned seed = Seed();
    const std::vector<Recipe> recipes = Discover(p);
    if (std::getenv("SUITE_ROBUSTNESS_VERBOSE"))
      for (const Recipe& r : recipes) std::printf("  way: %s\n", r.Describe().c_str());
    ASSERT_FALSE(recipes.empty()) << p.name << ": no calculation window reached";
    for (std::size_t ri = 0; ri < recipes.size(); ++ri) RunWindow(p, recipes[ri], seed + 7919u * static_cast<unsigned>(ri));
    std::printf("[robustness] %s: %zu windows/ways, %d clicks, %d with results shown, %d files read back, %d failures\n",
                p.name, recipes.size(), clicks_, computed_, reloads_, failures_);
  }

  void RunWindow(const ProgramEntry& p, const Recipe& r, unsigned seed) {
    Hostile gen(seed);
    QWidget* w = Reach(p, r, false);
    ASSERT_NE(w, nullptr) << p.name << " " << r.Describe();
    labelsAtOpen_.clear();
    for (QLabel* l : w->findChildren<QLabel*>()) labelsAtOpen_[l->objectName()] = l->text();
    std::map<QString, QString> starting;  // a new project's texts
    for (QLineEdit* e : EditableBoxes(w)) starting[e->objectName()] = e->text();
    starting_ = starting;
    // results: boxes that a computation fills; fills[b]: those that the
    // button b filled from the example data.
    std::set<QString> results;
    std::map<QString, std::set<QString>> fills;
    // A window that starts blank gets example data by a bounded search:
    // plausible numbers until a computation shows a result.
    for (const auto& [window, data] : p.examples) {
      if (window != r.window) continue;
      for (const auto& [box, text] : data) Do(w, {window, box, text});
    }
    FindExample(r, w, gen, fills);
    for (const auto& [b, boxes] : fills) results.insert(boxes.begin(), boxes.end());
    w = FindTop(r.window);
    if (!w) return;
    // The window's example texts.
    std::map<QString, QString> example;
    for (QLineEdit* e : EditableBoxes(w))
      if (!results.count(e->objectName())) example[e->objectName()] = e->text();
    std::vector<QString> learn;
    for (QAbstractButton* b : ComputeButtons(w)) learn.push_back(b->objectName());
    for (const QString& name : learn) {
      auto* b = w->findChild<QAbstractButton*>(name);
      if (!b) continue;
      std::map<QString, QString> before;
      for (QLineEdit* e : Controls<QLineEdit>(w)) before[e->objectName()] = e->text();
      b->click();
      w = FindTop(r.window);
      if (!w) return;
      for (QLineEdit* e : Controls<QLineEdit>(w))
        if (before.count(e->objectName()) && before[e->objectName()] != e->text() && !e->text().trimmed().isEmpty()) {
          if (!e->isReadOnly()) results.insert(e->objectName());
          fills[name].insert(e->objectName());
        }
    }

    for (int round = 0; round < Rounds(); ++round) {
      w = FindTop(r.window);
      if (!w) w = Reach(p, r, false);
      if (!w) {
        ADD_FAILURE() << p.name << " " << r.Describe() << ": window not reached again";
        return;
      }
      // Choices of the window, now and then.
      std::vector<QAbstractButton*> choices = Choices(w);
      if (!choices.empty() && gen.Chance(0.4)) choices[gen.Index(choices.size())]->click();
      std::vector<QLineEdit*> inputs;
      for (QLineEdit* e : EditableBoxes(w))
        if (!results.count(e->objectName()) && !(r.steps.empty() && e->objectName() == "Text1")) inputs.push_back(e);
      std::map<QLineEdit*, QString> typed;
      std::vector<QString> sofar;
      // Rounds go through four kinds: the example perturbed; one hostile box
      // in it; about a third hostile; all hostile.
      const int mode = round % 4;
      const std::size_t lone = inputs.empty() ? 0 : gen.Index(inputs.size());
      // The example perturbed by one factor for the round, so that tables
      // that must rise keep rising.
      const float factor = std::uniform_real_distribution<float>(0.8f, 1.25f)(rng_);
      for (std::size_t i = 0; i < inputs.size(); ++i) {
        QLineEdit* e = inputs[i];
        const QString ex = example.count(e->objectName()) ? example[e->objectName()] : e->text();
        const bool mild = mode == 0 || (mode == 1 && i != lone) || (mode == 2 && gen.Chance(0.67));
        // Small whole numbers (counts, case numbers) stay as they are in
        // the mild rounds.
        const auto exv = shell::TextToSingle(ex.toStdString());
        const bool count = exv && *exv == std::floor(*exv) && std::fabs(*exv) <= 30;
        const QString t = mild && count ? ex : mild ? QString::fromStdString(shell::SingleToText(
                                                shell::TextToSingle(ex.toStdString()).value_or(1) * factor))
                                          : gen.For(ex, sofar);
        const bool number = ex.trimmed().isEmpty() || shell::TextToSingle(ex.toStdString());
        const QString text = number ? t : ex;
        Put(e, text);
        typed[e] = text;
        sofar.push_back(text);
      }
      const std::string inputs0 = Inputs(w, inputs);
      std::vector<QString> buttons;
      for (QAbstractButton* b : ComputeButtons(w)) buttons.push_back(b->objectName());
      for (const QString& name : buttons) {
        w = FindTop(r.window);
        if (!w) break;
        auto* b = w->findChild<QAbstractButton*>(name);
        if (!b || !b->isEnabled()) continue;
        const std::string where = std::string(p.name) + " " + r.Describe() + " round " + std::to_string(round) +
                                  " seed " + std::to_string(seed) + " click " + name.toStdString() + "\n  inputs " +
                                  inputs0;
        SetNow(where);
        const auto files = FolderState();
        std::map<QLabel*, QString> labelsBefore;
        for (QLabel* l : w->findChildren<QLabel*>()) labelsBefore[l] = l->text();
        QElapsedTimer timer;
        timer.start();
        b->click();
        const double seconds = timer.elapsed() / 1000.0;
        ++clicks_;
        if (seconds > kClickBoundSeconds) Fail(where, "the click took " + std::to_string(seconds) + " s");
        for (const std::string& bad : BadTexts(typed)) Fail(where, "shows " + bad);
        w = FindTop(r.window);
        if (!w) continue;
        // A blank result needs a message saying why.
        // (A window's own note line, such as a hint of pressure flow that
        // takes the place of the results, says why as well.)
        bool said = !MessageOf(w).trimmed().isEmpty();
        for (QLabel* l : w->findChildren<QLabel*>())
          if (!l->text().trimmed().isEmpty() && l->isVisibleTo(w) && !l->objectName().isEmpty() &&
              ((labelsBefore.count(l) && labelsBefore[l] != l->text()) ||
               (labelsAtOpen_.count(l->objectName()) && labelsAtOpen_[l->objectName()] != l->text())))
            said = true;  // a verdict or note that the new window did not show
        if (!said) {
          for (const QString& res : fills[name]) {
            auto* e = w->findChild<QLineEdit*>(res);
            if (e && e->isVisibleTo(w) && e->text().trimmed().isEmpty()) {
              Fail(where, "result box " + res.toStdString() + " blank without a message");
              break;
            }
          }
        }
        // A data file written reads back into the window.
        if (w && !fills[name].empty()) {
          bool shown = false;
          for (const QString& res : fills[name])
            if (auto* e = w->findChild<QLineEdit*>(res)) shown = shown || !e->text().trimmed().isEmpty();
          if (shown) ++computed_;
        }
        if (const auto now = FolderState(); now != files) {
          std::string written;
          for (const auto& [file, content] : now)
            if (!files.count(file) || files.at(file) != content) written += content + "\n";
          ++reloads_;
          CheckReload(p, r, where, written);
        }
        w = FindTop(r.window);
        if (!w) break;
      }
    }
    SetNow("");
  }

  // Where the window's boxes are blank, try plausible numbers (log-uniform
  // over 0.01 .. 100) until a click of a button fills a blank box that the
  // test did not type into; the boxes keep the numbers that did.
  void FindExample(const Recipe& r, QWidget* w, Hostile& gen, std::map<QString, std::set<QString>>& fills) {
    std::vector<QLineEdit*> boxes = EditableBoxes(w);
    bool blank = false;
    for (QLineEdit* e : boxes) blank = blank || e->text().trimmed().isEmpty();
    if (!blank) return;
    std::map<QString, QString> start;
    for (QLineEdit* e : boxes) start[e->objectName()] = e->text();
    std::vector<QString> names;
    for (QLineEdit* e : boxes) names.push_back(e->objectName());
    std::vector<QString> buttons;
    for (QAbstractButton* b : ComputeButtons(w)) buttons.push_back(b->objectName());
    std::mt19937 rng(gen.Index(1u << 30));
    std::uniform_real_distribution<double> lg(std::log(0.01), std::log(100.0));
    for (int attempt = 0; attempt < 150; ++attempt) {
      w = FindTop(r.window);
      if (!w) return;
      std::map<QString, QString> typed;
      for (QAbstractButton* c : Choices(w))
        if (rng() % 2) c->click();
      for (const QString& n : names) {
        auto* e = w->findChild<QLineEdit*>(n);
        if (!e) continue;
        // First the window's starting texts as they are, then numbers in its
        // blank boxes only, then in every box.
        if (attempt == 0 || (attempt < 75 && !start[n].trimmed().isEmpty())) {
          Put(e, start[n]);
          typed[n] = start[n];
          continue;
        }
        const QString t = QString::fromStdString(shell::ResultText(std::exp(lg(rng)), 2));
        Put(e, t);
        typed[n] = t;
      }
      for (const QString& bn : buttons) {
        auto* b = w->findChild<QAbstractButton*>(bn);
        if (!b || !b->isEnabled()) continue;
        std::map<QString, QString> before;
        for (QLineEdit* e : Controls<QLineEdit>(w)) before[e->objectName()] = e->text();
        b->click();
        w = FindTop(r.window);
        if (!w) return;
        if (attempt < 2 && std::getenv("SUITE_ROBUSTNESS_VERBOSE")) std::printf("  try %s: %s\n", qPrintable(bn), qPrintable(MessageOf(w)));
        bool found = false;
        for (QLineEdit* e : Controls<QLineEdit>(w))
          if (before.count(e->objectName()) && before[e->objectName()] != e->text() &&
              !e->text().trimmed().isEmpty()) {
            found = true;  // a computation filled a box
            fills[bn].insert(e->objectName());
          }
        if (found) return;
      }
    }
    std::printf("[robustness] %s: no example data found\n", r.Describe().c_str());
  }

  // Reopen the window for the saved project and compare its input boxes.
  // Only boxes whose text the written file holds are compared: a window may
  // save only the rows in use, or keep a box out of its record.
  void CheckReload(const ProgramEntry& p, const Recipe& r, const std::string& where, const std::string& written) {
    QWidget* w = FindTop(r.window);
    if (!w) return;
    auto inFile = [&](const QString& text) {
      const std::string t = text.trimmed().toStdString();
      if (t.empty()) return false;
      for (std::size_t at = written.find(t); at != std::string::npos; at = written.find(t, at + 1)) {
        const auto edge = [](char c) { return !(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-'); };
        const bool left = at == 0 || edge(written[at - 1]);
        const bool right = at + t.size() >= written.size() || edge(written[at + t.size()]);
        if (left && right) return true;
      }
      return false;
    };
    std::map<QString, QString> saved;
    for (QLineEdit* e : EditableBoxes(w))
      if (inFile(e->text())) saved[e->objectName()] = e->text();
    QWidget* again = Reach(p, r, true);
    if (!again) {
      Fail(where, "reopening the saved project did not reach " + r.window.toStdString());
      return;
    }
    if (!MessageOf(again).trimmed().isEmpty())
      Fail(where, "reopening the saved project says: " + MessageOf(again).toStdString());
    for (const auto& [name, text] : saved) {
      auto* e = again->findChild<QLineEdit*>(name);
      if (!e) continue;
      const auto a = shell::TextToSingle(text.toStdString());
      const auto b = shell::TextToSingle(e->text().toStdString());
      // A box left blank on reopening was not part of the record (a window
      // saves only the rows in use); one that shows other data was read
      // back wrongly.
      if (e->text().trimmed().isEmpty()) continue;
      if (starting_.count(name) && starting_[name] == e->text()) continue;
      const bool same = (a && b) ? *a == *b : text.trimmed() == e->text().trimmed();
      if (!same) {
        // Result boxes are not data; only what was typed must come back.
        Fail(where, "reopened " + r.window.toStdString() + "." + name.toStdString() + " shows \"" +
                        e->text().toStdString() + "\", saved from \"" + text.toStdString() + "\" (message: " +
                        MessageOf(again).toStdString() + ")");
        break;
      }
    }
  }

  void Fail(const std::string& where, const std::string& what) {
    ++failures_;
    if (failures_ <= 25) ADD_FAILURE() << where << "\n  => " << what;
  }

  std::mt19937 rng_{Seed()};
  int failures_ = 0;
  std::map<QString, QString> starting_;
  std::map<QString, QString> labelsAtOpen_;
  int clicks_ = 0, computed_ = 0, reloads_ = 0;
};

#define ROBUSTNESS_TEST(Name, index) \
  TEST_F(Robustness, Name) { Run(kPrograms[index]); }

ROBUSTNESS_TEST(Pillamor, 0)
ROBUSTNESS_TEST(Quimbrel, 1)
ROBUSTNESS_TEST(Vostrane, 2)
ROBUSTNESS_TEST(Dorvesk, 3)
ROBUSTNESS_TEST(Runsavel, 4)
ROBUSTNESS_TEST(Mirkelt, 5)
ROBUSTNESS_TEST(Tessarin, 6)
ROBUSTNESS_TEST(Ketrova, 7)
ROBUSTNESS_TEST(Brasselt, 8)

}  // namespace
}  // namespace robustness
