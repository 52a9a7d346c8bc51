// The main window as Windows builds it from template 102, checked by what Windows itself
// reports and does: every control is the system's standard one of its kind, stands where its
// dialog units say by the dialog's own conversion, and behaves for the user as the template
// says (the tab order, the groups the arrow keys keep to, the default button, check boxes and
// radio buttons, typing into fields and lists, the side of a check box its text is on, the
// sunken edge of a field); the window and its controls use the 8-point "MS Sans Serif"; its
// system menu and icon are the system's own. Then what only the system's own controls do: a
// list dropped down and closed with Enter, and the scroll bar's thumb dragged with the mouse.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "framework/dialog.h"
#include "framework/dialog_template.h"
#include "framework/template_rules.h"
#include "framework/win32/testing/native_driver.h"
#include "framework/win32/win32_dialog_peer.h"
#include "resources/resource_ids.h"
#include "support/row_name.h"
#include "tests/ui/setup_window_fixture.h"

namespace tqr417::ui::testing {
namespace {

namespace native = fw::win32::testing;
namespace ids = res::setup;
using fw::ControlKind;

// The system's window class of each kind of control.
struct KindClass {
  ControlKind kind;
  const char* windowClass;
};

constexpr KindClass kKindClasses[] = {
    {ControlKind::kPushButton, "Button"},
    {ControlKind::kDefPushButton, "Button"},
    {ControlKind::kCheckBox, "Button"},
    {ControlKind::kRadioButton, "Button"},
    {ControlKind::kGroupBox, "Button"},
    {ControlKind::kStaticText, "Static"},
    {ControlKind::kIcon, "Static"},
    {ControlKind::kEdit, "Edit"},
    {ControlKind::kComboDropDown, "ComboBox"},
    {ControlKind::kComboDropList, "ComboBox"},
    {ControlKind::kVScrollBar, "ScrollBar"},
};

const char* WindowClassOf(ControlKind kind) {
  for (const KindClass& k : kKindClasses) {
    if (k.kind == kind) return k.windowClass;
  }
  return "";
}

bool IsPushButton(ControlKind kind) {
  return kind == ControlKind::kPushButton || kind == ControlKind::kDefPushButton;
}

bool ShowsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// The leftmost and rightmost pixel columns of check box `box` that change when it is checked:
// where the system draws its box.
std::pair<int, int> BoxColumns(HWND box) {
  RECT client{};
  GetClientRect(box, &client);
  HDC screen = GetDC(box);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const auto draw = [&](WPARAM check) {
    SendMessageW(box, BM_SETCHECK, check, 0);
    SendMessageW(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
                 PRF_CLIENT | PRF_ERASEBKGND);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; ++y) {
      for (int x = 0; x < client.right; ++x) pixels.push_back(GetPixel(memory, x, y));
    }
    return pixels;
  };
  const WPARAM was = static_cast<WPARAM>(SendMessageW(box, BM_GETCHECK, 0, 0));
  const std::vector<COLORREF> clear = draw(BST_UNCHECKED);
  const std::vector<COLORREF> checked = draw(BST_CHECKED);
  SendMessageW(box, BM_SETCHECK, was, 0);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(box, screen);
  std::pair<int, int> columns{client.right, -1};
  for (std::size_t i = 0; i < clear.size(); ++i) {
    if (clear[i] == checked[i]) continue;
    const int x = static_cast<int>(i % static_cast<std::size_t>(client.right));
    columns = {std::min(columns.first, x), std::max(columns.second, x)};
  }
  return columns;
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
  fw::win32::Window ControlWithId(int id) { return GetDlgItem(Window(), id); }

