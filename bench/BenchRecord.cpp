#include "bench/BenchRecord.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zelvo::bench {
namespace {

// SplitMix64: the same numbers on every platform and standard library.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  double Uniform() {  // [0, 1)
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
  }
  double Exponential(double mean) { return -mean * std::log(1.0 - Uniform()); }

 private:
  std::uint64_t state_;
};

bool IsLeapWaterYear(int waterYear) {
  return (waterYear % 4 == 0 && waterYear % 100 != 0) || waterYear % 400 == 0;
}

float ToHundredths(double flow) { return static_cast<float>(std::round(flow * 100.0) / 100.0); }

}  // namespace

FlowRecord MakeBenchRecord() {
  constexpr int kYears = 150;
  constexpr double kPi = 3.14159265358979323846;
  Random random(20240917);
  FlowRecord r;
  r.yearCount = kYears;
  r.peakCount = kYears;
  double storage = 0.0;  // storm runoff still draining, carried across the turn of the year
  for (int y = 0; y < kYears; ++y) {
    const int waterYear = 1871 + y;
    r.years[y] = waterYear;
    // Wet and dry years: a base level between about 0.4 and 2.2 times the long-term one.
    const double wetness = 0.4 + 1.8 * random.Uniform() * random.Uniform() + 0.3 * random.Uniform();
    for (int s = 0; s < kDaySlots; ++s) {
      if (s == kLeapDaySlot && !IsLeapWaterYear(waterYear)) {
        r.flows[y][s] = kMissing;
        continue;
      }
      // Snowmelt high in April (slot ~190), low in late summer.
      const double season = 1.0 + 0.8 * std::cos(2.0 * kPi * (s - 190) / 366.0);
      const double base = 120.0 * wetness * season;
      // Storms: more frequent in spring and autumn.
      const double stormChance = 0.05 + 0.04 * std::cos(4.0 * kPi * (s - 40) / 366.0);
      if (random.Uniform() < stormChance) storage += random.Exponential(600.0 * wetness);
      storage *= 0.72;
      const double noise = 0.92 + 0.16 * random.Uniform();
      r.flows[y][s] = ToHundredths(std::max(0.05, (base + storage) * noise));
    }
    // River ice: about one winter in six loses a run of January days.
    if (random.Uniform() < 0.17) {
      const int first = 92 + static_cast<int>(random.Uniform() * 20.0);
      const int length = 3 + static_cast<int>(random.Uniform() * 15.0);
      for (int s = first; s < first + length; ++s) r.flows[y][s] = kMissing;
    }
    float yearMax = 0.0f;
    for (float f : r.flows[y])
      if (f != kMissing) yearMax = std::max(yearMax, f);
    // The instantaneous peak exceeds the day's mean by a storm-dependent factor.
    r.peaks[y] = ToHundredths(yearMax * (1.15 + 1.1 * random.Uniform()));
    r.peakDayFlows[y] = yearMax;
  }
  return r;
}

}  // namespace zelvo::bench
