// The reader's quick ways (the line reader's chunks, the fixed-place date digits, the short
// number path, the year and count looked up once per run of lines) against the plain ways they
// replace: same lines, same dates, the same float bit for bit, the same record and tally.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/import/AgencyLines.h"
#include "common/import/DailyValueReader.h"
#include "common/import/LineScanner.h"
#include "common/io/TextInput.h"

namespace zelvo {
namespace {

// The line reader a character at a time.
bool PlainReadTextLine(std::istream& in, std::string& line) {
  line.clear();
  std::streambuf* buffer = in.rdbuf();
  const std::istream::sentry ok(in, true);
  if (!ok || buffer == nullptr) return false;
  bool any = false, overlong = false;
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(any ? std::ios::eofbit : std::ios::eofbit | std::ios::failbit);
      break;
    }
    any = true;
    if (c == '\n') break;
    if (overlong) continue;
    if (line.size() == kMaxLineLength) {
      overlong = true;
      continue;
    }
    line.push_back(static_cast<char>(c));
  }
  if (overlong) line = kOverlongLine;
  return any;
}

// ReadTextLine and the buffered TextLines against the plain reader.
void ExpectSameLines(const std::string& text) {
  std::istringstream quick(text), plain(text), buffered(text);
  TextLines lines(buffered);
  std::string a, b;
  std::string_view c;
  for (int n = 0;; ++n) {
    const bool gotA = ReadTextLine(quick, a);
    const bool gotB = PlainReadTextLine(plain, b);
    const bool gotC = lines.Next(c);
    ASSERT_EQ(gotA, gotB) << "line " << n << " of a text of " << text.size();
    ASSERT_EQ(gotC, gotB) << "line " << n << " of a text of " << text.size();
    if (!gotA) break;
    ASSERT_EQ(a.size(), b.size()) << "line " << n;
    ASSERT_TRUE(a == b) << "line " << n;
    ASSERT_EQ(c.size(), b.size()) << "line " << n;
    ASSERT_TRUE(c == b) << "line " << n;
    ASSERT_EQ(quick.eof(), plain.eof());
  }
  EXPECT_EQ(quick.rdstate(), plain.rdstate());
  EXPECT_FALSE(buffered.bad());
}

TEST(ReaderAgreement, LinesOfEveryLengthAroundTheChunksAndTheBound) {
  // Lengths around the reader's chunk sizes and the 1 MB bound, with and without a last "\n",
  // empty lines, "\r" and NUL characters inside lines.
  std::vector<std::size_t> lengths = {0,    1,    2,    39,   40,    4094,  4095,  4096,  4097,
                                      8190, 8191, 8192, 8193, 65535, 65536, 65537, 131072};
  for (std::size_t d : {0, 1, 2, 4095, 4096})
    for (std::size_t n : {kMaxLineLength - d, kMaxLineLength + d}) lengths.push_back(n);
  for (std::size_t length : lengths) {
    for (const bool lastNewline : {true, false}) {
      std::string line(length, 'x');
      for (std::size_t i = 7; i < line.size(); i += 1000) line[i] = i % 2000 == 7 ? '\0' : '\r';
      std::string text = "a\n\n" + line + "\nb\r\n" + line;
      if (lastNewline) text += "\n";
      ExpectSameLines(text);
    }
  }
  ExpectSameLines("");
  ExpectSameLines("\n");
  ExpectSameLines("\n\n");
  ExpectSameLines("no newline");
}

TEST(ReaderAgreement, RandomTextsReadIntoTheSameLines) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int pieces = static_cast<int>(random() % 40);
    for (int p = 0; p < pieces; ++p) {
      const std::size_t run = random() % 4 == 0 ? random() % 10000 : random() % 60;
      for (std::size_t i = 0; i < run; ++i) text.push_back(static_cast<char>("ab\t\r 7\0\xff"[random() % 8]));
      text.push_back('\n');
    }
    if (random() % 2 && !text.empty()) text.pop_back();
    ExpectSameLines(text);
  }
}

// The date by its old reading: the form checked, then the three numbers read as C numbers.
bool PlainParseAgencyDate(std::string_view text, CalendarDate& date) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (text[i] < '0' || text[i] > '9') return false;
  date = SplitAgencyDate(text);
  return IsCalendarDate(date);
}

void ExpectSameDate(const std::string& text) {
  CalendarDate quick{-1, -1, -1}, plain{-1, -1, -1};
  const bool a = ParseAgencyDate(text, quick);
  const bool b = PlainParseAgencyDate(text, plain);
  ASSERT_EQ(a, b) << text;
  ASSERT_EQ(quick.year, plain.year) << text;
  ASSERT_EQ(quick.month, plain.month) << text;
  ASSERT_EQ(quick.day, plain.day) << text;
}

