#include "common/qt/NumberLocale.h"

#include <QLocale>
#include <clocale>

namespace zelvo::qt {

void UseClassicNumbers() {
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());
}

}  // namespace zelvo::qt
