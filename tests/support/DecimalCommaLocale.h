#pragma once
// A German desktop for the length of a test: the C library and the C++ global locale both write
// and read numbers with a decimal comma. A machine without the locale fails the test (the
// project's setup script generates it), so the check never passes unseen.

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <stdexcept>
#include <string>

namespace zelvo::testing {

inline constexpr const char* kDecimalCommaLocale = "de_DE.UTF-8";

class DecimalCommaLocale {
 public:
  DecimalCommaLocale() : savedC_(std::setlocale(LC_ALL, nullptr)), savedCpp_() {
    active_ = std::setlocale(LC_ALL, kDecimalCommaLocale) != nullptr;
    if (!active_) {
      ADD_FAILURE() << "the locale " << kDecimalCommaLocale << " is missing (scripts/setup.sh generates it)";
      return;
    }
    try {
      std::locale::global(std::locale(kDecimalCommaLocale));
    } catch (const std::runtime_error&) {
      ADD_FAILURE() << "the C++ locale " << kDecimalCommaLocale << " is missing";
    }
  }
  ~DecimalCommaLocale() {
    std::locale::global(savedCpp_);
    std::setlocale(LC_ALL, savedC_.c_str());
  }
  DecimalCommaLocale(const DecimalCommaLocale&) = delete;
  DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

  bool Active() const { return active_; }

 private:
  std::string savedC_;
  std::locale savedCpp_;
  bool active_ = false;
};

}  // namespace zelvo::testing
