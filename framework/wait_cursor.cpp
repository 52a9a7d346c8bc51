#include "framework/wait_cursor.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <atomic>

#include "framework/modal_scope.h"

namespace {

std::atomic<int> g_dropped{0};

// Drops the technician's input while a long command runs, except inside a modal window
// (a message box) opened during it.
class InputBlocker : public QObject {
 public:
  explicit InputBlocker(int modalDepth) : modalDepth_(modalDepth) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
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
