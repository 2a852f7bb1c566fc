#pragma once
// Numbers in dialog fields: how a number is shown and how a typed text is read.

#include <QString>
#include <optional>

namespace zelvo::qt {

// The message of a number field whose text is not a number.
inline constexpr const char* kNotANumberText = "Please enter a number.";

// A float as the field shows it: shortest form that reads back the same ("75", "0.5", "123.25").
QString NumberText(float value);
// A typed text as a float: blanks around a decimal number; nullopt for anything else.
std::optional<float> ParseFloatField(const QString& text);
// A typed text as an integer: blanks around an optionally signed whole number.
std::optional<int> ParseIntField(const QString& text);

}  // namespace zelvo::qt
