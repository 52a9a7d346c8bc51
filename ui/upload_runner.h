#pragma once
// Runs an upload off the user-interface thread and reports its result on it.
//
// The transfer holds the serial line for about two seconds at 4800 baud. Meanwhile the window
// shows the wait cursor, keeps painting and takes no input. The result is reported on the
// calling thread while the port is still held (the unit may be watched for its answer
// meanwhile); the port is closed once `report` has returned.

#include <functional>

#include "config/unit_config.h"
#include "link/transfers.h"

namespace tqr417::ui {

void RunUpload(const UnitConfig& config, const PortSelection& port,
               const std::function<void(const TransferResult&)>& report);

}  // namespace tqr417::ui
