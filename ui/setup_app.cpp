#include "ui/setup_app.h"

#include <iostream>
#include <string>

#include "framework/message_box.h"
#include "link/port_devices.h"
#include "link/serial_port_opener.h"
#include "ui/app_icon.h"
#include "ui/setup_dlg.h"
#include "ui/startup_arguments.h"

CSetupApp theApp;

BOOL CSetupApp::InitInstance() {
  // Hosted controls and the three-dimensional control look need no set-up with this toolkit:
  // every dialog may hold any control, and controls are drawn in the platform's style.

  tqr417::ui::RegisterAppIdentity();
  // Which device Com1 and Com2 open is decided once, here: the variables TQR417_COM1 and
  // TQR417_COM2, else the user's port settings, else the platform's default.
  const tqr417::ChosenDevices devices =
      tqr417::ChooseDevices(tqr417::PortSettingsPath(), std::cerr);
  tqr417::SerialPortOpener ports(devices.com1.device, devices.com2.device);
  CSetupDlg dlg(config, state, ports);
  const tqr417::ui::StartupRequest request =
      tqr417::ui::ParseStartupArguments(tqr417::ui::CommandLineArguments());
  if (!request.usage.empty()) {
    // Standard error reaches a terminal where there is one; the message box reaches the
    // technician who started the program from a desktop entry or a script.
    std::cerr << request.usage << "\n";
    AfxMessageBoxUtf8(request.usage, MB_ICONEXCLAMATION);
  }
  dlg.SetStartupFile(request.file);
  m_pMainWnd = &dlg;
  dlg.DoModal();  // IDCANCEL from "EXIT Application", Esc or the close box
  m_pMainWnd = nullptr;
  return FALSE;
}
