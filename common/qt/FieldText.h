#pragma once
// Numbers in dialog fields: how a number is shown and how a typed text is read.

#include <QString>
#include <optional>

#include "common/ui/NumberFields.h"

class QObject;
class QValidator;

namespace zelvo::qt {

using zelvo::kNotANumberText;

// What a number field lets be typed, in the C locale whatever the desktop's language: a year
// field whole numbers 0 to 9999, a decimal field an optionally signed number with a point.
// Neither takes letters or group separators.
QValidator* YearValidator(QObject* parent);
QValidator* DecimalValidator(QObject* parent);

// A float as the field shows it: shortest form that reads back the same ("75", "0.5", "123.25").
QString NumberText(float value);
// A typed text as a float: blanks around a decimal number; nullopt for anything else.
std::optional<float> ParseFloatField(const QString& text);
// A typed text as an integer: blanks around an optionally signed whole number.
std::optional<int> ParseIntField(const QString& text);

}  // namespace zelvo::qt
