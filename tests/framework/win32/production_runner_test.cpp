// The Win32 production runner's message box, read while it runs: a message composed in UTF-8
// (one that names a file) shows as UTF-8, bytes that are not UTF-8 as U+FFFD rather than as
// Latin-1 characters, and the windows' 8-bit text byte for byte.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/modal_runner.h"
#include "framework/toolkit.h"
#include "framework/win32/testing/native_driver.h"
#include "support/row_name.h"

namespace {

namespace native = tqr417::fw::win32::testing;
using tqr417::fw::TextEncoding;

constexpr int kVkReturn = 0x0D;

// The texts of the static controls of `box`: its message among them.
std::vector<std::wstring> StaticTexts(HWND box) {
  std::vector<std::wstring> texts;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM found) -> BOOL {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (lstrcmpiW(className, L"Static") == 0) {
          std::wstring text(static_cast<size_t>(GetWindowTextLengthW(child)) + 1, L'\0');
          text.resize(static_cast<size_t>(
              GetWindowTextW(child, text.data(), static_cast<int>(text.size()))));
          reinterpret_cast<std::vector<std::wstring>*>(found)->push_back(text);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

struct MessageCase {
  const char* description;
  std::string bytes;
  TextEncoding encoding;
  std::wstring shown;
};

class Win32MessageBoxTest : public testing::TestWithParam<MessageCase> {};

TEST_P(Win32MessageBoxTest, ShowsTheTextInTheEncodingItCameIn) {
  std::vector<std::wstring> texts;
  native::WhenLoopRuns([&texts] {
    texts = StaticTexts(GetActiveWindow());
    native::PostKey(kVkReturn);
  });
  tqr417::fw::MessageRequest request;
  request.text = GetParam().bytes;
  request.type = MB_OK | MB_ICONHAND;
  request.caption = "tqr417";
  request.encoding = GetParam().encoding;
  EXPECT_EQ(tqr417::fw::toolkit::ProductionRunner().ShowMessage(request, nullptr), IDOK);
  EXPECT_NE(std::find(texts.begin(), texts.end(), GetParam().shown), texts.end())
      << texts.size() << " static texts, none the message";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Win32MessageBoxTest,
    testing::Values(
        MessageCase{"a path with accents and Greek",
                    "Cannot load \"B\xC3\xBCro \xCE\xA9/\xC3\xA9 site.417\"", TextEncoding::kUtf8,
                    L"Cannot load \"B\u00FCro \u03A9/\u00E9 site.417\""},
        MessageCase{"bytes that are not UTF-8", "Cannot load \"caf\xE9.417\"", TextEncoding::kUtf8,
                    L"Cannot load \"caf\uFFFD.417\""},
        MessageCase{"Latin-1 text", "Morse \xE9", TextEncoding::kLatin1, L"Morse \u00E9"},
        MessageCase{"Latin-1 bytes that would read as UTF-8", "Morse \xC3\xA9",
                    TextEncoding::kLatin1, L"Morse \u00C3\u00A9"}),
    tqr417::test_support::RowName{});

}  // namespace
