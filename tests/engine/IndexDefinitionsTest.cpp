#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "common/engine/IndexCatalogue.h"
#include "common/engine/IndexDefinitions.h"

namespace zelvo {
namespace {

std::string Definition(int n) { return std::string(IndexDefinitionOf(n).definition); }
std::string Units(int n) { return std::string(IndexDefinitionOf(n).units); }

TEST(IndexDefinitions, EveryIndexHasAGroupAOneSentenceDefinitionAndKnownUnits) {
  const std::set<std::string> units = {"cfs",         "cfs per square mile", "percent", "dimensionless",
                                       "per year",    "days per year",       "days",    "day of the year",
                                       "cfs per day", "ln(cfs) per day"};
  const std::string families[] = {"MA", "ML", "MH", "FL", "FH", "DL", "DH", "TA", "TL", "TH", "RA"};
  std::set<std::string> groups;
  std::set<std::string> definitions;
  for (int n = 0; n < kIndexCount; ++n) {
    const IndexDefinition d = IndexDefinitionOf(n);
    const std::string name(IndexName(n));
    ASSERT_FALSE(d.group.empty()) << name;
    ASSERT_FALSE(d.definition.empty()) << name;
    EXPECT_TRUE(units.count(std::string(d.units))) << name << ": " << d.units;
    // One sentence: it ends with its only full stop that is followed by a new sentence.
    const std::string text(d.definition);
    EXPECT_EQ(text.back(), '.') << name;
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(text.front()))) << name;
    for (std::size_t i = 0; i + 2 < text.size(); ++i)
      EXPECT_FALSE(text[i] == '.' && text[i + 1] == ' ' &&
                   std::isupper(static_cast<unsigned char>(text[i + 2])))
          << name << ": " << text;
    EXPECT_TRUE(definitions.insert(text).second) << name << " repeats another index's definition";
    groups.insert(std::string(d.group));
    // The indices of one family share their group.
    if (n > 0 && name.substr(0, 2) == std::string(IndexName(n - 1)).substr(0, 2)) {
      EXPECT_EQ(d.group, IndexDefinitionOf(n - 1).group) << name;
    }
  }
  EXPECT_EQ(groups.size(), std::size(families));
  EXPECT_TRUE(IndexDefinitionOf(-1).definition.empty());
  EXPECT_TRUE(IndexDefinitionOf(kIndexCount).definition.empty());
}

TEST(IndexDefinitions, UnitsAndWordsCheckedByHandAgainstHowTheEngineComputes) {
  // Flows and their yearly means and extremes are in cfs; per drainage area in cfs per square mile.
  for (int n : {MA(1), MA(2), MA(12), ML(1), MH(12), DL(1), DL(5), DH(1), DH(5)}) EXPECT_EQ(Units(n), "cfs");
  for (int n : {MA(41), ML(22), MH(20)}) EXPECT_EQ(Units(n), "cfs per square mile");
  // Ratios of flows are dimensionless; standard deviations over means are percentages.
  for (int n : {MA(5), MA(6), MA(11), MA(36), ML(14), ML(17), ML(20), MH(15), MH(19), MH(24), DL(11), DL(14),
                DH(14), TA(1), TA(3), TL(3), TL(4), TH(3), RA(5)})
    EXPECT_EQ(Units(n), "dimensionless") << IndexName(n);
  for (int n : {MA(3), MA(4), MA(24), MA(35), MA(39), ML(13), ML(18), ML(19), ML(21), MH(13), MH(18), FL(2),
                FH(2), DL(6), DL(17), DL(19), DL(20), DH(10), DH(16), TA(2),  RA(2),  RA(4),  RA(9)})
    EXPECT_EQ(Units(n), "percent") << IndexName(n);
  // Counts of events per year, counts of days per year, durations in days.
  for (int n : {FL(1), FL(3), FH(1), FH(5), FH(11), RA(8)}) EXPECT_EQ(Units(n), "per year") << IndexName(n);
  for (int n : {FH(3), FH(4), DL(18), DH(23)}) EXPECT_EQ(Units(n), "days per year") << IndexName(n);
  for (int n : {MH(21), MH(23), DL(16), DH(15), DH(17), DH(21), DH(22), DH(24), TL(2), TH(2)})
    EXPECT_EQ(Units(n), "days") << IndexName(n);
  EXPECT_EQ(Units(TL(1)), "day of the year");
  EXPECT_EQ(Units(TH(1)), "day of the year");
  EXPECT_EQ(Units(RA(1)), "cfs per day");
  EXPECT_EQ(Units(RA(3)), "cfs per day");
  EXPECT_EQ(Units(RA(6)), "ln(cfs) per day");

  // The monthly families run January to December.
  EXPECT_NE(Definition(MA(12)).find("January"), std::string::npos);
  EXPECT_NE(Definition(MA(23)).find("December"), std::string::npos);
  EXPECT_NE(Definition(MA(24)).find("January"), std::string::npos);
  EXPECT_NE(Definition(ML(4)).find("April"), std::string::npos);
  EXPECT_NE(Definition(MH(9)).find("September"), std::string::npos);
  // The indices that need annual peak flows say so.
  for (int n : {FH(11), DH(22), DH(23), DH(24), TA(3), TL(3), TL(4), TH(3)})
    EXPECT_NE(Definition(n).find("annual peak flows"), std::string::npos) << IndexName(n);
  // Thresholds as the engine takes them.
  EXPECT_NE(Definition(MH(22)).find("3 times the median daily flow"), std::string::npos);
  EXPECT_NE(Definition(FH(7)).find("7 times the median daily flow"), std::string::npos);
  EXPECT_NE(Definition(FL(3)).find("5 percent of the mean daily flow"), std::string::npos);
  EXPECT_NE(Definition(DL(3)).find("7-day"), std::string::npos);
  EXPECT_NE(Definition(DH(13)).find("30-day"), std::string::npos);
  EXPECT_NE(Definition(MA(8)).find("25 percent of the time divided by the flow exceeded 75 percent"),
            std::string::npos);
}

TEST(IndexDefinitions, ToolTipNamesTheIndexItsGroupDefinitionAndUnits) {
  EXPECT_EQ(IndexToolTip(MA(1)),
            "MA1 (Magnitude of average flow): Mean of all daily flows of the record.  Units: cfs.");
  EXPECT_EQ(IndexToolTip(RA(9)).substr(0, 20), "RA9 (Rate of change)");
  EXPECT_EQ(IndexToolTip(kIndexCount), "");
}

}  // namespace
}  // namespace zelvo
