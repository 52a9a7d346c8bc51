#include "framework/qt/scroll_bar_control.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tqr417::fw {
namespace {

// What assistive technology sees of a scroll bar control: its value and range, and the
// actions Increase and Decrease, all carried out as scroll requests.
class ScrollBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit ScrollBarAccessible(ScrollBarControl* bar)
      : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return QString::number(Bar()->value());
    return QAccessibleWidget::text(kind);
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (Bar()->isEnabled()) names << increaseAction() << decreaseAction();
    return names;
  }

  void doAction(const QString& name) override {
    if (!Bar()->isEnabled()) return;
    if (name == increaseAction()) {
      Bar()->Request(SB_LINEDOWN, 0);
    } else if (name == decreaseAction()) {
      Bar()->Request(SB_LINEUP, 0);
    } else {
      QAccessibleWidget::doAction(name);
    }
  }

  QVariant currentValue() const override { return Bar()->value(); }
  void setCurrentValue(const QVariant& value) override {
    if (Bar()->isEnabled()) Bar()->Request(SB_THUMBPOSITION, value.toInt());
  }
  QVariant maximumValue() const override { return Bar()->maximum(); }
  QVariant minimumValue() const override { return Bar()->minimum(); }
  QVariant minimumStepSize() const override { return Bar()->singleStep(); }

 private:
  ScrollBarControl* Bar() const { return static_cast<ScrollBarControl*>(widget()); }
};

QAccessibleInterface* ScrollBarAccessibleFactory(const QString& className, QObject* object) {
  // The control's own class name is asked before QScrollBar's, so this interface wins over
  // the toolkit's, which would move the thumb without the window knowing.
  if (object != nullptr && object->isWidgetType() &&
      className == QLatin1String(ScrollBarControl::staticMetaObject.className())) {
    return new ScrollBarAccessible(static_cast<ScrollBarControl*>(object));
  }
  return nullptr;
}

}  // namespace

ScrollBarControl::ScrollBarControl(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
  static const bool installed = [] {
    QAccessible::installFactory(&ScrollBarAccessibleFactory);
    return true;
  }();
  static_cast<void>(installed);
}

void ScrollBarControl::Request(UINT code, int pos) {
  Send(code, pos);
  Send(SB_ENDSCROLL, 0);
}

void ScrollBarControl::Send(UINT code, int pos) {
  if (requester_) requester_(code, pos);
}

}  // namespace tqr417::fw
