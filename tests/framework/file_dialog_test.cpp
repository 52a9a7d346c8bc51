#include "framework/file_dialog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/testing/scripted_runner.h"
#include "support/row_name.h"

namespace {

struct ChoiceCase {
  const char* description;
  BOOL open;
  std::optional<std::string> typed;
  int code;
  const char* path;
};

class FileDialogTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(FileDialogTest, GivesThePathWithTheDefaultExtension) {
  const ChoiceCase& c = GetParam();
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use(runner);
  runner.ChooseFile(c.typed);
  CFileDialog chooser(c.open, "417", "*.417", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
  EXPECT_EQ(chooser.DoModal(), c.code) << c.description;
  EXPECT_EQ(chooser.GetPathName(), c.path) << c.description;
  ASSERT_EQ(runner.FileRequests().size(), 1u);
  const auto& request = runner.FileRequests()[0];
  EXPECT_EQ(request.open, c.open != FALSE);
  EXPECT_EQ(request.defaultExt, "417");
  EXPECT_EQ(request.initialName, "*.417");
  EXPECT_EQ(request.flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
  EXPECT_EQ(runner.UnexpectedModals(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileDialogTest,
    ::testing::Values(
        ChoiceCase{"save without extension", FALSE, "/tmp/site", IDOK, "/tmp/site.417"},
        ChoiceCase{"save with extension", FALSE, "/tmp/site.417", IDOK, "/tmp/site.417"},
        ChoiceCase{"other extension kept", TRUE, "/tmp/site.txt", IDOK, "/tmp/site.txt"},
        ChoiceCase{"dot in a folder name only", TRUE, "/tmp/a.b/site", IDOK, "/tmp/a.b/site.417"},
        ChoiceCase{"open of a name that does not exist", TRUE, "/nonexistent/x.417", IDOK,
                   "/nonexistent/x.417"},
        ChoiceCase{"cancel", TRUE, std::nullopt, IDCANCEL, ""}),
    tqr417::test_support::RowName{});

// What every toolkit's chooser lists and offers as it opens. Names are UTF-8: a path with
// accents and Greek letters is offered whole.
struct OpeningCase {
  const char* description;
  const char* defaultExt;
  const char* initialName;
  const char* filter;
  std::vector<std::string> patterns;
  std::string fileName;
};

class ChooserOpeningTest : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(ChooserOpeningTest, ListsThePatternsAndOffersTheName) {
  const OpeningCase& c = GetParam();
  tqr417::fw::FileRequest request;
  request.defaultExt = c.defaultExt;
  request.initialName = c.initialName;
  request.filter = c.filter;
  const tqr417::fw::ChooserOpening opening = tqr417::fw::OpeningOf(request);
  EXPECT_EQ(opening.patterns, c.patterns);
  EXPECT_EQ(opening.fileName, c.fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChooserOpeningTest,
    ::testing::Values(
        OpeningCase{"a pattern is the filter shown", "417", "*.417", "", {"*.417"}, ""},
        OpeningCase{"a plain name is offered beside the extension's pattern",
                    "417",
                    "site.417",
                    "",
                    {"*.417"},
                    "site.417"},
        OpeningCase{"a path with accents and Greek is offered whole",
                    "417",
                    "/tmp/B\xC3\xBCro \xCE\xA9/\xC3\xA9 site.417",
                    "",
                    {"*.417"},
                    "/tmp/B\xC3\xBCro \xCE\xA9/\xC3\xA9 site.417"},
        OpeningCase{
            "the caller's filter comes first", "417", "*.417", "*.txt", {"*.txt", "*.417"}, ""},
        OpeningCase{"without an extension only the name", "", "site", "", {}, "site"}),
    tqr417::test_support::RowName{});

TEST(FileDialogUnscripted, CountsAsUnexpectedAndCancels) {
  tqr417::fw::ScriptedRunner runner;
  tqr417::fw::ScopedModalRunner use(runner);
  CFileDialog chooser(TRUE, "417", "*.417");
  EXPECT_EQ(chooser.DoModal(), IDCANCEL);
  EXPECT_EQ(runner.UnexpectedModals(), 1);
}

}  // namespace
