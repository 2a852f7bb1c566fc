// Independent checks of the engine's arithmetic: the float32 order of the scaled indices, where
// the other order rounds to a different float, and a real desert-river record whose rows were
// worked out by a separate float32 computation of every index written from the index
// definitions (not from this code).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/engine/EngineContext.h"
#include "common/engine/HiOutputFile.h"
#include "common/import/DailyValueReader.h"
#include "support/EngineHarness.h"

namespace zelvo {
namespace {

using testing::ConstantRecord;

EngineOptions WithLimits(float area = 1.0f) {
  EngineOptions o;
  o.drainageArea = area;
  return o;
}

// One year: 100 days at 1.0, the other 266 at 10.0.
FlowRecord LowSpellYear() {
  FlowRecord r = ConstantRecord(1, 10.0f);
  for (int s = 0; s < 100; ++s) r.flows[0][s] = 1.0f;
  return r;
}

// ---- order of the float32 operations ----------------------------------------------------------

TEST(EngineReviewArithmetic, Ma3MultipliesByHundredBeforeDividingByTheRecordMean) {
  const FlowRecord r = LowSpellYear();
  // With a single year the mean of the per-year standard deviations is that year's own.
  std::vector<float> days(r.flows[0].begin(), r.flows[0].end());
  const SummaryStats s = ComputeSummaryStats(static_cast<int>(days.size()), days.data());
  const float expected = (100.0f * s.stdDev) / s.mean;
  ASSERT_NE(expected, 100.0f * (s.stdDev / s.mean));  // the two orders round apart here
  EXPECT_EQ(expected, 53.255977630615234f);
  const IndexResults x = RunIndexEngine(r, WithLimits());
  EXPECT_EQ(x[MA(3)].value, expected);
  EXPECT_EQ(x[MA(3)].lower, expected);
  EXPECT_EQ(x[MA(3)].upper, expected);
}

TEST(EngineReviewArithmetic, Ml19ScalesTheMeanRatioByHundred) {
  // Annual minimum 1, annual mean 2760 / 366: the ratio is taken first, then times 100.
  const float annualMean = 2760.0f / 366.0f;
  const float expected = 100.0f * (1.0f / annualMean);
  ASSERT_NE(expected, (100.0f * 1.0f) / annualMean);
  EXPECT_EQ(expected, 13.260869979858398f);
  const IndexResults x = RunIndexEngine(LowSpellYear(), WithLimits());
  EXPECT_EQ(x[ML(19)].value, expected);
  EXPECT_EQ(x[ML(19)].lower, expected);
  EXPECT_EQ(x[ML(19)].upper, expected);
}

TEST(EngineReviewArithmetic, VariabilityIsHundredTimesTheDeviationOverTheMean) {
  // Two years with 1-day minima 1 and 10 (DL1); DL6 = 100 x sd / mean of {1, 10}.
  FlowRecord r = ConstantRecord(2, 10.0f);
  r.flows[0][200] = 1.0f;
  float minima[2] = {1.0f, 10.0f};
  const SummaryStats s = ComputeSummaryStats(2, minima);
  const float expected = (100.0f * s.stdDev) / s.mean;
  ASSERT_NE(expected, 100.0f * (s.stdDev / s.mean));
  EXPECT_EQ(expected, 115.70838165283203f);
  const IndexResults x = RunIndexEngine(r, WithLimits());
  EXPECT_EQ(x[DL(1)].value, 5.5f);
  EXPECT_EQ(x[DL(6)].value, expected);
  EXPECT_EQ(x[DL(6)].lower, kMissing);
  EXPECT_EQ(x[DL(6)].upper, kMissing);
}

TEST(EngineReviewArithmetic, Dl20MultipliesTheZeroMonthCountByHundredFirst) {
  // One year whose October flows are all 0: one zero month out of 12.
  FlowRecord r = ConstantRecord(1, 5.0f);
  for (int s = 0; s < 31; ++s) r.flows[0][s] = 0.0f;
  const float expected = 100.0f / 12.0f;
  ASSERT_NE(expected, 100.0f * (1.0f / 12.0f));
  const IndexResults x = RunIndexEngine(r, WithLimits());
  EXPECT_EQ(x[DL(20)].value, expected);
  EXPECT_EQ(x[DL(18)].value, 31.0f);
}

// ---- a real record against an independent computation -----------------------------------------

// 33 water years of a flashy desert river, 1989-2021, with October-December 1989 and most of
// September 2021 missing (so some monthly minima and maxima keep their seeds), drainage area 100.
TEST(EngineReviewRealRecord, VerdeRiverRowsMatchAnIndependentComputation) {
  const std::filesystem::path path =
      std::filesystem::path(ZELVO_REAL_DATA_DIR) / "dv_09506000_VerdeRiver_CampVerde_AZ.txt";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no real data at " << path;
  FlowRecord record;
  DailyValueSpan span;
  const Status read = ReadDailyValueFile(path, ImportProgram::Main, 0, 0, record, span);
  ASSERT_TRUE(read.Ok()) << read.Message();
  ASSERT_EQ(record.yearCount, 33);
  const IndexResults x = RunIndexEngine(record, WithLimits(100.0f));
  const std::vector<std::pair<int, std::string>> rows = {
      {MA(1), "MA1,   93.400,  341.360,  214.500"},
      {MA(3), "MA3,   37.532,  228.985,  273.858"},
      {MA(4), "MA4,NC,  106.800,NC"},
      {MA(8), "MA8,NC,    2.297,NC"},
      {MA(12), "MA12,  205.968,  691.003,  483.339"},
      {MA(36), "MA36,NC,   42.400,NC"},
      {MA(41), "MA41,    1.701,    3.396,    4.632"},
      {ML(13), "ML13,NC,  989.891,NC"},
      {ML(17), "ML17,    0.110,    0.181,    0.252"},
      {ML(20), "ML20,NC,    0.486,NC"},
      {MH(15), "MH15,NC,   24.146,NC"},
      {MH(19), "MH19,NC,    0.193,NC"},
      {MH(21), "MH21,   27.250,   73.076,   92.636"},
      {MH(27), "MH27,    1.521,   11.324,    5.005"},
      {FL(1), "FL1,    4.500,    6.636,    8.500"},
      {FL(2), "FL2,NC,   38.198,NC"},
      {FH(8), "FH8,    5.500,    7.152,    8.500"},
      {FH(10), "FH10,    1.000,    2.242,    3.000"},
      {DL(14), "DL14,NC,    0.595,NC"},
      {DL(16), "DL16,   10.312,   13.286,   19.850"},
      {DL(20), "DL20,NC,    1.010,NC"},
      {DH(14), "DH14,NC,    0.168,NC"},
      {DH(15), "DH15,    5.864,   12.000,   19.736"},
      {DH(20), "DH20,    5.864,   14.385,   19.736"},
  };
  for (const auto& [number, row] : rows) EXPECT_EQ(FormatHiRow(number, x), row);
}

}  // namespace
}  // namespace zelvo
