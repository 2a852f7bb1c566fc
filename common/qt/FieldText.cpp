#include "common/qt/FieldText.h"

#include <charconv>
#include <cmath>

#include "common/qt/CDatatbl.h"

namespace zelvo::qt {

QString NumberText(float value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (result.ec != std::errc()) return QString::number(static_cast<double>(value), 'g', 9);
  return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

std::optional<float> ParseFloatField(const QString& text) {
  const std::optional<double> value = CDatatbl::ParseNumber(text);
  if (!value || std::fabs(*value) > 3.4e38) return std::nullopt;
  return static_cast<float>(*value);
}

std::optional<int> ParseIntField(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return value;
}

}  // namespace zelvo::qt
