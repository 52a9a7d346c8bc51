#pragma once
// StartupProbe: measures the start of the application for its developers.
//
// With TQR417_STARTUP_REPORT set in the environment, the main window is closed as soon as it
// has been shown for the first time, and one line goes to standard error with the time from
// the process start to that moment and the resident memory. With TQR417_SCREENSHOT set to a
// file name, the shown window is also saved there as an image. Without these variables the
// probe does nothing.

#include <QObject>
#include <QString>

class CDialog;

namespace tqr417::ui {

class StartupProbe : public QObject {
 public:
  explicit StartupProbe(CDialog& window);
  ~StartupProbe() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Report();

  CDialog& window_;
  bool armed_ = false;
  bool fired_ = false;
  QString screenshotPath_;
};

}  // namespace tqr417::ui
