#include <gtest/gtest.h>

#include <algorithm>
#include <ios>
#include <sstream>
#include <streambuf>

#include "common/import/DailyValueReader.h"
#include "common/io/TextInput.h"
#include "import/ImportTestSupport.h"
#include "support/ScriptedUi.h"

namespace zelvo {
namespace {

using testing::Daily;
using testing::DailyYears;
using testing::Flow;
using testing::ScratchFolder;
using testing::ScriptedUi;

// One read: its status and what it found.
struct DailyRead {
  Status status;
  DailyValueSpan span;
};

DailyRead Read(const std::string& text, FlowRecord& r, int begin = 0, int end = 0,
               ImportProgram program = ImportProgram::Main) {
  std::istringstream in(text);
  DailyValueSpan span;
  Status status = ReadDailyValues(in, program, begin, end, r, span, "daily.txt");
  return {std::move(status), span};
}

DailyRead ReadFile(const std::string& path, int begin, int end, FlowRecord& r) {
  DailyValueSpan span;
  Status status = ReadDailyValueFile(path, ImportProgram::Main, begin, end, r, span);
  return {std::move(status), span};
}

const std::string kHeader =
    "# comment header\n# 1980-10-01 a date in a comment\nagency_cd\tsite_no\tdatetime\tvalue\tcd\n"
    "5s\t15s\t20d\t14n\t10s\n";

TEST(DailyValueReader, FirstOctoberValueGoesToSlotOneOfTheNextWaterYear) {
  FlowRecord r;
  const auto o = Read(kHeader + Daily("1990-10-01", "123", "A"), r);
  ASSERT_TRUE(o.status.Ok()) << o.status.Message();
  EXPECT_EQ(o.span.beginYear, 1991);
  EXPECT_EQ(o.span.endYear, 1991);
  EXPECT_EQ(r.yearCount, 1);
  EXPECT_EQ(r.years[0], 1991);
  EXPECT_EQ(Flow(r, 0, 1), 123.0f);
  EXPECT_EQ(Flow(r, 0, 2), kMissing);
  EXPECT_EQ(Flow(r, 0, 152), kMissing);
}

TEST(DailyValueReader, CalendarYearTurnStaysInOneWaterYear) {
  FlowRecord r;
  ASSERT_TRUE(
      Read(Daily("1990-12-31", "1") + Daily("1991-01-01", "2") + Daily("1991-09-30", "3"), r).status.Ok());
  EXPECT_EQ(r.yearCount, 1);
  EXPECT_EQ(Flow(r, 0, 92), 1.0f);
  EXPECT_EQ(Flow(r, 0, 93), 2.0f);
  EXPECT_EQ(Flow(r, 0, 366), 3.0f);
}

TEST(DailyValueReader, CrLfLinesAndLastLineWithoutEnd) {
  FlowRecord r;
  const std::string text = "header\r\nAGNC\t1\t1990-10-01\t5.5\tP\r\nAGNC\t1\t1990-10-02\t6.5\tA:e";
  ASSERT_TRUE(Read(text, r).status.Ok());
  EXPECT_EQ(Flow(r, 0, 1), 5.5f);
  EXPECT_EQ(Flow(r, 0, 2), 6.5f);
}

TEST(DailyValueReader, LinesBeforeTheFirstAgencyLineAreHeader) {
  FlowRecord r;
  // A header line that looks like data but does not begin with AGNC is skipped; after the first
  // AGNC line the agency code is no longer looked at.
  const std::string text =
      "USGS\t1\t1990-10-05\t99\tA\n" + Daily("1990-10-01", "1") + "OTHR\t1\t1990-10-02\t2\tA\n";
  ASSERT_TRUE(Read(text, r).status.Ok());
  EXPECT_EQ(Flow(r, 0, 5), kMissing);
  EXPECT_EQ(Flow(r, 0, 2), 2.0f);
}

TEST(DailyValueReader, BlankLinesTrailersAndBadDatesChangeNothing) {
  FlowRecord r;
  const std::string text = Daily("1990-10-01", "1") + "\n   \n# trailer 1990-10-01 77\n" +
                           Daily("1990-10-32", "9") + Daily("1991-02-29", "9") + Daily("1990-13-01", "9") +
                           Daily("1990-1-05", "9") + Daily("19901002", "9") + "AGNC\t1\n" +
                           Daily("1990-10-02", "2");
  const auto o = Read(text, r);
  ASSERT_TRUE(o.status.Ok());
  EXPECT_EQ(o.span.storedLines, 2);
  EXPECT_EQ(r.yearCount, 1);
  EXPECT_EQ(Flow(r, 0, 1), 1.0f);
  EXPECT_EQ(Flow(r, 0, 2), 2.0f);
  for (int s = 3; s <= 366; ++s) ASSERT_EQ(Flow(r, 0, s), kMissing) << s;
}

TEST(DailyValueReader, DatesOutOfOrderGoToTheirYearAndRepeatedDatesKeepTheLastLine) {
  FlowRecord r;
  const std::string text = Daily("1995-10-01", "5") + Daily("1990-10-01", "1") + Daily("1990-10-01", "1.5") +
                           Daily("1992-10-01", "3");
  const auto o = Read(text, r);
  ASSERT_TRUE(o.status.Ok()) << o.status.Message();
  EXPECT_EQ(o.span.beginYear, 1991);
  EXPECT_EQ(o.span.endYear, 1996);
  ASSERT_EQ(r.yearCount, 6);
  EXPECT_EQ(r.years[0], 1991);
  EXPECT_EQ(r.years[1], 0);  // no line in water year 1992
  EXPECT_EQ(r.years[2], 1993);
  EXPECT_EQ(r.years[5], 1996);
  EXPECT_EQ(Flow(r, 0, 1), 1.5f);
  EXPECT_EQ(Flow(r, 2, 1), 3.0f);
  EXPECT_EQ(Flow(r, 5, 1), 5.0f);
  for (int s = 1; s <= 366; ++s) ASSERT_EQ(Flow(r, 1, s), kMissing);
}

TEST(DailyValueReader, RequestedYearsAreCutOut) {
  FlowRecord r;
  const auto o =
      Read(testing::DailyYearsOf(1990, 1999, [](int wy, int, int d) { return std::to_string(wy * 100 + d); }),
           r, 1993, 1995);
  ASSERT_TRUE(o.status.Ok()) << o.status.Message();
  ASSERT_EQ(r.yearCount, 3);
  EXPECT_EQ(r.years[0], 1993);
  EXPECT_EQ(r.years[2], 1995);
  EXPECT_EQ(Flow(r, 0, 1), 199301.0f);
  EXPECT_EQ(Flow(r, 2, 366), 199530.0f);
  EXPECT_EQ(Flow(r, 3, 1), kMissing);  // nothing beyond the cut
}

TEST(DailyValueReader, YearChecksGiveTheirMessagesAndFields) {
  const std::string text = DailyYears(1990, 1995);
  FlowRecord r;
  r.yearCount = 7;  // a failed read leaves the record alone
  auto o = Read(text, r, 1989, 1992);
  EXPECT_FALSE(o.status.Ok());
  EXPECT_EQ(o.status.Message(),
            "The starting water year is not contained in the input file.\n\n                        Import "
            "Aborted!");
  EXPECT_EQ(o.span.field, kFieldBeginningYear);
  EXPECT_EQ(r.yearCount, 7);
  o = Read(text, r, 1996, 0);
  EXPECT_EQ(o.status.Message(), kStartingYearNotInFileMessage);
  o = Read(text, r, 1992, 1996);
  EXPECT_EQ(o.status.Message(),
            "The ending year is not contained in the input file.\n\n                   Import Aborted!");
  EXPECT_EQ(o.span.field, kFieldEndingYear);
  // An open beginning year with an ending year before the file.
  o = Read(text, r, 0, 1980);
  EXPECT_EQ(o.status.Message(), kEndingYearNotInFileMessage);
  EXPECT_TRUE(Read(text, r, 1990, 1995).status.Ok());
  EXPECT_TRUE(Read(text, r, 0, 1992).status.Ok());
  EXPECT_EQ(r.yearCount, 3);
}

TEST(DailyValueReader, SpanOver150YearsIsRefusedByTheMainProgramWhateverIsAsked) {
  // Water years 1850, 1852 and 2000: 151 years from first to last.
  const std::string text = Daily("1849-10-01", "1") + Daily("1851-10-01", "2") + Daily("1999-10-01", "3");
  FlowRecord r;
  auto o = Read(text, r, 1990, 2000);
  EXPECT_FALSE(o.status.Ok());
  EXPECT_EQ(
      o.status.Message(),
      "The import file period of record spans more than 150 years.\n\nPlease reduce the number of years.");
  EXPECT_EQ(o.span.field, kFieldDailyFile);
  // 150 years exactly are accepted.
  o = Read(Daily("1850-10-01", "1") + Daily("1999-10-01", "3"), r);
  ASSERT_TRUE(o.status.Ok());
  EXPECT_EQ(r.yearCount, 150);
  EXPECT_EQ(r.years[149], 2000);
  // The classification program skips the years before its beginning year.
  o = Read(text, r, 1852, 0, ImportProgram::Classification);
  ASSERT_TRUE(o.status.Ok()) << o.status.Message();
  EXPECT_EQ(o.span.beginYear, 1852);
  EXPECT_EQ(r.yearCount, 149);
  EXPECT_EQ(Flow(r, 0, 1), 2.0f);
  EXPECT_EQ(Flow(r, 148, 1), 3.0f);
  // An earlier date after a late one counts for the span too.
  o = Read(Daily("1999-10-01", "3") + Daily("1849-10-01", "1"), r);
  EXPECT_EQ(o.status.Message(), kSpanOver150YearsMessage);
}

TEST(DailyValueReader, ClassificationProgramStopsAfterTheEndingYear) {
  // Everything after the first line beyond the ending year is not read, not even a date that
  // would break the 150-year span.
  const std::string text = DailyYears(1990, 1992) + Daily("1700-10-01", "1");
  FlowRecord r;
  auto o = Read(text, r, 1991, 1991, ImportProgram::Classification);
  ASSERT_TRUE(o.status.Ok()) << o.status.Message();
  EXPECT_EQ(r.yearCount, 1);
  EXPECT_EQ(r.years[0], 1991);
  o = Read(text, r, 1991, 1991, ImportProgram::Main);
  EXPECT_EQ(o.status.Message(), kSpanOver150YearsMessage);
  // Requested years all after the file.
  o = Read(DailyYears(1990, 1991), r, 2000, 2001, ImportProgram::Classification);
  EXPECT_EQ(o.status.Message(), kStartingYearNotInFileMessage);
}

TEST(DailyValueReader, FileWithoutAgencyLinesOrWithoutDatedValues) {
  FlowRecord r;
  auto o = Read("# only a header\nagency_cd\tsite_no\n", r);
  EXPECT_FALSE(o.status.Ok());
  EXPECT_EQ(o.status.Message(),
            "The daily flow input data file, daily.txt, has no line beginning with AGNC.\n\n"
            "                   Import Aborted!");
  EXPECT_EQ(o.span.field, kFieldDailyFile);
  o = Read("", r);
  EXPECT_EQ(o.status.Message(), NoAgencyLineMessage("daily.txt"));
  o = Read("AGNC\tsite\n" + Daily("1990-02-30", "1"), r);
  EXPECT_EQ(o.status.Message(),
            "The daily flow input data file, daily.txt, has no daily values with a valid date.\n\n"
            "                   Import Aborted!");
}

// A stream whose storage fails after the first `good` bytes, as a disk or network file can.
class FailingBuffer : public std::streambuf {
 public:
  FailingBuffer(std::string text, std::size_t good) : text_(std::move(text)), good_(good) {}

