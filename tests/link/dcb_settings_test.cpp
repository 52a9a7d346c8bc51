// The line settings a Windows port is given: every field set, whatever the port held before.
#include "link/dcb_settings.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tqr417 {
namespace {

// A DCB as a port's last user may have left it: every bit set, every kind of flow control on.
DCB LeftOver() {
  DCB dcb;
  std::memset(&dcb, 0xFF, sizeof dcb);
  dcb.DCBlength = sizeof dcb;
  return dcb;
}

TEST(DcbSettingsTest, EveryFieldIsSetWhateverThePortHeld) {
  DCB dcb = LeftOver();
  EXPECT_NE(DcbMismatch(dcb), "");
  MakeUnitDcb(dcb);
  EXPECT_EQ(DcbMismatch(dcb), "");
  DCB fromZero{};
  MakeUnitDcb(fromZero);
  fromZero.DCBlength = dcb.DCBlength;
  EXPECT_EQ(std::memcmp(&dcb, &fromZero, sizeof dcb), 0) << "a field was left as the port had it";
}

TEST(DcbSettingsTest, ASettingThePortDidNotTakeIsNamed) {
  struct Case {
    void (*change)(DCB&);
    const char* named;
  };
  for (const Case& c : {
           Case{[](DCB& d) { d.BaudRate = 9600; }, "speed 9600"},
           Case{[](DCB& d) { d.fOutX = TRUE; }, "XON/XOFF output on"},
           Case{[](DCB& d) { d.fInX = TRUE; }, "XON/XOFF input on"},
           Case{[](DCB& d) { d.fOutxCtsFlow = TRUE; }, "CTS flow control on"},
           Case{[](DCB& d) { d.fRtsControl = RTS_CONTROL_HANDSHAKE; }, "RTS flow control on"},
           Case{[](DCB& d) { d.StopBits = TWOSTOPBITS; }, "not one stop bit"},
       }) {
    DCB dcb{};
    MakeUnitDcb(dcb);
    c.change(dcb);
    EXPECT_EQ(DcbMismatch(dcb), c.named);
  }
}

}  // namespace
}  // namespace tqr417
