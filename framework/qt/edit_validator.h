#pragma once
// EditValidator: the typing rules of an edit field: letters a to z typed become upper case
// (when the template asks for it), only characters of an 8-bit text (Latin-1) can be typed,
// and the text may not grow beyond a limit (DDV_MaxChars).
// Text set by the program is taken as it is, also when it is longer than the limit.

#include <QValidator>

namespace tqr417::fw {

class EditValidator : public QValidator {
 public:
  EditValidator(bool upperCase, QObject* parent);

  // 0: no limit.
  void SetMaxChars(int maxChars) { maxChars_ = maxChars; }
  int MaxChars() const { return maxChars_; }

  State validate(QString& input, int& pos) const override;

 private:
  bool upperCase_;
  int maxChars_ = 0;
};

}  // namespace tqr417::fw
