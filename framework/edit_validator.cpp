#include "framework/edit_validator.h"

namespace tqr417::fw {

EditValidator::EditValidator(bool upperCase, QObject* parent)
    : QValidator(parent), upperCase_(upperCase) {}

QValidator::State EditValidator::validate(QString& input, int& /*pos*/) const {
  if (upperCase_) {
    for (QChar& ch : input) {
      if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) ch = QChar(ch.unicode() - 'a' + 'A');
    }
  }
  if (maxChars_ > 0 && input.size() > maxChars_) return Invalid;
  return Acceptable;
}

}  // namespace tqr417::fw
