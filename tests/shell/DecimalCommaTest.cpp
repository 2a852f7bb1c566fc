#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "common/engine/HiOutputFile.h"
#include "common/engine/TextFormat.h"
#include "support/DecimalCommaLocale.h"
#include "support/ProjectFiles.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/session/Captions.h"
#include "zelvo/shell/AppStart.h"

namespace zelvo {
namespace {

// Under a decimal-comma desktop every number the core writes or reads in a file, a report or a
// caption still has its decimal point.
TEST(DecimalCommaDesktop, DataSetFilesResultsFilesAndCaptionsKeepTheDecimalPoint) {
  testing::DecimalCommaLocale german;
  ASSERT_TRUE(german.Active());
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 1.5);
  ASSERT_STREQ(probe, "1,5");  // the desktop really writes commas

  EXPECT_EQ(Format("%9.3f", 19.2), "   19.200");

  // A data set file reads back what it was written with.
  FlowRecord record;
  record.yearCount = 1;
  record.years[0] = 1991;
  for (int s = 0; s < kDaySlots; ++s) record.flows[0][s] = 123.25f;
  std::ostringstream dataSet;
  WriteDataSetFile(dataSet, record, false);
  EXPECT_NE(dataSet.str().find("      123.250 \r\n"), std::string::npos);
  EXPECT_EQ(dataSet.str().find(','), std::string::npos);
  std::istringstream dataSetIn(dataSet.str());
  FlowRecord back;
  const Status read = ReadDataSetFile(dataSetIn, false, back);
  ASSERT_TRUE(read.Ok()) << read.Message();
  EXPECT_EQ(back.flows[0][200], 123.25f);

  // A results file keeps three fields a row and reads back its values and percentiles.
  IndexResults results;
  results[0] = IndexResult{19.2f, 37.212f, 55.5f};
  std::ostringstream hi;
  WriteHiOutput(hi, HiOutputHeader{"Huron River", false, 25.0f, 75.0f}, results);
  EXPECT_NE(hi.str().find("\r\n25.000000,75.000000\r\n"), std::string::npos);
  EXPECT_NE(hi.str().find("MA1,   19.200,   37.212,   55.500\r\n"), std::string::npos);
  std::istringstream hiIn(hi.str());
  HiTable table;
  const Status tableRead = ReadHiTable(hiIn, table);
  ASSERT_TRUE(tableRead) << tableRead.Message();
  EXPECT_EQ(table.lower[0], 19.2f);
  EXPECT_EQ(table.value[0], 37.212f);
  EXPECT_EQ(table.upper[0], 55.5f);
  EXPECT_EQ(table.upperPercentile, 75.0f);

  AppState app;
  UpdateCaption(app);
  EXPECT_EQ(app.caption, "MORVIK (1.10)");
}

}  // namespace
}  // namespace zelvo
