#include "framework/message_box.h"

#include "framework/modal_runner.h"
#include "framework/modal_scope.h"
#include "framework/win_app.h"

namespace {

int ShowMessage(tqr417::fw::MessageRequest request) {
  request.caption = AfxGetAppName();
  CDialog* owner = tqr417::fw::ModalOwner();
  tqr417::fw::ModalScope box;
  return tqr417::fw::CurrentModalRunner().ShowMessage(request, owner);
}

}  // namespace

int AfxMessageBox(const CString& text, UINT type) {
  return ShowMessage({text.str(), type, {}, tqr417::fw::TextEncoding::kLatin1});
}

int AfxMessageBoxUtf8(const std::string& text, UINT type) {
  return ShowMessage({text, type, {}, tqr417::fw::TextEncoding::kUtf8});
}
