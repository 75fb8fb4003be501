#include "app/shell/system_info.h"

#include <QProcess>
#include <QStandardPaths>

#include "app/kit/msg_box.h"

namespace pitchlog {
namespace {

// System information tools of the common desktops, the first found wins.
constexpr const char* kSysInfoTools[] = {"kinfocenter", "hardinfo2", "hardinfo"};

}  // namespace

void StartSysInfo() {
  for (const char* tool : kSysInfoTools) {
    const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
    if (!program.isEmpty() && QProcess::startDetached(program, {})) return;
  }
  MsgBox(QStringLiteral("System Information Is Unavailable At This Time"), msgbox::OkOnly);
}

}  // namespace pitchlog