  // The ids of the controls Tab (or Shift+Tab) reaches one after another, from control
  // `fromId` round to it again.
  std::vector<int> TabWalk(int fromId, bool backwards) {
    std::vector<int> reached;
    HWND start = ControlWithId(fromId);
    HWND at = start;
    do {
      reached.push_back(GetDlgCtrlID(at));
      at = GetNextDlgTabItem(Window(), at, backwards ? TRUE : FALSE);
    } while (at != nullptr && at != start && reached.size() <= Template().controls.size());
    return reached;
  }
};

TEST_F(SetupWindowsTemplateTest, EveryControlIsTheSystemsStandardOneOfItsKind) {
  ASSERT_EQ(Template().id, res::IDD_SETUP_DIALOG);
  for (std::size_t i = 0; i < Template().controls.size(); ++i) {
    const fw::ControlTemplate& c = Template().controls[i];
    EXPECT_EQ(native::ClassOf(Control(i)), WindowClassOf(c.kind)) << "control " << i;
    if (c.kind == ControlKind::kEdit) {
      // The sunken 3-D edge of a dialog's field on each side, not a flat one-pixel line: the
      // window is larger than what it shows inside by two edges.
      RECT outer{};
      RECT inner{};
      GetWindowRect(Control(i), &outer);
      GetClientRect(Control(i), &inner);
      EXPECT_EQ(outer.right - outer.left - inner.right, 2 * GetSystemMetrics(SM_CXEDGE))
          << "edit " << i << " has a sunken edge";
      EXPECT_EQ(outer.bottom - outer.top - inner.bottom, 2 * GetSystemMetrics(SM_CYEDGE))
          << "edit " << i << " has a sunken edge";
    }
  }
}

TEST_F(SetupWindowsTemplateTest, TabVisitsTheTemplatesTabStopsInTheirOrder) {
  std::vector<int> tabStops;  // those a user can reach now: shown and enabled
  for (std::size_t i = 0; i < Template().controls.size(); ++i) {
    const fw::ControlTemplate& c = Template().controls[i];
    if ((c.flags & fw::style::kTabStop) != 0 && IsWindowVisible(Control(i)) != FALSE &&
        IsWindowEnabled(Control(i)) != FALSE) {
      tabStops.push_back(c.id);
    }
  }
  ASSERT_GT(tabStops.size(), 10u);
  EXPECT_EQ(TabWalk(tabStops.front(), false), tabStops);
  std::vector<int> backwards{tabStops.front()};
  backwards.insert(backwards.end(), tabStops.rbegin(), tabStops.rend() - 1);
  EXPECT_EQ(TabWalk(tabStops.front(), true), backwards);
}

TEST_F(SetupWindowsTemplateTest, ArrowKeysKeepToTheTemplatesGroups) {
  int radioButtons = 0;
  for (std::size_t i = 0; i < Template().controls.size(); ++i) {
    const fw::ControlTemplate& c = Template().controls[i];
    if (c.kind == ControlKind::kCheckBox) {
      // Every check box is a group of its own: the arrow keys stay on it.
      EXPECT_EQ(GetNextDlgGroupItem(Window(), Control(i), FALSE), Control(i)) << "control " << i;
      continue;
    }
    if (c.kind != ControlKind::kRadioButton) continue;
    ++radioButtons;
    // Down and up go round the radio buttons of the control's group, and nowhere else.
    const std::vector<int> group = fw::RadioGroupOf(Template(), static_cast<int>(i));
    const auto n = group.size();
    std::size_t k = 0;
    while (k < n && group[k] != static_cast<int>(i)) ++k;
    ASSERT_LT(k, n) << "control " << i;
    ASSERT_GT(n, 1u) << "control " << i;
    const auto next = static_cast<std::size_t>(group[(k + 1) % n]);
    const auto previous = static_cast<std::size_t>(group[(k + n - 1) % n]);
    EXPECT_EQ(GetNextDlgGroupItem(Window(), Control(i), FALSE), Control(next)) << "control " << i;
    EXPECT_EQ(GetNextDlgGroupItem(Window(), Control(i), TRUE), Control(previous))
        << "control " << i;
  }
  EXPECT_EQ(radioButtons, 10);
}

TEST_F(SetupWindowsTemplateTest, WindowsNamesEachTemplatesDefaultButton) {
  // The main window has none: no push button of it is drawn as the default.
  for (std::size_t i = 0; i < Template().controls.size(); ++i) {
    if (!IsPushButton(Template().controls[i].kind)) continue;
    EXPECT_EQ(SendMessageW(Control(i), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, 0)
        << "control " << i;
  }
  for (int templateId : {res::IDD_ABOUTBOX, res::IDD_PORT, res::IDD_GAIN, res::IDD_MORSE,
                         res::IDD_TX_AUDIO, res::IDD_VOX, res::IDD_DIG5_TONE, res::IDD_DIG4_COR}) {
    CDialog dialog(templateId);
    ASSERT_TRUE(dialog.Create()) << templateId;
    const fw::DialogTemplate& t = *dialog.Template();
    const int index = fw::DefaultButtonIndex(t);
    ASSERT_GE(index, 0) << templateId;
    const int defaultId = t.controls[static_cast<std::size_t>(index)].id;
    HWND window = fw::WindowHandle(dialog);
    EXPECT_EQ(SendMessageW(window, DM_GETDEFID, 0, 0), MAKELRESULT(defaultId, DC_HASDEFID))
        << templateId;
    for (const fw::ControlTemplate& c : t.controls) {
      if (!IsPushButton(c.kind)) continue;
      const LRESULT code = SendMessageW(GetDlgItem(window, c.id), WM_GETDLGCODE, 0, 0);
      EXPECT_EQ((code & DLGC_DEFPUSHBUTTON) != 0, c.id == defaultId) << templateId << " " << c.id;
      EXPECT_EQ((code & DLGC_UNDEFPUSHBUTTON) != 0, c.id != defaultId) << templateId << " " << c.id;
    }
  }
}

TEST_F(SetupWindowsTemplateTest, CheckBoxTextStandsOnTheSideTheTemplateSays) {
  int boxes = 0;
  for (std::size_t i = 0; i < Template().controls.size(); ++i) {
    const fw::ControlTemplate& c = Template().controls[i];
    if (c.kind != ControlKind::kCheckBox || c.caption.empty()) continue;
    ++boxes;
    RECT client{};
    GetClientRect(Control(i), &client);
    const auto [left, right] = BoxColumns(Control(i));
    ASSERT_LE(left, right) << "control " << i << ": checking it changes nothing drawn";
    if ((c.flags & fw::style::kLeftText) != 0) {
      EXPECT_GT(left, client.right / 2) << "control " << i << ": box on the right";
    } else {
      EXPECT_LT(right, client.right / 2) << "control " << i << ": box on the left";
    }
  }
  EXPECT_EQ(boxes, 6);
}

// ---- Buttons pressed by the user, and what each button then shows ---------------------

enum class Press { kClick, kSpace };

struct ButtonCase {
  const char* description;
  int controlId;
  Press press;
  std::vector<int> checked;  // afterwards
  std::vector<int> cleared;
};

class ButtonPressTest : public SetupWindowsTemplateTest,
                        public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(ButtonPressTest, ButtonsShowWhatThePressMade) {
  const ButtonCase& c = GetParam();
  if (c.press == Press::kClick) {
    Driver().Click(c.controlId);
  } else {
    Driver().Focus(c.controlId);
    Driver().Key(VK_SPACE);
  }
  for (int id : c.checked) EXPECT_TRUE(ShowsChecked(ControlWithId(id))) << id;
  for (int id : c.cleared) EXPECT_FALSE(ShowsChecked(ControlWithId(id))) << id;
}

INSTANTIATE_TEST_SUITE_P(
    Presses, ButtonPressTest,
    ::testing::Values(
        ButtonCase{"CheckBoxClicked",
                   ids::IDC_LINE_DTMF_DISABLE,
                   Press::kClick,
                   {ids::IDC_LINE_DTMF_DISABLE},
                   {}},
        ButtonCase{
            "CheckBoxSpace", ids::IDC_AUDIO_LOOPBACK, Press::kSpace, {ids::IDC_AUDIO_LOOPBACK}, {}},
        ButtonCase{"LeftTextCheckBoxClicked",
                   ids::IDC_REPEATER_MODE,
                   Press::kClick,
                   {ids::IDC_REPEATER_MODE},
                   {}},
        ButtonCase{"CheckedBoxClickedClears",
                   GridId(grid::kToneActive, 1),
                   Press::kClick,
                   {},
                   {GridId(grid::kToneActive, 1)}},
        ButtonCase{"CheckedBoxSpaceClears",
                   GridId(grid::kToneActive, 2),
                   Press::kSpace,
                   {},
                   {GridId(grid::kToneActive, 2)}},
        ButtonCase{"RadioClickedClearsItsGroup",
                   ids::IDC_PTT_F1,
                   Press::kClick,
                   {ids::IDC_PTT_F1},
                   {ids::IDC_PTT_NO_RELAYS, ids::IDC_PTT_F2}},
        ButtonCase{"RadioSpaceClearsItsGroup",
                   ids::IDC_PTT_F2,
                   Press::kSpace,
                   {ids::IDC_PTT_F2},
                   {ids::IDC_PTT_NO_RELAYS, ids::IDC_PTT_F1}},
        ButtonCase{"RadioLeavesOtherGroups",
                   ids::IDC_MON_MOMENTARY,
                   Press::kClick,
                   {ids::IDC_MON_MOMENTARY, ids::IDC_PTT_NO_RELAYS, ids::IDC_SINGLE,
                    ids::IDC_CTCSS_PTT_ONLY},
                   {ids::IDC_MON_RESET_ON_PTT, ids::IDC_MON_ALWAYS_EXCEPT_PTT}}),
    tqr417::test_support::RowName{});

// ---- Text typed into fields and lists ---------------------------------------------------

struct TypingCase {
  const char* description;
  int controlId;
  const char* typed;  // wider than the control shows
  bool takesText;     // false: a list that keeps to its items
};

class TypingTest : public SetupWindowsTemplateTest,
                   public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingTest, FieldsTakeTextWiderThanThemAndListsKeepToTheirItems) {
  const TypingCase& c = GetParam();
  Driver().Focus(c.controlId);
  HWND typedInto = GetFocus();  // a combo box with an edit field gives it the focus
  // Its whole text selected, as Tab leaves a field, so the typing replaces it.
  if (native::ClassOf(typedInto) == "Edit") SendMessageW(typedInto, EM_SETSEL, 0, -1);
  for (const char* p = c.typed; *p != '\0'; ++p) {
    SendMessageW(typedInto, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(*p)), 1);
  }
  native::Settle();
  const std::string text = Text(c.controlId);
  if (c.takesText) {
    EXPECT_EQ(text, c.typed);
    // The field has scrolled to the caret at the end: its first character shown is a later one.
    EXPECT_GT(SendMessageW(typedInto, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  } else {
    EXPECT_EQ(typedInto, ControlWithId(c.controlId)) << "the list itself has the focus";
    EXPECT_NE(text, c.typed);
    const std::wstring wide(text.begin(), text.end());
    EXPECT_NE(SendMessageW(typedInto, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(wide.c_str())),
              CB_ERR)
        << text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Typing, TypingTest,
    ::testing::Values(TypingCase{"DurationCell", GridId(grid::kDuration, 1), "123456789012345",
                                 true},
                      TypingCase{"CtcssCell", GridId(grid::kCtcss, 10), "987654321098765", true},
                      TypingCase{"RelayList", GridId(grid::kRelay, 1), "R01R02R01R02R01R02", true},
                      TypingCase{"GroupList", GridId(grid::kGroup, 1), "1234123412341234", true},
                      TypingCase{"PttFrequencyList", ids::IDC_PTT_FREQUENCY, "2999", false}),
    tqr417::test_support::RowName{});

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

TEST_F(SetupWindowsTemplateTest, WindowAndItsControlsUseEightPointMsSansSerif) {
  int points = 0;
  EXPECT_EQ(native::FontFaceOf(Window(), points), "MS Sans Serif");
  EXPECT_EQ(points, 8);
  // Every control that shows text shows it in the window's font (scroll bars and icons show
  // none).
  for (std::size_t i = 0; i < Template().controls.size(); ++i) {
    const ControlKind kind = Template().controls[i].kind;
    if (kind == ControlKind::kVScrollBar || kind == ControlKind::kIcon) continue;
    EXPECT_EQ(native::FontFaceOf(Control(i), points), "MS Sans Serif") << "control " << i;
    EXPECT_EQ(points, 8) << "control " << i;
  }
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
  Driver().Key(VK_F4);
  ASSERT_TRUE(native::ListDropped(list));
  Driver().Key(VK_DOWN);
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
                      DroppedListCase{"PttFrequency", ids::IDC_PTT_FREQUENCY, "2300"}),
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
  fw::win32::Window bar = ControlWithId(ids::IDC_SCROLLBAR);
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
