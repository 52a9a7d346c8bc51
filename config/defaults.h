#pragma once
// Start-up values, as the field catalogue's rows give them. The main window writes them once
// when it opens, in this order: SetTableDefaults, then SetDialogDefaults with
// SetMainWindowStartupValues.

#include "config/unit_config.h"

namespace tqr417 {

// toneActive 1, empty relay, group 1, duration 0, digital output k mod 64, CTCSS 0, flag 0.
void SetTableDefaults(FunctionTable& table);

void SetDialogDefaults(DialogSettings& dialog);

// pttToneOnly, lineDtmfDisable and audioLoopback 0, errorBeeps 1, pttFrequency "2175";
// the other main-window fields are left as they are (0 when the window is created).
void SetMainWindowStartupValues(MainWindowSettings& main);

// The configuration the application holds right after its main window has opened.
UnitConfig StartupConfig();

}  // namespace tqr417
