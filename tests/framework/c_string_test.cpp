#include "framework/c_string.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/data_exchange.h"
#include "framework/ddx.h"
#include "test_dialogs.h"

namespace {

TEST(CStringBytes, EveryByteSurvivesAnEditField) {
  tqr417::fw::test::FormDlg dialog;
  ASSERT_TRUE(dialog.Create());
  // Control characters aside, which an edit field shows as they are but a user cannot type.
  std::string printable;
  for (int value = 0x20; value < 256; ++value) printable += static_cast<char>(value);
  CWnd* field = dialog.GetDlgItem(tqr417::fw::test::kName);
  ASSERT_NE(field, nullptr);
  field->SetWindowText(CString(printable));
  EXPECT_EQ(field->GetWindowText().str(), printable);
}

TEST(CStringCase, MakeUpperChangesOnlyAsciiLetters) {
  CString text("abc xyz 123 \xe9\xff{}");
  text.MakeUpper();
  EXPECT_EQ(text.str(), "ABC XYZ 123 \xe9\xff{}");
  text.MakeLower();
  EXPECT_EQ(text.str(), "abc xyz 123 \xe9\xff{}");
}

TEST(CStringCompare, ComparesBytesAsUnsigned) {
  EXPECT_LT(CString("a").Compare("\xe9"), 0);
  EXPECT_EQ(CString("R01").CompareNoCase("r01"), 0);
  EXPECT_NE(CString("R01").Compare("r01"), 0);
  EXPECT_GT(CString("ab").Compare("a"), 0);
  EXPECT_TRUE(CString("R01") == std::string("R01"));
  EXPECT_FALSE(CString("R01") == "r01");
}

TEST(CStringParts, LeftMidFindStayInsideTheText) {
  const CString text("F07 relay");
  EXPECT_EQ(text.Left(3), "F07");
  EXPECT_EQ(text.Left(50), "F07 relay");
  EXPECT_EQ(text.Mid(4), "relay");
  EXPECT_EQ(text.Mid(4, 2), "re");
  EXPECT_EQ(text.Mid(40), "");
  EXPECT_EQ(text.Find('r'), 4);
  EXPECT_EQ(text.Find("lay"), 6);
  EXPECT_EQ(text.Find('z'), -1);
  EXPECT_EQ(text.GetLength(), 9);
  EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
}

}  // namespace
