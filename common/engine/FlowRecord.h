#pragma once
// The in-memory form of one record of daily mean flows: up to 150 water years of 366 day slots,
// and up to 150 annual peaks paired with the daily mean flow of the peak's day.

#include <array>
#include <cstdint>
#include <vector>

namespace zelvo {

inline constexpr int kMaxYears = 150;
inline constexpr int kDaySlots = 366;
inline constexpr int kMaxPeaks = 150;
// A day without a value. Bit pattern 0x497423f0.
inline constexpr float kMissing = 999999.0f;
// 0-based slot of 29 February; it stays missing in years without a leap day.
inline constexpr int kLeapDaySlot = 151;

using YearFlows = std::array<float, kDaySlots>;

struct FlowRecord {
  FlowRecord() : flows(kMaxYears) { Clear(0.0f); }

  // Sets every year number to 0, every flow to `fill` and forgets the peaks.
  void Clear(float fill) {
    yearCount = 0;
    years.fill(0);
    for (auto& y : flows) y.fill(fill);
    peakCount = 0;
    peaks.fill(0.0f);
    peakDayFlows.fill(0.0f);
    missingDays.fill(0);
    longestRun.fill(0);
    yearsWithoutData = 0;
  }

  int FirstYear() const { return yearCount > 0 ? years[0] : 0; }
  int LastYear() const { return yearCount > 0 ? years[yearCount - 1] : 0; }

  int yearCount = 0;                            // N, 0 to 150
  std::array<std::int32_t, kMaxYears> years{};  // water year number of each column
  std::vector<YearFlows> flows;                 // [year column][0-based slot], always 150 rows
  int peakCount = 0;                            // P, 0 to 150
  std::array<float, kMaxPeaks> peaks{};         // peak discharge, cfs
  std::array<float, kMaxPeaks> peakDayFlows{};  // daily mean flow on the day of each peak

  // Filled by the missing-data screening.
  std::array<int, kMaxYears> missingDays{};
  std::array<int, kMaxYears> longestRun{};
  int yearsWithoutData = 0;
};

}  // namespace zelvo
