#include "framework/win_app.h"

#include <QApplication>
#include <QFileInfo>


namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp::CWinApp(const char* appName) : appName_(appName) { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

CString CWinApp::GetAppName() const {
  if (!appName_.IsEmpty()) return appName_;
  if (QCoreApplication::instance() == nullptr) return CString("tqr417");
  // The program file's name without its extension.
  return CString::FromQString(
      QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}

CWinApp* AfxGetApp() { return g_app; }

CString AfxGetAppName() {
  if (g_app != nullptr) return g_app->GetAppName();
  if (QCoreApplication::instance() == nullptr) return CString("tqr417");
  return CString::FromQString(
      QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}

int AfxWinMain(int argc, char** argv) {
  QApplication application(argc, argv);
  // The main window's modal run is the whole life of the program; closing a window must not
  // end other event loops.
  QApplication::setQuitOnLastWindowClosed(false);
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return 1;
  app->InitInstance();
  return app->ExitInstance();
}
