#include "common/qt/FieldText.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QLocale>
#include <charconv>
#include <cmath>

#include "common/qt/CDatatbl.h"

namespace zelvo::qt {

namespace {

QLocale NumberLocale() {
  QLocale c = QLocale::c();
  c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
  return c;
}

}  // namespace

QValidator* YearValidator(QObject* parent) {
  auto* v = new QIntValidator(0, 9999, parent);
  v->setLocale(NumberLocale());
  return v;
}

QValidator* DecimalValidator(QObject* parent) {
  auto* v = new QDoubleValidator(parent);
  v->setLocale(NumberLocale());
  v->setNotation(QDoubleValidator::StandardNotation);
  return v;
}

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
