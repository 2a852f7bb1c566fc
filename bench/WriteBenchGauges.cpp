// zelvo_bench_gauges OUT_DIR COUNT YEARS [--peaks]: writes COUNT agency daily-value files
// (dv_NNNNNNNN.txt) of the last YEARS water years of the benchmark record, each gauge's flows
// scaled by its own factor, and with --peaks a folder OUT_DIR/peaks of their annual peak-flow
// files (the day of each year's largest daily flow); the input of the many-gauges timing.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "bench/BenchRecord.h"
#include "common/engine/WaterYear.h"

namespace {

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Calendar date of a 0-based slot of water year `wy`; false for 29 February of a common year.
bool SlotDate(int wy, int slot, int& year, int& month, int& day) {
  // The month whose slot window holds the slot.
  for (int k = 0; k < 12; ++k) {
    if (slot < zelvo::kMonthStart[k] || slot >= zelvo::kMonthEnd[k]) continue;
    month = (k + 9) % 12 + 1;
    day = slot - zelvo::kMonthStart[k] + 1;
    year = month >= 10 ? wy - 1 : wy;
    return !(month == 2 && day == 29 && !IsLeap(year));
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: zelvo_bench_gauges OUT_DIR COUNT YEARS [--peaks]\n");
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path dir = argv[1];
  const int count = std::atoi(argv[2]);
  const int years = std::atoi(argv[3]);
  const bool peaks = argc > 4 && std::strcmp(argv[4], "--peaks") == 0;
  if (count < 1 || years < 1 || years > zelvo::kMaxYears) {
    std::fprintf(stderr, "COUNT must be at least 1 and YEARS 1 to 150\n");
    return 2;
  }
  fs::create_directories(dir);
  if (peaks) fs::create_directories(dir / "peaks");
  const zelvo::FlowRecord record = zelvo::bench::MakeBenchRecord();
  const int firstColumn = record.yearCount - years;
  std::string text;
  for (int g = 0; g < count; ++g) {
    char site[16];
    std::snprintf(site, sizeof site, "%08d", 1000000 + g);
    const double scale = 0.5 + static_cast<double>((g * 7919) % 1000) / 666.0;
    text =
        "# benchmark "
        "gauge\nagency_cd\tsite_no\tdatetime\t00060_00003\t00060_00003_cd\n5s\t15s\t20d\t14n\t10s\n";
    std::string peakText =
        "# benchmark "
        "peaks\nagency_cd\tsite_no\tpeak_dt\tpeak_tm\tpeak_va\tpeak_cd\n5s\t15s\t10d\t6s\t8s\t27s\n";
    char line[128];
    for (int c = firstColumn; c < record.yearCount; ++c) {
      const int wy = record.years[c];
      float largest = -1.0f;
      int largestSlot = -1;
      for (int s = 0; s < zelvo::kDaySlots; ++s) {
        const float f = record.flows[c][s];
        int year = 0, month = 0, day = 0;
        if (f == zelvo::kMissing || !SlotDate(wy, s, year, month, day)) continue;
        const double v = std::round(static_cast<double>(f) * scale * 100.0) / 100.0;
        std::snprintf(line, sizeof line, "AGNC\t%s\t%04d-%02d-%02d\t%.2f\tA\n", site, year, month, day, v);
        text += line;
        if (f > largest) {
          largest = f;
          largestSlot = s;
        }
      }
      if (peaks && largestSlot >= 0) {
        int year = 0, month = 0, day = 0;
        SlotDate(wy, largestSlot, year, month, day);
        std::snprintf(line, sizeof line, "AGNC\t%s\t%04d-%02d-%02d\t\t%.0f\t\n", site, year, month, day,
                      std::ceil(static_cast<double>(largest) * scale * 1.6));
        peakText += line;
      }
    }
    const std::string name = std::string("dv_") + site + ".txt";
    if (std::FILE* f = std::fopen((dir / name).c_str(), "wb")) {
      std::fwrite(text.data(), 1, text.size(), f);
      std::fclose(f);
    } else {
      std::fprintf(stderr, "Can not write %s\n", (dir / name).c_str());
      return 1;
    }
    if (peaks) {
      std::FILE* f = std::fopen((dir / "peaks" / (std::string("pk_") + site + ".txt")).c_str(), "wb");
      if (f == nullptr) return 1;
      std::fwrite(peakText.data(), 1, peakText.size(), f);
      std::fclose(f);
    }
  }
  return 0;
}
