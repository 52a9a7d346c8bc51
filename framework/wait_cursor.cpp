#include "framework/wait_cursor.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <atomic>

#include "framework/modal_scope.h"

namespace {

std::atomic<int> g_dropped{0};

// A request to close a window (its close box), as opposed to a popup or tool tip closing.
bool IsWindowCloseRequest(QObject* watched) {
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || !widget->isWindow()) return false;
  const Qt::WindowType type = widget->windowType();
  return type != Qt::Popup && type != Qt::ToolTip;
}

// Drops the technician's input while a long command runs, except inside a modal window
// (a message box) opened during it. The close box counts as input: the window stays open.
class InputBlocker : public QObject {
 public:
  explicit InputBlocker(int modalDepth) : modalDepth_(modalDepth) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Close:
        if (tqr417::fw::ModalScope::Depth() > modalDepth_ || !IsWindowCloseRequest(watched)) {
          break;
        }
        ++g_dropped;
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
        if (tqr417::fw::ModalScope::Depth() > modalDepth_) break;
        ++g_dropped;
        return true;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  int modalDepth_;
};

}  // namespace

CWaitCursor::CWaitCursor() : filter_(nullptr) {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return;
  filter_ = new InputBlocker(tqr417::fw::ModalScope::Depth());
  QCoreApplication::instance()->installEventFilter(filter_);
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

CWaitCursor::~CWaitCursor() {
  if (filter_ == nullptr) return;
  QGuiApplication::restoreOverrideCursor();
  QCoreApplication::instance()->removeEventFilter(filter_);
  delete filter_;
}

void CWaitCursor::KeepPainting() {
  if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
}

int CWaitCursor::DroppedInputEvents() { return g_dropped.load(); }
