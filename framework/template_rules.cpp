#include "framework/template_rules.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace tqr417::fw {
namespace {

using fw::ControlKind;
using fw::ControlTemplate;

bool StartsGroup(const ControlTemplate& control) {
  return (control.flags & fw::style::kGroup) != 0;
}

bool IsLabel(const ControlTemplate& control) {
  return control.kind == ControlKind::kStaticText && !control.caption.empty();
}

bool HasOwnCaption(const ControlTemplate& control) {
  const bool captioned = IsButton(control.kind) || control.kind == ControlKind::kGroupBox ||
                         control.kind == ControlKind::kStaticText;
  return captioned && !control.caption.empty();
}

// Dialog units that a label may stand away from its control and still count as beside it.
constexpr int kBesideGap = 12;

}  // namespace

bool IsButton(ControlKind kind) {
  return kind == ControlKind::kPushButton || kind == ControlKind::kDefPushButton ||
         kind == ControlKind::kCheckBox || kind == ControlKind::kRadioButton;
}

bool IsCombo(ControlKind kind) {
  return kind == ControlKind::kComboDropDown || kind == ControlKind::kComboDropList;
}

bool TakesFocus(ControlKind kind) {
  return kind != ControlKind::kGroupBox && kind != ControlKind::kStaticText &&
         kind != ControlKind::kIcon;
}

std::vector<int> RadioGroupFrom(const fw::DialogTemplate& dialogTemplate, int firstIndex) {
  std::vector<int> group;
  const auto& controls = dialogTemplate.controls;
  if (firstIndex < 0 || firstIndex >= static_cast<int>(controls.size())) return group;
  for (int i = firstIndex; i < static_cast<int>(controls.size()); ++i) {
    const ControlTemplate& control = controls[static_cast<std::size_t>(i)];
    if (i > firstIndex && StartsGroup(control)) break;
    if (control.kind == ControlKind::kRadioButton) group.push_back(i);
  }
  return group;
}

std::vector<int> RadioGroupOf(const fw::DialogTemplate& dialogTemplate, int index) {
  int start = index;
  while (start > 0 && !StartsGroup(dialogTemplate.controls[static_cast<std::size_t>(start)])) {
    --start;
  }
  return RadioGroupFrom(dialogTemplate, start);
}

int DefaultButtonIndex(const fw::DialogTemplate& dialogTemplate) {
  const auto& controls = dialogTemplate.controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].kind == ControlKind::kDefPushButton) return static_cast<int>(i);
  }
  return -1;
}

std::string DisplayCaption(const std::string& caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        shown += '&';
        ++i;
      }
      continue;
    }
    shown += caption[i];
  }
  return shown;
}

std::string DefaultAccessibleName(const fw::DialogTemplate& dialogTemplate, int index) {
  const auto& controls = dialogTemplate.controls;
  if (index < 0 || index >= static_cast<int>(controls.size())) return {};
  const ControlTemplate& self = controls[static_cast<std::size_t>(index)];
  if (HasOwnCaption(self)) return DisplayCaption(self.caption);
  if (self.kind == ControlKind::kIcon) return {};

  const int selfTop = self.y;
  const int selfBottom = self.y + std::min(self.height, 14);  // combo heights include the list
  int bestLeft = -1;
  int bestLeftGap = INT_MAX;
  int bestAbove = -1;
  int bestAboveGap = INT_MAX;
  for (int i = 0; i < static_cast<int>(controls.size()); ++i) {
    const ControlTemplate& label = controls[static_cast<std::size_t>(i)];
    if (i == index || !IsLabel(label)) continue;
    const int labelBottom = label.y + label.height;
    const bool sameLine = label.y < selfBottom && labelBottom > selfTop;
    const int leftGap = self.x - (label.x + label.width);
    if (sameLine && leftGap >= -2 && leftGap <= kBesideGap && leftGap < bestLeftGap) {
      bestLeft = i;
      bestLeftGap = leftGap;
    }
    const bool overlapsColumn = label.x < self.x + self.width && label.x + label.width > self.x;
    const int aboveGap = selfTop - labelBottom;
    if (overlapsColumn && aboveGap >= -2 && aboveGap <= kBesideGap && aboveGap < bestAboveGap) {
      bestAbove = i;
      bestAboveGap = aboveGap;
    }
  }
  int chosen = bestLeft >= 0 ? bestLeft : bestAbove;
  if (chosen < 0 && index > 0 && IsLabel(controls[static_cast<std::size_t>(index - 1)])) {
    chosen = index - 1;
  }
  return chosen < 0 ? std::string()
                    : DisplayCaption(controls[static_cast<std::size_t>(chosen)].caption);
}

}  // namespace tqr417::fw
