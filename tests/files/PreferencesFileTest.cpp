#include <gtest/gtest.h>

#include "zelvo/files/PreferencesFile.h"

namespace zelvo {
namespace {

TEST(PreferencesFile, RecordLaysOutEveryFieldAtItsOffset) {
  Preferences p = DefaultPreferences();
  p.curveColours[1] = Rgb{11, 22, 33};
  p.annualSeries = 9;
  p.monthlySeries = 4;
  p.scale = 1;
  p.graphType = 1;
  p.grid = true;
  p.plotPoints = false;
  p.lineStyle = true;
  p.defaultStreamClass = 2;
  p.indexChoice[0][0] = 3;
  p.indexChoice[7][9] = 4;
  p.medianOption = true;
  const Bytes b = EncodePreferences(p);
  ASSERT_EQ(b.size(), 588u);
  EXPECT_EQ(GetInt32(&b[0]), 255);   // red of curve 1
  EXPECT_EQ(GetInt32(&b[4]), 11);    // red of curve 2
  EXPECT_EQ(GetInt32(&b[84]), 22);   // green of curve 2
  EXPECT_EQ(GetInt32(&b[164]), 33);  // blue of curve 2
  EXPECT_EQ(GetInt32(&b[236]), 42);  // blue of curve 20 (165, 42, 42)
  EXPECT_EQ(GetInt32(&b[240]), 9);
  EXPECT_EQ(GetInt32(&b[244]), 4);
  EXPECT_EQ(GetInt32(&b[248]), 1);
  EXPECT_EQ(GetInt32(&b[252]), 1);
  EXPECT_EQ(b[256], 1);
  EXPECT_EQ(b[257], 0);
  EXPECT_EQ(b[258], 1);
  EXPECT_EQ(b[259], 0);
  EXPECT_EQ(GetInt32(&b[260]), 2);
  EXPECT_EQ(GetInt32(&b[264]), 3);  // group 1, component 1
  EXPECT_EQ(GetInt32(&b[580]), 4);  // group 8, component 10
  EXPECT_EQ(b[584], 1);
  EXPECT_EQ(b[585] | b[586] | b[587], 0);

  const std::optional<Preferences> back = DecodePreferences(b);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(EncodePreferences(*back), b);
}

TEST(PreferencesFile, DefaultCurveColoursAreTheTwentyBuiltInOnes) {
  const Preferences p = DefaultPreferences();
  EXPECT_EQ(p.curveColours[0].red, 255);
  EXPECT_EQ(p.curveColours[1].green, 200);
  EXPECT_EQ(p.curveColours[2].red, 218);
  EXPECT_EQ(p.curveColours[9].blue, 19);
  EXPECT_EQ(p.curveColours[10].blue, 225);
  EXPECT_EQ(p.curveColours[13].green, 250);
  EXPECT_EQ(p.curveColours[19].red, 165);
  EXPECT_EQ(p.defaultStreamClass, 0);
  EXPECT_FALSE(p.medianOption);
}

TEST(PreferencesFile, DamagedRecordsGiveSoundDefaults) {
  Bytes shortRecord = EncodePreferences(DefaultPreferences());
  shortRecord.resize(587);
  EXPECT_FALSE(DecodePreferences(shortRecord).has_value());
  EXPECT_FALSE(DecodePreferences(Bytes{}).has_value());
  Bytes longRecord = EncodePreferences(DefaultPreferences());
  longRecord.push_back(0);
  EXPECT_FALSE(DecodePreferences(longRecord).has_value());

  Preferences p = DefaultPreferences();
  p.indexChoice[2][5] = 7;
  p.indexChoice[3][1] = -1;
  p.defaultStreamClass = 9;
  p.annualSeries = 12;
  p.curveColours[0].red = 300;  // kept: only its low 8 bits are drawn
  p.indexChoice[1][1] = 2;
  const std::optional<Preferences> back = DecodePreferences(EncodePreferences(p));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->indexChoice[2][5], 0);
  EXPECT_EQ(back->indexChoice[3][1], 0);
  EXPECT_EQ(back->indexChoice[1][1], 2);
  EXPECT_EQ(back->defaultStreamClass, 0);
  EXPECT_EQ(back->annualSeries, 0);
  EXPECT_EQ(back->curveColours[0].red, 300);
}

}  // namespace
}  // namespace zelvo
