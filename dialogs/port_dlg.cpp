#include "dialogs/port_dlg.h"

#include "framework/ddx.h"
#include "resources/resource_ids.h"

using namespace tqr417::res;

CPortDlg::CPortDlg(CDialog* parent) : CDialog(IDD_PORT, parent) {}

void CPortDlg::DoDataExchange(CDataExchange* pDX) { DDX_Radio(pDX, IDC_PORT_COM1, comPort); }
