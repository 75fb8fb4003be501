// Controls carry their given names as object names, so other windows and tests find them.
#pragma once

#include <QLabel>
#include <QLatin1String>
#include <QString>

namespace pitchlog {

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

template <typename W>
W* Named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

// A label for text from the data files, which is shown as it is and never as markup.
inline QLabel* DataLabel(const char* name, QWidget* parent = nullptr) {
  auto* label = Named(new QLabel(parent), name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace pitchlog
