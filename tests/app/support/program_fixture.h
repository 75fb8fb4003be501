// What the program's tests share: a temporary program folder copied from the shipped data, a
// temporary ProgID registry, and starting and resetting the program.
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace pitchlog {
class frmMain;
}

namespace app_testing {

// A temporary copy of data/ that the tests may change.
class ProgramFolder {
 public:
  ProgramFolder();
  QString Path() const { return dir_.path(); }
  QString File(const QString& relative) const { return dir_.filePath(relative); }
  void Write(const QString& relative, const QByteArray& content) const;
  void Remove(const QString& relative) const;
  QByteArray Read(const QString& relative) const;

 private:
  QTemporaryDir dir_;
};

// Points KELVANE_REGISTRY at a temporary file that registers the freshly built library. Call once
// per test program, before the first start.
void UseTemporaryRegistry();

// The start routine on the folder, then Continue on the splash: the main window, shown.
pitchlog::frmMain& StartToMainWindow(const ProgramFolder& folder);

// Deletes every window without asking anything and releases the engine.
void ResetProgram();

// Lets deferred deletions (unloaded windows) happen.
void ProcessDeletions();

}  // namespace app_testing
