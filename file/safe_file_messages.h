#pragma once
// What the safe save and the whole-file read share on every platform: their messages to the
// technician and the name of the temporary file a save writes first. Each platform's backend
// (safe_file_posix.cpp, safe_file_win32.cpp) does the file system work.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/status.h"

namespace tqr417 {

// "Cannot <verb> "<path>": <step> failed (<the system's sentence for osError>)." as kIoError
// with the OS error code.
Status FileStepFailed(const char* verb, const std::string& path, const std::string& step,
                      int osError);

// A folder, a device or a pipe is no configuration file: it is neither read nor replaced.
Status NotAFile(const char* verb, const std::string& path, bool folder, int osError);

// The new contents are in place, but the folder entry may not yet be on the disk.
Status FolderNotFlushed(const std::string& path, int osError);

// The file the user may not write is kept as it is unless the caller asks to replace it.
Status ReadOnlyRefused(const std::string& path);

// The save is done, but the new file could not keep all that the old one was: `lost` names
// what ("its group \"radio\"", "its access control list"), `reason` the first failure.
Status SavedWithLoss(const std::string& path, const std::vector<std::string>& lost,
                     const std::string& reason);

// A fresh name for the temporary file of a save, hidden on POSIX systems by its leading dot:
// the process id, a counter of this process's saves and a time stamp keep names apart.
std::string TemporaryFileName(unsigned long processId);

// The process id in a name TemporaryFileName made, or nothing for any other name.
std::optional<unsigned long> TemporaryFileOwner(std::string_view name);

}  // namespace tqr417
