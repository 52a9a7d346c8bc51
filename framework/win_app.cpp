#include "framework/win_app.h"

#include "framework/toolkit.h"

namespace {

CWinApp* g_app = nullptr;

// The program file's name without its extension, "tqr417" before the application exists.
CString ProgramName() {
  const CString name = tqr417::fw::toolkit::ProgramName();
  return name.IsEmpty() ? CString("tqr417") : name;
}

}  // namespace

CWinApp::CWinApp(const char* appName) : appName_(appName) { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

CString CWinApp::GetAppName() const { return appName_.IsEmpty() ? ProgramName() : appName_; }

CWinApp* AfxGetApp() { return g_app; }

CString AfxGetAppName() { return g_app != nullptr ? g_app->GetAppName() : ProgramName(); }

tqr417::fw::IconId AfxLoadIcon(int iconId) {
  return tqr417::fw::toolkit::HasIcon(iconId) ? iconId : 0;
}

int AfxWinMain(int argc, char** argv) {
  return tqr417::fw::toolkit::RunApplication(argc, argv, [] {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;
    app->InitInstance();
    return app->ExitInstance();
  });
}
