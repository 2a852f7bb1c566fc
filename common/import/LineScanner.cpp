#include "common/import/LineScanner.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace zelvo {
namespace {

// Reads sign and digits from `text` at `pos`; advances `pos` past them. Saturates.
bool ReadInt(std::string_view text, std::size_t& pos, int& value) {
  std::size_t i = pos;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size() || !IsDigit(text[i])) return false;
  long long v = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    if (v <= static_cast<long long>(INT_MAX) + 1) v = v * 10 + (text[i] - '0');
  }
  if (negative) v = -v;
  if (v > INT_MAX) v = INT_MAX;
  if (v < INT_MIN) v = INT_MIN;
  value = static_cast<int>(v);
  pos = i;
  return true;
}

}  // namespace

void LineScanner::SkipBlanks() {
  for (; pos_ < text_.size() && IsBlank(text_[pos_]); ++pos_) tabs_ += text_[pos_] == '\t';
}

bool LineScanner::Token(std::string_view& token) {
  SkipBlanks();
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !IsBlank(text_[pos_])) ++pos_;
  if (pos_ == start) return false;
  token = text_.substr(start, pos_ - start);
  return true;
}

bool LineScanner::Char(char& c) {
  if (pos_ >= text_.size()) return false;
  c = text_[pos_++];
  return true;
}

bool LineScanner::Int(int& value) {
  SkipBlanks();
  return ReadInt(text_, pos_, value);
}

bool LineScanner::Float(float& value) {
  SkipBlanks();
  std::size_t i = pos_;
  bool negative = false;
  if (i < text_.size() && (text_[i] == '+' || text_[i] == '-')) negative = text_[i++] == '-';
  const std::size_t numberStart = i;
  const PlainDecimal decimal = ReadPlainDecimal(text_, i);
  if (decimal.digits == 0) return false;
  bool exponent = false;
  if (i < text_.size() && (text_[i] == 'e' || text_[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text_.size() && (text_[j] == '+' || text_[j] == '-')) ++j;
    if (j < text_.size() && IsDigit(text_[j])) {
      while (j < text_.size() && IsDigit(text_[j])) ++j;
      i = j;
      exponent = true;
    }
  }
  float v = 0.0f;
  if (!exponent && decimal.digits <= kShortDigits) {
    v = ShortDecimalValue(decimal);
  } else {
    const auto [end, ec] =
        std::from_chars(text_.data() + numberStart, text_.data() + i, v, std::chars_format::general);
    if (ec != std::errc() || end != text_.data() + i || !std::isfinite(v)) return false;
  }
  value = negative ? -v : v;
  pos_ = i;
  return true;
}

bool LineScanner::Literal(char c) {
  if (pos_ >= text_.size() || text_[pos_] != c) return false;
  ++pos_;
  return true;
}

void LineScanner::SkipToBlank() {
  while (pos_ < text_.size() && !IsBlank(text_[pos_])) ++pos_;
}

int LeadingInt(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  int value = 0;
  if (!ReadInt(text, pos, value)) return 0;
  return value;
}

}  // namespace zelvo
