#include "common/engine/IndexCatalogue.h"

#include <array>
#include <string>

namespace zelvo {
namespace {

struct Family {
  const char* prefix;
  int first;
  int count;
};
constexpr std::array<Family, 11> kFamilies = {{{"MA", kMA, 45},
                                               {"ML", kML, 22},
                                               {"MH", kMH, 27},
                                               {"FL", kFL, 3},
                                               {"FH", kFH, 11},
                                               {"DL", kDL, 20},
                                               {"DH", kDH, 24},
                                               {"TA", kTA, 3},
                                               {"TL", kTL, 4},
                                               {"TH", kTH, 3},
                                               {"RA", kRA, 9}}};

struct Catalogue {
  std::array<std::string, kIndexCount> names;
  std::array<RowForm, kIndexCount> forms{};

  Catalogue() {
    for (const Family& f : kFamilies)
      for (int i = 0; i < f.count; ++i) names[f.first + i] = f.prefix + std::to_string(i + 1);
    forms.fill(RowForm::Full);
    auto set = [this](int from, int to, RowForm form) {
      for (int i = from; i <= to; ++i) forms[i] = form;
    };
    set(MA(3), MA(3), RowForm::FullOrNc);
    set(MH(21), MH(27), RowForm::FullOrNc);
    set(DL(11), DL(13), RowForm::FullOrNc);
    set(DH(11), DH(13), RowForm::FullOrNc);

    set(MA(4), MA(11), RowForm::ValueOrNc);
    set(MA(36), MA(40), RowForm::ValueOrNc);
    set(MA(42), MA(45), RowForm::ValueOrNc);
    set(ML(13), ML(13), RowForm::ValueOrNc);
    set(ML(18), ML(18), RowForm::ValueOrNc);
    set(ML(20), ML(21), RowForm::ValueOrNc);
    set(MH(13), MH(13), RowForm::ValueOrNc);
    set(MH(15), MH(19), RowForm::ValueOrNc);
    set(FL(2), FL(2), RowForm::ValueOrNc);
    set(FH(2), FH(2), RowForm::ValueOrNc);
    set(DL(6), DL(10), RowForm::ValueOrNc);
    set(DL(14), DL(15), RowForm::ValueOrNc);
    set(DL(17), DL(17), RowForm::ValueOrNc);
    set(DL(19), DL(19), RowForm::ValueOrNc);
    set(DH(6), DH(10), RowForm::ValueOrNc);
    set(DH(14), DH(14), RowForm::ValueOrNc);
    set(DH(16), DH(16), RowForm::ValueOrNc);
    set(RA(2), RA(2), RowForm::ValueOrNc);
    set(RA(4), RA(4), RowForm::ValueOrNc);

    for (int i : {DL(20), TA(1), TA(2), TL(1), TL(2), TH(1), TH(2), RA(5), RA(9)}) forms[i] = RowForm::Value;
    forms[FH(11)] = RowForm::Fh11;
    set(DH(22), DH(24), RowForm::PeakFull);
    forms[TA(3)] = RowForm::Ta3;
    forms[TL(3)] = RowForm::Tl3;
    forms[TL(4)] = RowForm::PeakValue;
    forms[TH(3)] = RowForm::PeakValue;
  }
};

const Catalogue& TheCatalogue() {
  static const Catalogue catalogue;
  return catalogue;
}

}  // namespace

std::string_view IndexName(int number) {
  if (number < 0 || number >= kIndexCount) return {};
  return TheCatalogue().names[number];
}

int IndexNumber(std::string_view name) {
  const auto& names = TheCatalogue().names;
  for (int i = 0; i < kIndexCount; ++i)
    if (names[i] == name) return i;
  return -1;
}

RowForm RowFormOf(int number) { return TheCatalogue().forms[number]; }

}  // namespace zelvo
