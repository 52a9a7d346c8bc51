#include "framework/file_dialog.h"

#include "framework/modal_runner.h"
#include "framework/modal_scope.h"

namespace {

std::string TextOf(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExt, const char* fileName,
                         DWORD flags, const char* filter, CDialog* /*parent*/)
    : open_(openFileDialog),
      defaultExt_(TextOf(defaultExt)),
      fileName_(TextOf(fileName)),
      flags_(flags),
      filter_(TextOf(filter)) {}

int CFileDialog::DoModal() {
  tqr417::fw::FileRequest request{open_ != FALSE, defaultExt_, fileName_, flags_, filter_};
  std::optional<std::string> chosen;
  {
    CDialog* owner = tqr417::fw::ModalOwner();
    tqr417::fw::ModalScope chooser;
    chosen = tqr417::fw::CurrentModalRunner().ChooseFile(request, owner);
  }
  if (!chosen || chosen->empty()) return IDCANCEL;
  pathName_ = std::move(*chosen);
  // The one place a name typed without an extension gets the default one.
  const size_t slash = pathName_.find_last_of("/\\");
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  if (!defaultExt_.empty() && pathName_.find('.', nameStart) == std::string::npos) {
    pathName_ += "." + defaultExt_;
  }
  return IDOK;
}
