#pragma once
// CSetupApp: the application object. It holds the configuration and the application state
// for the whole run and runs the main window modally; the program ends with that window.

#include "config/unit_config.h"
#include "framework/win_app.h"

class CSetupApp : public CWinApp {
 public:
  // No application name: message boxes carry the program file's name.
  CSetupApp() = default;

  // Runs the main window to its end and returns FALSE, so the program then exits.
  BOOL InitInstance() override;

  // The one configuration and the application state, application-wide for the whole run.
  tqr417::UnitConfig config;
  tqr417::AppState state;
};

// The one application object.
extern CSetupApp theApp;
