#pragma once
// The dialog template format: one table per window, controls in template order.
//
// Positions and sizes are in dialog units (the toolkit converts them to pixels). Template
// order is the tab order and decides radio groups: a group runs from a control with
// `style::kGroup` up to the next control with that flag. An application keeps each of its
// templates in a source file of its own that registers it with a static
// `TemplateRegistration`; `FindTemplate` looks it up by number.

#include <string>
#include <vector>

namespace tqr417::fw {

// Identifier used for controls that are never addressed (labels, frames, icons).
inline constexpr int kStatic = -1;

enum class ControlKind {
  kPushButton,
  kDefPushButton,  // the default push button: Enter presses it
  kCheckBox,       // toggles itself when clicked
  kRadioButton,    // selects itself and clears the rest of its group when clicked
  kGroupBox,       // a frame with a caption; takes no input
  kStaticText,     // alignment by style::kCentre / style::kRight, else left
  kIcon,           // caption holds the icon resource number as decimal text, e.g. "128"
  kEdit,           // single-line edit field with a border
  kComboDropDown,  // combo box with an edit field: any text can be typed
  kComboDropList,  // combo box without an edit field: only its items can be chosen
  kVScrollBar,     // vertical scroll bar
};

// Control style flags; combine with |.
namespace style {
inline constexpr unsigned kNone = 0;
inline constexpr unsigned kGroup = 1u << 0;      // starts a group (radio groups, tab groups)
inline constexpr unsigned kHidden = 1u << 1;     // created hidden
inline constexpr unsigned kDisabled = 1u << 2;   // created disabled
inline constexpr unsigned kTabStop = 1u << 3;    // reached with Tab
inline constexpr unsigned kUpperCase = 1u << 4;  // edit: letters typed become upper case
inline constexpr unsigned kLeftText = 1u << 6;   // check box / radio: caption left of the box
inline constexpr unsigned kSorted = 1u << 7;     // combo: items sorted, letter case ignored
inline constexpr unsigned kCentre = 1u << 8;     // static text: centred
inline constexpr unsigned kRight = 1u << 9;      // static text: right-aligned
}  // namespace style

// Dialog style flags; combine with |.
namespace dialog_style {
inline constexpr unsigned kNone = 0;
inline constexpr unsigned kCaption = 1u << 0;     // title bar with the caption
inline constexpr unsigned kSysMenu = 1u << 1;     // system menu and close box
inline constexpr unsigned kModalFrame = 1u << 2;  // fixed-size frame
inline constexpr unsigned kAppWindow = 1u << 3;   // shown in the task bar
}  // namespace dialog_style

struct ControlTemplate {
  int id = kStatic;
  ControlKind kind = ControlKind::kStaticText;
  std::string caption;  // '&' marks a mnemonic, "&&" is a literal '&'
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;  // for combo boxes: the height with the list dropped down
  unsigned flags = style::kNone;
  std::vector<std::string> items;  // combo boxes: the list, in template order
};

struct DialogTemplate {
  int id = 0;
  std::string caption;
  int width = 0;   // client area, dialog units
  int height = 0;  // client area, dialog units
  std::string fontName = "MS Sans Serif";
  int fontPoints = 8;
  unsigned flags = dialog_style::kCaption | dialog_style::kSysMenu | dialog_style::kModalFrame;
  std::vector<ControlTemplate> controls;

  // The first control with this id, or nullptr. kStatic never matches.
  const ControlTemplate* FindControl(int controlId) const;
  // Index in template order of the first control with this id, or -1.
  int IndexOf(int controlId) const;
};

// The registered template with this number, or nullptr.
const DialogTemplate* FindTemplate(int templateId);

// Adds a template to the registry; a second template with the same number replaces the first.
// Returns true so that it can initialise a static.
bool RegisterTemplate(DialogTemplate dialogTemplate);

// Registers a template during static initialisation:
//   const TemplateRegistration kRegistration{DialogTemplate{...}};
struct TemplateRegistration {
  explicit TemplateRegistration(DialogTemplate dialogTemplate);
};

}  // namespace tqr417::fw
