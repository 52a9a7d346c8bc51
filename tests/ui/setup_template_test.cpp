// Template 102 against the window that uses it: every control the window binds or handles
// exists with the kind the binding needs, and the radio groups hold the buttons their members
// count. Where the Qt controls stand in pixels is checked in qt/setup_geometry_test.cpp.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/dialog_template.h"
#include "resources/resource_ids.h"
#include "ui/grid_layout.h"

namespace tqr417::ui::testing {
namespace {

namespace ids = res::setup;
using fw::ControlKind;

const fw::DialogTemplate& MainTemplate() {
  const fw::DialogTemplate* t = fw::FindTemplate(res::IDD_SETUP_DIALOG);
  EXPECT_NE(t, nullptr);
  static const fw::DialogTemplate empty;
  return t != nullptr ? *t : empty;
}

struct BoundControl {
  int id;
  ControlKind kind;
};

std::vector<BoundControl> BoundControls() {
  std::vector<BoundControl> bound = {
      {ids::IDC_SCROLLBAR, ControlKind::kVScrollBar},
      {ids::IDC_MON_MOMENTARY_MS, ControlKind::kEdit},
      {ids::IDC_PTT_FREQUENCY, ControlKind::kComboDropList},
      {ids::IDC_REVERT_TO_R1, ControlKind::kCheckBox},
      {ids::IDC_REPEATER_MODE, ControlKind::kCheckBox},
      {ids::IDC_LINE_DTMF_DISABLE, ControlKind::kCheckBox},
      {ids::IDC_AUDIO_LOOPBACK, ControlKind::kCheckBox},
      {ids::IDC_PTT_TONE_ONLY, ControlKind::kCheckBox},
      {ids::IDC_ERROR_BEEPS, ControlKind::kCheckBox},
  };
  for (int button : {ids::IDC_SEND, ids::IDC_RECV, ids::IDC_LOAD, ids::IDC_SAVE, ids::IDC_EXIT,
                     ids::IDC_COM_PORT, ids::IDC_SET_GAINS, ids::IDC_MORSE, ids::IDC_TX_FILTERS,
                     ids::IDC_DUZO, ids::IDC_DIG5, ids::IDC_DIG4}) {
    bound.push_back({button, ControlKind::kPushButton});
  }
  const std::vector<std::pair<const GridColumn*, ControlKind>> columns = {
      {&grid::kLabel, ControlKind::kEdit},
      {&grid::kToneActive, ControlKind::kCheckBox},
      {&grid::kRelay, ControlKind::kComboDropDown},
      {&grid::kGroup, ControlKind::kComboDropDown},
      {&grid::kDuration, ControlKind::kEdit},
      {&grid::kDigitalOutput, ControlKind::kEdit},
      {&grid::kCtcss, ControlKind::kEdit},
      {&grid::kUseDefaultCtcss, ControlKind::kCheckBox}};
  for (const auto& [column, kind] : columns) {
    for (int row = 1; row <= kGridRows; ++row) bound.push_back({GridId(*column, row), kind});
  }
  return bound;
}

TEST(SetupTemplate, EveryBoundOrHandledControlExistsWithItsKind) {
  for (const BoundControl& b : BoundControls()) {
    const fw::ControlTemplate* control = MainTemplate().FindControl(b.id);
    ASSERT_NE(control, nullptr) << b.id;
    EXPECT_EQ(control->kind, b.kind) << b.id;
  }
}

TEST(SetupTemplate, EveryControlIdIsUsedOnce) {
  std::vector<int> seen;
  for (const fw::ControlTemplate& control : MainTemplate().controls) {
    if (control.id == fw::kStatic) continue;
    EXPECT_EQ(std::count(seen.begin(), seen.end(), control.id), 0) << control.id;
    seen.push_back(control.id);
  }
  EXPECT_EQ(seen.size(), BoundControls().size() + 2 + 2 + 3 + 3);  // and the radio buttons
}

// The radio buttons of the group that starts at `first`, in template order.
std::vector<int> RadioGroup(int first) {
  const auto& controls = MainTemplate().controls;
  std::vector<int> group;
  for (auto i = static_cast<std::size_t>(MainTemplate().IndexOf(first)); i < controls.size(); ++i) {
    if (!group.empty() && (controls[i].flags & fw::style::kGroup) != 0) break;
    if (controls[i].kind == ControlKind::kRadioButton) group.push_back(controls[i].id);
  }
  return group;
}

TEST(SetupTemplate, RadioGroupsHoldTheirButtonsInIndexOrder) {
  EXPECT_EQ(RadioGroup(ids::IDC_SINGLE), (std::vector<int>{ids::IDC_SINGLE, ids::IDC_DUAL}));
  EXPECT_EQ(RadioGroup(ids::IDC_CTCSS_PTT_ONLY),
            (std::vector<int>{ids::IDC_CTCSS_PTT_ONLY, ids::IDC_CTCSS_ALWAYS_ON}));
  EXPECT_EQ(RadioGroup(ids::IDC_PTT_NO_RELAYS),
            (std::vector<int>{ids::IDC_PTT_NO_RELAYS, ids::IDC_PTT_F1, ids::IDC_PTT_F2}));
  EXPECT_EQ(RadioGroup(ids::IDC_MON_RESET_ON_PTT),
            (std::vector<int>{ids::IDC_MON_RESET_ON_PTT, ids::IDC_MON_ALWAYS_EXCEPT_PTT,
                              ids::IDC_MON_MOMENTARY}));
}

TEST(SetupTemplate, HasNoDefaultButtonSoEnterPressesNothing) {
  for (const fw::ControlTemplate& control : MainTemplate().controls) {
    EXPECT_NE(control.kind, ControlKind::kDefPushButton) << control.caption;
  }
}

}  // namespace
}  // namespace tqr417::ui::testing