 protected:
  int_type underflow() override {
    if (gptr() != nullptr && gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (handed_ >= good_) throw std::ios_base::failure("read error");
    const std::size_t n = std::min<std::size_t>(100, good_ - handed_);
    setg(text_.data() + handed_, text_.data() + handed_, text_.data() + handed_ + n);
    handed_ += n;
    return traits_type::to_int_type(*gptr());
  }

 private:
  std::string text_;
  std::size_t good_;
  std::size_t handed_ = 0;
};

TEST(DailyValueReader, LinesBeforeAReadErrorComeAsTheLineReaderGivesThem) {
  // The buffered lines of the daily-value reader and ReadTextLine, on storage that fails at
  // every kind of place: the same lines before the error (a line cut by it is not one), then
  // the end with the stream bad.
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "line " + std::to_string(i) + "\n";
  for (const std::size_t good : {std::size_t{0}, std::size_t{1}, std::size_t{5}, std::size_t{100},
                                 std::size_t{4096}, std::size_t{10003}, text.size() - 3, text.size()}) {
    FailingBuffer plainStorage(text, good), bufferedStorage(text, good);
    std::istream plain(&plainStorage), buffered(&bufferedStorage);
    TextLines lines(buffered);
    std::string one;
    std::string_view other;
    int count = 0;
    for (;; ++count) {
      const bool gotOne = ReadTextLine(plain, one);
      ASSERT_EQ(lines.Next(other), gotOne) << "after " << good << " bytes, line " << count;
      if (!gotOne) break;
      ASSERT_EQ(other, one);
    }
    // Every whole line before the error came (the lines are at most 10 characters).
    if (good >= 10) {
      EXPECT_GE(count, static_cast<int>(std::min<std::size_t>(3000, good / 10)));
    }
    EXPECT_TRUE(plain.bad());
    EXPECT_TRUE(buffered.bad());
  }
}

TEST(DailyValueReader, ReadErrorIsNotTheEndOfTheFile) {
  // Three years of lines; the storage fails in the second year. The two years read so far are
  // not a record: the read is refused.
  std::string text = kHeader;
  for (int y = 1990; y < 1993; ++y)
    for (int m = 1; m <= 12; ++m)
      text += Daily(std::to_string(y) + (m < 10 ? "-0" : "-") + std::to_string(m) + "-15", "12.5");
  FailingBuffer failing(text, text.size() / 2);
  std::istream in(&failing);
  FlowRecord r;
  DailyValueSpan span;
  const Status status = ReadDailyValues(in, ImportProgram::Main, 0, 0, r, span, "daily.txt");
  EXPECT_FALSE(status.Ok());
  EXPECT_EQ(status.Message(), "Can not read the daily flow input data file to its end:  daily.txt");
  EXPECT_EQ(span.field, kFieldDailyFile);
  // The classifier stops at the first line after its ending year; an error in the storage after
  // it (met by the reader's read-ahead) does not touch the years it asked for.
  FailingBuffer late(text, text.size() - 40);
  std::istream classified(&late);
  const Status early =
      ReadDailyValues(classified, ImportProgram::Classification, 1990, 1991, r, span, "daily.txt");
  EXPECT_TRUE(early.Ok()) << early.Message();
  EXPECT_EQ(r.yearCount, 2);
  // Without an ending year it reads to the end and meets the error.
  FailingBuffer lateToo(text, text.size() - 40);
  std::istream toTheEnd(&lateToo);
  EXPECT_FALSE(ReadDailyValues(toTheEnd, ImportProgram::Classification, 1990, 0, r, span, "daily.txt").Ok());
  // The same text read without an error is a record of four water years.
  std::istringstream plain(text);
  EXPECT_TRUE(ReadDailyValues(plain, ImportProgram::Main, 0, 0, r, span, "daily.txt").Ok());
  EXPECT_EQ(r.yearCount, 4);
}

TEST(DailyValueReader, FileConvenienceChecksYearOrderAndOpening) {
  FlowRecord r;
  auto o = ReadFile("/nonexistent/daily.txt", 1995, 1990, r);
  EXPECT_EQ(o.status.Message(), "The ending year must be equal to or greater than the starting year.");
  EXPECT_EQ(o.span.field, kFieldEndingYear);
  o = ReadFile("/nonexistent/daily.txt", 0, 0, r);
  EXPECT_EQ(o.status.Message(), "Can not open the daily flow input data file:  /nonexistent/daily.txt");
  EXPECT_EQ(o.span.field, kFieldDailyFile);
}

TEST(ClassificationDailyRead, AsksAboutFewerThan20YearsUnlessInBatch) {
  ScratchFolder folder;
  const std::string path = folder.Write("station7", DailyYears(1990, 1994));
  {
    ScriptedUi ui;
    ui.Answer(Answer::No);
    FlowRecord r;
    const Status declined = ReadDailyValueFileForClassification(ui, path, 0, 0, false, r);
    EXPECT_FALSE(declined.Ok());
    EXPECT_EQ(declined.Message(), "");  // the user ended it: nothing more to say
    EXPECT_EQ(ui.messages, std::vector<std::string>{
                               "The number of years (5) is less than 20.\n\nDo you wish to continue?"});
  }
  {
    ScriptedUi ui;
    ui.Answer(Answer::Yes);
    FlowRecord r;
    EXPECT_TRUE(ReadDailyValueFileForClassification(ui, path, 1991, 1993, false, r).Ok());
    EXPECT_EQ(r.yearCount, 3);
    EXPECT_EQ(r.years[0], 1991);
  }
  {
    ScriptedUi ui;
    FlowRecord r;
    EXPECT_TRUE(ReadDailyValueFileForClassification(ui, path, 0, 0, true, r).Ok());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(r.yearCount, 5);
  }
}

TEST(ClassificationDailyRead, BatchSilentlyDropsYearsWithMissingDays) {
  ScratchFolder folder;
  // Water year 1986 has one day only.
  const std::string path =
      folder.Write("station", DailyYears(1980, 1985) + Daily("1986-01-15", "3") + DailyYears(1987, 2004));
  ScriptedUi ui;
  FlowRecord r;
  ASSERT_TRUE(ReadDailyValueFileForClassification(ui, path, 0, 0, true, r).Ok());
  EXPECT_TRUE(ui.forms.empty());
  EXPECT_EQ(r.yearCount, 24);
  EXPECT_EQ(r.years[5], 1985);
  EXPECT_EQ(r.years[6], 1987);
  // Interactive: the screening dialog with the classification program's buttons.
  ui.Fill<MissingDataForm>([](MissingDataForm& f) {
    EXPECT_EQ(f.program, ImportProgram::Classification);
    f.choice = MissingDataForm::kAbort;
  });
  EXPECT_FALSE(ReadDailyValueFileForClassification(ui, path, 0, 0, false, r).Ok());
  EXPECT_EQ(r.yearCount, 24);  // untouched by the aborted read
  // Open failure is shown and fails.
  const Status unopened =
      ReadDailyValueFileForClassification(ui, folder.Write("x", "") + ".none", 0, 0, true, r);
  EXPECT_FALSE(unopened.Ok());
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back(), DailyFileOpenFailure(folder.Write("x", "") + ".none"));
  EXPECT_EQ(unopened.Message(), ui.messages.back());
}

}  // namespace
}  // namespace zelvo
