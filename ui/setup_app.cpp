#include "ui/setup_app.h"

#include "ui/app_icon.h"
#include "ui/setup_dlg.h"

CSetupApp theApp;

BOOL CSetupApp::InitInstance() {
  // Hosted controls and the three-dimensional control look need no set-up with this toolkit:
  // every dialog may hold any control, and controls are drawn in the platform's style.

  tqr417::ui::RegisterAppIcon();
  CSetupDlg dlg(config, state);
  m_pMainWnd = &dlg;
  dlg.DoModal();  // IDCANCEL from "EXIT Application", Esc or the close box
  m_pMainWnd = nullptr;
  return FALSE;
}
