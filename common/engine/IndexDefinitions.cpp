#include "common/engine/IndexDefinitions.h"

#include <array>
#include <initializer_list>

#include "common/engine/IndexCatalogue.h"

namespace zelvo {
namespace {

constexpr const char* kMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

constexpr const char* kAverage = "Magnitude of average flow";
constexpr const char* kLowMagnitude = "Magnitude of low flow";
constexpr const char* kHighMagnitude = "Magnitude of high flow";
constexpr const char* kLowFrequency = "Frequency of low-flow events";
constexpr const char* kHighFrequency = "Frequency of high-flow events";
constexpr const char* kLowDuration = "Duration of low flow";
constexpr const char* kHighDuration = "Duration of high flow";
constexpr const char* kAverageTiming = "Timing of average flow";
constexpr const char* kLowTiming = "Timing of low flow";
constexpr const char* kHighTiming = "Timing of high flow";
constexpr const char* kRate = "Rate of change";

constexpr const char* kCfs = "cfs";
constexpr const char* kCfsPerArea = "cfs per square mile";
constexpr const char* kPercent = "percent";
constexpr const char* kRatio = "dimensionless";
constexpr const char* kPerYear = "per year";
constexpr const char* kDaysPerYear = "days per year";
constexpr const char* kDays = "days";
constexpr const char* kDayOfYear = "day of the year";
constexpr const char* kCfsPerDay = "cfs per day";
constexpr const char* kLogPerDay = "ln(cfs) per day";

// A definition put together from its pieces.
std::string Text(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (std::string_view piece : pieces) text += piece;
  return text;
}

struct Row {
  std::string group;
  std::string definition;
  std::string units;
};

struct Table {
  std::array<Row, kIndexCount> rows;

  void Set(int number, const char* group, std::string definition, const char* units) {
    rows[number] = Row{group, std::move(definition), units};
  }

