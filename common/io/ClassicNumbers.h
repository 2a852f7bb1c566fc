#pragma once
// Numbers in files, reports and captions are written and read with a decimal point whatever
// locale the desktop sets (a German desktop's decimal comma would write "19,200" into a results
// file, where the comma separates the fields). A ClassicNumbers object switches the calling
// thread to the C locale for its lifetime; printf, scanf, strtod and atof then use it.

#include <locale.h>

#include <clocale>

namespace zelvo {

class ClassicNumbers {
 public:
  ClassicNumbers() : previous_(uselocale(CLocale())) {}
  ~ClassicNumbers() {
    if (previous_ != static_cast<locale_t>(0)) uselocale(previous_);
  }
  ClassicNumbers(const ClassicNumbers&) = delete;
  ClassicNumbers& operator=(const ClassicNumbers&) = delete;

 private:
  static locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
  }
  locale_t previous_;
};

}  // namespace zelvo
