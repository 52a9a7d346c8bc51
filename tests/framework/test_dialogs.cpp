#include "test_dialogs.h"

#include "framework/dialog_template.h"
#include "framework/testing/dialog_driver.h"

namespace tqr417::fw::test {
namespace {

using fw::ControlKind;
using fw::DialogTemplate;
using fw::kStatic;
using fw::TemplateRegistration;
namespace s = fw::style;
using K = ControlKind;

const TemplateRegistration kForm{DialogTemplate{
    .id = kFormTemplate,
    .caption = "Form",
    .width = 250,
    .height = 160,
    .controls =
        {
            {1, K::kDefPushButton, "OK", 190, 7, 50, 14, s::kGroup | s::kTabStop, {}},
            {2, K::kPushButton, "Cancel", 190, 24, 50, 14, s::kTabStop, {}},
            {kStatic, K::kStaticText, "Signed:", 7, 9, 40, 8, s::kRight, {}},
            {kSigned, K::kEdit, "", 50, 7, 40, 13, s::kTabStop, {}},
            {kStatic, K::kStaticText, "Unsigned:", 7, 25, 40, 8, s::kRight, {}},
            {kUnsigned, K::kEdit, "", 50, 23, 40, 13, s::kTabStop, {}},
            {kStatic, K::kStaticText, "Name:", 7, 41, 40, 8, s::kRight, {}},
            {kName, K::kEdit, "", 50, 39, 40, 13, s::kTabStop, {}},
            {kEnabled, K::kCheckBox, "&Enabled", 100, 9, 60, 10, s::kTabStop, {}},
            {kStatic, K::kGroupBox, "Mode", 100, 22, 80, 60, s::kNone, {}},
            {kRadioA, K::kRadioButton, "A", 105, 32, 30, 10, s::kGroup | s::kTabStop, {}},
            {kRadioB, K::kRadioButton, "B", 105, 44, 30, 10, s::kNone, {}},
            {kInGroupEdit, K::kEdit, "", 140, 44, 30, 13, s::kTabStop, {}},
            {kRadioC, K::kRadioButton, "C", 105, 56, 30, 10, s::kNone, {}},
            {kStatic, K::kStaticText, "min", 140, 58, 20, 8, s::kGroup, {}},
            {kRadioD, K::kRadioButton, "D", 105, 68, 30, 10, s::kGroup | s::kTabStop, {}},
            {kRadioE, K::kRadioButton, "E", 140, 68, 30, 10, s::kNone, {}},
            {kStatic, K::kStaticText, "Relay", 7, 57, 40, 8, s::kNone, {}},
            {kRelay, K::kComboDropDown, "", 7, 67, 40, 51, s::kGroup | s::kTabStop, {"R01", "R02"}},
            {kFrequency,
             K::kComboDropList,
             "",
             50,
             67,
             40,
             41,
             s::kTabStop | s::kSorted,
             {"2300", "2100", "2175"}},
            {kStatic, K::kStaticText, "Last:", 7, 101, 40, 8, s::kRight, {}},
            {kLast, K::kEdit, "", 50, 99, 40, 13, s::kTabStop, {}},
            {kUpper, K::kEdit, "", 50, 115, 90, 13, s::kTabStop | s::kUpperCase, {}},
        },
}};

const TemplateRegistration kNoOk{DialogTemplate{
    .id = kNoOkTemplate,
    .caption = "No OK",
    .width = 150,
    .height = 60,
    .controls =
        {
            {kSigned, K::kEdit, "", 10, 10, 40, 13, s::kGroup | s::kTabStop, {}},
            {100, K::kPushButton, "Go", 60, 10, 40, 14, s::kTabStop, {}},
        },
}};

const TemplateRegistration kScroll{DialogTemplate{
    .id = kScrollTemplate,
    .caption = "Scroll",
    .width = 150,
    .height = 120,
    .controls =
        {
            {41, K::kEdit, "", 10, 10, 40, 13, s::kGroup | s::kTabStop, {}},
            {42, K::kEdit, "", 10, 30, 40, 13, s::kTabStop, {}},
            {43, K::kPushButton, "Other", 10, 50, 40, 14, s::kTabStop, {}},
            {40, K::kVScrollBar, "", 100, 10, 13, 100, s::kNone, {}},
        },
}};

}  // namespace

void FormDlg::Record(int controlId, UINT notification) {
  notifications.emplace_back(controlId, notification);
}

void FormDlg::WinHelp(DWORD /*data*/, UINT /*command*/) { ++helpRequests; }

void FormDlg::OnSysCommand(UINT command, LPARAM param) {
  sysCommands.push_back(command);
  CDialog::OnSysCommand(command, param);
}

void FormDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, kSigned, signedValue);
  DDV_MinMaxInt(pDX, signedValue, 0, 100);
  DDX_Text(pDX, kUnsigned, unsignedValue);
  DDV_MinMaxUInt(pDX, unsignedValue, 400, 2000);
  DDX_Text(pDX, kName, name);
  DDV_MaxChars(pDX, name, 4);
  DDX_Check(pDX, kEnabled, enabled);
  DDX_Radio(pDX, kRadioA, radioFirst);
  DDX_Radio(pDX, kRadioD, radioSecond);
  DDX_CBString(pDX, kRelay, relay);
  DDX_CBString(pDX, kFrequency, frequency);
  DDV_MaxChars(pDX, frequency, 4);
  DDX_Text(pDX, kLast, last);
  DDV_MinMaxInt(pDX, last, 0, 10);
}

ScrollDlg::ScrollDlg() : CDialog(kScrollTemplate) {
  const auto report = [this] {
    ++focusReports;
    UpdateData(TRUE);
  };
  AddHandler(41, EN_KILLFOCUS, report);
  AddHandler(42, EN_KILLFOCUS, report);
}

void ScrollDlg::OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar) {
  scrolls.push_back(Scroll{code, pos, scrollBar == &bar});
}

void ScrollDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, 40, bar);
  DDX_Text(pDX, 41, first);
  DDV_MinMaxInt(pDX, first, 0, 9);
  DDX_Text(pDX, 42, second);
  DDV_MinMaxInt(pDX, second, 0, 9);
}

}  // namespace tqr417::fw::test
