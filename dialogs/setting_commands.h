#pragma once
// The main window's setting-dialog commands. Each constructs its dialog, copies its fields
// in, runs it modally and copies the fields back only when it ends with OK; any other end
// (Cancel, Esc, the close box, a dialog that cannot be created) changes nothing.

#include "config/unit_config.h"

namespace tqr417::dialogs {

void RunGainSettings(DialogSettings& settings);     // "Set Gains": template 131
void RunPortSettings(AppState& state);              // "Com Port": template 103, comPort
void RunMorseSettings(DialogSettings& settings);    // "Morse Code": template 132
void RunTxAudioSettings(DialogSettings& settings);  // "TX Filters": template 133
void RunVoxSettings(DialogSettings& settings);      // "DUZO Mode": template 134
void RunDig5Settings(DialogSettings& settings);     // "Dig5 Setup": template 135
void RunDig4Settings(DialogSettings& settings);     // "Dig4 Setup": template 136

}  // namespace tqr417::dialogs
