#include "tools/devtools/startup_probe.h"

#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include "framework/dialog.h"
#include "framework/qt/qt_access.h"

namespace tqr417::devtools {
namespace {

// Seconds since the process started, from its start time in /proc (clock ticks since boot).
double SecondsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string line;
  std::getline(stat, line);
  // Fields after the command name, which is in parentheses and may hold blanks.
  std::istringstream fields(line.substr(line.rfind(')') + 2));
  std::string field;
  unsigned long long startTicks = 0;
  for (int index = 3; index <= 22 && fields >> field; ++index) {
    if (index == 22) startTicks = std::stoull(field);
  }
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 -
         static_cast<double>(startTicks) / ticks;
}

// A line of /proc/self/status such as "VmRSS:     23456 kB", without its name.
std::string StatusField(const std::string& name) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(name + ":", 0) == 0) {
      const std::size_t value = line.find_first_not_of(" \t", name.size() + 1);
      return value == std::string::npos ? std::string() : line.substr(value);
    }
  }
  return {};
}

}  // namespace

StartupProbe::StartupProbe(CDialog& window, QString screenshotPath)
    : window_(window), screenshotPath_(std::move(screenshotPath)) {
  qApp->installEventFilter(this);
}

StartupProbe::~StartupProbe() { qApp->removeEventFilter(this); }

bool StartupProbe::eventFilter(QObject* watched, QEvent* event) {
  if (!fired_ && event->type() == QEvent::Paint && watched == fw::QtWindow(window_)) {
    fired_ = true;
    // The first paint means the window is on the screen; report once that paint is done.
    QTimer::singleShot(0, this, [this] { Report(); });
  }
  return QObject::eventFilter(watched, event);
}

void StartupProbe::Report() {
  const double seconds = SecondsSinceProcessStart();
  QDialog* window = fw::QtWindow(window_);
  if (window == nullptr) return;
  bool saved = true;
  if (!screenshotPath_.isEmpty()) saved = window->grab().save(screenshotPath_);
  std::fprintf(stderr, "tqr417: window shown after %.0f ms; VmRSS %s, VmHWM %s%s\n",
               seconds * 1000.0, StatusField("VmRSS").c_str(), StatusField("VmHWM").c_str(),
               saved ? "" : "; screenshot not saved");
  window_.EndDialog(IDCANCEL);
}

}  // namespace tqr417::devtools
