#include <gtest/gtest.h>

#include <cmath>

#include "zelvo/graphs/AlterationGraph.h"

namespace zelvo {
namespace {

AlterationGraphInput Input() {
  AlterationGraphInput in;
  in.heading = "Alteration Scorecard - Dam";
  in.method = "parametric";
  in.blocks.push_back(
      {"After", {"mean", "zero_days", "min_7day", "max_1day"}, {-99.0, std::nullopt, 33.0, 67.5}});
  in.blocks.push_back({"Late", {"mean"}, {0.0}});
  return in;
}

TEST(AlterationGraph, ClassBoundariesBelongToTheLowerClass) {
  EXPECT_EQ(AlterationClassOf(0.0), AlterationClass::Low);
  EXPECT_EQ(AlterationClassOf(-33.0), AlterationClass::Low);
  EXPECT_EQ(AlterationClassOf(33.01), AlterationClass::Moderate);
  EXPECT_EQ(AlterationClassOf(-67.0), AlterationClass::Moderate);
  EXPECT_EQ(AlterationClassOf(67.01), AlterationClass::High);
  EXPECT_EQ(AlterationClassOf(-100.0), AlterationClass::High);
}

TEST(AlterationGraph, EachQuantityIsOneBarOfItsClassAndNAIsNoBar) {
  const ChartDescription c = BuildAlterationChart(Input(), 0, true);
  ASSERT_EQ(c.main.sets.size(), 3u);
  EXPECT_TRUE(c.main.barsOverlap);
  EXPECT_EQ(c.header[1], "After");
  EXPECT_EQ(c.header[2], "parametric");
  ASSERT_EQ(c.xLabels.size(), 4u);
  EXPECT_EQ(c.xLabels[1].text, "zero_days");
  EXPECT_EQ(c.xMax, 5.0);
  // -99 % is a bar like any other (the chart's holes are NaN here), N/A is none.
  const int expectedClass[] = {2, -1, 0, 2};
  for (int i = 0; i < 4; ++i)
    for (int k = 0; k < 3; ++k) {
      const double y = c.main.sets[k].y[i];
      EXPECT_EQ(!std::isnan(y), k == expectedClass[i]) << "quantity " << i << " class " << k;
    }
  EXPECT_EQ(c.main.sets[2].y[0], -99.0);
  EXPECT_TRUE(std::isnan(c.holeValue));
  EXPECT_EQ(c.main.curveStyles[0].lineColour.red, 0);
  EXPECT_EQ(c.main.curveStyles[2].lineColour.red, 210);
  // A block that does not exist draws nothing rather than reading past the list.
  EXPECT_TRUE(BuildAlterationChart(Input(), 5, false).main.sets.empty());
}

TEST(AlterationGraph, ExportWritesTheShownBlock) {
  EXPECT_EQ(AlterationExportText(Input(), 0),
            "Alteration Scorecard - Dam\r\nAfter\r\nparametric\r\nquantity,middle HA %\r\n"
            "mean,-99.0\r\nzero_days,N/A\r\nmin_7day,33.0\r\nmax_1day,67.5\r\n");
  EXPECT_EQ(AlterationExportText(Input(), 1).substr(0, 32), "Alteration Scorecard - Dam\r\nLate");
}

}  // namespace
}  // namespace zelvo
