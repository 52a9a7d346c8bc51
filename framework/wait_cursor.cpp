#include "framework/wait_cursor.h"

#include "framework/toolkit.h"
#include "framework/wait_rule.h"

CWaitCursor::CWaitCursor() { tqr417::fw::BeginWait(); }

CWaitCursor::~CWaitCursor() { tqr417::fw::EndWait(); }

void CWaitCursor::KeepPainting() { tqr417::fw::toolkit::KeepPainting(); }

int CWaitCursor::DroppedInputEvents() { return tqr417::fw::DroppedInputEvents(); }
