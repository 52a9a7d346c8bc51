#include "framework/message_box.h"

#include "framework/modal_runner.h"
#include "framework/modal_scope.h"
#include "framework/win_app.h"

int AfxMessageBox(const CString& text, UINT type) {
  tqr417::fw::MessageRequest request{text, type, AfxGetAppName()};
  CDialog* owner = tqr417::fw::ModalOwner();
  tqr417::fw::ModalScope box;
  return tqr417::fw::CurrentModalRunner().ShowMessage(request, owner);
}
