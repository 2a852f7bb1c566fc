#pragma once
// Numbers typed into dialog fields, read the same way whatever the desktop's language: a decimal
// point, no group separators. The checks of the forms use these, so a dialog only hands over
// the text it holds.

#include <optional>
#include <string_view>

namespace zelvo {

// The message of a number field whose text is not a number.
inline constexpr const char* kNotANumberText = "Please enter a number.";

// Blanks around an optionally signed decimal number with a point ("12", "-0.5", "+3.25");
// nullopt for anything else, for a number beyond the float range and for an empty text.
std::optional<float> ParseDecimalText(std::string_view text);

}  // namespace zelvo
