#include "common/import/LineScanner.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace zelvo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Numbers of at most this many digits (below 2^24) without an exponent are read by the short way.
constexpr std::size_t kShortDigits = 7;
constexpr float kPowersOfTen[kShortDigits + 1] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f};

// Adds a digit to the integer of the first kShortDigits digits.
void AddDigit(std::uint32_t& mantissa, char c, std::size_t index) {
  if (index < kShortDigits) mantissa = mantissa * 10 + static_cast<std::uint32_t>(c - '0');
}

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
  // The digits as one integer while there are at most kShortDigits of them, and how many follow
  // the decimal point.
  std::uint32_t mantissa = 0;
  std::size_t digits = 0, fraction = 0;
  for (; i < text_.size() && IsDigit(text_[i]); ++i, ++digits) AddDigit(mantissa, text_[i], digits);
  if (i < text_.size() && text_[i] == '.') {
    ++i;
    for (; i < text_.size() && IsDigit(text_[i]); ++i, ++digits, ++fraction)
      AddDigit(mantissa, text_[i], digits);
  }
  if (digits == 0) return false;
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
  if (!exponent && digits <= kShortDigits) {
    // Both the integer (below 2^24) and the power of ten are exact floats, so one division
    // rounds once, to the float nearest the decimal: what from_chars gives.
    v = static_cast<float>(mantissa) / kPowersOfTen[fraction];
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
