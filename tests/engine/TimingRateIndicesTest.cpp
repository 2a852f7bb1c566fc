// Timing and rate-of-change indices TA1-RA9 on small records whose answers are worked by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/engine/HiOutputFile.h"
#include "common/engine/TextFormat.h"
#include "common/engine/TimingRateIndices.h"
#include "support/EngineHarness.h"

namespace zelvo {
namespace {

using testing::ConstantRecord;
using testing::ContextAfterMagnitude;

constexpr float kTol = 5e-4f;  // the files carry 3 decimals

// Runs the timing group on a record in the state the earlier groups leave.
IndexResults RunTiming(const FlowRecord& record, EngineOptions options = {}) {
  auto ctx = ContextAfterMagnitude(record, options);
  ComputeTimingRateIndices(*ctx);
  return ctx->results;
}

// Three peaks of 10, 100 and 1000 cfs whose peak-day flows equal the peaks: the fitted line is
// y = x, so T167 = 10^2.4 (about 251.2 cfs) and T5 = 10^3 (1000 cfs).
void AddStraightLinePeaks(FlowRecord& r) {
  r.peakCount = 3;
  const float peaks[3] = {10.0f, 100.0f, 1000.0f};
  for (int k = 0; k < 3; ++k) r.peaks[k] = r.peakDayFlows[k] = peaks[k];
}

EngineOptions WithPeaks() {
  EngineOptions o;
  o.usePeaks = true;
  return o;
}

void SetSlots(FlowRecord& r, int year, int first, int last, float flow) {
  for (int s = first; s <= last; ++s) r.flows[year][s] = flow;
}

// A one-year record holding `flows` in its first slots, every later slot missing.
FlowRecord ShortYear(const std::vector<float>& flows, int year = 1991) {
  FlowRecord r = ConstantRecord(1, kMissing, year);
  for (std::size_t i = 0; i < flows.size(); ++i) r.flows[0][i] = flows[i];
  return r;
}

TEST(TimingDates, DayNumbersFollowTheCalendarYear) {
  EXPECT_EQ(DayNumberOfSlot(0), 274);    // 1 October
  EXPECT_EQ(DayNumberOfSlot(91), 365);   // 31 December
  EXPECT_EQ(DayNumberOfSlot(92), 1);     // 1 January
  EXPECT_EQ(DayNumberOfSlot(151), 60);   // 29 February
  EXPECT_EQ(DayNumberOfSlot(365), 274);  // 30 September
}

TEST(TimingDates, CircularMeanOfDatesEitherSideOfNewYear) {
  // 2 January and 30 December: the mean lies 0.375 days into the year, not in midsummer.
  const CircularDate d = CircularMeanDate({2, 364});
  EXPECT_NEAR(d.meanDay, 0.375f, kTol);
  EXPECT_NEAR(d.spread, 1.625f, 2e-3f);  // each date lies 1.625 days from the mean
}

TEST(TimingDates, MeanAngleInEveryQuadrant) {
  for (int day : {30, 100, 200, 300, 365}) {
    const CircularDate d = CircularMeanDate({day});
    EXPECT_NEAR(d.meanDay, static_cast<float>(day), 2e-3f) << "day " << day;
    EXPECT_FALSE(std::isnan(d.spread)) << "day " << day;
    EXPECT_NEAR(d.spread, 0.0f, 0.05f) << "day " << day;
  }
}

TEST(TimingDates, DatesAllOnOneDayHaveNoSpreadExceptWhereFloat32RoundingLeavesOne) {
  // cos and sin of the day are rounded to float32, so c^2 + s^2 misses 1 by up to about 2^-23.
  // Kept as float32, r rounds to exactly 1 on most days; taken in double, 1 - r of about 1e-8
  // gave a spread of sqrt(2e-8) rad = 0.008 days or more. On days 217, 224, 236, 311 and 331
  // the float32 r is 1 - 2^-24: sqrt(2 * 2^-24) rad = 0.019783 degrees = 0.02007 days.
  const std::vector<int> oneStepBelow{217, 224, 236, 311, 331};
  for (int years = 1; years <= 150; years += 149)
    for (int day = 1; day <= 365; ++day) {
      const CircularDate d = CircularMeanDate(std::vector<int>(static_cast<std::size_t>(years), day));
      if (std::find(oneStepBelow.begin(), oneStepBelow.end(), day) != oneStepBelow.end())
        ASSERT_NEAR(d.spread, 0.02007f, 1e-5f) << years << " years on day " << day;
      else
        ASSERT_EQ(d.spread, 0.0f) << years << " years on day " << day;
    }
  // Every year's minimum on 1 October (day 274), the mean date of many real records: the
  // spread was 0.011 days there while r stayed in double.
  FlowRecord r = ConstantRecord(3, 10.0f);
  for (int y = 0; y < 3; ++y) r.flows[y][0] = 1.0f;
  r.flows[1][50] = 100.0f;
  r.flows[2][50] = 100.0f;
  r.flows[0][300] = 100.0f;  // maxima on days 324, 324 and 209
  const IndexResults res = RunTiming(r);
  EXPECT_EQ(FormatHiRow(TL(2), res), "TL2,NC,    0.000,NC");
  EXPECT_EQ(FormatHiRow(TL(1), res), "TL1,NC,  274.000,NC");
  EXPECT_NE(FormatHiRow(TH(2), res), "TH2,NC,    0.000,NC");
}

TEST(TimingDates, MeanAngleFromTheFloatMeansInDoubleKeptAsFloatDegrees) {
  // Days 124, 295 and 40. The float32 means are c = 0.19792305 and s = 0.18200743; their
  // quotient in double is 0.919586842 (0.919586837 in float32), atan gives 42.6012326 degrees,
  // kept as the float32 42.6012344, and 42.6012344 x 365.25 / 360 = 43.2225037 days. With the
  // quotient in float32 the angle is 42.6012306 and the day 43.2224998: the written third
  // decimal moves from 43.223 to 43.222.
  CircularDate d = CircularMeanDate({124, 295, 40});
  EXPECT_EQ(d.meanDay, 43.2225037f);
  EXPECT_EQ(Format("%9.3f", d.meanDay), "   43.223");
  // Days 175, 12 and 206 (c < 0): atan + 180 = 183.41075992 degrees, kept as the float32
  // 183.4107666, gives day 186.0855103; carried in double it would be day 186.0854950.
  d = CircularMeanDate({175, 12, 206});
  EXPECT_EQ(d.meanDay, 186.08551f);
  EXPECT_EQ(Format("%9.3f", d.meanDay), "  186.086");
  // Days 141, 364 and 278 (negative angle): -49.0048402 degrees is kept as the float32
  // -49.0048409, and 360 is added in float32: 310.9951477 degrees, day 315.5304871 (315.531 when
  // the angle stays in double).
  d = CircularMeanDate({141, 364, 278});
  EXPECT_EQ(d.meanDay, 315.530487f);
  EXPECT_EQ(Format("%9.3f", d.meanDay), "  315.530");
}

TEST(TimingDates, NoMeanDirectionGivesDayZeroAndTheWidestSpread) {
  const CircularDate d = CircularMeanDate({});
  EXPECT_EQ(d.meanDay, 0.0f);
  // r = 0: sqrt(2) radians expressed in days.
  EXPECT_NEAR(d.spread, std::sqrt(2.0) * 180.0 / M_PI / 360.0 * 365.25, kTol);
}

TEST(TimingDates, AnnualMinimumTakesTheFirstOfEqualFlowsAndTheYearTurnMatches) {
  // Year 1: minimum 1 on slots 50 and 250; year 2: minimum on slot 50 only.
  FlowRecord r = ConstantRecord(2, 10.0f);
  r.flows[0][50] = r.flows[0][250] = 1.0f;
  r.flows[1][50] = 1.0f;
  // Maxima: 30 on slots 100 and 200 of both years.
  for (int y = 0; y < 2; ++y) r.flows[y][100] = r.flows[y][200] = 30.0f;
  const IndexResults res = RunTiming(r);
  EXPECT_NEAR(res[TL(1)].value, static_cast<float>(DayNumberOfSlot(50)), 2e-3f);
  EXPECT_NEAR(res[TH(1)].value, static_cast<float>(DayNumberOfSlot(100)), 2e-3f);
  // Every date the same: no spread, and no square root of a rounding below zero.
  EXPECT_FALSE(std::isnan(res[TL(2)].value));
  EXPECT_NEAR(res[TL(2)].value, 0.0f, 0.05f);
  EXPECT_NEAR(res[TH(2)].value, 0.0f, 0.05f);

  // Minima on 30 September (slot 365) and 1 October (slot 0) have the same day number.
  FlowRecord turn = ConstantRecord(2, 10.0f);
  turn.flows[0][365] = 1.0f;
  turn.flows[1][0] = 1.0f;
  const IndexResults t = RunTiming(turn);
  EXPECT_NEAR(t[TL(1)].value, 274.0f, 2e-3f);
  EXPECT_NEAR(t[TL(2)].value, 0.0f, 0.05f);
}

TEST(TimingDates, TwoYearRecordWithMinimaOnSecondAndLastButOneDayOfTheYear) {
  FlowRecord r = ConstantRecord(2, 10.0f);
  r.flows[0][93] = 1.0f;  // 2 January
  r.flows[1][90] = 1.0f;  // 30 December
  const IndexResults res = RunTiming(r);
  EXPECT_NEAR(res[TL(1)].value, 0.375f, kTol);
  EXPECT_FALSE(res[TL(1)].lower != kMissing || res[TL(1)].upper != kMissing);
}

TEST(TimingDates, YearWithoutFlowAboveZeroTakesTheMinimumDateForTheMaximum) {
  // Year 1 is dry from slot 10 on: its first valid day, slot 10 (day 284), is its minimum and
  // stands in for its maximum. Year 2 peaks on slot 40 (day 314): the mean maximum is day 299.
  FlowRecord r = ConstantRecord(2, 5.0f);
  SetSlots(r, 0, 0, 9, kMissing);
  SetSlots(r, 0, 10, 365, 0.0f);
  r.flows[1][40] = 50.0f;
  const IndexResults res = RunTiming(r);
  EXPECT_NEAR(res[TH(1)].value, 299.0f, 2e-3f);
}

TEST(ColwellIndices, HandWorkedTables) {
  // One day in class 1 of column 0 and one in class 2 of column 1: flow fully predictable
  // from the day, classes spread over two of eleven.
  ClassCountTable t{};
  t[0][0] = 1;
  t[1][1] = 1;
  Colwell c = ColwellFromCounts(t);
  const double share = std::log10(2.0) / std::log10(11.0);
  EXPECT_NEAR(c.constancy, 1.0 - share, 1e-6);
  EXPECT_NEAR(c.predictability, 100.0, 1e-4);

  // Both days in the same column: the day tells nothing about the class.
  ClassCountTable u{};
  u[0][0] = 1;
  u[1][0] = 1;
  c = ColwellFromCounts(u);
  EXPECT_NEAR(c.constancy, 1.0 - share, 1e-6);
  EXPECT_NEAR(c.predictability, 100.0 * (1.0 - share), 1e-4);

  // An empty table has no uncertainty at all.
  c = ColwellFromCounts(ClassCountTable{});
  EXPECT_EQ(c.constancy, 1.0f);
  EXPECT_EQ(c.predictability, 100.0f);
}

TEST(ColwellIndices, ConstantFlowIsFullyConstantAndPredictable) {
  const IndexResults res = RunTiming(ConstantRecord(3, 10.0f));
  EXPECT_FLOAT_EQ(res[TA(1)].value, 1.0f);
  EXPECT_FLOAT_EQ(res[TA(2)].value, 100.0f);
  EXPECT_EQ(res[TA(1)].lower, kMissing);
  EXPECT_EQ(res[TA(2)].upper, kMissing);
}

TEST(ColwellIndices, ZeroFlowCountsAsHundredthAndClassTestsAreIndependent) {
  // Half the days 0, half 0.2: MA1 = 0.1, L = -1, the class bounds run downwards. A day of 0
  // (v = -2) passes the test of class 1 (v < -0.1) and of class 11 (v >= -2.25); a day of 0.2
  // (v = -0.7) passes the same two. Every column thus holds two counts in classes 1 and 11.
  FlowRecord r = ConstantRecord(1, 0.2f);
  SetSlots(r, 0, 0, 182, 0.0f);
  const IndexResults res = RunTiming(r);
  const double share = std::log10(2.0) / std::log10(11.0);
  EXPECT_NEAR(res[TA(1)].value, 1.0 - share, 1e-5);
  EXPECT_NEAR(res[TA(2)].value, 100.0 * (1.0 - share), 1e-3);
}

// The class of each day taken from its own logarithm, test by test: what the table of TA1/TA2
// must hold whatever shortcut the engine takes.
ClassCountTable CountClassesByLogarithm(const std::vector<YearFlows>& flows, float recordMean) {
  const double level = static_cast<float>(std::log10(static_cast<double>(recordMean)));
  const double factors[10] = {0.1, 0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0, 2.25};
  double bound[10];
  for (int k = 0; k < 10; ++k) bound[k] = factors[k] * level;
  ClassCountTable counts{};
  for (const YearFlows& year : flows) {
    int column = 0;
    for (int s = 0; s < kDaySlots && column < kDayColumns; ++s) {
      if (s == kLeapDaySlot || year[s] == kMissing) continue;
      const double v = static_cast<float>(std::log10(year[s] == 0.0f ? 0.01 : static_cast<double>(year[s])));
      counts[0][column] += v < bound[0] ? 1 : 0;
      for (int k = 1; k < 10; ++k) counts[k][column] += bound[k - 1] <= v && v < bound[k] ? 1 : 0;
      counts[10][column] += v >= bound[9] ? 1 : 0;
      ++column;
    }
  }
  return counts;
}

TEST(ColwellIndices, FlowsOnAndBesideEveryClassBoundCountAsTheirLogarithmSays) {
  // Record means above 1, of 1 (every bound 0), below 1 (the bounds turn around), of 0 and not a
  // number (no bound to pass), each with flows at the float nearest every bound's flow and the
  // floats beside it, 0 of both signs, the smallest and largest floats and gaps.
  for (const float mean : {37.5f, 1.0f, 0.4f, 1234.5f, 0.0f, std::nanf("")}) {
    std::vector<float> days = {0.0f, -0.0f, 1e-45f, 1e-38f, 0.01f, 3.4e38f, kMissing};
    const double level = static_cast<float>(std::log10(static_cast<double>(mean)));
    for (const double factor : {0.1, 0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0, 2.25}) {
      const float f = static_cast<float>(std::pow(10.0, factor * level));
      if (!(f > 0.0f) || std::isinf(f)) continue;
      float g = f;
      for (int step = 0; step < 4; ++step) g = std::nextafter(g, 0.0f);
      for (int step = 0; step < 9; ++step) {
        days.push_back(g);
        g = std::nextafter(g, 3.4e38f);
      }
    }
    std::vector<YearFlows> flows(3);
    std::size_t next = 0;
    for (YearFlows& year : flows)
      for (float& slot : year) slot = days[next++ % days.size()];
    const ClassCountTable expected = CountClassesByLogarithm(flows, mean);
    EXPECT_EQ(CountFlowClasses(flows, 3, mean), expected) << "record mean " << mean;
    // Only the first years count.
    EXPECT_EQ(CountFlowClasses(flows, 0, mean), ClassCountTable{});
  }
}

TEST(ColwellIndices, ColumnsCountValidDaysAndSkipTheLeapDay) {
  // Both years have one high day first and low days after it; in the second year a gap comes
  // before the high day, so the high days share column 0 and every column holds one class.
  FlowRecord r = ConstantRecord(2, 10.0f);
  r.flows[0][0] = 1000.0f;
  r.flows[1][0] = kMissing;
  r.flows[1][1] = 1000.0f;
  IndexResults res = RunTiming(r);
  EXPECT_FLOAT_EQ(res[TA(2)].value, 100.0f);
  EXPECT_LT(res[TA(1)].value, 1.0f);

  // A high flow on 29 February takes no part: the classes stay constant.
  FlowRecord leap = ConstantRecord(2, 10.0f);
  leap.flows[0][kLeapDaySlot] = 1000.0f;
  leap.flows[1][kLeapDaySlot] = kMissing;
  res = RunTiming(leap);
  EXPECT_FLOAT_EQ(res[TA(1)].value, 1.0f);
  EXPECT_FLOAT_EQ(res[TA(2)].value, 100.0f);
}

TEST(FloodSeasons, SeasonCountersOfEvents) {
  std::array<int, kSeasons> counters{};
  // A flood from slot 55 to 70 (ended by a valid day on 71) starts in the first season and runs
  // into the second.
  CountEventSeasons({FlowEvent{55, 70, 16, 0.0f, 71}}, counters);
  EXPECT_EQ(counters, (std::array<int, kSeasons>{1, 1, 0, 0, 0, 0}));
  // A long event from 100 to 250 runs over the first slots of seasons 3, 4 and 5 (122, 183, 244).
  counters = {};
  CountEventSeasons({FlowEvent{100, 250, 151, 0.0f, 251}, FlowEvent{365, 365, 1, 0.0f, kDaySlots}}, counters);
  EXPECT_EQ(counters, (std::array<int, kSeasons>{0, 1, 1, 1, 1, 1}));
}

// A year of 100 cfs with the given flows on the given slots (kMissing for a gap).
YearFlows YearWith(std::initializer_list<std::pair<int, float>> days) {
  YearFlows y;
  y.fill(100.0f);
  for (const auto& [slot, flow] : days) y[slot] = flow;
  return y;
}

TEST(FloodSeasons, AnEventOpenBeforeAGapIsStillOpenOnTheSeasonsFirstSlot) {
  auto count = [](const YearFlows& year) {
    std::vector<FlowEvent> events;
    ScanEvents(
        year, [](float f) { return f > 300.0f; }, events);
    std::array<int, kSeasons> counters{};
    CountEventSeasons(events, counters);
    return counters;
  };
  using Counters = std::array<int, kSeasons>;
  // Flood on slots 58-59, gap 60-62 over the first slot of season 2 (61), 100 cfs from 63: the
  // event is open on slot 61 and counts in both seasons.
  YearFlows y = YearWith({{58, 500}, {59, 500}, {60, kMissing}, {61, kMissing}, {62, kMissing}});
  EXPECT_EQ(count(y), (Counters{1, 1, 0, 0, 0, 0}));
  // The same with a valid day of 100 cfs on slot 60: the event ends before the season begins.
  y[60] = 100.0f;
  EXPECT_EQ(count(y), (Counters{1, 0, 0, 0, 0, 0}));
  // The valid day that ends it on the season's first slot itself: not open there either.
  y = YearWith({{59, 500}, {60, kMissing}, {61, 100}});
  EXPECT_EQ(count(y), (Counters{1, 0, 0, 0, 0, 0}));
  // Flood days on both sides of the gap are one event, open on slot 61: counted in both.
  y = YearWith({{59, 500}, {60, kMissing}, {61, kMissing}, {62, 500}});
  EXPECT_EQ(count(y), (Counters{1, 1, 0, 0, 0, 0}));
  // A record that stops inside the year while a flood is running: nothing ends the event
  // before the year does, so it is open on the first slots of seasons 5 and 6 (244, 305).
  y = YearWith({{240, 500}});
  for (int s = 241; s < kDaySlots; ++s) y[s] = kMissing;
  EXPECT_EQ(count(y), (Counters{0, 0, 0, 1, 1, 1}));
}

TEST(FloodSeasons, Ta3AndTl3CountAnEventOpenOverAGapInTheNewSeason) {
  // TA3 (T167 = 251.19 cfs): a flood on slots 55-58 is open over the gap 59-64 that covers the
  // first slot of season 2 (61) and ends on the valid day 65; a second flood starts on slot 100.
  // W = 2; season 1 counts one start, season 2 one start and the open flood: TA3 = 2 / 2.
  FlowRecord floods = ConstantRecord(2, 100.0f, 1991);
  AddStraightLinePeaks(floods);
  SetSlots(floods, 0, 55, 58, 500.0f);
  SetSlots(floods, 0, 59, 64, kMissing);
  SetSlots(floods, 0, 100, 102, 500.0f);
  EXPECT_FLOAT_EQ(RunTiming(floods, WithPeaks())[TA(3)].value, 1.0f);
  // A valid day of 100 cfs on slot 60 ends the first flood before the season: 1 / 2.
  floods.flows[0][60] = 100.0f;
  EXPECT_FLOAT_EQ(RunTiming(floods, WithPeaks())[TA(3)].value, 0.5f);

  // TL3 (T5 = 1000 cfs): a dip on slots 115-119, gap 120-125 over the first slot of season 3
  // (122), and a second dip on slots 150-155. Y = 2; season 3 counts the open dip and the
  // start of the second: TL3 = 2 / 2.
  FlowRecord dips = ConstantRecord(1, 2000.0f, 1992);
  AddStraightLinePeaks(dips);
  SetSlots(dips, 0, 115, 119, 500.0f);
  SetSlots(dips, 0, 120, 125, kMissing);
  SetSlots(dips, 0, 150, 155, 500.0f);
  EXPECT_FLOAT_EQ(RunTiming(dips, WithPeaks())[TL(3)].value, 1.0f);
  dips.flows[0][121] = 2000.0f;
  EXPECT_FLOAT_EQ(RunTiming(dips, WithPeaks())[TL(3)].value, 0.5f);
}

TEST(FloodSeasons, SingleFloodAcrossTwoSeasons) {
  FlowRecord r = ConstantRecord(2, 100.0f, 1991);
  AddStraightLinePeaks(r);
  SetSlots(r, 0, 55, 70, 500.0f);
  const IndexResults res = RunTiming(r, WithPeaks());
  ASSERT_NEAR(res.threshold167, 251.19f, 0.05f);
  EXPECT_FLOAT_EQ(res[TA(3)].value, 1.0f);
  // Flood-free from slot 71 to 365.
  EXPECT_NEAR(res[TH(3)].value, 295.0f / 365.0f, 1e-6f);
}

TEST(FloodSeasons, FloodsInSeveralSeasonsAndTheLongestFloodFreeRun) {
  FlowRecord r = ConstantRecord(2, 100.0f, 1991);
  AddStraightLinePeaks(r);
  SetSlots(r, 0, 10, 12, 500.0f);
  SetSlots(r, 1, 20, 22, 500.0f);
  SetSlots(r, 1, 200, 201, 500.0f);
  r.flows[1][21] = kMissing;  // a gap inside a flood neither ends nor splits it
  const IndexResults res = RunTiming(r, WithPeaks());
  EXPECT_NEAR(res[TA(3)].value, 2.0f / 3.0f, 1e-6f);
  // Flood-free runs 0-9, 13-19, 23-199, 202-365: the longest is 177 slots.
  EXPECT_NEAR(res[TH(3)].value, 177.0f / 365.0f, 1e-6f);
}

TEST(FloodSeasons, NoFloodMakesTa3NotComputedAndTh3TheWholeYear) {
  FlowRecord r = ConstantRecord(2, 100.0f);
  AddStraightLinePeaks(r);
  const IndexResults res = RunTiming(r, WithPeaks());
  EXPECT_EQ(res[TA(3)].value, kMissing);
  EXPECT_NEAR(res[TH(3)].value, 366.0f / 365.0f, 1e-6f);
}

TEST(LowFlowSeasons, EventsAtOrBelowTheFiveYearThreshold) {
  FlowRecord probe = ConstantRecord(2, 2000.0f, 1992);
  AddStraightLinePeaks(probe);
  const float t5 = ContextAfterMagnitude(probe, WithPeaks())->threshold5;
  ASSERT_NEAR(t5, 1000.0f, 0.5f);

  // Year 1992 (366 days): one dip in season 2 (slots 100-110). Year 1993 (365 days): a dip
  // from 115 to 125 that runs into season 3, and one day exactly at T5 on slot 300.
  FlowRecord r = probe;
  SetSlots(r, 0, 100, 110, 500.0f);
  SetSlots(r, 1, 115, 125, 500.0f);
  r.flows[1][300] = t5;
  const IndexResults res = RunTiming(r, WithPeaks());
  // Events: 3. Counters: season 2 twice (two starts), season 3 once, season 5 once.
  EXPECT_NEAR(res[TL(3)].value, 2.0f / 3.0f, 1e-6f);
  EXPECT_EQ(res.threshold5, t5);
  // Days above T5: 1992 has 366 - 11 = 355 of 366 days, 1993 has 366 - 12 = 354 of 365.
  EXPECT_NEAR(res[TL(4)].value, 355.0f / 366.0f, 1e-6f);

  // The same flows numbered 1991-1992: the first year now divides by 365 and leads.
  r.years[0] = 1991;
  r.years[1] = 1992;
  const IndexResults shifted = RunTiming(r, WithPeaks());
  EXPECT_NEAR(shifted[TL(4)].value, 355.0f / 365.0f, 1e-6f);
}

TEST(LowFlowSeasons, TwoPeaksPutTheLineThroughBothPointsAndAFlowOnTheFiveYearThreshold) {
  // Two peak pairs fit a line through both points. x5, percentile 0.8 of two values (rank 2.4),
  // is the larger log peak, so log T5 = a x5 + b is the log of its day flow and T5 = 59,861 cfs.
  // x*, percentile 0.6 (rank 1.8), lies 0.8 of the way from x1 to x2, so T167 is about
  // 28,838^0.2 x 59,861^0.8 = 51,725.92 cfs (float32 logarithms: within a millionth).
  // With a and b rounded to float32 first, T5 came out as 59,860.934 and the day below as a flow
  // above it.
  FlowRecord r = ConstantRecord(1, 100000.0f, 1991);
  r.peakCount = 2;
  r.peaks[0] = 39932.0f;
  r.peakDayFlows[0] = 28838.0f;
  r.peaks[1] = 78560.0f;
  r.peakDayFlows[1] = 59861.0f;
  r.flows[0][10] = 59861.0f;  // a day exactly on T5: a low-flow event of one day
  const IndexResults res = RunTiming(r, WithPeaks());
  EXPECT_EQ(res.threshold5, 59861.0f);
  EXPECT_NEAR(res.threshold167, std::pow(28838.0, 0.2) * std::pow(59861.0, 0.8), 0.05);
  EXPECT_EQ(FormatHiRow(TL(3), res), "TL3,NC,    1.000,NC, ,5 year threshold = 59861.000");
  // 1991 counts 365 days; 365 of its 366 slots lie above T5.
  EXPECT_EQ(res[TL(4)].value, 1.0f);
}

TEST(LowFlowSeasons, NoLowFlowEventMakesTl3NotComputed) {
  FlowRecord r = ConstantRecord(1, 2000.0f, 1992);
  AddStraightLinePeaks(r);
  const IndexResults res = RunTiming(r, WithPeaks());
  EXPECT_EQ(res[TL(3)].value, kMissing);
  EXPECT_NEAR(res[TL(4)].value, 1.0f, 1e-6f);  // 366 of 366 days above T5 in 1992
}

TEST(PeakIndices, WithoutPeaksOrInClassifierModeTheyAreNotComputed) {
  FlowRecord r = ConstantRecord(2, 100.0f);
  AddStraightLinePeaks(r);
  SetSlots(r, 0, 55, 70, 500.0f);
  EngineOptions classifier;
  classifier.classifierMode = true;
  classifier.usePeaks = true;
  for (const EngineOptions& o : {EngineOptions{}, classifier}) {
    const IndexResults res = RunTiming(r, o);
    for (int i : {TA(3), TL(3), TL(4), TH(3)}) EXPECT_EQ(res[i].value, kMissing) << IndexName(i);
    EXPECT_NE(res[TL(1)].value, kMissing);
  }
}

TEST(RateOfChange, RisingRecord) {
  std::vector<float> flows;
  for (int i = 1; i <= 10; ++i) flows.push_back(static_cast<float>(i));
  const IndexResults res = RunTiming(ShortYear(flows));
  EXPECT_FLOAT_EQ(res[RA(1)].value, 1.0f);
  EXPECT_FLOAT_EQ(res[RA(1)].lower, 1.0f);
  EXPECT_FLOAT_EQ(res[RA(2)].value, 0.0f);  // all rises equal
  EXPECT_FLOAT_EQ(res[RA(3)].value, 0.0f);  // no fall
  EXPECT_EQ(res[RA(4)].value, kMissing);    // mean of no falls is 0
  EXPECT_FLOAT_EQ(res[RA(5)].value, 0.9f);  // 9 rises among 10 days, not 1
  EXPECT_FLOAT_EQ(res[RA(8)].value, 0.0f);
}

TEST(RateOfChange, DifferencesRunAcrossGapsAndWaterYears) {
  // Year 1 at 10 with a gap, year 2 at 4: the only change is a fall of 6 at the turn of the year.
  FlowRecord r = ConstantRecord(2, 10.0f);
  SetSlots(r, 0, 100, 150, kMissing);
  r.flows[1].fill(4.0f);
  const IndexResults res = RunTiming(r);
  EXPECT_FLOAT_EQ(res[RA(3)].value, -6.0f);
  EXPECT_FLOAT_EQ(res[RA(3)].upper, -6.0f);
  EXPECT_FLOAT_EQ(res[RA(1)].value, 0.0f);
  EXPECT_FLOAT_EQ(res[RA(5)].value, 0.0f);
  EXPECT_NEAR(res[RA(7)].value, std::log(10.0) - std::log(4.0), 1e-5);
}

TEST(RateOfChange, MeansAndMediansOfTheRises) {
  // Rises 1, 1 and 4, falls -2 and -5.
  const FlowRecord r = ShortYear({1, 2, 3, 7, 5, 0});
  EXPECT_FLOAT_EQ(RunTiming(r)[RA(1)].value, 2.0f);
  EngineOptions median;
  median.medianOption = true;
  const IndexResults m = RunTiming(r, median);
  EXPECT_FLOAT_EQ(m[RA(1)].value, 1.0f);
  EXPECT_FLOAT_EQ(m[RA(3)].value, -3.5f);  // median of -5, -2
  // RA2: sample standard deviation of 1, 1, 4 is sqrt(3), mean 2.
  EXPECT_NEAR(m[RA(2)].value, 100.0 * std::sqrt(3.0) / 2.0, 1e-3);
  EXPECT_NEAR(m[RA(4)].value, 100.0 * std::sqrt(4.5) / -3.5, 1e-3);
  EXPECT_EQ(m[RA(4)].lower, kMissing);
}

TEST(RateOfChange, LogarithmicChangesTakeZeroAsHundredth) {
  // 0 -> 1 -> 1 -> 0: one rise and one fall of ln(1) - ln(0.01) = 4.60517.
  const IndexResults res = RunTiming(ShortYear({0, 1, 1, 0}));
  EXPECT_NEAR(res[RA(6)].value, 4.60517f, 1e-5f);
  EXPECT_NEAR(res[RA(7)].value, 4.60517f, 1e-5f);
  // Log changes always take the median: rises ln 2, ln 2, ln 8 have median ln 2.
  EngineOptions mean;
  const IndexResults m = RunTiming(ShortYear({1, 2, 4, 32}), mean);
  EXPECT_NEAR(m[RA(6)].value, std::log(2.0), 1e-6);
  EXPECT_NEAR(m[RA(6)].upper, std::log(8.0), 2e-6);  // rank 3 of 3
}

TEST(Reversals, CountingRule) {
  auto year = [](std::vector<float> flows) {
    YearFlows y;
    y.fill(kMissing);
    for (std::size_t i = 0; i < flows.size(); ++i) y[i * 2] = flows[i];  // gaps between days
    return y;
  };
  EXPECT_EQ(CountReversals(year({1, 2, 3, 2, 4})), 2);  // up, up, down, up
  EXPECT_EQ(CountReversals(year({5, 5, 5, 5})), 0);
  EXPECT_EQ(CountReversals(year({1, 1, 2, 1})), 1);        // level start, then up, then down
  EXPECT_EQ(CountReversals(year({3, 1, 1, 2, 2, 0})), 2);  // level days change nothing
  EXPECT_EQ(CountReversals(year({7})), 0);
}

TEST(Reversals, PerYearCountsAndTheirVariability) {
  // Year 1: up, up, down, up (2 reversals); year 2 constant (0). Mean 1, sd sqrt(2).
  FlowRecord r = ConstantRecord(2, 5.0f);
  r.flows[0].fill(kMissing);
  const float first[5] = {1, 2, 3, 2, 4};
  for (int i = 0; i < 5; ++i) r.flows[0][i] = first[i];
  const IndexResults res = RunTiming(r);
  EXPECT_FLOAT_EQ(res[RA(8)].value, 1.0f);
  EXPECT_FLOAT_EQ(res[RA(8)].lower, 0.0f);
  EXPECT_FLOAT_EQ(res[RA(8)].upper, 2.0f);
  EXPECT_NEAR(res[RA(9)].value, 100.0 * std::sqrt(2.0), 1e-3);
}

TEST(Reversals, NoReversalAnywhereGivesZeroHereAndNotComputedForTheClassifier) {
  const FlowRecord r = ConstantRecord(3, 5.0f);
  EXPECT_EQ(RunTiming(r)[RA(9)].value, 0.0f);
  EngineOptions classifier;
  classifier.classifierMode = true;
  const IndexResults c = RunTiming(r, classifier);
  EXPECT_EQ(c[RA(9)].value, kMissing);
  EXPECT_EQ(c[RA(8)].lower, kMissing);  // no limits in classifier mode
}

class RecordingProgress : public EngineProgress {
 public:
  void SetPosition(int position) override { positions.push_back(position); }
  std::vector<int> positions;
};

TEST(TimingGroup, ProgressAndTheRefilledFlowList) {
  FlowRecord r = ConstantRecord(1, 3.0f);
  r.flows[0][0] = 0.0f;
  r.flows[0][1] = kMissing;
  r.flows[0][2] = 9.0f;
  auto ctx = ContextAfterMagnitude(r, {});
  RecordingProgress progress;
  ctx->progress = &progress;
  ComputeTimingRateIndices(*ctx);
  EXPECT_EQ(progress.positions, (std::vector<int>{87, 90, 92}));
  // All 365 valid days, zero included, in record order.
  ASSERT_EQ(ctx->flowCount, 365);
  ASSERT_GE(ctx->flowList.size(), 365u);
  EXPECT_EQ(ctx->flowList[0], 0.0f);
  EXPECT_EQ(ctx->flowList[1], 9.0f);
  EXPECT_EQ(ctx->flowList[2], 3.0f);
}

}  // namespace
}  // namespace zelvo
