#pragma once
// StartupProbe: measures the start of the application for its developers.
//
// The main window is closed as soon as it has been shown for the first time, and one line
// goes to standard error with the time from the process start to that moment and the
// resident memory. Given a file name, the shown window is also saved there as an image.

#include <QObject>
#include <QString>

class CDialog;

namespace tqr417::devtools {

class StartupProbe : public QObject {
 public:
  // Watches `window`; `screenshotPath` empty: no image.
  StartupProbe(CDialog& window, QString screenshotPath);
  ~StartupProbe() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Report();

  CDialog& window_;
  bool fired_ = false;
  QString screenshotPath_;
};

}  // namespace tqr417::devtools
