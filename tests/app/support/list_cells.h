// Reading a report list's rows in tests: one column's texts, or the row whose first cell holds
// a text (a row that is missing ends the run, since every check after it would only crash).
#pragma once

#include <QString>
#include <QStringList>
#include <QTreeWidget>

namespace app_testing {

inline QStringList Column(const QTreeWidget* list, int column) {
  QStringList texts;
  for (int i = 0; i < list->topLevelItemCount(); ++i) texts << list->topLevelItem(i)->text(column);
  return texts;
}
inline QStringList Column(const QTreeWidget& list, int column) { return Column(&list, column); }

inline QTreeWidgetItem* Row(const QTreeWidget* list, const QString& first_cell) {
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    if (list->topLevelItem(i)->text(0) == first_cell) return list->topLevelItem(i);
  qFatal("no row %s", qPrintable(first_cell));
}

}  // namespace app_testing
