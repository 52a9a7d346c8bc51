// The main window as Windows builds it from template 102: every control is the standard one
// with its styles, stands where its dialog units say by the dialog's own conversion, and the
// window uses the 8-point "MS Sans Serif"; its system menu and icon are the system's own.
// Then what only the system's own controls do: a list dropped down and closed with Enter, and
// the scroll bar's thumb dragged with the mouse.

#include <vector>

#include "framework/dialog_template.h"
#include "framework/win32/testing/native_driver.h"
#include "framework/win32/win32_dialog_peer.h"
#include "resources/resource_ids.h"
#include "support/row_name.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

namespace native = fw::win32::testing;
using fw::ControlKind;

// Window style bits (winuser.h), unsigned as StyleOf gives them (the macros are signed).
constexpr unsigned long kWsGroup = 0x00020000;
constexpr unsigned long kWsTabStop = 0x00010000;
constexpr unsigned long kWsBorder = 0x00800000;
constexpr unsigned long kEsAutoHScroll = 0x0080;
constexpr unsigned long kBsLeftText = 0x0020;
constexpr unsigned long kWsExClientEdge = 0x0200;  // the 3-D form of WS_BORDER
// Virtual keys (winuser.h).
constexpr int kVkDown = 0x28;
constexpr int kVkF4 = 0x73;

struct KindRule {
  ControlKind kind;
  const char* windowClass;
  unsigned long typeMask;  // the bits that hold the control's type
  unsigned long type;
  unsigned long required;  // further bits every control of the kind has
};

constexpr KindRule kKindRules[] = {
    {ControlKind::kPushButton, "Button", 0x0F, 0x00, 0},     // BS_PUSHBUTTON
    {ControlKind::kDefPushButton, "Button", 0x0F, 0x01, 0},  // BS_DEFPUSHBUTTON
    {ControlKind::kCheckBox, "Button", 0x0F, 0x03, 0},       // BS_AUTOCHECKBOX
    {ControlKind::kRadioButton, "Button", 0x0F, 0x09, 0},    // BS_AUTORADIOBUTTON
    {ControlKind::kGroupBox, "Button", 0x0F, 0x07, 0},       // BS_GROUPBOX
    {ControlKind::kStaticText, "Static", 0x00, 0x00, 0},     // SS_LEFT, SS_RIGHT, ...
    {ControlKind::kEdit, "Edit", 0x00, 0x00, kEsAutoHScroll},
    {ControlKind::kComboDropDown, "ComboBox", 0x03, 0x02, 0},  // CBS_DROPDOWN
    {ControlKind::kComboDropList, "ComboBox", 0x03, 0x03, 0},  // CBS_DROPDOWNLIST
    {ControlKind::kVScrollBar, "ScrollBar", 0x01, 0x01, 0},    // SBS_VERT
};

const KindRule* RuleFor(ControlKind kind) {
  for (const KindRule& rule : kKindRules) {
    if (rule.kind == kind) return &rule;
  }
  return nullptr;
}

class SetupWindowsTemplateTest : public SetupWindowTest {
 protected:
  const fw::DialogTemplate& Template() { return *Dlg().Template(); }
  fw::win32::Window Window() { return fw::WindowHandle(Dlg()); }
  fw::win32::Window Control(std::size_t index) {
    // Children are made in template order.
    HWND control = GetWindow(Window(), GW_CHILD);
    for (std::size_t i = 0; i < index && control != nullptr; ++i) {
      control = GetWindow(control, GW_HWNDNEXT);
    }
    return control;
  }
  fw::win32::Window ControlWithId(int id) {
    for (std::size_t i = 0; i < Template().controls.size(); ++i) {
      if (Template().controls[i].id == id) return Control(i);
    }
    return nullptr;
  }
};

TEST_F(SetupWindowsTemplateTest, EveryControlIsTheStandardOneWithItsStyles) {
  ASSERT_EQ(Template().id, res::IDD_SETUP_DIALOG);
  for (std::size_t i = 0; i < Template().controls.size(); ++i) {
    const fw::ControlTemplate& c = Template().controls[i];
    const KindRule* rule = RuleFor(c.kind);
    if (rule == nullptr) continue;
    const unsigned long style = native::StyleOf(Control(i));
    EXPECT_EQ(native::ClassOf(Control(i)), rule->windowClass) << "control " << i;
    EXPECT_EQ(style & rule->typeMask, rule->type) << "control " << i;
    EXPECT_EQ(style & rule->required, rule->required) << "control " << i;
    if (c.kind == ControlKind::kEdit) {
      EXPECT_TRUE((style & kWsBorder) != 0 ||
                  (native::ExStyleOf(Control(i)) & kWsExClientEdge) != 0)
          << "edit " << i << " has a border";
    }
    EXPECT_EQ((style & kWsGroup) != 0, (c.flags & fw::style::kGroup) != 0) << "control " << i;
    EXPECT_EQ((style & kWsTabStop) != 0, (c.flags & fw::style::kTabStop) != 0) << "control " << i;
    EXPECT_EQ((style & kBsLeftText) != 0 && c.kind == ControlKind::kCheckBox,
              (c.flags & fw::style::kLeftText) != 0 && c.kind == ControlKind::kCheckBox)
        << "control " << i;
  }
}

