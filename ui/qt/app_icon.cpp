#include "ui/qt/app_icon.h"

#include <QGuiApplication>
#include <QPixmap>
#include <cstddef>

#include "framework/qt/qt_icons.h"
#include "resources/resource_ids.h"
#include "tools/version.h"
#include "ui/app_icon.h"

namespace tqr417::res {
namespace {

struct AppIconImage {
  const unsigned char* png;
  std::size_t size;
};

// kAppIconImages: the icon at each size the program offers, made from the icon's one drawing
// (tools/icon/make_app_icon.py) at build time.
#include "app_icon_images.inc"

}  // namespace

QIcon LoadAppIcon(int iconId) {
  if (iconId != IDR_MAINFRAME) return QIcon();
  QIcon icon;
  for (const AppIconImage& image : kAppIconImages) {
    QPixmap pixmap;
    if (pixmap.loadFromData(image.png, static_cast<unsigned>(image.size), "PNG")) {
      icon.addPixmap(pixmap);
    }
  }
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
