// Where Help > User Guide finds the guide: installed beside the program first, then the source's
// docs folder of a program run from its build folder; nowhere gives the places looked at.

#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "zelvo/shell/UserGuide.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

TEST(UserGuide, InstalledGuideComesBeforeTheSourceFolderAndAFolderIsNoGuide) {
  testing::TempFolder temp;
  const fs::path prefix = temp.Path() / "my prefix";
  const fs::path bin = prefix / "bin";
  const fs::path source = temp.Path() / "src" / "docs";
  fs::create_directories(bin);
  fs::create_directories(source);

  // Nowhere: no guide, and the message names both places.
  EXPECT_FALSE(FindUserGuide(bin, source).has_value());
  const std::string message = UserGuideMissingMessage(UserGuideCandidates(bin, source));
  EXPECT_NE(message.find((prefix / "share/zelvo/guide/guide.md").string()), std::string::npos) << message;
  EXPECT_NE(message.find((source / "guide.md").string()), std::string::npos) << message;

  // A folder named like the guide is not the guide.
  fs::create_directories(source / "guide.md");
  EXPECT_FALSE(FindUserGuide(bin, source).has_value());
  fs::remove(source / "guide.md");

  // The build folder's program: the source's guide.
  testing::WriteWholeFile(source / "guide.md", "# source\n");
  EXPECT_EQ(FindUserGuide(bin, source), source / "guide.md");

  // Installed: share/zelvo/guide below the prefix wins, whatever the source folder holds.
  fs::create_directories(prefix / "share/zelvo/guide");
  testing::WriteWholeFile(prefix / "share/zelvo/guide/guide.md", "# installed\n");
  EXPECT_EQ(FindUserGuide(bin, source), prefix / "share/zelvo/guide/guide.md");
  EXPECT_EQ(FindUserGuide(bin, fs::path()), prefix / "share/zelvo/guide/guide.md");
  EXPECT_FALSE(FindUserGuide(temp.Path() / "elsewhere", fs::path()).has_value());
}

}  // namespace
}  // namespace zelvo
