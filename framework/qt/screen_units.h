#pragma once
// Dialog units on the Qt screen.

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include "framework/dialog_units.h"

namespace tqr417::fw {

// Base units of the primary screen (96 dpi when there is none).
inline DialogUnits ScreenDialogUnits() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return DialogUnits(screen == nullptr ? 96.0 : screen->logicalDotsPerInch());
}

inline QRect ToQRect(const PixelRect& rect) {
  return QRect(rect.x, rect.y, rect.width, rect.height);
}

}  // namespace tqr417::fw
