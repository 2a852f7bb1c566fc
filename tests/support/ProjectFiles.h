#pragma once
// A project's files as a test reads them back after a command: a file that cannot be read fails
// the test with its message (and reads as empty), so an assertion on the contents never looks at
// a stale value.

#include <gtest/gtest.h>

#include <filesystem>
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

}  // namespace zelvo::testing
