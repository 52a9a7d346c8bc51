#pragma once
// The range check that follows a bound field in a DoDataExchange list, with the bounds the
// field catalogue gives that field, so no window writes a range of its own.

#include "config/field_catalogue.h"
#include "framework/ddx.h"

// A signed number: DDV_MinMaxInt over the field's range.
inline void DDV_Field(CDataExchange* pDX, int value, const tqr417::FieldInfo& field) {
  DDV_MinMaxInt(pDX, value, field.minValue, field.maxValue);
}

// A number entered as unsigned: DDV_MinMaxUInt over the field's range.
inline void DDV_Field(CDataExchange* pDX, UINT value, const tqr417::FieldInfo& field) {
  DDV_MinMaxUInt(pDX, value, static_cast<UINT>(field.minValue), static_cast<UINT>(field.maxValue));
}

// A text: DDV_MaxChars with the field's length limit.
inline void DDV_Field(CDataExchange* pDX, const CString& value, const tqr417::FieldInfo& field) {
  DDV_MaxChars(pDX, value, field.maxValue);
}
