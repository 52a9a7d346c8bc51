#include "dialogs/setting_row.h"

#include "dialogs/field_checks.h"
#include "framework/ddx.h"

namespace tqr417::dialogs {
namespace {

void CheckField(CDataExchange* pDX, const FieldInfo& field, const auto& value) {
  if (field.check == WindowCheck::kRange) DDV_Field(pDX, value, field);
}

}  // namespace

void ExchangeField(CDataExchange* pDX, const FieldInfo& field, int& value) {
  const int id = field.place.controlId;
  if (field.kind == FieldKind::kFlag) {
    DDX_Check(pDX, id, value);
  } else if (field.kind == FieldKind::kChoice) {
    DDX_Radio(pDX, id, value);
  } else {
    DDX_Text(pDX, id, value);
  }
  CheckField(pDX, field, value);
}

void ExchangeField(CDataExchange* pDX, const FieldInfo& field, UINT& value) {
  DDX_Text(pDX, field.place.controlId, value);
  CheckField(pDX, field, value);
}

void ExchangeField(CDataExchange* pDX, const FieldInfo& field, CString& value) {
  DDX_Text(pDX, field.place.controlId, value);
  CheckField(pDX, field, value);
}

}  // namespace tqr417::dialogs
