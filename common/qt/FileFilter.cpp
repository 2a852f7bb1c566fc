#include "common/qt/FileFilter.h"

#include <QRegularExpression>

namespace zelvo::qt {
namespace {

QString QtPatterns(QString patterns) {
  QStringList parts = patterns.split(';', Qt::SkipEmptyParts);
  for (QString& p : parts) {
    p = p.trimmed();
    if (p == QStringLiteral("*.*")) p = QStringLiteral("*");
  }
  parts.removeDuplicates();
  return parts.join(' ');
}

}  // namespace

QStringList NameFiltersFromFilter(const std::string& filter) {
  const QStringList fields = QString::fromStdString(filter).split('|');
  QStringList result;
  for (int i = 0; i + 1 < fields.size(); i += 2) {
    QString description = fields[i].trimmed();
    const QString pattern = QtPatterns(fields[i + 1]);
    if (description.isEmpty() && pattern.isEmpty()) break;  // the closing "||"
    if (pattern.isEmpty()) continue;
    // Drop a pattern list the description carries in parentheses and put the Qt one there.
    static const QRegularExpression trailingParens(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    description.remove(trailingParens);
    if (description.isEmpty()) description = pattern;
    result << QStringLiteral("%1 (%2)").arg(description, pattern);
  }
  if (result.isEmpty()) result << QStringLiteral("All Files (*)");
  return result;
}

}  // namespace zelvo::qt