TEST_F(SetupWindowsTemplateTest, WindowAndControlsStandWhereTheirDialogUnitsSay) {
  EXPECT_EQ(native::ClientOf(Window()),
            native::PixelsOf(Window(), 0, 0, Template().width, Template().height));
  for (std::size_t i = 0; i < Template().controls.size(); ++i) {
    const fw::ControlTemplate& c = Template().controls[i];
    const native::PixelRect corner = native::PixelsOf(Window(), c.x, c.y, 0, 0);
    const native::PixelRect size = native::PixelsOf(Window(), 0, 0, c.width, c.height);
    const native::PixelRect place = native::PlaceOf(Control(i));
    EXPECT_EQ(place.x, corner.x) << "control " << i;
    EXPECT_EQ(place.y, corner.y) << "control " << i;
    EXPECT_EQ(place.width, size.width) << "control " << i;
    // A combo box's height is its list's, dropped down; closed, the system sizes it.
    if (c.kind != ControlKind::kComboDropDown && c.kind != ControlKind::kComboDropList) {
      EXPECT_EQ(place.height, size.height) << "control " << i;
    }
  }
}

TEST_F(SetupWindowsTemplateTest, WindowUsesEightPointMsSansSerif) {
  int points = 0;
  EXPECT_EQ(native::FontFaceOf(Window(), points), "MS Sans Serif");
  EXPECT_EQ(points, 8);
}

TEST_F(SetupWindowsTemplateTest, SystemMenuEndsWithAboutWhichOpensTheAboutBox) {
  const std::vector<native::SystemMenuItem> items = native::SystemMenuOf(Window());
  ASSERT_GE(items.size(), 3u);
  EXPECT_EQ(items[items.size() - 2].command, 0u) << "a separator";
  EXPECT_EQ(items.back().command, static_cast<unsigned>(res::IDM_ABOUTBOX));
  EXPECT_EQ(items.back().text, "&About tqr417...");
  // The command's low four bits are the system's own; they do not change the choice.
  runner_.OnDialog(res::IDD_ABOUTBOX, [](fw::DialogDriver& d) { d.Enter(); });
  native::ChooseSystemCommand(Window(), res::IDM_ABOUTBOX | 0x7u);
  EXPECT_EQ(runner_.DialogsRun(), std::vector<int>{res::IDD_ABOUTBOX});
  EXPECT_FALSE(Dlg().HasEnded());
}

TEST_F(SetupWindowsTemplateTest, WindowCarriesTheApplicationIcon) {
  EXPECT_TRUE(native::HasWindowIcons(Window()));
}

// ---- A list dropped down in a window that ignores Enter ---------------------------------

struct DroppedListCase {
  const char* description;
  int controlId;
  const char* taken;  // the item after the one shown
};

class DroppedListTest : public SetupWindowsTemplateTest,
                        public ::testing::WithParamInterface<DroppedListCase> {};

TEST_P(DroppedListTest, EnterClosesTheListAndTakesItsItem) {
  const DroppedListCase& c = GetParam();
  config_.functionTable.relay[1] = "R01";
  Dlg().RefreshFromConfig();
  fw::win32::Window list = ControlWithId(c.controlId);
  Driver().Focus(c.controlId);
  Driver().Key(kVkF4);
  ASSERT_TRUE(native::ListDropped(list));
  Driver().Key(kVkDown);
  Driver().Enter();
  EXPECT_FALSE(native::ListDropped(list));
  EXPECT_EQ(Text(c.controlId), c.taken);
  EXPECT_FALSE(Dlg().HasEnded());
  EXPECT_TRUE(runner_.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, DroppedListTest,
    ::testing::Values(DroppedListCase{"Relay", GridId(grid::kRelay, 1), "R02"},
                      DroppedListCase{"RelayGroup", GridId(grid::kGroup, 1), "2"},
                      DroppedListCase{"PttFrequency", res::setup::IDC_PTT_FREQUENCY, "2300"}),
    tqr417::test_support::RowName{});

// ---- The thumb dragged with the mouse -------------------------------------------------

constexpr int kInside = -1;  // somewhere strictly between the ends of the range

struct ThumbDragCase {
  const char* description;
  bool dual;
  int startThumb;
  double to;  // where the mouse lets go, as a part of the bar's height from its top
  int top;    // the thumb, windowTop and the entry in row 1 afterwards
};

class ThumbDragTest : public SetupWindowsTemplateTest,
                      public ::testing::WithParamInterface<ThumbDragCase> {};

TEST_P(ThumbDragTest, RowsStoreAndFollowTheThumbTheBarReports) {
  const ThumbDragCase& c = GetParam();
  if (c.dual) ClickDual();
  Scroll(SB_THUMBPOSITION, static_cast<UINT>(c.startThumb));
  TypeCell(grid::kDigitalOutput, 1, "33");
  const int entry = state_.windowTop;
  fw::win32::Window bar = ControlWithId(res::setup::IDC_SCROLLBAR);
  native::DragThumb(bar, static_cast<int>(c.to * (native::HeightOf(bar) - 1)));
  EXPECT_EQ(config_.functionTable.digitalOutput[static_cast<std::size_t>(entry)], 33);
  int minPos = 0;
  int maxPos = 0;
  Range(minPos, maxPos);
  if (c.top == kInside) {
    EXPECT_GT(Thumb(), minPos);
    EXPECT_LT(Thumb(), maxPos);
  }
  ExpectGridAt(c.top == kInside ? Thumb() : c.top);
}

INSTANTIATE_TEST_SUITE_P(Drags, ThumbDragTest,
                         ::testing::Values(ThumbDragCase{"ToTheBottomInSingle", false, 1, 1.0, 7},
                                           ThumbDragCase{"ToTheTopInSingle", false, 6, 0.0, 1},
                                           ThumbDragCase{"ToTheBottomInDual", true, 0, 1.0, 90},
                                           ThumbDragCase{"ToTheMiddleInDual", true, 0, 0.5,
                                                         kInside},
                                           ThumbDragCase{"ToTheTopInDual", true, 85, 0.0, 0}),
                         tqr417::test_support::RowName{});

}  // namespace
}  // namespace tqr417::ui::testing
