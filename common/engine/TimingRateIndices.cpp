// TA1-TH3: constancy, predictability and seasonality of flows, and the dates of the annual low
// and high flows; RA1-RA9: rise and fall rates and the reversals of the hydrograph.

#include "common/engine/TimingRateIndices.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>

#include "common/engine/EngineContext.h"

namespace zelvo {

namespace {

constexpr double kPi = std::numbers::pi;

// Entropy term -p log10 p of a count out of a total; 0 for an empty cell.
double EntropyTerm(int count, double total) {
  if (count == 0) return 0.0;
  const double p = static_cast<double>(count) / total;
  return -p * std::log10(p);
}

// log10 of a flow for the flow classes of TA1/TA2; a flow of 0 counts as 0.01.
float ClassLog(float flow) {
  return static_cast<float>(std::log10(flow == 0.0f ? 0.01 : static_cast<double>(flow)));
}

// Natural logarithm of a flow for RA6/RA7; a flow of 0 counts as 0.01.
float RateLog(float flow) {
  return static_cast<float>(std::log(flow == 0.0f ? 0.01 : static_cast<double>(flow)));
}

// TA1 and TA2. Each valid day of a year (29 February left out) falls into the column of its
// position among the year's valid days, and into every one of the eleven flow classes whose test
// it passes: with a record mean below 1 the bounds are negative and turn around, so the tests are
// kept as independent comparisons rather than a search for the one class.
// The eleven class tests of one day whose class logarithm is v: bit k set when the day counts in
// class k.
unsigned ClassMask(double v, const std::array<double, 10>& bound) {
  unsigned mask = v < bound[0] ? 1u : 0u;
  for (int k = 1; k < 10; ++k) mask |= (bound[k - 1] <= v) & (v < bound[k]) ? 1u << k : 0u;
  mask |= v >= bound[9] ? 1u << 10 : 0u;
  return mask;
}

}  // namespace

ClassCountTable CountFlowClasses(const std::vector<YearFlows>& flows, int years, float recordMean) {
  const double level = static_cast<float>(std::log10(static_cast<double>(recordMean)));
  static constexpr std::array<double, 10> kBounds = {0.1, 0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0, 2.25};
  std::array<double, 10> bound{};
  bool numbers = true;
  for (std::size_t i = 0; i < kBounds.size(); ++i) {
    bound[i] = kBounds[i] * level;
    numbers &= !std::isnan(bound[i]);
  }
  // ClassLog is non-decreasing over the positive floats, whose bit patterns are in numeric
  // order, so "ClassLog(f) >= bound" holds exactly from the first bit pattern where it holds:
  // found once per bound by bisection, it replaces a logarithm per day by integer comparisons.
  // A test against a bound that is not a number fails either way; such a run takes the
  // logarithm of each day.
  constexpr std::uint32_t kInfinity = 0x7f800000u;
  std::array<std::uint32_t, 10> from{};
  for (int k = 0; k < 10 && numbers; ++k) {
    const auto holds = [&](std::uint32_t bits) {
      return static_cast<double>(ClassLog(std::bit_cast<float>(bits))) >= bound[k];
    };
    if (!holds(kInfinity)) {
      from[k] = kInfinity + 1;  // never: no flow that is a number has a larger pattern
      continue;
    }
    std::uint32_t lo = 1, hi = kInfinity;  // holds(hi); the answer is in [lo, hi]
    while (lo < hi) {
      const std::uint32_t mid = lo + (hi - lo) / 2;
      if (holds(mid))
        hi = mid;
      else
        lo = mid + 1;
    }
    from[k] = lo;
  }
  // The tests a day passes depend only on how many of the bit patterns `from` it reaches: one
  // set of classes per step of the sorted patterns, taken from the step's first pattern.
  std::array<std::uint32_t, 10> steps = from;
  std::sort(steps.begin(), steps.end());
  std::array<unsigned, 11> stepMask{};
  for (int c = 0; c <= 10 && numbers; ++c) {
    const std::uint32_t bits = c == 0 ? 0u : steps[c - 1];
    unsigned atLeast = 0;  // bit k: ClassLog(f) >= bound[k]
    for (int k = 0; k < 10; ++k) atLeast |= c > 0 && bits >= from[k] ? 1u << k : 0u;
    // Class 0: below bound 0; class k: at least bound k-1 and below bound k; class 10: at least
    // bound 9.
    stepMask[c] = (~atLeast & 1u) | ((atLeast << 1) & ~atLeast & 0x3feu) | ((atLeast >> 9 & 1u) << 10);
  }
  const auto maskOf = [&](float f) {
    // A flow of 0 (either sign) counts as 0.01 and takes its classes from the logarithm.
    if (!numbers || f == 0.0f) return ClassMask(ClassLog(f), bound);
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(f);
    int c = 0;
    for (int k = 0; k < 10; ++k) c += bits >= steps[k] ? 1 : 0;
    return stepMask[c];
  };

  ClassCountTable counts{};
  float lastFlow = -1.0f;  // runs of equal flows are common; their classes are found once
  unsigned mask = 0;
  for (int y = 0; y < years; ++y) {
    const YearFlows& year = flows[y];
    int column = 0;
    for (int s = 0; s < kDaySlots && column < kDayColumns; ++s) {
      if (s == kLeapDaySlot) continue;
      const float f = year[s];
      if (f == kMissing) continue;
      if (f != lastFlow) {
        mask = maskOf(f);
        lastFlow = f;
      }
      for (unsigned m = mask; m != 0; m &= m - 1) ++counts[std::countr_zero(m)][column];
      ++column;
    }
  }
  return counts;
}

namespace {

void ComputeColwell(EngineContext& ctx) {
  const Colwell c = ColwellFromCounts(CountFlowClasses(ctx.flows, ctx.years, ctx.recordMean));
  ctx.results[TA(1)] = FormS(c.constancy);
  ctx.results[TA(2)] = FormS(c.predictability);
}

// The season counters of a list of events over the whole record: the largest counter divided by
// the number of events, NC without events.
IndexResult SeasonalShare(const std::vector<FlowEvent>& events) {
  if (events.empty()) return NotComputed();
  std::array<int, kSeasons> counters{};
  CountEventSeasons(events, counters);
  const int largest = *std::max_element(counters.begin(), counters.end());
  return FormS(static_cast<float>(largest) / static_cast<float>(events.size()));
}

// TA3: seasonal predictability of floods, the events above the 1.67-year threshold.
void ComputeFloodSeasonality(EngineContext& ctx) {
  if (!ctx.haveLine) {
    ctx.results[TA(3)] = NotComputed();
    return;
  }
  const float threshold = ctx.threshold167;
  std::vector<FlowEvent> events;
  for (int y = 0; y < ctx.years; ++y)
    ScanEvents(
        ctx.flows[y], [threshold](float f) { return f > threshold; }, events);
  ctx.results[TA(3)] = SeasonalShare(events);
}

// TL1, TL2 and TH1, TH2: mean dates of the annual minimum and maximum. A year without a valid
// day has no date and stays out of the means; a year without a flow above 0 takes the date of
// its minimum for the maximum.
void ComputeExtremeDates(EngineContext& ctx, std::vector<int>& minimumDays, std::vector<int>& maximumDays) {
  minimumDays.clear();
  maximumDays.clear();
  for (int y = 0; y < ctx.years; ++y) {
    const ExtremeSlots e = FindExtremeSlots(ctx.flows[y]);
    if (e.low < 0) continue;
    minimumDays.push_back(DayNumberOfSlot(e.low));
    maximumDays.push_back(DayNumberOfSlot(e.high < 0 ? e.low : e.high));
  }
}

// TL3 and TL4, around the 5-year threshold T5.
void ComputeLowFlowSeasonality(EngineContext& ctx) {
  if (!ctx.haveLine) {
    ctx.results[TL(3)] = NotComputed();
    ctx.results[TL(4)] = NotComputed();
    return;
  }
  const float threshold = ctx.threshold5;
  std::vector<FlowEvent> events;
  float largestShare = 0.0f;
  for (int y = 0; y < ctx.years; ++y) {
    const YearFlows& year = ctx.flows[y];
    ScanEvents(
        year, [threshold](float f) { return f <= threshold; }, events);
    int above = 0;
    for (float f : year)
      if (EngineContext::Valid(f) && f > threshold) ++above;
    const float days = ctx.yearNumbers[y] % 4 == 0 ? 366.0f : 365.0f;
    const float share = static_cast<float>(above) / days;
    if (share > largestShare) largestShare = share;
  }
  ctx.results[TL(3)] = SeasonalShare(events);
  ctx.results[TL(4)] = FormS(largestShare);
}

// TH3: the longest run of slots in which no year of the record floods (flow above T167), as a
// share of 365 days.
void ComputeFloodFreeSeason(EngineContext& ctx) {
  if (!ctx.haveLine) {
    ctx.results[TH(3)] = NotComputed();
    return;
  }
  std::array<bool, kDaySlots> flooded{};
  for (int y = 0; y < ctx.years; ++y)
    for (int s = 0; s < kDaySlots; ++s) {
      const float f = ctx.flows[y][s];
      flooded[s] = flooded[s] || (EngineContext::Valid(f) && f > ctx.threshold167);
    }
  int longest = 0;
  int run = 0;
  for (int s = 0; s < kDaySlots; ++s) {
    run = flooded[s] ? 0 : run + 1;
    longest = std::max(longest, run);
  }
  ctx.results[TH(3)] = FormS(static_cast<float>(longest) / 365.0f);
}

// RA1-RA9. The shared flow list takes every valid day in record order, so the day-to-day
// differences run across gaps and from one water year into the next.
void ComputeRateOfChange(EngineContext& ctx) {
  int n = 0;
  for (int y = 0; y < ctx.years; ++y)
    for (float f : ctx.flows[y])
      if (EngineContext::Valid(f)) ctx.flowList[n++] = f;
  ctx.flowCount = n;
  const float* x = ctx.flowList.data();

  // Rises into scratch A, falls into scratch B.
  float* rises = ctx.scratchA.data();
  float* falls = ctx.scratchB.data();
  const DailyChanges changes = SplitDailyChanges(x, n, rises, falls);
  int riseCount = changes.rises, fallCount = changes.falls;
  SummaryStats stats;
  ctx.results[RA(1)] = FormY(ctx, rises, riseCount, Central::MedianOption, &stats);
  ctx.results[RA(2)] = FormV(stats.stdDev, stats.mean);
  ctx.results[RA(3)] = FormY(ctx, falls, fallCount, Central::MedianOption, &stats);
  ctx.results[RA(4)] = FormV(stats.stdDev, stats.mean);
  // An empty record has no days to share the rises among.
  ctx.results[RA(5)] = FormS(n > 0 ? static_cast<float>(riseCount) / static_cast<float>(n) : 0.0f);

  // Day-to-day changes of the natural logarithm: rises and the sizes of the falls.
  riseCount = fallCount = 0;
  float previous = n > 0 ? RateLog(x[0]) : 0.0f;
  for (int i = 0; i + 1 < n; ++i) {
    const float next = x[i + 1] == x[i] ? previous : RateLog(x[i + 1]);
    const float e = next - previous;
    rises[riseCount] = e;
    falls[fallCount] = std::fabs(e);
    riseCount += e > 0.0f ? 1 : 0;
    fallCount += e < 0.0f ? 1 : 0;
    previous = next;
  }
  ctx.results[RA(6)] = FormY(ctx, rises, riseCount, Central::Median);
  ctx.results[RA(7)] = FormY(ctx, falls, fallCount, Central::Median);

  PerYear reversals{};
  for (int y = 0; y < ctx.years; ++y) reversals[y] = static_cast<float>(CountReversals(ctx.flows[y]));
  ctx.results[RA(8)] = FormY(ctx, reversals.data(), ctx.years, Central::MedianOption, &stats);
  // Without any reversal the variability is 0 in the results file; the classifier gets NC.
  if (stats.mean == 0.0f)
    ctx.results[RA(9)] = ctx.classifier ? NotComputed() : FormS(0.0f);
  else
    ctx.results[RA(9)] = FormV(stats.stdDev, stats.mean);
}

}  // namespace

ExtremeSlots FindExtremeSlots(const YearFlows& year) {
  ExtremeSlots e;
  float lowest = kMinimumSeed;
  float highest = 0.0f;
  for (int s = 0; s < kDaySlots; ++s) {
    const float f = year[s];
    if (!EngineContext::Valid(f)) continue;
    if (f < lowest) {
      lowest = f;
      e.low = s;
    }
    if (f > highest) {
      highest = f;
      e.high = s;
    }
  }
  return e;
}

DailyChanges SplitDailyChanges(const float* flows, int n, float* rises, float* falls) {
  DailyChanges c;
  // Rises and falls alternate at random; every change is written to both lists and only the
  // matching list moves on, which keeps the loop free of branches on the flows.
  for (int i = 0; i + 1 < n; ++i) {
    const float d = flows[i + 1] - flows[i];
    rises[c.rises] = d;
    falls[c.falls] = d;
    c.rises += d > 0.0f ? 1 : 0;
    c.falls += d < 0.0f ? 1 : 0;
  }
  return c;
}

CircularDate CircularMeanDate(const std::vector<int>& days) {
  // The cosine and sine of each year are kept as float32 per-year values; their means are summed
  // in double like every mean of a per-year series.
  double sumCos = 0.0, sumSin = 0.0;
  for (int d : days) {
    const double theta = static_cast<double>(d) * (2.0 * kPi) / 365.25;
    sumCos += static_cast<float>(std::cos(theta));
    sumSin += static_cast<float>(std::sin(theta));
  }
  const std::size_t n = days.size();
  const float c = n > 0 ? static_cast<float>(sumCos / static_cast<double>(n)) : 0.0f;
  const float s = n > 0 ? static_cast<float>(sumSin / static_cast<double>(n)) : 0.0f;

  // The mean angle is taken in double from the float32 means and kept as float32 degrees; the
  // day number is formed from that stored angle.
  float degrees = 0.0f;  // no mean direction (c = s = 0): the angle is taken as 0
  if (c != 0.0f) {
    const double arc = std::atan(static_cast<double>(s) / static_cast<double>(c)) * 180.0 / kPi;
    degrees = static_cast<float>(c > 0.0f ? arc : arc + 180.0);
  } else if (s > 0.0f)
    degrees = 90.0f;
  else if (s < 0.0f)
    degrees = 270.0f;
  if (degrees < 0.0f) degrees += 360.0f;

  // The mean resultant length is kept as float32 like the means it comes from, so that dates
  // that all fall on one day give r = 1 exactly on most days rather than a spread made of the
  // rounding of cos and sin. On 5 of the 365 day numbers (217, 224, 236, 311 and 331) the
  // float32 cos and sin leave r one float step below 1: a spread of 0.020 days, which is what
  // this arithmetic gives and is kept.
  const float r = static_cast<float>(std::sqrt(static_cast<double>(c) * c + static_cast<double>(s) * s));
  // A rounding of r above 1 must not make the spread the square root of a negative number.
  const double oneLessR = std::max(0.0, 1.0 - static_cast<double>(r));
  CircularDate result;
  result.meanDay = static_cast<float>(static_cast<double>(degrees) * 365.25 / 360.0);
  result.spread = static_cast<float>(std::sqrt(2.0 * oneLessR) * 180.0 / kPi / 360.0 * 365.25);
  return result;
}

Colwell ColwellFromCounts(const ClassCountTable& counts) {
  std::array<int, kFlowClasses> classTotal{};
  std::array<int, kDayColumns> columnTotal{};
  long long grand = 0;
  for (int k = 0; k < kFlowClasses; ++k)
    for (int j = 0; j < kDayColumns; ++j) {
      classTotal[k] += counts[k][j];
      columnTotal[j] += counts[k][j];
      grand += counts[k][j];
    }
  Colwell c;
  const double z = static_cast<double>(grand);
  double hTime = 0.0, hClass = 0.0, hJoint = 0.0;
  if (grand > 0) {
    for (int j = 0; j < kDayColumns; ++j) hTime += EntropyTerm(columnTotal[j], z);
    for (int k = 0; k < kFlowClasses; ++k) hClass += EntropyTerm(classTotal[k], z);
    for (int k = 0; k < kFlowClasses; ++k)
      for (int j = 0; j < kDayColumns; ++j) hJoint += EntropyTerm(counts[k][j], z);
  }
  const double logClasses = std::log10(static_cast<double>(kFlowClasses));
  c.constancy = static_cast<float>(1.0 - hClass / logClasses);
  c.predictability = static_cast<float>(100.0 * (1.0 - (hJoint - hTime) / logClasses));
  return c;
}

void CountEventSeasons(const std::vector<FlowEvent>& events, std::array<int, kSeasons>& counters) {
  for (const FlowEvent& e : events) {
    ++counters[std::min(e.firstSlot / kSeasonSlots, kSeasons - 1)];
    for (int season = 1; season < kSeasons; ++season) {
      const int start = season * kSeasonSlots;
      if (e.firstSlot < start && start < e.endSlot) ++counters[season];
    }
  }
}

int CountReversals(const YearFlows& year) {
  enum class Direction { None, Up, Down };
  Direction direction = Direction::None;
  bool havePrevious = false, haveDifference = false;
  float previous = 0.0f;
  int reversals = 0;
  for (float f : year) {
    if (!EngineContext::Valid(f)) continue;
    if (havePrevious) {
      const float d = f - previous;
      if (!haveDifference) {
        direction = d > 0.0f ? Direction::Up : (d < 0.0f ? Direction::Down : Direction::None);
        haveDifference = true;
      } else if (d > 0.0f) {
        if (direction == Direction::Down) ++reversals;
        direction = Direction::Up;
      } else if (d < 0.0f) {
        if (direction == Direction::Up) ++reversals;
        direction = Direction::Down;
      }
    }
    previous = f;
    havePrevious = true;
  }
  return reversals;
}

void ComputeTimingRateIndices(EngineContext& ctx) {
  ComputeColwell(ctx);
  ComputeFloodSeasonality(ctx);
  ctx.Progress(progress::kTa3);

  std::vector<int> minimumDays, maximumDays;
  ComputeExtremeDates(ctx, minimumDays, maximumDays);
  const CircularDate low = CircularMeanDate(minimumDays);
  ctx.results[TL(1)] = FormS(low.meanDay);
  ctx.results[TL(2)] = FormS(low.spread);
  ComputeLowFlowSeasonality(ctx);
  ctx.Progress(progress::kTl4);

  const CircularDate high = CircularMeanDate(maximumDays);
  ctx.results[TH(1)] = FormS(high.meanDay);
  ctx.results[TH(2)] = FormS(high.spread);
  ComputeFloodFreeSeason(ctx);
  ctx.Progress(progress::kTh3);

  ComputeRateOfChange(ctx);
}

}  // namespace zelvo