TEST(ReaderAgreement, EveryDateFrom1800To2100AndBeyondTheCalendar) {
  char text[16];
  int valid = 0;
  for (int year = 1800; year <= 2100; ++year)
    for (int month = 0; month <= 13; ++month)
      for (int day = 0; day <= 32; ++day) {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
        ExpectSameDate(text);
        CalendarDate d;
        valid += ParseAgencyDate(text, d);
      }
  EXPECT_EQ(valid, 301 * 365 + 73);  // 73 leap days in 1800-2100
  for (const char* text : {"0000-01-01", "0001-01-01", "9999-12-31", "0400-02-29", "0100-02-29"})
    ExpectSameDate(text);
}

TEST(ReaderAgreement, MalformedDatesAreNoDates) {
  // Each place of a good date replaced by every byte value; and shorter and longer forms.
  const std::string good = "1996-02-29";
  for (std::size_t at = 0; at < good.size(); ++at)
    for (int c = 0; c < 256; ++c) {
      std::string text = good;
      text[at] = static_cast<char>(c);
      ExpectSameDate(text);
    }
  for (const char* text : {"", "1996-02-2", "1996-02-291", " 1996-02-29", "1996-2-029", "96-02-29",
                           "1996-02-29\r", "1996--2-29", "-996-02-29", "1996-02--9"})
    ExpectSameDate(text);
}

// The float by its old reading: the number's extent as %f sees it, then from_chars to float.
bool PlainFloat(std::string_view text, float& value, std::size_t& used) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t start = i;
  std::size_t digits = 0;
  const auto isDigit = [&](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
  while (isDigit(i)) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (isDigit(i)) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (isDigit(j)) {
      while (isDigit(j)) ++j;
      i = j;
    }
  }
  float v = 0.0f;
  const auto [end, ec] = std::from_chars(text.data() + start, text.data() + i, v, std::chars_format::general);
  if (ec != std::errc() || end != text.data() + i || !std::isfinite(v)) return false;
  value = negative ? -v : v;
  used = i;
  return true;
}

