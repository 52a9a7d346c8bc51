// The safe save and the load on Windows: UTF-8 names reach the file system as wide names,
// devices are refused, and a replaced file keeps its attributes.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/defaults.h"
#include "file/config_file.h"
#include "tests/file/file_folder_fixture.h"
#include "tests/file/file_test_support.h"

namespace tqr417 {
namespace {

namespace fs = std::filesystem;

using WindowsFileTest = file_test::FileFolderTest;

TEST_F(WindowsFileTest, AnyNameSavesAndLoadsThroughItsWideForm) {
  const std::string name = "Einstellung \xC3\xA4\xC3\xB6\xC3\xBC \xE6\x97\xA5\xE6\x9C\xAC.417";
  const fs::path wide = folder_ / L"Einstellung \u00E4\u00F6\u00FC \u65E5\u672C.417";
  const std::string path = PathOf("") + name;
  ASSERT_TRUE(SaveConfigFile(path, StartupConfig()).ok());
  ASSERT_TRUE(SaveConfigFile(path, file_test::DistinctConfig()).ok());
  EXPECT_EQ(std::vector<fs::path>{wide},
            std::vector<fs::path>(fs::directory_iterator(folder_), fs::directory_iterator()));
  UnitConfig loaded = StartupConfig();
  ASSERT_TRUE(LoadConfigFile(path, loaded).ok());
  EXPECT_EQ(loaded, file_test::DistinctConfig());
}

TEST_F(WindowsFileTest, SaveKeepsTheAttributesOfTheFileItReplaces) {
  Put("a.417", "old contents");
  const std::wstring path = (folder_ / "a.417").wstring();
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SaveConfigFile(PathOf("a.417"), file_test::DistinctConfig()).ok());
  EXPECT_EQ(Get("a.417"), file_test::JoinLines(file_test::DistinctFileLines()));
  EXPECT_NE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(Listing(), std::vector<std::string>{"a.417"});
}

TEST_F(WindowsFileTest, DevicesAndNamesThatAreNotUtf8AreRefused) {
  struct Case {
    std::string path;
    const char* reason;
  };
  for (const Case& c :
       {Case{"NUL", "a device or a pipe"}, Case{PathOf("") + "\xFF.417", "not valid UTF-8"}}) {
    UnitConfig config = file_test::DistinctConfig();
    for (const Status& status :
         {SaveConfigFile(c.path, StartupConfig()), LoadConfigFile(c.path, config)}) {
      EXPECT_EQ(status.code(), StatusCode::kIoError) << c.path;
      ExpectNamed(status, c.path);
      ExpectNamed(status, c.reason);
    }
    EXPECT_EQ(config, file_test::DistinctConfig());
  }
  EXPECT_TRUE(Listing().empty());
}

}  // namespace
}  // namespace tqr417
