#pragma once
// The user's input a wait cursor drops (framework/wait_rule.h), for the window's procedure and
// modal runs.

#include "framework/wait_rule.h"
#include "framework/win_types.h"

namespace tqr417::fw {

// True (and counted) when `message` is the user's input and a wait cursor drops it now.
bool DropInput(const MSG& message);

}  // namespace tqr417::fw
