#pragma once
// CWinApp: the application object. There is one, a global constructed before main:
//
//   CSetupApp theApp;                                    // derived from CWinApp
//   int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
//
// AfxWinMain makes the toolkit's application, calls InitInstance once and ends the program when it
// returns (InitInstance's main window runs modally inside it).

#include "framework/c_string.h"
#include "framework/dialog.h"
#include "framework/win_types.h"

class CWinApp {
 public:
  // With no name, the application's name is the program file's name without its extension.
  explicit CWinApp(const char* appName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance();
  // Runs after InitInstance; its result is the program's exit code.
  virtual int ExitInstance();

  // The name used as the caption of every message box.
  CString GetAppName() const;

  // The main window while it runs; set by InitInstance.
  CDialog* m_pMainWnd = nullptr;

 private:
  CString appName_;
};

// The application object, nullptr when there is none (as in tests).
CWinApp* AfxGetApp();
// The application's name: the application object's, else the program file's base name.
CString AfxGetAppName();
// Icon resource `iconId` when the application registered it with the toolkit; 0 (no icon) when
// it registered none under that number.
tqr417::fw::IconId AfxLoadIcon(int iconId);
// Entry point: makes the toolkit's application, runs InitInstance, then ExitInstance.
int AfxWinMain(int argc, char** argv);
