#include <gtest/gtest.h>

#include "common/engine/FlowRecord.h"
#include "common/import/AgencyLines.h"
#include "common/import/LineScanner.h"

namespace zelvo {
namespace {

float FlowOf(const std::string& line) {
  DailyValueLine v;
  EXPECT_TRUE(ParseDailyValueLine(line, v)) << line;
  return v.flow;
}

TEST(AgencyLines, DailyFlowIsTheThirdValueWhenPresentElseTheFirst) {
  EXPECT_EQ(FlowOf("AGNC\t05427718\t1995-01-01\t20.0\tA"), 20.0f);
  EXPECT_EQ(FlowOf("AGNC\t05427718\t1995-01-01\t20.0\tA\t4.31\tA"), 20.0f);
  EXPECT_EQ(FlowOf("AGNC\t05427718\t1995-01-01\t20.0\tA\t4.31\tA\t7.5\tP"), 7.5f);
  EXPECT_EQ(FlowOf("AGNC 05427718 1995-01-01 20.0 A:e 4.31 P 8"), 8.0f);
}

TEST(AgencyLines, ValueThatIsAbsentOrNotANumberIsMissing) {
  EXPECT_EQ(FlowOf("AGNC\t04174500\t1947-10-01\t\t"), kMissing);
  EXPECT_EQ(FlowOf("AGNC\t04174500\t1947-10-01"), kMissing);
  EXPECT_EQ(FlowOf("AGNC\t04174500\t1947-10-01\tEqp\tA"), kMissing);
  EXPECT_EQ(FlowOf("AGNC\t04174500\t1947-10-01\t***\tA"), kMissing);
  EXPECT_EQ(FlowOf("AGNC\t04174500\t1947-10-01\t\tIce"), kMissing);
  EXPECT_EQ(FlowOf("AGNC\t04174500\t1947-10-01\tnan\tA"), kMissing);
  EXPECT_EQ(FlowOf("AGNC\t04174500\t1947-10-01\tinf\tA"), kMissing);
  EXPECT_EQ(FlowOf("AGNC\t04174500\t1947-10-01\t1e60\tA"), kMissing);
  // A third value that is not a number keeps the first.
  EXPECT_EQ(FlowOf("AGNC\t1\t1947-10-01\t3.5\tA\t4\tA\t***"), 3.5f);
}

TEST(AgencyLines, LinesThatDoNotReachTheirDateAreNoDataLines) {
  DailyValueLine v;
  EXPECT_FALSE(ParseDailyValueLine("", v));
  EXPECT_FALSE(ParseDailyValueLine("   \t ", v));
  EXPECT_FALSE(ParseDailyValueLine("# end of data", v));
  EXPECT_FALSE(ParseDailyValueLine("agency_cd\tsite_no\tdatetime", v));
  EXPECT_FALSE(ParseDailyValueLine("AGNC\t05427718", v));
}

TEST(AgencyLines, DatesSplitIntoSlotsAndWaterYears) {
  const auto at = [](const char* text) {
    CalendarDate d;
    EXPECT_TRUE(ParseAgencyDate(text, d)) << text;
    return SlotOfDate(d);
  };
  EXPECT_EQ(at("1990-10-01").slot, 1);
  EXPECT_EQ(at("1990-10-01").waterYear, 1991);
  EXPECT_EQ(at("1990-12-31").slot, 92);
  EXPECT_EQ(at("1990-12-31").waterYear, 1991);
  EXPECT_EQ(at("1991-01-01").slot, 93);
  EXPECT_EQ(at("1991-01-01").waterYear, 1991);
  EXPECT_EQ(at("1991-02-28").slot, 151);
  EXPECT_EQ(at("1992-02-29").slot, 152);
  EXPECT_EQ(at("1991-03-01").slot, 153);
  EXPECT_EQ(at("1991-09-30").slot, 366);
}

TEST(AgencyLines, DatesOutsideTheCalendarOrFormHaveNoSlot) {
  CalendarDate d;
  for (const char* text : {"1991-02-29", "1900-02-29", "1990-13-01", "1990-00-10", "1990-04-31", "1990-09-31",
                           "1990-10-00", "1990-10-32", "0000-10-01", "abcd-10-01", "1990-10", "19", "",
                           "1990-1-05", "1990/10/01", "1990-10-01T", "+990-10-01", "1990-+1-01", "20d"})
    EXPECT_FALSE(ParseAgencyDate(text, d)) << text;
  EXPECT_TRUE(ParseAgencyDate("2000-02-29", d));
  EXPECT_TRUE(ParseAgencyDate("1600-02-29", d));
  // The header line of column widths reads as far as a date, which is no date.
  DailyValueLine v;
  EXPECT_TRUE(ParseDailyValueLine("5s\t15s\t20d\t14n\t10s", v));
  EXPECT_FALSE(ParseAgencyDate(v.date, d));
}

TEST(AgencyLines, PeakWithEmptyTimeFieldIsTakenFromTheFirstReading) {
  const PeakLine p = ParsePeakLine("AGNC\t03335500\t1901-03-12\t\t30800\t\t17.22\t3\t\t\t\t\t");
  ASSERT_TRUE(p.hasDate);
  EXPECT_EQ(p.date, "1901-03-12");
  ASSERT_TRUE(p.hasPeak);
  EXPECT_EQ(p.peak, 30800.0f);
}

TEST(AgencyLines, PeakWithTimeOfDayIsReadPastTheTime) {
  const PeakLine clock = ParsePeakLine("AGNC\t01594440\t2001-06-08\t06:30\t3800\t5\t12.05");
  ASSERT_TRUE(clock.hasPeak);
  EXPECT_EQ(clock.peak, 3800.0f);
  const PeakLine whole = ParsePeakLine("AGNC 01594440 2001-06-08 1830 4100.5 5");
  ASSERT_TRUE(whole.hasPeak);
  EXPECT_EQ(whole.peak, 4100.5f);
  EXPECT_EQ(whole.date, "2001-06-08");
}

TEST(AgencyLines, PeakValidity) {
  CalendarDate d;
  const auto valid = [&](const std::string& date, const std::string& peak) {
    return IsValidPeak(ParsePeakLine("AGNC\t1\t" + date + "\t\t" + peak + "\t2"), d);
  };
  EXPECT_TRUE(valid("1800-01-01", "1"));
  EXPECT_TRUE(valid("2050-12-31", "0.5"));
  EXPECT_FALSE(valid("1799-12-31", "100"));
  EXPECT_FALSE(valid("2051-01-01", "100"));
  EXPECT_FALSE(valid("1950-13-01", "100"));
  EXPECT_FALSE(valid("1950-01-32", "100"));
  EXPECT_FALSE(valid("1950-09-31", "100"));  // would be slot 367
  EXPECT_FALSE(valid("1950-02-30", "100"));
  EXPECT_FALSE(valid("1950-01-10", "0"));
  EXPECT_FALSE(valid("1950-01-10", "-5"));
  EXPECT_FALSE(IsValidPeak(ParsePeakLine("AGNC\t1\t1950-01-10\t12:00"), d));  // no discharge
  EXPECT_FALSE(ParsePeakLine("").hasDate);
  EXPECT_FALSE(ParsePeakLine("# trailer").hasDate);
}

TEST(LineScanner, FloatsAreReadLikeTheCLibraryWithoutSpecialValues) {
  const auto read = [](const char* text, float& v) {
    LineScanner s(text);
    return s.Float(v);
  };
  float v = 0.0f;
  EXPECT_TRUE(read(" 1.", v));
  EXPECT_EQ(v, 1.0f);
  EXPECT_TRUE(read(".5", v));
  EXPECT_EQ(v, 0.5f);
  EXPECT_TRUE(read("-2.5e2x", v));
  EXPECT_EQ(v, -250.0f);
  EXPECT_TRUE(read("+3e", v));
  EXPECT_EQ(v, 3.0f);
  EXPECT_TRUE(read("0x10", v));  // the 0 before the x, as %f without hexadecimal
  EXPECT_EQ(v, 0.0f);
  EXPECT_FALSE(read(".", v));
  EXPECT_FALSE(read("-", v));
  EXPECT_FALSE(read("", v));
  EXPECT_FALSE(read("NaN", v));
  EXPECT_FALSE(read("infinity", v));
  int i = 0;
  LineScanner s("99999999999999999999,-7");
  EXPECT_TRUE(s.Int(i));
  EXPECT_EQ(i, 2147483647);
  EXPECT_TRUE(s.Literal(','));
  EXPECT_TRUE(s.Int(i));
  EXPECT_EQ(i, -7);
  EXPECT_TRUE(s.AtEnd());
}

}  // namespace
}  // namespace zelvo