std::uint32_t Bits(float v) {
  std::uint32_t b = 0;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

void ExpectSameFloat(const std::string& text) {
  float quick = 12345.0f, plain = 12345.0f;
  std::size_t used = 0;
  LineScanner scan(text);
  const bool a = scan.Float(quick);
  const bool b = PlainFloat(text, plain, used);
  ASSERT_EQ(a, b) << text;
  ASSERT_EQ(Bits(quick), Bits(plain)) << text;
  if (a) {
    ASSERT_EQ(scan.Position(), used) << text;
  }
}

TEST(ReaderAgreement, MillionsOfRandomDecimalsRoundToTheSameFloat) {
  std::mt19937_64 random(7);
  std::string text;
  for (int n = 0; n < 3000000; ++n) {
    text.clear();
    if (random() % 8 == 0) text += random() % 2 ? "-" : "+";
    // Mostly up to 9 digits in all, around the 7 of the short way; some long ones.
    const int total = random() % 16 == 0 ? static_cast<int>(random() % 30) : static_cast<int>(random() % 10);
    const int point = static_cast<int>(random() % (total + 2)) - 1;  // -1: no point
    for (int i = 0; i < total; ++i) {
      if (i == point) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    if (point == total) text += '.';
    if (random() % 16 == 0) text += "e" + std::to_string(static_cast<int>(random() % 90) - 45);
    if (random() % 4 == 0) text += "\tA";
    ExpectSameFloat(text);
  }
  // Every integer of the short way up to 10^7 by a stride, and halfway cases between floats.
  for (std::uint32_t v = 0; v < 10000000; v += 997) ExpectSameFloat(std::to_string(v));
  for (const char* text :
       {"16777217", "1677721.7", "9999999",    "9999999.",  ".9999999",  "0.0000001", "33554433",
        "0.1",      "0.3",       "2.675",      "1e0",       "1.",        ".",         "-.5",
        "-0",       "-0.0",      "00000000.1", "4.9999995", "8388608.5", "8388609.5"})
    ExpectSameFloat(text);
}

// The field of the character at `offset`, counted the plain way.
int PlainFieldAt(std::string_view line, std::size_t offset) {
  const std::string_view before = line.substr(0, offset);
  if (line.find('\t') != std::string_view::npos)
    return static_cast<int>(std::count(before.begin(), before.end(), '\t'));
  LineScanner scan(before);
  std::string_view token;
  int count = 0;
  while (scan.Token(token)) ++count;
  return count;
}

// The daily-value line by the reading rule, its fields counted the plain way.
bool PlainDailyValueLine(std::string_view line, DailyValueLine& out) {
  LineScanner scan(line);
  std::string_view agency, flag;
  int site = 0;
  if (!scan.Token(agency) || !scan.Int(site) || !scan.Token(out.date)) return false;
  float value1 = 0.0f, value2 = 0.0f, value3 = 0.0f;
  out.flow = kMissing;
  out.flowField = -1;
  scan.SkipBlanks();
  const std::size_t at1 = scan.Position();
  if (!scan.Float(value1)) return true;
  out.flow = value1;
  out.flowField = PlainFieldAt(line, at1);
  if (!scan.Token(flag) || !scan.Float(value2) || !scan.Token(flag)) return true;
  scan.SkipBlanks();
  const std::size_t at3 = scan.Position();
  if (scan.Float(value3)) {
    out.flow = value3;
    out.flowField = PlainFieldAt(line, at3);
  }
  return true;
}

TEST(ReaderAgreement, RandomLinesGiveTheSameFlowFieldAndFieldCount) {
  std::mt19937 random(99);
  const char* pieces[] = {"", "12", "3.5", "A", "P:e", "Ice", "-1", "1e3", "x", "\r", "7 8"};
  const char* separators[] = {"\t", "\t", "\t", " ", "  ", "\t\t", " \t"};
  for (int n = 0; n < 200000; ++n) {
    std::string line = random() % 8 == 0 ? "AGNC 1 1990-10-01" : "AGNC\t1\t1990-10-01";
    const int fields = static_cast<int>(random() % (random() % 50 == 0 ? 400 : 12));
    for (int f = 0; f < fields; ++f) {
      line += separators[random() % (line.find('\t') == std::string::npos ? 7 : 3)];
      line += pieces[random() % 11];
    }
    DailyValueLine quick, plain;
    ASSERT_EQ(ParseDailyValueLine(line, quick), PlainDailyValueLine(line, plain)) << line;
    ASSERT_EQ(Bits(quick.flow), Bits(plain.flow)) << line;
    ASSERT_EQ(quick.flowField, plain.flowField) << line;
    const std::size_t tabs = static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t'));
    if (tabs > 0) {
      ASSERT_EQ(FieldCount(line), tabs + 1) << line;
    }
    for (std::size_t at = 0; at < line.size(); at += 1 + random() % 7) {
      if (at > 0 && !IsBlank(line[at - 1]) && line.find('\t') == std::string::npos)
        continue;  // not a token start
      ASSERT_EQ(FieldAt(line, at), PlainFieldAt(line, at)) << line << " at " << at;
    }
  }
}

TEST(ReaderAgreement, UsualLinesAndEveryOneCharacterChangeOfThem) {
  // The usual line is read in one pass; with any one character changed, put in or taken out it
  // must still read as the scanner reads it (and then mostly goes the scanner's way).
  const char* usual[] = {"AGNC\t01000000\t1990-10-26\t11.10\tA", "AGNC\t01000000\t1990-10-26\t11.10",
                         "AGNC\t01000000\t1990-10-26\t1234567\tP:e", "AGNC\t5\t2000-02-29\t.5\t",
                         "AGNC\t01000000\t1990-10-26\t0.001\tA"};
  const char changes[] = {'\t', ' ', '\r', '\v', '\0', '\xb0', '.', '-', '+', 'e', 'E', 'x', '0', '9', ':'};
  int lines = 0;
  for (const char* base : usual) {
    const std::string line(base);
    std::vector<std::string> variants = {line};
    for (std::size_t at = 0; at <= line.size(); ++at) {
      if (at < line.size()) variants.push_back(line.substr(0, at) + line.substr(at + 1));
      for (char c : changes) {
        variants.push_back(line.substr(0, at) + c + line.substr(at));
        if (at < line.size()) variants.push_back(line.substr(0, at) + c + line.substr(at + 1));
      }
    }
    for (const std::string& v : variants) {
      DailyValueLine quick, plain;
      const bool gotQuick = ParseDailyValueLine(v, quick);
      ASSERT_EQ(gotQuick, PlainDailyValueLine(v, plain)) << v;
      ++lines;
      if (!gotQuick) continue;
      ASSERT_EQ(quick.date, plain.date) << v;
      ASSERT_EQ(Bits(quick.flow), Bits(plain.flow)) << v;
      ASSERT_EQ(quick.flowField, plain.flowField) << v;
      // A field count given on the way is the line's own.
      if (quick.fields != 0) {
        ASSERT_EQ(quick.fields, FieldCount(v)) << v;
      }
    }
  }
  EXPECT_GT(lines, 2000);
  // The usual line of every value of up to 7 digits with its decimal point anywhere.
  std::mt19937 random(7);
  for (int n = 0; n < 200000; ++n) {
    std::string value = std::to_string(random() % 10000000u);
    value.insert(random() % (value.size() + 1), ".");
    const std::string v = "AGNC\t01000000\t1990-10-26\t" + value + (n % 2 ? "\tA" : "");
    DailyValueLine quick, plain;
    ASSERT_TRUE(ParseDailyValueLine(v, quick));
    ASSERT_TRUE(PlainDailyValueLine(v, plain));
    ASSERT_EQ(Bits(quick.flow), Bits(plain.flow)) << v;
    ASSERT_EQ(quick.fields, n % 2 ? 5u : 4u) << v;
  }
}

TEST(ReaderAgreement, BlanksAreTheBlanksOfTheCLocale) {
  for (int c = 0; c < 256; ++c) {
    const char ch = static_cast<char>(c);
    EXPECT_EQ(IsBlank(ch), ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f')
        << c;
  }
}

TEST(ReaderAgreement, YearsInterleavedKeepEveryValueAndEveryCount) {
  // Lines that come back to a year read before, with flows from two different fields.
  const std::string header = "agency_cd\tsite_no\tdatetime\ta_00060_00003\ta_cd\tb\tb_cd\tc\tc_cd\n";
  std::string text = header;
  const char* dates[] = {"1990-10-01", "1991-10-01", "1990-10-02", "1990-10-03",
                         "1991-10-02", "1989-10-05", "1990-10-01"};
  const char* rows[] = {"\t1\tA\t\t\t\t", "\t2\tA\t3\tA\t4\tA",    "\t5\tA\t6\tA\t7\tA", "\t8\tA\t\t\t\t",
                        "\t9\tA\t\t\t\t", "\t10\tA\t11\tA\t12\tA", "\t13\tA\t\t\t\t"};
  for (int i = 0; i < 7; ++i) text += std::string("AGNC\t1\t") + dates[i] + rows[i] + "\n";
  std::istringstream in(text);
  FlowRecord r;
  DailyValueSpan span;
  ASSERT_TRUE(ReadDailyValues(in, ImportProgram::Main, 0, 0, r, span, "daily.txt").Ok());
  ASSERT_EQ(span.beginYear, 1990);
  ASSERT_EQ(r.yearCount, 3);
  EXPECT_EQ(r.flows[1][0], 13.0f);  // 1990-10-01 of water year 1991, its last line
  EXPECT_EQ(r.flows[1][1], 7.0f);
  EXPECT_EQ(r.flows[1][2], 8.0f);
  EXPECT_EQ(r.flows[2][0], 4.0f);
  EXPECT_EQ(r.flows[2][1], 9.0f);
  EXPECT_EQ(r.flows[0][4], 12.0f);
  EXPECT_EQ(span.storedLines, 7);
  const std::map<int, std::map<int, long>> counts = {{3, {{1991, 3}, {1992, 1}}},
                                                     {7, {{1990, 1}, {1991, 1}, {1992, 1}}}};
  EXPECT_EQ(span.columns.linesByFieldAndYear, counts);
}

TEST(ReaderAgreement, UsualAndOtherLinesAreTalliedByTheirOwnFieldCount) {
  // Five column names: a usual line of five fields (a code, or an empty code after a trailing
  // tab) is described and counted, one of four fields is not; the same lines led by a blank go
  // the scanner's way and must be tallied alike.
  const std::string header = "agency_cd\tsite_no\tdatetime\ta_00060_00003\ta_cd\n";
  const char* rows[] = {"AGNC\t1\t1990-10-01\t5\tA", "AGNC\t1\t1990-10-02\t6",
                        "AGNC\t1\t1990-10-03\t7\t",  " AGNC\t1\t1990-10-04\t8\tA",
                        " AGNC\t1\t1990-10-05\t9",   " AGNC\t1\t1990-10-06\t10\t"};
  std::string text = header;
  for (const char* row : rows) text += std::string(row) + "\n";
  std::istringstream in(text);
  FlowRecord r;
  DailyValueSpan span;
  ASSERT_TRUE(ReadDailyValues(in, ImportProgram::Main, 0, 0, r, span, "daily.txt").Ok());
  EXPECT_EQ(span.storedLines, 6);
  for (int s = 0; s < 6; ++s) EXPECT_EQ(r.flows[0][static_cast<std::size_t>(s)], static_cast<float>(5 + s));
  const std::map<int, std::map<int, long>> counts = {{3, {{1991, 4}}}};
  EXPECT_EQ(span.columns.linesByFieldAndYear, counts);
}

}  // namespace
}  // namespace zelvo
