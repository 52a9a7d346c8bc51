// The Qt backend's toolkit functions (framework/toolkit.h) that are not about one window:
// the application, the production runner, icons, cursors and the wait cursor's input block.

#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

#include "framework/qt/qt_icons.h"
#include "framework/qt/qt_modal_runner.h"
#include "framework/qt/qt_text.h"
#include "framework/toolkit.h"
#include "framework/wait_rule.h"

namespace tqr417::fw {
namespace {

bool HasGuiApplication() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

std::map<int, QIcon (*)(int)>& IconRegistry() {
  static std::map<int, QIcon (*)(int)> registry;
  return registry;
}

// A request to close a window (its close box), as opposed to a popup or tool tip closing.
bool IsWindowCloseRequest(QObject* watched) {
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || !widget->isWindow()) return false;
  const Qt::WindowType type = widget->windowType();
  return type != Qt::Popup && type != Qt::ToolTip;
}

// Drops the technician's input that the wait cursor's rule drops (DropNow). The close box
// counts as input: the window stays open.
class InputBlocker : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Close:
        if (!IsWindowCloseRequest(watched) || !DropNow()) break;
        event->ignore();  // an accepted close event would still close the window
        return true;
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
        return DropNow();
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }
};

// The input filter, installed with the override cursor while a wait cursor lives.
std::unique_ptr<InputBlocker> g_blocker;

}  // namespace

void RegisterIcon(int iconId, QIcon (*draw)(int iconId)) { IconRegistry()[iconId] = draw; }

QIcon QtIcon(int iconId) {
  const auto found = IconRegistry().find(iconId);
  return found == IconRegistry().end() ? QIcon() : found->second(iconId);
}

namespace toolkit {

ModalRunner& ProductionRunner() {
  static QtModalRunner production;
  return production;
}

std::function<void()> ActivationKeeper() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return [] {};
  QPointer<QWidget> active = QApplication::activeWindow();
  return [active] {
    // The window system would give the activation back to the window below.
    if (active.isNull() || !active->isVisible() || active == QApplication::activeWindow()) return;
    active->activateWindow();
    QDeadlineTimer deadline(1000);  // without a window manager it never becomes active
    while (!active.isNull() && !active->isActiveWindow() && !deadline.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  };
}

int RunApplication(int argc, char** argv, const std::function<int()>& body) {
  QApplication application(argc, argv);
  // The main window's modal run is the whole life of the program; closing a window must not
  // end other event loops.
  QApplication::setQuitOnLastWindowClosed(false);
  return body();
}

CString ProgramName() {
  if (QCoreApplication::instance() == nullptr) return CString();
  return FromQString(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}

bool HasIcon(int iconId) { return IconRegistry().count(iconId) != 0; }

void ShowWaitCursor(WaitCursorLook look) {
  if (!HasGuiApplication()) return;
  const Qt::CursorShape shape = look == WaitCursorLook::kWait ? Qt::WaitCursor : Qt::ArrowCursor;
  if (look == WaitCursorLook::kNone) {
    if (!g_blocker) return;
    QGuiApplication::restoreOverrideCursor();
    QCoreApplication::instance()->removeEventFilter(g_blocker.get());
    g_blocker.reset();
  } else if (g_blocker) {
    QGuiApplication::changeOverrideCursor(shape);
  } else {
    g_blocker = std::make_unique<InputBlocker>();
    QCoreApplication::instance()->installEventFilter(g_blocker.get());
    QGuiApplication::setOverrideCursor(shape);
  }
}

void KeepPainting() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

}  // namespace toolkit
}  // namespace tqr417::fw
