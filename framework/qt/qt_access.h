#pragma once
// The Qt widgets behind the dialog layer's handles, for the Qt backend, the developer tools
// and the tests of the Qt build.

class CDialog;
class CWnd;
class QDialog;
class QWidget;

namespace tqr417::fw {

// The dialog's window while it exists, else nullptr.
QDialog* QtWindow(const CDialog& dialog);
// The control's widget while its window exists, else nullptr (also for a null handle).
QWidget* QtWidget(const CWnd* control);

}  // namespace tqr417::fw
