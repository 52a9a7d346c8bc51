#pragma once
// EditValidator: the input rules of an edit field (and of a combo box's edit field). Each
// input of the user's, a typed character or a paste, goes through the dialog layer's rule
// (framework/field_input.h): only characters of an 8-bit text (Latin-1) are kept, letters a to
// z become upper case when the template asks for it, and an input of which nothing is kept is
// refused. The text may not grow beyond a limit (DDV_MaxChars): an input is cut to the room
// left, as the Windows edit control cuts a paste.
// Text set by the program is not validated (QtControlPeer::SetText sets it without the
// validator), so it is taken as it is, also when it is longer than the limit.

#include <QString>
#include <QValidator>

namespace tqr417::fw {

class EditValidator : public QValidator {
 public:
  // `parent` is the QLineEdit the validator serves: its text before each change tells which
  // part a change inserted.
  EditValidator(bool upperCase, QObject* parent);

  // 0: no limit.
  void SetMaxChars(int maxChars) { maxChars_ = maxChars; }
  int MaxChars() const { return maxChars_; }

  State validate(QString& input, int& pos) const override;

 private:
  bool upperCase_;
  int maxChars_ = 0;
  QString before_;  // the field's text before the change being validated
};

}  // namespace tqr417::fw
