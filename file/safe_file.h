#pragma once
// Whole-file reads and writes that never leave a file half-written. Paths are UTF-8; the file
// system work is in one backend per platform (safe_file_posix.cpp, safe_file_win32.cpp).

#include <string>
#include <string_view>

#include "config/status.h"

namespace tqr417 {

// What a save does with a file the user may not write (mode 0444 on POSIX systems, the
// read-only attribute on Windows): refuse it, or replace it and keep it read-only.
enum class ReadOnlyFile { kRefuse, kReplace };

// Replaces the file at `path` with `contents`: writes a new file in the same folder, flushes
// it to the disk, then puts it in the place of `path` (POSIX: rename and a sync of the folder;
// Windows: ReplaceFileW, or MoveFileExW with write-through when there is no file yet). An
// existing file keeps what it was: its permissions, and on POSIX systems its group and
// extended attributes (the access control list among them); on Windows its attributes and
// access rights. When the group or an attribute cannot be kept, the save still goes on and
// the ok status carries a one-line warning. A read-only file is refused (kRefused, "the file is
// read-only") unless `readOnly` says replace. A folder, a device or a pipe at `path` is refused
// and left as it is. On failure the new file is removed, any earlier file at `path` is intact,
// and the message (kIoError) names `path` and the reason. Before writing, the save removes
// the temporary files of earlier saves in the same folder whose process has ended (a save
// that was killed).
Status ReplaceFileContents(const std::string& path, std::string_view contents,
                           ReadOnlyFile readOnly = ReadOnlyFile::kRefuse);

// Reads the whole regular file at `path`, of any size. A folder, a device or a pipe is refused
// (kIoError) like a file that cannot be opened or read; `contents` is then unchanged.
Status ReadWholeFile(const std::string& path, std::string& contents);

}  // namespace tqr417
