#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <cstdio>
#include <sys/resource.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#if __has_include("suite_app.h")
#include "suite_app.h"
#define SUITE_HAVE_UI 1
#endif

namespace testsupport {

ScratchDir::ScratchDir() {
  char cwd[4096];
  if (getcwd(cwd, sizeof cwd)) previous_ = cwd;
  std::string tmpl = (std::filesystem::temp_directory_path() / "suite-test-XXXXXX").string();
  if (char* made = mkdtemp(tmpl.data())) path_ = made;
  if (path_.empty() || chdir(path_.c_str()) != 0) ADD_FAILURE() << "no scratch folder";
}

ScratchDir::~ScratchDir() {
  if (!previous_.empty() && chdir(previous_.c_str()) != 0) std::perror("chdir");
  std::error_code ec;
  // Restore write permission first, in case a test made the folder read-only.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

FileSizeLimit::FileSizeLimit(unsigned long bytes) {
  // Writing past the limit raises SIGXFSZ, which would end the test; ignored,
  // the write fails with EFBIG as a write to a full disk fails.
  oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  oldCur_ = old.rlim_cur;
  oldMax_ = old.rlim_max;
  rlimit tiny = old;
  tiny.rlim_cur = bytes;
  if (setrlimit(RLIMIT_FSIZE, &tiny) != 0) ADD_FAILURE() << "cannot limit file sizes";
}

FileSizeLimit::~FileSizeLimit() {
  rlimit old{};
  old.rlim_cur = oldCur_;
  old.rlim_max = oldMax_;
  setrlimit(RLIMIT_FSIZE, &old);
  if (oldHandler_ != SIG_ERR) std::signal(SIGXFSZ, oldHandler_);
}

namespace {

// The thread's capability sets (version 3: two words each).
bool GetCapabilities(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return syscall(SYS_capget, &header, data) == 0;
}

bool SetCapabilities(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return syscall(SYS_capset, &header, data) == 0;
}

}  // namespace

KeepToPermissions::KeepToPermissions() {
  __user_cap_data_struct data[2]{};
  if (!GetCapabilities(data)) return;
  saved_[0] = data[0].effective;
  saved_[1] = data[1].effective;
  const unsigned int overrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
  if ((data[0].effective & overrides) == 0) return;  // an ordinary user: nothing to take
  data[0].effective &= ~overrides;
  if (SetCapabilities(data))
    changed_ = true;
  else
    ADD_FAILURE() << "cannot give up the right to override file permissions";
}

KeepToPermissions::~KeepToPermissions() {
  if (!changed_) return;
  __user_cap_data_struct data[2]{};
  if (!GetCapabilities(data)) return;
  data[0].effective = saved_[0];
  data[1].effective = saved_[1];
  SetCapabilities(data);
}

ReadOnlyFolder::ReadOnlyFolder(const std::string& dir) : dir_(dir) {
  if (chmod(dir_.c_str(), 0555) != 0) ADD_FAILURE() << "cannot make " << dir_ << " read-only";
  // The folder must really stop a write, whoever runs the test.
  const std::string probe = dir_ + "/.probe";
  const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd >= 0) {
    close(fd);
    unlink(probe.c_str());
    ADD_FAILURE() << "the read-only folder " << dir_ << " does not stop a write";
  }
}

ReadOnlyFolder::~ReadOnlyFolder() { chmod(dir_.c_str(), 0755); }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

void Click(QWidget* root, const QString& name) {
  auto* w = Find<QAbstractButton>(root, name);
  if (!w) return;
  EXPECT_TRUE(w->isEnabled()) << name.toStdString() << " is disabled";
  w->click();  // the signals of a user's click: toggled, then clicked
}

void Type(QWidget* root, const QString& box, const QString& text) {
  auto* w = Find<QLineEdit>(root, box);
  if (!w) return;
  w->selectAll();
  w->del();
  // keyClicks types printable ASCII only (other characters abort it). Text
  // it cannot type, or that a box does not take as typed, is set directly,
  // and the window hears of it as of the user's typing.
  bool typeable = true;
  for (QChar c : text) typeable = typeable && c.unicode() >= 0x20 && c.unicode() < 0x7f;
  if (typeable) QTest::keyClicks(w, text);
  if (w->text() != text) {
    w->setText(text);
    if (!w->isReadOnly()) emit w->textEdited(w->text());
  }
}

QString TextOf(QWidget* root, const QString& name) {
  QWidget* w = Find<QWidget>(root, name);
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  return QString();
}

void TypeAll(QWidget* root, const QStringList& boxes, const QStringList& texts) {
  EXPECT_EQ(boxes.size(), texts.size()) << "boxes and texts do not pair";
  for (qsizetype i = 0; i < boxes.size() && i < texts.size(); ++i) Type(root, boxes[i], texts[i]);
}

QStringList TextsOf(QWidget* root, const QStringList& names) {
  QStringList texts;
  for (const QString& name : names) texts << TextOf(root, name);
  return texts;
}

QStringList Numbered(const QString& prefix, int first, int last) {
  QStringList names;
  for (int i = first; i <= last; ++i) names << prefix + QString::number(i);
  return names;
}

QWidget* TopLevel(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name) return w;
  return nullptr;
}

void ProcessDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void CloseWindow(QWidget* window) {
  if (window) window->close();
  ProcessDeferredDeletes();
}

void CloseAllWindows() {
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
  ProcessDeferredDeletes();
}

std::string SaveWindowPng(QWidget* window, const std::string& file) {
  const char* dir = std::getenv("SUITE_PNG_DIR");
  std::string folder = dir ? dir : "windows";
  QDir().mkpath(QString::fromStdString(folder));
  window->show();
  window->adjustSize();
  QApplication::processEvents();
  const std::string path = folder + "/" + file + ".png";
  if (!window->grab().save(QString::fromStdString(path))) return std::string();
  return path;
}

}  // namespace testsupport

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Window tests run without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
#ifdef SUITE_HAVE_UI
  shell::InitSuiteApplication(app);
#endif
  return RUN_ALL_TESTS();
}
