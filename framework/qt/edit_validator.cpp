#include "framework/qt/edit_validator.h"

#include <QLineEdit>
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "framework/field_input.h"

namespace tqr417::fw {

EditValidator::EditValidator(bool upperCase, QObject* parent)
    : QValidator(parent), upperCase_(upperCase) {
  if (auto* edit = qobject_cast<QLineEdit*>(parent)) {
    before_ = edit->text();
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
  }
}

QValidator::State EditValidator::validate(QString& input, int& pos) const {
  // The inserted part: what lies between the start and the end that the text shares with the
  // text before the change. A change that inserts nothing (a deletion) is taken as it is.
  qsizetype start = 0;
  while (start < before_.size() && start < input.size() && before_[start] == input[start]) {
    ++start;
  }
  qsizetype shared = 0;
  while (shared < before_.size() - start && shared < input.size() - start &&
         before_[before_.size() - 1 - shared] == input[input.size() - 1 - shared]) {
    ++shared;
  }
  const qsizetype end = input.size() - shared;
  if (end <= start) return Acceptable;

  // Only a paste inserts a line break (Enter inserts nothing): the field takes its first line.
  const std::u16string_view inserted(reinterpret_cast<const char16_t*>(input.utf16()) + start,
                                     static_cast<std::size_t>(end - start));
  std::optional<std::u16string> kept = KeptInput(FirstLine(inserted), upperCase_);
  if (!kept) return Invalid;
  if (maxChars_ > 0) {
    const qsizetype room = maxChars_ - (input.size() - (end - start));
    if (room <= 0) return Invalid;
    if (static_cast<qsizetype>(kept->size()) > room) kept->resize(static_cast<std::size_t>(room));
  }
  const qsizetype keptSize = static_cast<qsizetype>(kept->size());
  if (pos >= end) {
    pos += static_cast<int>(keptSize - (end - start));
  } else if (pos > start) {
    pos = static_cast<int>(start + std::min<qsizetype>(pos - start, keptSize));
  }
  input.replace(start, end - start,
                QString::fromUtf16(kept->data(), static_cast<qsizetype>(kept->size())));
  return Acceptable;
}

}  // namespace tqr417::fw
