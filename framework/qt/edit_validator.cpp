#include "framework/qt/edit_validator.h"

namespace tqr417::fw {

EditValidator::EditValidator(bool upperCase, QObject* parent)
    : QValidator(parent), upperCase_(upperCase) {}

QValidator::State EditValidator::validate(QString& input, int& /*pos*/) const {
  if (upperCase_) {
    for (QChar& ch : input) {
      if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) ch = QChar(ch.unicode() - 'a' + 'A');
    }
  }
  // The members hold 8-bit text: a character beyond Latin-1 would be stored as '?' while the
  // field still showed it, so it cannot be typed.
  for (const QChar ch : input) {
    if (ch.unicode() > 0xFF) return Invalid;
  }
  if (maxChars_ > 0 && input.size() > maxChars_) return Invalid;
  return Acceptable;
}

}  // namespace tqr417::fw
