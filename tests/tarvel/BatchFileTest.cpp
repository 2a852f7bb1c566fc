#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tarvel/BatchFile.h"
#include "tarvel/StreamClassifier.h"

namespace zelvo::tarvel {
namespace {

TEST(BatchFileLine, StationLineWithAndWithoutCarriageReturn) {
  for (const char* text : {"station7,2,1960,2000", "station7,2,1960,2000\r", "station7, 2, 1960, 2000"}) {
    const BatchLine line = ParseBatchLine(text);
    ASSERT_EQ(line.kind, BatchLineKind::Station) << text;
    EXPECT_EQ(line.station.stationId, "station7");
    EXPECT_EQ(line.station.expectedClass, 2);
    EXPECT_EQ(line.station.beginYear, 1960);
    EXPECT_EQ(line.station.endYear, 2000);
  }
  // Only the first comma ends the id; what follows the third number is not read.
  const BatchLine extra = ParseBatchLine("a b,0,-1,+0,trailing text");
  ASSERT_EQ(extra.kind, BatchLineKind::Station);
  EXPECT_EQ(extra.station.stationId, "a b");
  EXPECT_EQ(extra.station.beginYear, -1);
  EXPECT_EQ(extra.station.endYear, 0);
}

TEST(BatchFileLine, BlankAndMalformedLines) {
  EXPECT_EQ(ParseBatchLine("").kind, BatchLineKind::Blank);
  EXPECT_EQ(ParseBatchLine(" \t\r").kind, BatchLineKind::Blank);
  for (const char* text : {"station7", "station7 2 1960 2000", ",2,1960,2000", "station7,2,1960",
                           "station7,2,1960,", "station7,x,1960,2000", "station7,2 ,1960,2000",
                           "station7,2;1960;2000", "station7,99999999999,1960,2000", "station7,-,1,2"}) {
    EXPECT_EQ(ParseBatchLine(text).kind, BatchLineKind::Malformed) << text;
  }
}

TEST(BatchFileLine, StationIdsThatLeaveTheBatchFolderAreMalformed) {
  for (const char* text : {"../secret,1,1960,2000", "/etc/passwd,1,1960,2000", "..,1,1960,2000",
                           ".,1,1960,2000", "gauges/station7,1,1960,2000", "..\\station7,1,1960,2000"}) {
    EXPECT_EQ(ParseBatchLine(text).kind, BatchLineKind::Malformed) << text;
  }
  // Dots inside a plain name are part of the name.
  EXPECT_EQ(ParseBatchLine("station..7.csv,1,1960,2000").station.stationId, "station..7.csv");
}

TEST(BatchFileLine, StationPathLiesInTheBatchFolder) {
  EXPECT_EQ(StationPath("/home/ann/gage data/tarvel_batch.csv", "station7"), "/home/ann/gage data/station7");
  EXPECT_EQ(StationPath("/tarvel_batch.csv", "station7"), "/station7");
  EXPECT_EQ(StationPath("tarvel_batch.csv", "station7"), "station7");  // the working folder
  EXPECT_EQ(StationPath("runs/b.csv", "/etc/x"), "runs//etc/x");       // never leaves the folder's prefix
}

TEST(BatchFileOutput, LinesToTheCharacter) {
  BatchStation s{"station7", 2, 1960, 2000};
  EXPECT_EQ(BatchOutputLine(s, 0), "station7,2,1\r\n");
  EXPECT_EQ(BatchOutputLine(s, 3), "station7,2,4\r\n");
  EXPECT_EQ(BatchOutputLine(s, kUnclassified), "station7,2,unclassified\r\n");
  EXPECT_STREQ(kBatchOutputHeader, "station id,class,classified as\r\n");
}

TEST(BatchFileOutput, DefaultPathsUnderTheHomeFolder) {
  const char* old = std::getenv("HOME");
  const std::string saved = old ? old : "";
  setenv("HOME", "/home/ann", 1);
  EXPECT_EQ(DefaultBatchFilePath(), "/home/ann/lorvan project/gage data/tarvel_batch.csv");
  EXPECT_EQ(DefaultBatchOutputPath(), "/home/ann/lorvan project/gage data/tarvel_output.csv");
  if (old)
    setenv("HOME", saved.c_str(), 1);
  else
    unsetenv("HOME");
}

}  // namespace
}  // namespace zelvo::tarvel
