#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "zelvo/files/ProjectStore.h"

namespace zelvo {
namespace {

using testing::TempFolder;

TEST(ProjectsFile, RecordsAre1107BytesWithNulPaddedFields) {
  const std::vector<ProjectEntry> list{{"Upper Creek 2", "North fork", "Upper_Creek_2"}, {"B", "", "B"}};
  const Bytes b = EncodeProjectsList(list);
  ASSERT_EQ(b.size(), 4u + 2 * 1107u);
  EXPECT_EQ(GetInt32(&b[0]), 2);
  EXPECT_EQ(GetText(&b[4], 41), "Upper Creek 2");
  EXPECT_EQ(GetText(&b[4 + 41], 1025), "North fork");
  EXPECT_EQ(GetText(&b[4 + 1066], 41), "Upper_Creek_2");
  EXPECT_EQ(b[4 + 1066 + 13], 0);
  EXPECT_EQ(GetText(&b[4 + 1107], 41), "B");
  std::vector<ProjectEntry> back;
  ASSERT_TRUE(DecodeProjectsList(b, back).Ok());
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].description, "North fork");
  EXPECT_EQ(back[1].folder, "B");
}

TEST(ProjectsFile, OneHundredWholeProjectsAreReadAndOneHundredAndOneAreNot) {
  std::vector<ProjectEntry> hundred;
  for (int n = 1; n <= kMaxProjects; ++n) {
    const std::string name = "Project " + std::to_string(n);
    hundred.push_back({name, "gauge " + std::to_string(n), ProjectFolderName(name)});
  }
  const Bytes full = EncodeProjectsList(hundred);
  ASSERT_EQ(full.size(), 4 + 100 * kProjectEntrySize);
  std::vector<ProjectEntry> back;
  ASSERT_TRUE(DecodeProjectsList(full, back).Ok());
  ASSERT_EQ(back.size(), 100u);
  EXPECT_EQ(back[99].name, "Project 100");
  EXPECT_EQ(back[99].folder, "Project_100");
  hundred.push_back({"Project 101", "", "Project_101"});
  EXPECT_EQ(DecodeProjectsList(EncodeProjectsList(hundred), back).Message(),
            "The project list (projects) is damaged:  its count is not between 0 and 100.");
  EXPECT_EQ(back.size(), 100u);  // left as it was
}

TEST(ProjectsFile, DamagedCountsAndShortFilesAreDamagedNotReadAsEmpty) {
  Bytes b = EncodeProjectsList({{"A", "", "A"}, {"B", "", "B"}});
  const std::vector<ProjectEntry> kept{{"Kept", "", "Kept"}};
  auto decode = [&](const Bytes& bytes) {
    std::vector<ProjectEntry> projects = kept;
    const Status status = DecodeProjectsList(bytes, projects);
    EXPECT_EQ(projects.size(), status.Ok() ? 2u : 1u);
    return status.Message();
  };
  const std::string prefix = "The project list (projects) is damaged:  ";
  Bytes wrongCount = b;
  wrongCount[0] = 101;
  EXPECT_EQ(decode(wrongCount), prefix + "its count is not between 0 and 100.");
  wrongCount[0] = 0xff;
  wrongCount[3] = 0xff;  // -1
  EXPECT_EQ(decode(wrongCount), prefix + "its count is not between 0 and 100.");
  Bytes cut = b;
  cut.resize(4 + 1107 + 500);
  EXPECT_EQ(decode(cut), prefix + "it holds fewer projects than its count.");
  EXPECT_EQ(decode(Bytes{1, 0}), prefix + "it ends before its count.");
  EXPECT_EQ(decode(Bytes{}), prefix + "it ends before its count.");
  Bytes unterminated = b;
  for (std::size_t i = 4 + 1066; i < 4 + 1107; ++i) unterminated[i] = 'x';  // folder of A without its NUL
  EXPECT_EQ(decode(unterminated), prefix + "a project's text runs past its field.");
  Bytes longer = b;
  longer.insert(longer.end(), 300, 0x5a);  // left over by a writer that did not truncate
  EXPECT_EQ(decode(longer), "");
}

TEST(ProjectsFile, NamesThatCannotBeFolderNamesAreRefused) {
  EXPECT_EQ(ProjectFolderName("Upper Creek 2"), "Upper_Creek_2");
  EXPECT_FALSE(CheckProjectName("Upper Creek 2").has_value());
  EXPECT_TRUE(CheckProjectName("").has_value());
  EXPECT_TRUE(CheckProjectName(".").has_value());
  EXPECT_TRUE(CheckProjectName("..").has_value());
  EXPECT_TRUE(CheckProjectName("../escape").has_value());
  EXPECT_TRUE(CheckProjectName("a/b").has_value());
  EXPECT_TRUE(CheckProjectName("a\\b").has_value());
  EXPECT_TRUE(CheckProjectName(std::string("a\0b", 3)).has_value());
  EXPECT_FALSE(CheckProjectName(std::string(40, 'x')).has_value());
  EXPECT_TRUE(CheckProjectName(std::string(41, 'x')).has_value());
  EXPECT_FALSE(IsSafeFolderName(".."));
  EXPECT_FALSE(IsSafeFolderName(""));
}

TEST(ProjectsFile, FolderOfAnEntryResolvesOnlyToARealFolderUnderTheRoot) {
  TempFolder t;
  const auto root = t.Path() / "zelvoproj";
  std::filesystem::create_directories(root / "Here");
  std::filesystem::create_directories(t.Path() / "elsewhere");
  std::filesystem::create_directory_symlink(t.Path() / "elsewhere", root / "Link");
  EXPECT_TRUE(ResolveProjectFolder(root, {"Here", "", "Here"}).has_value());
  EXPECT_FALSE(ResolveProjectFolder(root, {"Gone", "", "Gone"}).has_value());
  EXPECT_FALSE(ResolveProjectFolder(root, {"Link", "", "Link"}).has_value());
  EXPECT_FALSE(ResolveProjectFolder(root, {"x", "", ".."}).has_value());
  EXPECT_FALSE(ResolveProjectFolder(root, {"x", "", "../elsewhere"}).has_value());
}

TEST(ProjectsFile, BaselineIsFourLittleEndianBytes) {
  TempFolder t;
  EXPECT_EQ(ReadBaseline(t.Path()), 0);
  ASSERT_TRUE(WriteBaseline(t.Path(), 258));
  EXPECT_EQ(testing::ReadWholeFile(t.Path() / "baseline"), std::string("\x02\x01\x00\x00", 4));
  EXPECT_EQ(ReadBaseline(t.Path()), 258);
  testing::WriteWholeFile(t.Path() / "baseline", "\x01");
  EXPECT_EQ(ReadBaseline(t.Path()), 0);
}

}  // namespace
}  // namespace zelvo
