#pragma once
// Runs an upload off the user-interface thread and reports its result on it.
//
// The transfer holds the serial line for about two seconds at 4800 baud. Meanwhile the window
// shows the wait cursor, keeps painting and takes no input. `report` runs on the calling
// thread, without the wait cursor, while the port is still held; the port is closed once it
// has returned. A port that cannot be opened is reported the same way.

#include <functional>

#include "config/unit_config.h"
#include "link/transfers.h"

namespace tqr417::ui {

void RunUpload(const UnitConfig& config, const PortSelection& port,
               const std::function<void(const TransferResult&)>& report);

}  // namespace tqr417::ui
