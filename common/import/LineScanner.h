#pragma once
// Reads the fields of one text line the way the agency formats are defined: by scanf-style
// conversions (%s, %c, %d, %f and literal characters) applied one after another. A conversion
// that fails leaves its target alone and the caller stops there, so the number of successful
// conversions says how far a line got. Numbers are read locale-independently; a float that is
// infinite, NaN, hexadecimal or out of the float range does not count as a number.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zelvo {

class LineScanner {
 public:
  explicit LineScanner(std::string_view line) : text_(line) {}

  // " " in a pattern: any run of blanks, tabs or line-end characters, possibly empty.
  void SkipBlanks();
  // %s: skips blanks, then the run of non-blank characters; false at the end of the line.
  bool Token(std::string_view& token);
  // %c: exactly the next character, blank or not; false at the end of the line.
  bool Char(char& c);
  // %d: skips blanks, optional sign and at least one digit; saturates at the int range.
  bool Int(int& value);
  // %f: skips blanks, then sign, digits, decimal point, digits and exponent.
  bool Float(float& value);
  // A literal character of the pattern (e.g. ","); false and nothing consumed when it differs.
  bool Literal(char c);
  // Skips the rest of the current run of non-blank characters.
  void SkipToBlank();

  std::size_t Position() const { return pos_; }
  // The tabs the blank skips of %s, %d, %f and " " have passed over so far.
  std::size_t TabsPassed() const { return tabs_; }
  bool AtEnd() const { return pos_ >= text_.size(); }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t tabs_ = 0;
};

// A blank in the sense of the C library's isspace in the "C" locale.
// Blank, tab, line feed, vertical tab, form feed, carriage return: one test for the characters
// above the blank, which most are, and a bit of a mask for the rest.
constexpr bool IsBlank(char c) {
  constexpr std::uint64_t kBlanks =
      (1ull << ' ') | (1ull << '\t') | (1ull << '\n') | (1ull << '\v') | (1ull << '\f') | (1ull << '\r');
  const auto u = static_cast<unsigned char>(c);
  return u <= ' ' && ((kBlanks >> u) & 1u) != 0;
}

// atoi of a prefix: leading blanks, optional sign, digits; 0 when no digit; saturating.
int LeadingInt(std::string_view text);

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits of a plain decimal (digits, then a decimal point and digits), read the short way:
// the first kShortDigits digits as one integer and how many of all digits follow the point.
inline constexpr std::size_t kShortDigits = 7;  // below 2^24: the integer is an exact float
struct PlainDecimal {
  std::uint32_t mantissa = 0;
  std::size_t digits = 0;
  std::size_t fraction = 0;
};
// Reads a plain decimal from text[pos] on (no sign, no exponent) and moves pos past it.
inline PlainDecimal ReadPlainDecimal(std::string_view text, std::size_t& pos) {
  PlainDecimal d;
  const auto add = [&d](char c) {
    if (d.digits < kShortDigits) d.mantissa = d.mantissa * 10 + static_cast<std::uint32_t>(c - '0');
    ++d.digits;
  };
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) add(text[pos]);
  if (pos < text.size() && text[pos] == '.') {
    for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos, ++d.fraction) add(text[pos]);
  }
  return d;
}
// The float nearest the decimal of at most kShortDigits digits: the integer and the power of ten
// are both exact floats, so the one rounding of the division gives it (what from_chars gives).
inline float ShortDecimalValue(const PlainDecimal& d) {
  constexpr float kPowersOfTen[kShortDigits + 1] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f};
  return static_cast<float>(d.mantissa) / kPowersOfTen[d.fraction];
}

}  // namespace zelvo
