#include <gtest/gtest.h>

#include <QLocale>
#include <cstdio>

#include "common/qt/CDatatbl.h"
#include "common/qt/NumberLocale.h"
#include "qt/QtTestSupport.h"
#include "support/DecimalCommaLocale.h"
#include "zelvo/session/Captions.h"
#include "zelvo/shell/qt/CMainFrame.h"

namespace zelvo::qt {
namespace {

// A German desktop as QApplication takes it over (the C library's locale and Qt's default
// locale), then the programs' own start-up step: numbers keep their decimal point in captions,
// typed table cells and whatever Qt formats with its default locale.
TEST(DecimalCommaDesktop, TheProgramsWriteAndReadDecimalPoints) {
  zelvo::testing::DecimalCommaLocale german;
  ASSERT_TRUE(german.Active());
  const QLocale desktop(QLocale::German, QLocale::Germany);
  ASSERT_EQ(desktop.toString(1.5), QStringLiteral("1,5"));
  QLocale::setDefault(desktop);

  UseClassicNumbers();
  EXPECT_EQ(QLocale().toString(1.5), QStringLiteral("1.5"));
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.2f", 1.1);
  EXPECT_STREQ(probe, "1.10");
  EXPECT_EQ(CDatatbl::ParseNumber(QStringLiteral("12.5")), 12.5);
  EXPECT_FALSE(CDatatbl::ParseNumber(QStringLiteral("12,5")).has_value());

  AppState app;
  UpdateCaption(app);
  CommandTable table;
  QtUi ui{QStringLiteral("ZELVO")};
  CMainFrame frame(app, table, ui);
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("MORVIK (1.10)"));
  QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace zelvo::qt
