// The per-year series behind the indices: the means over the years of its columns are the
// indices the engine writes, on real records; the values of single years on small records whose
// answers are known by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "common/engine/HiOutputFile.h"
#include "common/engine/IndexEngine.h"
#include "common/engine/Statistics.h"
#include "common/engine/TextFormat.h"
#include "common/engine/TimingRateIndices.h"
#include "common/engine/YearlySeries.h"
#include "common/import/DailyValueReader.h"
#include "common/import/MissingDataScreening.h"
#include "support/EngineHarness.h"

namespace zelvo {
namespace {

const std::vector<double>& Col(const YearlySeries& s, const std::string& name) {
  const int c = s.Column(name);
  EXPECT_GE(c, 0) << name;
  return s.values.at(static_cast<std::size_t>(c < 0 ? 0 : c));
}

// The mean of a column as the engine forms the mean of a per-year series: float32 values,
// ComputeSummaryStats.
float EngineMean(const std::vector<double>& column) {
  std::vector<float> v;
  for (double x : column) v.push_back(static_cast<float>(x));
  return ComputeSummaryStats(static_cast<int>(v.size()), v.data()).mean;
}

std::string Written(float value) { return Format("%.3f", value); }

TEST(YearlySeries, ColumnMeansAreTheIndicesOfRealRecords) {
  const std::filesystem::path dir(ZELVO_REAL_DATA_DIR);
  if (!std::filesystem::exists(dir)) GTEST_SKIP() << "no real data at " << dir;
  int checked = 0;
  for (const char* name :
       {"dv_08057000_TrinityRiver_Dallas_TX.txt", "dv_04174500_HuronRiver_AnnArbor_MI.txt",
        "dv_09506000_VerdeRiver_CampVerde_AZ.txt", "dv_05427948_PheasantBranch_Middleton_WI.txt",
        "dv_08049500_WestForkTrinityRiver_GrandPrairie_TX.txt"}) {
    SCOPED_TRACE(name);
    FlowRecord record;
    DailyValueSpan span;
    ASSERT_TRUE(ReadDailyValueFile(dir / name, ImportProgram::Main, 0, 0, record, span).Ok());
    // Complete years only: every year then has every monthly mean and a value in every column.
    CountMissingDays(record);
    KeepScreenedYears(record, 2, span.beginYear);
    ASSERT_GT(record.yearCount, 1);

    // The engine's results as the results file holds them.
    std::stringstream file;
    WriteHiOutput(file, HiOutputHeader{"t"}, RunIndexEngine(record, EngineOptions{}));
    HiTable table;
    ASSERT_TRUE(ReadHiTable(file, table));
    const YearlySeries s = ComputeYearlySeries(record);
    ASSERT_EQ(static_cast<int>(s.waterYears.size()), record.yearCount);
    EXPECT_EQ(s.waterYears.front(), record.years[0]);

    const char* months[] = {"jan", "feb", "mar", "apr", "may", "jun",
                            "jul", "aug", "sep", "oct", "nov", "dec"};
    for (int k = 0; k < 12; ++k)
      EXPECT_EQ(Written(EngineMean(Col(s, std::string(months[k]) + "_mean"))),
                Written(table.value[MA(12 + k)]))
          << months[k];
    const char* windows[] = {"1day", "3day", "7day", "30day", "90day"};
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(Written(EngineMean(Col(s, std::string("min_") + windows[i]))),
                Written(table.value[DL(1 + i)]));
      EXPECT_EQ(Written(EngineMean(Col(s, std::string("max_") + windows[i]))),
                Written(table.value[DH(1 + i)]));
    }
    EXPECT_EQ(Written(EngineMean(Col(s, "low_pulses"))), Written(table.value[FL(1)]));
    EXPECT_EQ(Written(EngineMean(Col(s, "high_pulses"))), Written(table.value[FH(1)]));

    // TL1 and TH1 are the circular means of the dates, as day numbers of the calendar year.
    std::vector<int> lowDays, highDays;
    for (std::size_t y = 0; y < s.waterYears.size(); ++y) {
      const int wy = s.waterYears[y];
      lowDays.push_back(DayNumberOfSlot(SlotOfWaterYearDay(wy, static_cast<int>(Col(s, "date_of_min")[y]))));
      highDays.push_back(DayNumberOfSlot(SlotOfWaterYearDay(wy, static_cast<int>(Col(s, "date_of_max")[y]))));
    }
    EXPECT_EQ(Written(CircularMeanDate(lowDays).meanDay), Written(table.value[TL(1)]));
    EXPECT_EQ(Written(CircularMeanDate(highDays).meanDay), Written(table.value[TH(1)]));
    ++checked;
  }
  EXPECT_EQ(checked, 5);
}

TEST(YearlySeries, ColumnsInTheirOrder) {
  const auto& names = YearlyColumnNames();
  ASSERT_EQ(names.size(), 3u + 10u + 11u + 12u);
  EXPECT_EQ(names[0], "valid_days");
  EXPECT_EQ(names[5], "min_7day");
  EXPECT_EQ(names[12], "max_90day");
  EXPECT_EQ(names[13], "date_of_min");
  EXPECT_EQ(names[23], "reversals");
  EXPECT_EQ(names[24], "oct_mean");
  EXPECT_EQ(names.back(), "sep_mean");
}

TEST(YearlySeries, DaysOfTheWaterYearFollowTheCalendar) {
  // 1 October is day 1; 1 March is day 152 in a water year without 29 February, 153 with it;
  // 30 September is 365 or 366. Water year 1900 has no leap day, 2000 has one.
  EXPECT_EQ(WaterYearDay(1991, 0), 1);
  EXPECT_EQ(WaterYearDay(1991, 150), 151);  // 28 February
  EXPECT_EQ(WaterYearDay(1991, 152), 152);  // 1 March
  EXPECT_EQ(WaterYearDay(1992, 151), 152);  // 29 February
  EXPECT_EQ(WaterYearDay(1992, 152), 153);
  EXPECT_EQ(WaterYearDay(1991, 365), 365);
  EXPECT_EQ(WaterYearDay(1992, 365), 366);
  EXPECT_EQ(WaterYearDay(1900, 365), 365);
  EXPECT_EQ(WaterYearDay(2000, 365), 366);
  for (int wy : {1900, 1991, 1992, 2000})
    for (int slot = 0; slot < kDaySlots; ++slot) {
      if (slot == kLeapDaySlot && WaterYearDay(wy, slot) == WaterYearDay(wy, slot + 1)) continue;
      EXPECT_EQ(SlotOfWaterYearDay(wy, WaterYearDay(wy, slot)), slot) << wy << " " << slot;
    }
}

TEST(YearlySeries, SingleYearsWorkedByHand) {
  // Year 0 (1991, no leap day): flow 10 everywhere but a dip to 2 on 1 March, a peak of 50 on
  // 2 October and no February at all. Year 1 (1992): every day 0. Year 2 (1993): no valid day.
  FlowRecord r = testing::ConstantRecord(3, 10.0f);
  r.flows[0][kLeapDaySlot] = kMissing;
  r.flows[0][152] = 2.0f;
  r.flows[0][1] = 50.0f;
  for (int s = 123; s < 152; ++s) r.flows[0][s] = kMissing;
  r.flows[1].fill(0.0f);
  r.flows[2].fill(kMissing);
  const YearlySeries s = ComputeYearlySeries(r);
  ASSERT_EQ(s.waterYears, (std::vector<int>{1991, 1992, 1993}));

  EXPECT_EQ(Col(s, "valid_days")[0], 366 - 29);  // 366 slots less February with its leap day
  EXPECT_EQ(Col(s, "date_of_min")[0], 152);
  EXPECT_EQ(Col(s, "date_of_max")[0], 2);
  EXPECT_EQ(Col(s, "min_1day")[0], 2.0);
  EXPECT_EQ(Col(s, "max_1day")[0], 50.0);
  EXPECT_TRUE(std::isnan(Col(s, "feb_mean")[0]));  // no valid day in February
  EXPECT_EQ(Col(s, "mar_mean")[0], static_cast<double>((30 * 10.0f + 2.0f) / 31.0f));
  EXPECT_EQ(Col(s, "zero_days")[0], 0);
  // Valid days in slot order: 10, 50, 10 ... 10, (gap) 2, 10 ...: rises 40 and 8, falls -40 and
  // -8, and two reversals (up to down after 50, down to up after 2).
  EXPECT_EQ(Col(s, "rise_rate")[0], 24.0);
  EXPECT_EQ(Col(s, "fall_rate")[0], -24.0);
  EXPECT_EQ(Col(s, "reversals")[0], 2);

  // A year of zero flow: dates of the minimum on 1 October, no maximum above 0, no base-flow
  // ratio (its mean is 0), no rise or fall.
  EXPECT_EQ(Col(s, "valid_days")[1], 366);
  EXPECT_EQ(Col(s, "zero_days")[1], 366);
  EXPECT_EQ(Col(s, "date_of_min")[1], 1);
  EXPECT_TRUE(std::isnan(Col(s, "date_of_max")[1]));
  EXPECT_TRUE(std::isnan(Col(s, "baseflow_ratio")[1]));
  EXPECT_TRUE(std::isnan(Col(s, "rise_rate")[1]));
  EXPECT_EQ(Col(s, "oct_mean")[1], 0.0);

  // A year without data: valid_days 0 and nothing else.
  EXPECT_EQ(Col(s, "valid_days")[2], 0);
  for (std::size_t c = 1; c < s.columnNames.size(); ++c)
    EXPECT_TRUE(std::isnan(s.values[c][2])) << s.columnNames[c];
}

TEST(YearlySeries, PulsesAndBaseFlowAsTheIndicesCountThem) {
  // Two years of a base flow of 10 with, in the first, two high pulses (3 and 1 days at 100)
  // and one low pulse of 4 days at 1. The positive flows' 25th percentile is 10 and the 75th
  // 10: a pulse is strictly below or above 10.
  FlowRecord r = testing::ConstantRecord(2, 10.0f);
  for (int s = 20; s < 23; ++s) r.flows[0][s] = 100.0f;
  r.flows[0][40] = 100.0f;
  for (int s = 200; s < 204; ++s) r.flows[0][s] = 1.0f;
  const YearlySeries s = ComputeYearlySeries(r);
  EXPECT_EQ(Col(s, "high_pulses")[0], 2);
  EXPECT_EQ(Col(s, "high_pulse_duration")[0], 2.0);
  EXPECT_EQ(Col(s, "low_pulses")[0], 1);
  EXPECT_EQ(Col(s, "low_pulse_duration")[0], 4.0);
  EXPECT_EQ(Col(s, "high_pulses")[1], 0);
  EXPECT_TRUE(std::isnan(Col(s, "high_pulse_duration")[1]));  // no pulse, no duration
  // The 7-day minimum holds the four days at 1 and three at 10: (4 + 30) / 7, over the year's
  // plain mean.
  const float plainMean = (366.0f * 10.0f - 8.0f * 10.0f + 4.0f * 100.0f + 4.0f * 1.0f) / 366.0f;
  EXPECT_NEAR(Col(s, "baseflow_ratio")[0], (34.0f / 7.0f) / plainMean, 1e-6);
  EXPECT_EQ(Col(s, "baseflow_ratio")[1], 1.0);
  EXPECT_EQ(Col(s, "min_7day")[0], static_cast<double>(34.0f / 7.0f));
}

}  // namespace
}  // namespace zelvo
