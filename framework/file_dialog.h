#pragma once
// CFileDialog: the open and save file chooser.
//
//   CFileDialog chooser(FALSE, "417", "*.417", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
//   if (chooser.DoModal() == IDOK) Save(chooser.GetPathName());  // a UTF-8 std::string
//
// The initial name's pattern ("*.417") is the filter shown. A name chosen without an extension
// gets ".<defExt>". The save chooser asks before replacing an existing file when
// OFN_OVERWRITEPROMPT is given; the open chooser accepts names of files that do not exist
// (the load then reports that it cannot open them). The extension, the initial name and the
// filter are UTF-8, as the file system spells them: an initial name may be a path.

#include <string>

#include "framework/win_types.h"

class CDialog;

class CFileDialog {
 public:
  CFileDialog(BOOL openFileDialog, const char* defaultExt = nullptr, const char* fileName = nullptr,
              DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
              CDialog* parent = nullptr);

  // Runs the chooser through the current modal runner: IDOK when a file was chosen, else
  // IDCANCEL.
  int DoModal();
  // The chosen file's full path as the file system spells it, UTF-8 (empty before a
  // successful DoModal). A path never travels in an 8-bit CString.
  const std::string& GetPathName() const { return pathName_; }

 private:
  BOOL open_;
  std::string defaultExt_;
  std::string fileName_;
  DWORD flags_;
  std::string filter_;
  std::string pathName_;
};
