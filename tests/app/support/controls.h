// Finding a window's controls by their given names; a control that is missing ends the run,
// since every step after it would only fail less clearly.
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

namespace app_testing {

template <typename T = QLabel>
T* Control(const QWidget& window, const QString& name) {
  T* control = window.findChild<T*>(name);
  if (!control) qFatal("no control %s", qPrintable(name));
  return control;
}

}  // namespace app_testing
