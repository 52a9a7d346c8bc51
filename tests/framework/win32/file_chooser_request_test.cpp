// What the Win32 file chooser is asked for, for the load's and the save's CFileDialog: the
// extension it appends, whether it asks before replacing a file, whether an open name must
// exist, the names it lists at first and the name it offers, whatever characters that holds;
// and the system's chooser itself, which the program loads only when one opens.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "framework/win32/file_chooser.h"
#include "framework/win32/testing/native_driver.h"
#include "framework/win_types.h"
#include "support/row_name.h"

namespace {

using tqr417::fw::ChooserRequest;
using tqr417::fw::FileChooserRequest;

constexpr unsigned long kOfnFileMustExist = 0x1000;  // OFN_FILEMUSTEXIST (commdlg.h)

struct RequestCase {
  const char* description;
  bool open;
  const char* initialName;
  unsigned long set;     // OFN_ flags the chooser is given
  unsigned long notSet;  // and flags it is not
  std::wstring_view initialFile;
  std::wstring_view filters;  // "label\0pattern\0" entries, then another \0
};

class FileChooserRequestTest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(FileChooserRequestTest, AsksForWhatTheCommandNeeds) {
  const RequestCase& c = GetParam();
  tqr417::fw::FileRequest asked;
  asked.open = c.open;
  asked.defaultExt = "417";
  asked.initialName = c.initialName;
  asked.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  const FileChooserRequest request = ChooserRequest(asked);
  EXPECT_EQ(request.defaultExt, L"417") << "a name typed without an extension gets \".417\"";
  EXPECT_EQ(request.flags & c.set, c.set);
  EXPECT_EQ(request.flags & c.notSet, 0u);
  EXPECT_EQ(request.initialFile, std::wstring(c.initialFile));
  EXPECT_EQ(request.filters, std::wstring(c.filters));
}

using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(
    Table, FileChooserRequestTest,
    ::testing::Values(RequestCase{"save asks before it replaces a file", false, "*.417",
                                  OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, kOfnFileMustExist, L"",
                                  L"*.417\0*.417\0All files (*.*)\0*.*\0\0"sv},
                      RequestCase{"open takes a name that need not exist", true, "*.417",
                                  OFN_HIDEREADONLY, OFN_OVERWRITEPROMPT | kOfnFileMustExist, L"",
                                  L"*.417\0*.417\0All files (*.*)\0*.*\0\0"sv},
                      RequestCase{"a plain initial name is the name offered", false, "site.417",
                                  OFN_OVERWRITEPROMPT, kOfnFileMustExist, L"site.417",
                                  L"*.417\0*.417\0All files (*.*)\0*.*\0\0"sv},
                      RequestCase{"a name with accents and Greek is offered intact", false,
                                  "B\xC3\xBCro \xCE\xA9/\xC3\xA9 site.417", OFN_OVERWRITEPROMPT,
                                  kOfnFileMustExist, L"B\u00FCro \u03A9/\u00E9 site.417",
                                  L"*.417\0*.417\0All files (*.*)\0*.*\0\0"sv}),
    tqr417::test_support::RowName{});

TEST(FileChooserRunTest, SystemChooserOpensAndEscCancelsIt) {
  for (const bool open : {true, false}) {
    tqr417::fw::win32::Window chooser = nullptr;
    tqr417::fw::win32::testing::WhenLoopRuns([&chooser] {
      chooser = GetActiveWindow();
      constexpr int kVkEscape = 0x1B;
      tqr417::fw::win32::testing::PostKey(kVkEscape);
    });
    tqr417::fw::FileRequest request;
    request.open = open;
    request.defaultExt = "417";
    request.initialName = "*.417";
    request.flags = OFN_HIDEREADONLY;
    EXPECT_EQ(tqr417::fw::ChooseFile(nullptr, request), std::nullopt);
    EXPECT_NE(chooser, nullptr) << (open ? "open" : "save") << " chooser shown while it ran";
    tqr417::fw::win32::testing::RunQueuedActs();
  }
}

}  // namespace
