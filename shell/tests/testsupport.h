// Support for the suite's tests: a scratch folder per test, finding controls
// of a window by name, and writing window images for inspection.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

namespace testsupport {

// A fresh empty folder that is the current folder while the object lives;
// removed with everything in it afterwards.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::string& path() const { return path_; }
  // Path of a file in the folder.
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
  std::string previous_;
};

// A test fixture whose tests each run in their own scratch folder.
class InScratchDir : public ::testing::Test {
 protected:
  ScratchDir dir_;
};

// Contents of a file ("" where it is missing).
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
bool FileExists(const std::string& path);

// While it lives, writing more than `bytes` to any file fails part way, as
// on a full disk (a file-size limit, which also binds a user whom folder
// permissions do not stop).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(unsigned long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  unsigned long oldCur_ = 0;
  unsigned long oldMax_ = 0;
  void (*oldHandler_)(int) = nullptr;
};

// While it lives, the calling thread keeps to file and folder permissions
// even where it runs as root: its right to override them (CAP_DAC_OVERRIDE,
// CAP_DAC_READ_SEARCH) is taken out of its effective capabilities and given
// back afterwards. So a read-only folder stops a write as it stops a user.
class KeepToPermissions {
 public:
  KeepToPermissions();
  ~KeepToPermissions();
  KeepToPermissions(const KeepToPermissions&) = delete;
  KeepToPermissions& operator=(const KeepToPermissions&) = delete;

 private:
  bool changed_ = false;
  unsigned int saved_[2] = {0, 0};
};

// A read-only folder that stops a write: `dir` loses its write permission,
// which binds even root while a KeepToPermissions lives; restored afterwards.
// Fails the test where a probe file can still be made in it.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const std::string& dir);
  ~ReadOnlyFolder();
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

 private:
  std::string dir_;
  KeepToPermissions asUser_;
};

// The child of `root` (or root itself) with the given objectName; fails the
// test where there is none.
template <class T = QWidget>
T* Find(QWidget* root, const QString& name) {
  if (root->objectName() == name) {
    if (auto* self = qobject_cast<T*>(root)) return self;
  }
  T* w = root->findChild<T*>(name);
  EXPECT_NE(w, nullptr) << "no control " << name.toStdString() << " in "
                        << root->objectName().toStdString();
  return w;
}

// The child of `root` (or root itself) with the given objectName, or nullptr
// where there is none; the test goes on (for controls that a window has only
// in some of its forms, say).
template <class T = QWidget>
T* FindOptional(QWidget* root, const QString& name) {
  if (root->objectName() == name) {
    if (auto* self = qobject_cast<T*>(root)) return self;
  }
  return root->findChild<T*>(name);
}

// Simulated user actions.
void Click(QWidget* root, const QString& name);
// Replace the text of a box as a user's typing does. Text that keyClicks
// cannot type (Chinese, say) is set directly, and textEdited is emitted with
// it, as typing it would; a read-only box takes the text without that signal.
void Type(QWidget* root, const QString& box, const QString& text);
QString TextOf(QWidget* root, const QString& name);  // box or label text

// Type texts[i] into boxes[i], in order.
void TypeAll(QWidget* root, const QStringList& boxes, const QStringList& texts);
// The texts of the named boxes or labels, in order.
QStringList TextsOf(QWidget* root, const QStringList& names);
// The names <prefix><first> .. <prefix><last>: Numbered("Text", 11, 16).
QStringList Numbered(const QString& prefix, int first, int last);

// The top-level window with the given objectName, or nullptr.
QWidget* TopLevel(const QString& name);

// Run the deferred deletes, so that windows closed (they delete themselves on
// close) are gone.
void ProcessDeferredDeletes();
// Close a window as its close box does, and let it be deleted.
void CloseWindow(QWidget* window);
// Close every top-level window and let them be deleted.
void CloseAllWindows();

// The fixture of a program's window tests: each test runs in its own scratch
// folder with the program's main window made by `Create` (the program's
// CreateForm1) and shown as form1_; afterwards every top-level window is
// closed and deleted, so that no window of one test is left for the next.
//   class PillamorWindows : public testsupport::WindowTest<pillamor::CreateForm1> { ... };
template <auto Create>
class WindowTest : public InScratchDir {
 protected:
  void SetUp() override {
    form1_ = Create();
    form1_->show();
  }
  void TearDown() override { CloseAllWindows(); }

  // Click `caseBox` (where given) and then `openButton` in the main window;
  // the window `form` that comes up, or nullptr.
  QWidget* Open(const QString& caseBox, const QString& form, const QString& openButton = "Command2") {
    if (!caseBox.isEmpty()) Click(form1_, caseBox);
    Click(form1_, openButton);
    return TopLevel(form);
  }

  QWidget* form1_ = nullptr;
};

// Render a window as shown into $SUITE_PNG_DIR/<file>.png (the build tree's
// windows/ folder); returns the path written, or "" on failure.
std::string SaveWindowPng(QWidget* window, const std::string& file);

}  // namespace testsupport
