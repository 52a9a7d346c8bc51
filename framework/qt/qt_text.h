#pragma once
// CString <-> QString: Latin-1, one character per byte, so every byte value survives a round
// trip through the widgets. A QString character above U+00FF, which Latin-1 cannot hold,
// becomes '?'.

#include <QString>

#include "framework/c_string.h"

namespace tqr417::fw {

inline QString ToQString(const CString& text) {
  return QString::fromLatin1(text.str().data(), static_cast<qsizetype>(text.str().size()));
}

inline CString FromQString(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return CString(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace tqr417::fw