  Table() {
    // Average flows.
    Set(MA(1), kAverage, "Mean of all daily flows of the record.", kCfs);
    Set(MA(2), kAverage, "Median of all daily flows of the record.", kCfs);
    Set(MA(3), kAverage,
        "Variability of daily flows: the mean of the yearly standard deviations of daily flow, as a "
        "percentage of the mean daily flow of the record.",
        kPercent);
    Set(MA(4), kAverage,
        "Variability of the flow-duration curve: the standard deviation of the 5th, 10th, ..., 95th "
        "percentiles of the daily flows, as a percentage of their mean.",
        kPercent);
    Set(MA(5), kAverage, "Skewness of daily flows: the mean daily flow divided by the median daily flow.",
        kRatio);
    const char* exceeded[3][2] = {{"10", "90"}, {"20", "80"}, {"25", "75"}};
    for (int i = 0; i < 3; ++i)
      Set(MA(6 + i), kAverage,
          Text({"Range of the flow-duration curve: the flow exceeded ", exceeded[i][0],
                " percent of the time divided by the flow exceeded ", exceeded[i][1],
                " percent of the time."}),
          kRatio);
    const char* spread[3][2] = {{"90th", "10th"}, {"80th", "20th"}, {"75th", "25th"}};
    for (int i = 0; i < 3; ++i)
      Set(MA(9 + i), kAverage,
          Text({"Spread of daily flows: the ", spread[i][0], " minus the ", spread[i][1],
                " percentile of the daily flows, divided by the median daily flow."}),
          kRatio);
    for (int m = 0; m < 12; ++m) {
      const char* month = kMonths[m];
      Set(MA(12 + m), kAverage,
          Text({"Mean ", month, " flow: the mean over the years of each year's mean daily flow in ", month,
                "."}),
          kCfs);
      Set(MA(24 + m), kAverage,
          Text({"Variability of ", month,
                " flows: the mean over the years of the coefficient of variation of each year's daily ",
                "flows in ", month, " (standard deviation as a percentage of the mean)."}),
          kPercent);
      Set(ML(1 + m), kLowMagnitude,
          Text({"Mean minimum ", month, " flow: the mean over the years of each year's lowest daily flow in ",
                month, "."}),
          kCfs);
      Set(MH(1 + m), kHighMagnitude,
          Text({"Mean maximum ", month,
                " flow: the mean over the years of each year's highest daily flow in ", month, "."}),
          kCfs);
    }
    Set(MA(36), kAverage,
        "Range of monthly flows: the largest minus the smallest monthly mean flow of the record, divided "
        "by the median of the monthly mean flows.",
        kRatio);
    Set(MA(37), kAverage,
        "Spread of monthly flows: the 75th minus the 25th percentile of the monthly mean flows of the "
        "record, divided by their median.",
        kRatio);
    Set(MA(38), kAverage,
        "Spread of monthly flows: the 90th minus the 10th percentile of the monthly mean flows of the "
        "record, divided by their median.",
        kRatio);
    Set(MA(39), kAverage,
        "Variability of monthly flows: the standard deviation of the monthly mean flows of the record as "
        "a percentage of their mean.",
        kPercent);
    Set(MA(40), kAverage,
        "Skewness of monthly flows: the mean minus the median of the monthly mean flows of the record, "
        "divided by their median.",
        kRatio);
    Set(MA(41), kAverage,
        "Mean annual runoff: the mean of the annual mean flows divided by the drainage area.", kCfsPerArea);
    Set(MA(42), kAverage,
        "Range of annual flows: the largest minus the smallest annual mean flow, divided by the median "
        "of the annual mean flows.",
        kRatio);
    Set(MA(43), kAverage,
        "Spread of annual flows: the 75th minus the 25th percentile of the annual mean flows, divided by "
        "their median.",
        kRatio);
    Set(MA(44), kAverage,
        "Spread of annual flows: the 90th minus the 10th percentile of the annual mean flows, divided by "
        "their median.",
        kRatio);
    Set(MA(45), kAverage,
        "Skewness of annual flows: the mean minus the median of the annual mean flows, divided by their "
        "median.",
        kRatio);

    // Low flows.
    Set(ML(13), kLowMagnitude,
        "Variability of monthly minimum flows: the standard deviation of the monthly minimum daily flows "
        "of the record as a percentage of their mean.",
        kPercent);
    Set(ML(14), kLowMagnitude,
        "Mean of the yearly ratios of the annual minimum daily flow to the annual median daily flow.",
        kRatio);
    Set(ML(15), kLowMagnitude,
        "Low-flow index: the mean of the yearly ratios of the annual minimum daily flow to the annual "
        "mean daily flow.",
        kRatio);
    Set(ML(16), kLowMagnitude,
        "Median of the yearly ratios of the annual minimum daily flow to the annual median daily flow.",
        kRatio);
    Set(ML(17), kLowMagnitude,
        "Base flow: the mean of the yearly ratios of the lowest 7-day mean flow to the annual mean flow.",
        kRatio);
    Set(ML(18), kLowMagnitude,
        "Variability in base flow: the standard deviation of the yearly ratios of ML17 as a percentage "
        "of their mean.",
        kPercent);
    Set(ML(19), kLowMagnitude,
        "Base flow: the mean of the yearly ratios of the annual minimum daily flow to the annual mean "
        "flow, as a percentage.",
        kPercent);
    Set(ML(20), kLowMagnitude,
        "Base-flow ratio of the whole record: the base flow traced through the minima of successive "
        "5-day blocks of the days with flow, divided by the total flow.",
        kRatio);
    Set(ML(21), kLowMagnitude,
        "Variability of annual minimum flows: the standard deviation of the annual minimum daily flows "
        "as a percentage of their mean.",
        kPercent);
    Set(ML(22), kLowMagnitude,
        "Specific mean annual minimum flow: the mean of the annual minimum daily flows divided by the "
        "drainage area.",
        kCfsPerArea);

    // High flows.
    Set(MH(13), kHighMagnitude,
        "Variability of monthly maximum flows: the standard deviation of the monthly maximum daily flows "
        "of the record as a percentage of their mean.",
        kPercent);
    Set(MH(14), kHighMagnitude,
        "Median of the yearly ratios of the annual maximum daily flow to the annual median daily flow.",
        kRatio);
    const char* rare[3] = {"1", "10", "25"};
    for (int i = 0; i < 3; ++i)
      Set(MH(15 + i), kHighMagnitude,
          Text({"High-flow discharge: the daily flow exceeded on ", rare[i],
                " percent of the days with flow, divided by the median daily flow."}),
          kRatio);
    Set(MH(18), kHighMagnitude,
        "Variability of annual maximum flows: the standard deviation of the base-10 logarithms of the "
        "annual maximum daily flows as a percentage of their mean.",
        kPercent);
    Set(MH(19), kHighMagnitude, "Skewness of the base-10 logarithms of the annual maximum daily flows.",
        kRatio);
    Set(MH(20), kHighMagnitude,
        "Specific mean annual maximum flow: the mean of the annual maximum daily flows divided by the "
        "drainage area.",
        kCfsPerArea);
    const char* above[3] = {"the median daily flow", "3 times the median daily flow",
                            "7 times the median daily flow"};
    for (int i = 0; i < 3; ++i) {
      Set(MH(21 + i), kHighMagnitude,
          Text({"High-flow volume: the mean volume of flow above ", above[i],
                " per high-flow event, divided by the median daily flow (days of median flow)."}),
          kDays);
      Set(MH(24 + i), kHighMagnitude,
          Text({"High peak flow: the mean of the peak daily flows of the events above ", above[i],
                ", divided by the median daily flow."}),
          kRatio);
    }
    Set(MH(27), kHighMagnitude,
        "High peak flow: the mean of the peak daily flows of the events above the 75th percentile of the "
        "daily flows above zero, divided by the median daily flow.",
        kRatio);

    // Frequency of low and high flows.
    Set(FL(1), kLowFrequency,
        "Low-flow pulse count: the mean number per year of events with flow below the 25th percentile of "
        "the daily flows above zero.",
        kPerYear);
    Set(FL(2), kLowFrequency,
        "Variability in low-flow pulse count: the standard deviation of the yearly FL1 counts as a "
        "percentage of their mean.",
        kPercent);
    Set(FL(3), kLowFrequency,
        "Frequency of low-flow spells: the mean number per year of events with flow below 5 percent of "
        "the mean daily flow.",
        kPerYear);
    Set(FH(1), kHighFrequency,
        "High-flow pulse count: the mean number per year of events with flow above the 75th percentile "
        "of the daily flows above zero.",
        kPerYear);
    Set(FH(2), kHighFrequency,
        "Variability in high-flow pulse count: the standard deviation of the yearly FH1 counts as a "
        "percentage of their mean.",
        kPercent);
    Set(FH(3), kHighFrequency,
        "High-flow days: the mean number per year of days with flow above 3 times the median daily flow.",
        kDaysPerYear);
    Set(FH(4), kHighFrequency,
        "High-flow days: the mean number per year of days with flow above 7 times the median daily flow.",
        kDaysPerYear);
    for (int i = 0; i < 3; ++i)
      Set(FH(5 + i), kHighFrequency,
          Text({"Flood frequency: the mean number per year of events with flow above ", above[i], "."}),
          kPerYear);
    Set(FH(8), kHighFrequency,
        "Flood frequency: the mean number per year of events with flow above the flow exceeded on 25 "
        "percent of the days with flow.",
        kPerYear);
    Set(FH(9), kHighFrequency,
        "Flood frequency: the mean number per year of events with flow above the flow exceeded on 75 "
        "percent of the days with flow.",
        kPerYear);
    Set(FH(10), kHighFrequency,
        "Flood frequency: the mean number per year of events with flow above the median of the annual "
        "minimum daily flows.",
        kPerYear);
    Set(FH(11), kHighFrequency,
        "Flood frequency: the mean number per year of events with flow above the 1.67-year flood "
        "threshold found from the annual peak flows.",
        kPerYear);

    // Duration of low and high flows.
    const char* windows[5] = {"daily flow", "3-day mean flow", "7-day mean flow", "30-day mean flow",
                              "90-day mean flow"};
    for (int i = 0; i < 5; ++i) {
      Set(DL(1 + i), kLowDuration,
          Text({"Annual minimum ", windows[i], ": the mean over the years of each year's lowest ", windows[i],
                "."}),
          kCfs);
      Set(DL(6 + i), kLowDuration,
          Text({"Variability of the annual minimum ", windows[i],
                ": the standard deviation of the yearly values of ", IndexName(DL(1 + i)),
                " as a percentage of their mean."}),
          kPercent);
      Set(DH(1 + i), kHighDuration,
          Text({"Annual maximum ", windows[i], ": the mean over the years of each year's highest ",
                windows[i], "."}),
          kCfs);
      Set(DH(6 + i), kHighDuration,
          Text({"Variability of the annual maximum ", windows[i],
                ": the standard deviation of the yearly values of ", IndexName(DH(1 + i)),
                " as a percentage of their mean."}),
          kPercent);
    }
    const char* relative[3] = {"daily flow", "7-day mean flow", "30-day mean flow"};
    for (int i = 0; i < 3; ++i) {
      Set(DL(11 + i), kLowDuration,
          Text({"The mean over the years of the annual minimum ", relative[i],
                " divided by the median daily flow."}),
          kRatio);
      Set(DH(11 + i), kHighDuration,
          Text({"The mean over the years of the annual maximum ", relative[i],
                " divided by the median daily flow."}),
          kRatio);
    }
    Set(DL(14), kLowDuration,
        "Low exceedance flow: the flow exceeded on 75 percent of the days with flow, divided by the "
        "median daily flow.",
        kRatio);
    Set(DL(15), kLowDuration,
        "Low exceedance flow: the flow exceeded on 90 percent of the days with flow, divided by the "
        "median daily flow.",
        kRatio);
    Set(DL(16), kLowDuration,
        "Low-flow pulse duration: the median over the years of the mean duration of the low-flow pulses "
        "of FL1.",
        kDays);
    Set(DL(17), kLowDuration,
        "Variability in low-flow pulse duration: the standard deviation of the yearly durations of DL16 "
        "as a percentage of their mean.",
        kPercent);
    Set(DL(18), kLowDuration, "Number of zero-flow days: the mean number per year of days without flow.",
        kDaysPerYear);
    Set(DL(19), kLowDuration,
        "Variability in the number of zero-flow days: the standard deviation of the yearly counts of "
        "DL18 as a percentage of their mean.",
        kPercent);
    Set(DL(20), kLowDuration,
        "Months without flow: the percentage of all months of the record whose daily flows add up to "
        "zero, months without data included.",
        kPercent);
    Set(DH(14), kHighDuration,
        "Flood duration: the monthly mean flow that 95 percent of the monthly mean flows of the record "
        "exceed, divided by the mean of the monthly mean flows.",
        kRatio);
    Set(DH(15), kHighDuration,
        "High-flow pulse duration: the median over the years of the mean duration of the high-flow "
        "pulses of FH1.",
        kDays);
    Set(DH(16), kHighDuration,
        "Variability in high-flow pulse duration: the standard deviation of the yearly durations of DH15 "
        "as a percentage of their mean.",
        kPercent);
    for (int i = 0; i < 3; ++i)
      Set(DH(17 + i), kHighDuration,
          Text({"High-flow duration: the mean, over the years with such events, of the mean duration of the "
                "events "
                "with flow above ",
                above[i], "."}),
          kDays);
    Set(DH(20), kHighDuration,
        "High-flow duration: the mean, over the years with such events, of the mean duration of the "
        "events with flow above the 75th percentile of the daily flows above zero.",
        kDays);
    Set(DH(21), kHighDuration,
        "High-flow duration: the mean, over the years with such events, of the mean duration of the "
        "events with flow above the 25th percentile of the daily flows above zero.",
        kDays);
    Set(DH(22), kHighDuration,
        "Flood interval: the mean over the years of each year's median length of the spells with flow "
        "below the 1.67-year flood threshold found from the annual peak flows.",
        kDays);
    Set(DH(23), kHighDuration,
        "Flood duration: the mean, over the years with floods, of the number of days with flow above the "
        "1.67-year flood threshold found from the annual peak flows.",
        kDaysPerYear);
    Set(DH(24), kHighDuration,
        "Flood-free days: the mean over the years of each year's longest spell with flow below the "
        "1.67-year flood threshold found from the annual peak flows.",
        kDays);

    // Timing.
    Set(TA(1), kAverageTiming,
        "Constancy (after Colwell): one minus the uncertainty of a day's flow class relative to its "
        "largest possible value, 1 for a flow that always stays in one class.",
        kRatio);
    Set(TA(2), kAverageTiming,
        "Predictability (after Colwell): how far the day of the year tells a day's flow class, as a "
        "percentage.",
        kPercent);
    Set(TA(3), kAverageTiming,
        "Seasonal predictability of flooding: the largest share of the flood events above the 1.67-year "
        "flood threshold (from the annual peak flows) that fall in one of six 61-day seasons.",
        kRatio);
    Set(TL(1), kLowTiming,
        "Date of the annual minimum: the circular mean over the years of the day of the year of the "
        "lowest daily flow.",
        kDayOfYear);
    Set(TL(2), kLowTiming,
        "Variability in the date of the annual minimum: the circular standard deviation of the days of TL1.",
        kDays);
    Set(TL(3), kLowTiming,
        "Seasonal predictability of low flow: the largest share of the low-flow events (flow at or below "
        "the 5-year threshold from the annual peak flows) that fall in one of six 61-day seasons.",
        kRatio);
    Set(TL(4), kLowTiming,
        "Seasonal predictability of non-low flow: the largest yearly fraction of days with flow above "
        "the 5-year threshold from the annual peak flows.",
        kRatio);
    Set(TH(1), kHighTiming,
        "Date of the annual maximum: the circular mean over the years of the day of the year of the "
        "highest daily flow.",
        kDayOfYear);
    Set(TH(2), kHighTiming,
        "Variability in the date of the annual maximum: the circular standard deviation of the days of TH1.",
        kDays);
    Set(TH(3), kHighTiming,
        "Seasonal predictability of non-flooding: the longest run of days of the year on which no year "
        "had a flow above the 1.67-year flood threshold (from the annual peak flows), as a fraction of "
        "365 days.",
        kRatio);

    // Rate of change.
    Set(RA(1), kRate, "Rise rate: the mean of the day-to-day increases in daily flow.", kCfsPerDay);
    Set(RA(2), kRate,
        "Variability in rise rate: the standard deviation of the day-to-day increases in daily flow as a "
        "percentage of their mean.",
        kPercent);
    Set(RA(3), kRate, "Fall rate: the mean of the day-to-day decreases in daily flow, a negative number.",
        kCfsPerDay);
    Set(RA(4), kRate,
        "Variability in fall rate: the standard deviation of the day-to-day decreases in daily flow as a "
        "percentage of their mean, a negative number.",
        kPercent);
    Set(RA(5), kRate,
        "Number of day rises: the number of days on which the flow rose from the day before, divided by "
        "the number of days with data.",
        kRatio);
    Set(RA(6), kRate,
        "Change of flow on rising days: the median of the day-to-day increases in the natural logarithm "
        "of daily flow.",
        kLogPerDay);
    Set(RA(7), kRate,
        "Change of flow on falling days: the median of the day-to-day decreases in the natural logarithm "
        "of daily flow, taken as positive numbers.",
        kLogPerDay);
    Set(RA(8), kRate,
        "Number of reversals: the mean number per year of changes between rising and falling flow.",
        kPerYear);
    Set(RA(9), kRate,
        "Variability in reversals: the standard deviation of the yearly numbers of reversals of RA8 as a "
        "percentage of their mean.",
        kPercent);
  }
};

const Table& TheTable() {
  static const Table table;
  return table;
}

}  // namespace

IndexDefinition IndexDefinitionOf(int number) {
  if (number < 0 || number >= kIndexCount) return {};
  const Row& row = TheTable().rows[number];
  return IndexDefinition{row.group, row.definition, row.units};
}

std::string IndexToolTip(int number) {
  const IndexDefinition d = IndexDefinitionOf(number);
  if (d.definition.empty()) return {};
  return Text({IndexName(number), " (", d.group, "): ", d.definition, "  Units: ", d.units, "."});
}

}  // namespace zelvo
