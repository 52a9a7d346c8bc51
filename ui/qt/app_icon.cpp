#include "ui/qt/app_icon.h"

#include <QColor>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "framework/qt/qt_icons.h"
#include "resources/resource_ids.h"
#include "tools/version.h"
#include "ui/app_icon.h"

namespace tqr417::res {
namespace {

QPixmap DrawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  PaintAppIcon(painter, size);
  return pixmap;
}

}  // namespace

// A square of the unit's blue with a white radio mast sending three arcs: drawn in a
// 32 x 32 grid and scaled to `side`.
void PaintAppIcon(QPainter& painter, double side) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(side / 32.0, side / 32.0);

  painter.setPen(QPen(QColor(0x10, 0x2a, 0x5c), 1.0));
  painter.setBrush(QColor(0x1f, 0x5f, 0xb4));
  painter.drawRoundedRect(QRectF(1.0, 1.0, 30.0, 30.0), 5.0, 5.0);

  QPen white(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(white);
  painter.setBrush(Qt::NoBrush);
  QPainterPath mast;  // an A-frame mast standing on the bottom edge
  mast.moveTo(10.0, 28.0);
  mast.lineTo(16.0, 12.0);
  mast.lineTo(22.0, 28.0);
  mast.moveTo(12.5, 21.5);
  mast.lineTo(19.5, 21.5);
  painter.drawPath(mast);

  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(16.0, 10.5), 1.6, 1.6);
  painter.setBrush(Qt::NoBrush);
  for (int ring = 1; ring <= 2; ++ring) {
    const double r = 3.5 * ring + 1.0;
    const QRectF box(16.0 - r, 10.5 - r, 2 * r, 2 * r);
    painter.drawArc(box, 30 * 16, 120 * 16);  // the upper arcs, 30 to 150 degrees
  }
  painter.restore();
}

QIcon LoadAppIcon(int iconId) {
  if (iconId != IDR_MAINFRAME) return QIcon();
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64}) icon.addPixmap(DrawIcon(size));
  return icon;
}

}  // namespace tqr417::res

namespace tqr417::ui {

void RegisterAppIdentity() {
  fw::RegisterIcon(res::IDR_MAINFRAME, &res::LoadAppIcon);
  // Wayland's app_id then names the menu entry (icon, name); the X11 window class stays the
  // program's name.
  if (QGuiApplication::instance() != nullptr) QGuiApplication::setDesktopFileName(kAppId);
}

}  // namespace tqr417::ui
