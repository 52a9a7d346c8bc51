#pragma once
// A fixture for the tests of the configuration file on the disk: each test works in a fresh
// folder of its own, which it can list afterwards to see that no file was left behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "config/status.h"

namespace tqr417::file_test {

class FileFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    // create_directory fails on a name that exists, so two test processes never share one.
    for (int attempt = 0; attempt < 100 && folder_.empty(); ++attempt) {
      const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
      const std::filesystem::path candidate =
          std::filesystem::path(testing::TempDir()) / ("tqr417-file-" + std::to_string(stamp));
      if (std::filesystem::create_directory(candidate)) folder_ = candidate;
    }
    ASSERT_FALSE(folder_.empty());
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  void Put(const std::string& name, const std::string& contents) const {
    std::ofstream(folder_ / name, std::ios::binary) << contents;
  }

  std::string Get(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::vector<std::string> Listing() const {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder_)) {
      names.push_back(item.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  static void ExpectNamed(const Status& status, const std::string& part) {
    EXPECT_NE(status.message().find(part), std::string::npos) << status.message();
  }

  std::filesystem::path folder_;
};

}  // namespace tqr417::file_test
