#pragma once
// One field of a setting dialog: the dialog's member and the catalogue row of the field it
// edits. The row says which control shows the field, how the control binds (check box, radio
// group or edit) and whether the window checks its range, so a dialog names each field once:
// its DoDataExchange walks the rows (exchange, then check) and its setting command walks them
// to copy the fields in and back.

#include <span>
#include <string_view>
#include <type_traits>
#include <variant>

#include "config/field_catalogue.h"
#include "framework/c_string.h"
#include "framework/win_types.h"

class CDataExchange;

namespace tqr417::dialogs {

// Binds `value` to the control that shows `field`, then checks it when the window does.
void ExchangeField(CDataExchange* pDX, const FieldInfo& field, int& value);
void ExchangeField(CDataExchange* pDX, const FieldInfo& field, UINT& value);
void ExchangeField(CDataExchange* pDX, const FieldInfo& field, CString& value);

// The configuration holds every number as a signed integer; an unsigned member takes the same
// bits both ways.
inline void CopyIn(int& member, const FieldInfo& field, const DialogSettings& settings) {
  member = field.ref.Number(settings);
}
inline void CopyIn(UINT& member, const FieldInfo& field, const DialogSettings& settings) {
  member = static_cast<UINT>(field.ref.Number(settings));
}
inline void CopyIn(CString& member, const FieldInfo& field, const DialogSettings& settings) {
  member = field.ref.Text(settings);
}
inline void CopyBack(int member, const FieldInfo& field, DialogSettings& settings) {
  field.ref.Number(settings) = member;
}
inline void CopyBack(UINT member, const FieldInfo& field, DialogSettings& settings) {
  field.ref.Number(settings) = static_cast<int>(member);
}
inline void CopyBack(const CString& member, const FieldInfo& field, DialogSettings& settings) {
  field.ref.Text(settings) = member.str();
}

template <typename Dialog>
struct SettingRow {
  std::variant<int Dialog::*, UINT Dialog::*, CString Dialog::*> member;
  const FieldInfo* field;

  void Exchange(CDataExchange* pDX, Dialog& dlg) const {
    std::visit([&](auto m) { ExchangeField(pDX, *field, dlg.*m); }, member);
  }
  void CopyIn(Dialog& dlg, const DialogSettings& settings) const {
    std::visit([&](auto m) { dialogs::CopyIn(dlg.*m, *field, settings); }, member);
  }
  void CopyBack(const Dialog& dlg, DialogSettings& settings) const {
    std::visit([&](auto m) { dialogs::CopyBack(dlg.*m, *field, settings); }, member);
  }
};

// The row of `member`, which edits the dialog field called `name`. A name no dialog field
// has, or a text member for a number (or the reverse), does not compile.
template <typename Dialog, typename Member>
consteval SettingRow<Dialog> Row(Member Dialog::*member, std::string_view name) {
  const FieldInfo& field = Field(name);
  if (field.group != FieldGroup::kDialog) throw "not a setting dialog's field";
  if (field.ref.IsText() != std::is_same_v<Member, CString>) throw "member and field differ";
  return {member, &field};
}

// Exchanges every row of the dialog, in the order of its rows.
template <typename Dialog>
void ExchangeRows(CDataExchange* pDX, Dialog& dlg) {
  for (const SettingRow<Dialog>& row : Dialog::Rows()) row.Exchange(pDX, dlg);
}

}  // namespace tqr417::dialogs
