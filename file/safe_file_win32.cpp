// The safe save and the whole-file read on Windows. Names arrive as UTF-8 and go to the wide
// (UTF-16) functions, so any name the file system can hold works.
//
// The save writes a new file in the target's folder and flushes it; then ReplaceFileW puts it
// in the place of an existing file, keeping that file's attributes and access rights, or
// MoveFileExW with MOVEFILE_WRITE_THROUGH moves it there when there is no file yet (the move
// returns only once it is on the disk). A failure at any step removes the new file and leaves
// the old one as it was.
#include <windows.h>

#include <filesystem>
#include <optional>

#include "file/safe_file.h"
#include "file/safe_file_messages.h"
#include "platform/wide_text.h"

namespace tqr417 {

namespace {

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // CloseHandle's result, TRUE when nothing was open.
  BOOL Close() {
    const BOOL closed = valid() ? CloseHandle(handle_) : TRUE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

enum class Kind { kMissing, kFile, kFolder, kDevice };

// What is at `path`, its attributes, and the full name of the file it ends at (through any
// link), from a
// handle that has no access to the contents, so folders and files in use open too. Returns
// the error when `path` cannot be examined; a missing file or folder is kMissing.
DWORD Examine(const std::wstring& path, Kind& kind, std::wstring& finalPath, DWORD& attributes) {
  kind = Kind::kMissing;
  attributes = 0;
  finalPath = path;
  Handle handle(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!handle.valid()) {
    const DWORD error = GetLastError();
    // A missing folder shows when the new file cannot be created in it.
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ERROR_SUCCESS : error;
  }
  if (GetFileType(handle.get()) != FILE_TYPE_DISK) {
    kind = Kind::kDevice;
    return ERROR_SUCCESS;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle.get(), &info)) return GetLastError();
  kind = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Kind::kFolder : Kind::kFile;
  attributes = info.dwFileAttributes;
  wchar_t name[MAX_PATH * 4];
  const DWORD length = GetFinalPathNameByHandleW(handle.get(), name, std::size(name),
                                                 FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (length > 0 && length < std::size(name)) finalPath.assign(name, length);
  return ERROR_SUCCESS;
}

// Creates a file of a fresh name in `folder`, never one that already exists (CREATE_NEW).
HANDLE CreateTemporaryFile(const std::filesystem::path& folder, std::wstring& tempPath) {
  constexpr int kAttempts = 64;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    tempPath = (folder / TemporaryFileName(GetCurrentProcessId())).wstring();
    const HANDLE handle = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return handle;
  }
  return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE handle, std::string_view data) {
  while (!data.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size(), 1 << 20));
    DWORD written = 0;
    if (!WriteFile(handle, data.data(), chunk, &written, nullptr) || written == 0) return false;
    data.remove_prefix(written);
  }
  return true;
}

