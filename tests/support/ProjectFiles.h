#pragma once
// A project's files as a test reads them back after a command: a file that cannot be read fails
// the test with its message (and reads as empty), so an assertion on the contents never looks at
// a stale value.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "zelvo/files/DataSetDirectory.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/files/ProfileDirectory.h"
#include "zelvo/files/ProjectStore.h"

namespace zelvo::testing {

inline std::vector<DataSetEntry> StoredDataSets(const std::filesystem::path& folder) {
  std::vector<DataSetEntry> entries;
  const Status read = ReadDataSetDirectory(folder, entries);
  EXPECT_TRUE(read.Ok()) << read.Message();
  return entries;
}

inline std::vector<ProfileEntry> StoredProfiles(const std::filesystem::path& folder) {
  std::vector<ProfileEntry> profiles;
  const Status read = ReadProfileDirectory(folder, profiles);
  EXPECT_TRUE(read.Ok()) << read.Message();
  return profiles;
}

inline std::vector<ProjectEntry> StoredProjects(const std::filesystem::path& startFolder) {
  std::vector<ProjectEntry> projects;
  const Status read = ReadProjectsList(startFolder, projects);
  EXPECT_TRUE(read.Ok()) << read.Message();
  return projects;
}

inline FlowRecord StoredRecord(const std::filesystem::path& dataSetFile, bool peakFlag) {
  FlowRecord record;
  const Status read = ReadDataSetFile(dataSetFile, peakFlag, record);
  EXPECT_TRUE(read.Ok()) << read.Message();
  return record;
}

// Adds a data set to a project as an import would leave it: its file "dataset_N" (with its peak
// section when the record has peaks), its entry in `dataSets` and the rewritten ds_directory.
inline void AddStoredDataSet(const std::filesystem::path& folder, std::vector<DataSetEntry>& dataSets,
                             const std::string& title, const FlowRecord& record, int streamClass = 1) {
  DataSetEntry e;
  e.title = title;
  e.SetWaterYears(record.FirstYear(), record.LastYear());
  e.fileName = DataSetFileName(static_cast<int>(dataSets.size()) + 1);
  e.streamClass = streamClass;
  e.peakFlag = record.peakCount > 0 ? 1 : 0;
  ASSERT_TRUE(WriteDataSetFile(folder / e.fileName, record, e.peakFlag == 1));
  dataSets.push_back(e);
  ASSERT_TRUE(WriteDataSetDirectory(folder, dataSets));
}

}  // namespace zelvo::testing
