#include "tests/app/support/program_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "app/shell/frm_main.h"
#include "app/shell/frm_splash.h"
#include "app/shell/start.h"
#include "engine/pitchlog_interface.h"
#include "platform/component/registry.h"

namespace app_testing {

ProgramFolder::ProgramFolder() {
  const QDir source(QStringLiteral(PITCHLOG_DATA_DIR));
  QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString from = it.next();
    const QString to = dir_.filePath(source.relativeFilePath(from));
    QDir().mkpath(QFileInfo(to).path());
    QFile::copy(from, to);
  }
}

void ProgramFolder::Write(const QString& relative, const QByteArray& content) const {
  QFile file(File(relative));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(relative));
  file.write(content);
}

void ProgramFolder::Remove(const QString& relative) const { QFile::remove(File(relative)); }

QByteArray ProgramFolder::Read(const QString& relative) const {
  QFile file(File(relative));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void UseTemporaryRegistry() {
  static QTemporaryDir registry_dir;
  qputenv("KELVANE_REGISTRY", registry_dir.filePath(QStringLiteral("registry")).toLocal8Bit());
  kelvane::registry::Register(kelvane::kPitchlogProgId, KELVANE_LIBRARY);
}

pitchlog::frmMain& StartToMainWindow(const ProgramFolder& folder) {
  if (!pitchlog::StartProgram(folder.Path())) qFatal("the program did not start");
  QTest::mouseClick(pitchlog::frmSplash::Get().Continue, Qt::LeftButton);
  pitchlog::frmMain& window = pitchlog::frmMain::Get();
  if (!QTest::qWaitForWindowExposed(&window)) qFatal("the main window was not shown");
  return window;
}

void ResetProgram() { pitchlog::ReleaseProgram(); }

void ProcessDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace app_testing
