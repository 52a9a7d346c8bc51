#include "framework/wait_cursor.h"

#include "framework/modal_scope.h"

CWaitCursor::CWaitCursor()
    : state_(tqr417::fw::toolkit::BeginWait(tqr417::fw::ModalScope::Depth())) {}

CWaitCursor::~CWaitCursor() = default;

void CWaitCursor::KeepPainting() { tqr417::fw::toolkit::KeepPainting(); }

int CWaitCursor::DroppedInputEvents() { return tqr417::fw::toolkit::DroppedInputEvents(); }
