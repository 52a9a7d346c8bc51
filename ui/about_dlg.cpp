#include "ui/about_dlg.h"

#include "resources/resource_ids.h"

CAboutDlg::CAboutDlg(CDialog* parent) : CDialog(tqr417::res::IDD_ABOUTBOX, parent) {}
