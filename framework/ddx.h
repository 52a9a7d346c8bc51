#pragma once
// The bindings (DDX_) and checks (DDV_) that a window lists in its DoDataExchange.
//
// Each check refers to the binding just before it. Numbers are read as one optionally signed
// decimal integer with blanks allowed around it; anything else (an empty field, a fraction,
// trailing letters, a value beyond 32 bits) fails with a message asking for an integer and
// leaves the member unchanged. A range check that fails leaves the number read in the member.

#include "framework/c_string.h"
#include "framework/win_types.h"

class CDataExchange;
class CScrollBar;

// Edit field (or any control's text) <-> member.
void DDX_Text(CDataExchange* pDX, int controlId, int& value);
void DDX_Text(CDataExchange* pDX, int controlId, UINT& value);  // a minus sign is refused
void DDX_Text(CDataExchange* pDX, int controlId, CString& value);

// Check box: set for nonzero; read as 1 when set, else 0.
void DDX_Check(CDataExchange* pDX, int controlId, int& value);

// Radio group starting at `controlId`: it runs up to the next control that starts a group,
// counting only radio buttons, from 0 in template order. Load selects the button with that
// index (none when no index matches); save gives the selected index, -1 when none.
void DDX_Radio(CDataExchange* pDX, int controlId, int& value);

// Combo box text. Load selects the first item that begins with the text, letter case ignored;
// when none does (or the text is empty), a combo box with an edit field shows the text and a
// drop-down list keeps its selection. Save gives the current text, the empty text when a
// drop-down list has no selection.
void DDX_CBString(CDataExchange* pDX, int controlId, CString& value);

// Attaches the scroll bar control to the member at the first exchange; copies nothing.
void DDX_Control(CDataExchange* pDX, int controlId, CScrollBar& control);

// Range checks of the number just bound; the message names both bounds.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minValue, UINT maxValue);

// Length check of the text just bound: on load it limits typing in the field to `maxChars`
// characters; on save it fails on a longer text, with a message naming the limit.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);
