#include "file_filter.h"

#include <QStringList>

#include "widget_helpers.h"

namespace acute::gui {

QString QtFilter(const std::string& filter) {
  const QStringList parts = Q(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    if (patterns.isEmpty()) continue;
    for (const QString& p : QStringList(patterns))
      if (!patterns.contains(p.toLower())) patterns << p.toLower();
    QString description = parts[i];
    const QString shown = "(" + patterns.front() + ")";
    if (description.endsWith(shown))
      description.chop(shown.size());
    else
      description += " ";
    filters << description + "(" + patterns.join(' ') + ")";
  }
  return filters.join(";;");
}

}  // namespace acute::gui
