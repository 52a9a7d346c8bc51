// The dialog layer's 8-bit text in and out of Qt's strings: Latin-1 byte for byte.

#include "framework/qt/qt_text.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/c_string.h"

namespace {

std::string EveryByte() {
  std::string bytes;
  for (int value = 1; value < 256; ++value) bytes += static_cast<char>(value);
  return bytes;
}

TEST(CStringBytes, EveryByteSurvivesTheQtRoundTrip) {
  const CString original(EveryByte());
  const QString shown = tqr417::fw::ToQString(original);
  EXPECT_EQ(shown.size(), 255);
  EXPECT_EQ(tqr417::fw::FromQString(shown), original);
}

TEST(CStringBytes, CharactersBeyondLatin1BecomeQuestionMarks) {
  EXPECT_EQ(tqr417::fw::FromQString(QString::fromUtf8("a\u20acb")), "a?b");
}

}  // namespace
