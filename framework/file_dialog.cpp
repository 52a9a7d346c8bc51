#include "framework/file_dialog.h"

#include "framework/modal_runner.h"
#include "framework/modal_scope.h"

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExt, const char* fileName,
                         DWORD flags, const char* filter, CDialog* /*parent*/)
    : open_(openFileDialog),
      defaultExt_(defaultExt),
      fileName_(fileName),
      flags_(flags),
      filter_(filter) {}

int CFileDialog::DoModal() {
  tqr417::fw::FileRequest request{open_ != FALSE, defaultExt_, fileName_, flags_, filter_};
  std::optional<CString> chosen;
  {
    CDialog* owner = tqr417::fw::ModalOwner();
    tqr417::fw::ModalScope chooser;
    chosen = tqr417::fw::CurrentModalRunner().ChooseFile(request, owner);
  }
  if (!chosen || chosen->IsEmpty()) return IDCANCEL;
  CString path = *chosen;
  // A name typed without an extension gets the default one.
  const int nameStart = path.str().find_last_of('/') == std::string::npos
                            ? 0
                            : static_cast<int>(path.str().find_last_of('/')) + 1;
  if (!defaultExt_.IsEmpty() && path.Find('.', nameStart) < 0) path += "." + defaultExt_;
  pathName_ = path;
  return IDOK;
}