// Removes from `folder` the temporary files of saves whose process has ended (a save killed
// before it put its file in place). Only names the save makes are touched; a process of
// another user that cannot be examined counts as running.
void RemoveAbandonedTemporaryFiles(const std::filesystem::path& folder) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW((folder / L".tqr417-*.tmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
    const std::optional<unsigned long> owner = TemporaryFileOwner(Utf8FromWide(found.cFileName));
    if (!owner || *owner == GetCurrentProcessId()) continue;
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(*owner));
    if (process != nullptr) {
      CloseHandle(process);
      continue;
    }
    if (GetLastError() == ERROR_INVALID_PARAMETER) DeleteFileW((folder / found.cFileName).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

Status NotUtf8(const char* verb, const std::string& path) {
  return Status::Error(StatusCode::kIoError, std::string("Cannot ") + verb + " \"" + path +
                                                 "\": the name is not valid UTF-8 text.");
}

}  // namespace

Status ReplaceFileContents(const std::string& shownPath, std::string_view contents,
                           ReadOnlyFile readOnly) {
  const std::optional<std::wstring> wide = WideFromUtf8(shownPath);
  if (!wide) return NotUtf8("save", shownPath);
  if (wide->empty()) {
    return FileStepFailed("save", shownPath, "examining the file", ERROR_INVALID_NAME);
  }
  Kind kind = Kind::kMissing;
  std::wstring target;
  DWORD attributes = 0;
  if (const DWORD error = Examine(*wide, kind, target, attributes); error != ERROR_SUCCESS) {
    return FileStepFailed("save", shownPath, "examining the file", error);
  }
  if (kind == Kind::kFolder || kind == Kind::kDevice) {
    return NotAFile("save", shownPath, kind == Kind::kFolder, 0);
  }

  const bool readOnlyFile = kind == Kind::kFile && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (readOnlyFile && readOnly == ReadOnlyFile::kRefuse) return ReadOnlyRefused(shownPath);

  std::filesystem::path folder = std::filesystem::path(target).parent_path();
  if (folder.empty()) folder = L".";
  RemoveAbandonedTemporaryFiles(folder);
  std::wstring tempPath;
  Handle temp(CreateTemporaryFile(folder, tempPath));
  if (!temp.valid()) {
    return FileStepFailed(
        "save", shownPath,
        "creating a new file in folder \"" + Utf8FromWide(folder.wstring()) + "\"", GetLastError());
  }

  std::string step;
  DWORD error = ERROR_SUCCESS;
  if (!WriteAll(temp.get(), contents)) {
    step = "writing";
    error = GetLastError();
  } else if (!FlushFileBuffers(temp.get())) {
    step = "flushing to the disk";
    error = GetLastError();
  }
  if (!temp.Close() && error == ERROR_SUCCESS) {
    step = "closing";
    error = GetLastError();
  }
  // ReplaceFileW carries these over itself; Wine's does not, so the new file takes them first.
  constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  // A read-only file that is to be replaced all the same lets go of the attribute for the
  // replacement; the new file takes it once it is in place.
  if (error == ERROR_SUCCESS && readOnlyFile &&
      !SetFileAttributesW(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) {
    step = "replacing the read-only file";
    error = GetLastError();
  }
  if (error == ERROR_SUCCESS && kind == Kind::kFile && (attributes & kKeptAttributes) != 0 &&
      !SetFileAttributesW(tempPath.c_str(), attributes & kKeptAttributes)) {
    step = "keeping the file's attributes";
    error = GetLastError();
  }
  if (error == ERROR_SUCCESS) {
    const BOOL replaced = kind == Kind::kFile
                              ? ReplaceFileW(target.c_str(), tempPath.c_str(), nullptr,
                                             REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                              : MoveFileExW(tempPath.c_str(), target.c_str(),
                                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced) {
      step = "replacing the file";
      error = GetLastError();
    }
  }
  if (readOnlyFile) {
    // Whether the replacement went through or not, the file at the path is read-only again.
    const DWORD now = GetFileAttributesW(target.c_str());
    if (now != INVALID_FILE_ATTRIBUTES) {
      SetFileAttributesW(target.c_str(), now | FILE_ATTRIBUTE_READONLY);
    }
  }
  if (error != ERROR_SUCCESS) {
    DeleteFileW(tempPath.c_str());
    return FileStepFailed("save", shownPath, step, error);
  }
  return Status::Ok();
}

Status ReadWholeFile(const std::string& path, std::string& contents) {
  const std::optional<std::wstring> wide = WideFromUtf8(path);
  if (!wide) return NotUtf8("load", path);
  if (wide->empty()) return FileStepFailed("load", path, "opening", ERROR_INVALID_NAME);
  Kind kind = Kind::kMissing;
  std::wstring finalPath;
  DWORD attributes = 0;
  DWORD error = Examine(*wide, kind, finalPath, attributes);
  if (error == ERROR_SUCCESS && kind == Kind::kMissing) error = ERROR_FILE_NOT_FOUND;
  if (error != ERROR_SUCCESS) return FileStepFailed("load", path, "opening", error);
  if (kind != Kind::kFile) return NotAFile("load", path, kind == Kind::kFolder, 0);

  Handle file(CreateFileW(wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return FileStepFailed("load", path, "opening", GetLastError());
  std::string data;
  char buffer[16384];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
      return FileStepFailed("load", path, "reading", GetLastError());
    }
    if (got == 0) break;
    data.append(buffer, got);
  }
  contents = std::move(data);
  return Status::Ok();
}

}  // namespace tqr417
