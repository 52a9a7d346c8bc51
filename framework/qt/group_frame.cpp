#include "framework/qt/group_frame.h"

#include <QPainter>
#include <QPalette>

#include "framework/template_rules.h"

namespace tqr417::fw {

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
  setFocusPolicy(Qt::NoFocus);
  setFlat(true);
}

void GroupFrame::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int top = metrics.height() / 2;
  const QRect frame = rect().adjusted(0, top, -1, -1);

  // Etched frame: a dark line with a light line one pixel inside it.
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(frame.adjusted(0, 0, -1, -1));
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(frame.adjusted(1, 1, 0, 0));

  const QString caption = title();
  if (caption.isEmpty()) return;
  const int left = metrics.averageCharWidth();
  const QString shown =
      metrics.elidedText(QString::fromLatin1(DisplayCaption(caption.toLatin1().toStdString())),
                         Qt::ElideRight, width() - 3 * left);
  const QRect textRect(left, 0, metrics.horizontalAdvance(shown) + 4, metrics.height());
  painter.fillRect(textRect, palette().color(QPalette::Window));
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(textRect, Qt::AlignCenter, shown);
}

}  // namespace tqr417::fw
