// The record as its data set file reads back, made without the text: the same bits as writing
// the file and reading it again, for flows of every size and the ties of the three decimals.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <sstream>

#include "zelvo/files/DataSetFile.h"

namespace zelvo {
namespace {

TEST(DataSetRounding, SameBitsAsWritingAndReadingTheFile) {
  FlowRecord r;
  r.yearCount = 150;
  std::uint32_t x = 12345u;
  const float special[] = {0.0f,
                           -0.0f,
                           0.0625f,
                           0.0005f,
                           0.0015f,
                           2.5e-4f,
                           1.0005f,
                           8192.0005f,
                           8192.000977f,
                           16777216.0f,
                           3.0e9f,
                           -0.0004f,
                           -1.25f,
                           kMissing,
                           0.1f,
                           0.01f,
                           123.456f,
                           99999.99f,
                           std::numeric_limits<float>::infinity(),
                           1.0e-30f};
  for (int y = 0; y < r.yearCount; ++y) {
    r.years[y] = 1871 + y;
    for (int s = 0; s < kDaySlots; ++s) {
      x = x * 1664525u + 1013904223u;
      float f;
      switch (x >> 30) {
        case 0:  // any bit pattern of a finite float from 1e-6 to 1e7
          f = std::bit_cast<float>(0x358637bdu + (x & 0x3fffffffu) % (0x4b189680u - 0x358637bdu));
          break;
        case 1:  // decimals as agency files hold them
          f = static_cast<float>((x >> 8) % 1000000u) / 100.0f;
          break;
        case 2:  // exact halves of the third decimal: the ties of the rounding
          f = static_cast<float>((x >> 8) % 65536u) / 2048.0f;
          break;
        default:
          f = special[(x >> 4) % (sizeof special / sizeof special[0])];
      }
      r.flows[y][s] = f;
    }
  }
  r.peakCount = 3;
  r.peaks = {1234.5678f, 0.0625f, 9.9995f};
  r.peakDayFlows = {12.3456f, 7.0f, 0.0005f};

  for (bool withPeaks : {true, false}) {
    std::stringstream file;
    WriteDataSetFile(file, r, withPeaks);
    FlowRecord read;
    ASSERT_TRUE(ReadDataSetFile(file, withPeaks, read).Ok());
    FlowRecord rounded = r;
    RoundAsDataSetFile(rounded, withPeaks);
    ASSERT_EQ(rounded.yearCount, read.yearCount);
    for (int y = 0; y < r.yearCount; ++y) {
      ASSERT_EQ(rounded.years[y], read.years[y]);
      for (int s = 0; s < kDaySlots; ++s)
        ASSERT_EQ(std::bit_cast<std::uint32_t>(rounded.flows[y][s]),
                  std::bit_cast<std::uint32_t>(read.flows[y][s]))
            << r.flows[y][s];
    }
    ASSERT_EQ(rounded.peakCount, read.peakCount);
    for (int k = 0; k < kMaxPeaks; ++k) {
      EXPECT_EQ(std::bit_cast<std::uint32_t>(rounded.peaks[k]), std::bit_cast<std::uint32_t>(read.peaks[k]));
      EXPECT_EQ(std::bit_cast<std::uint32_t>(rounded.peakDayFlows[k]),
                std::bit_cast<std::uint32_t>(read.peakDayFlows[k]));
    }
  }
}

}  // namespace
}  // namespace zelvo
