// tqr417_startup_probe: opens the application's main window as tqr417 does, closes it once it
// has been shown and reports the time from the process start to that moment (see
// startup_probe.h). Run under Xvfb or on a desktop:
//   tqr417_startup_probe [--screenshot FILE]

#include <QString>
#include <cstdio>
#include <cstring>

#include "config/unit_config.h"
#include "framework/win_app.h"
#include "link/serial_port_opener.h"
#include "tools/devtools/startup_probe.h"
#include "ui/app_icon.h"
#include "ui/setup_dlg.h"

namespace {

QString g_screenshotPath;

// The application shell with the probe watching its main window.
class CProbeApp : public CWinApp {
 public:
  // Message boxes carry the application's name, as in the shipped program.
  CProbeApp() : CWinApp("tqr417") {}

  BOOL InitInstance() override {
    tqr417::UnitConfig config;
    tqr417::AppState state;
    tqr417::ui::RegisterAppIdentity();
    tqr417::SerialPortOpener ports("", "");  // the platform's default devices
    CSetupDlg dlg(config, state, ports);
    m_pMainWnd = &dlg;
    tqr417::devtools::StartupProbe probe(dlg, g_screenshotPath);
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
  }
};

CProbeApp theProbeApp;

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
      g_screenshotPath = QString::fromLocal8Bit(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: %s [--screenshot FILE]\n", argv[0]);
      return 2;
    }
  }
  return AfxWinMain(argc, argv);
}
