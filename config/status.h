#pragma once
// Errors as values: the core never throws across its boundary. Only the window layer turns
// a Status into a message box, and only the companion turns it into an exit code.

#include <string>
#include <utility>

namespace tqr417 {

enum class StatusCode {
  kOk,
  kInvalidInput,  // the content is malformed (a file word, a frame length)
  kIoError,       // the operating system refused an open, read, write or rename
  kRefused,       // the configuration cannot be stored as asked (a label the file cannot carry)
};

class Status {
 public:
  Status() = default;
  static Status Ok() { return Status(); }
  // Done, with something the technician should still hear of (a save that could not keep
  // the file's group): ok() holds and message() says what.
  static Status OkWithWarning(std::string message) {
    Status s;
    s.message_ = std::move(message);
    return s;
  }
  static Status Error(StatusCode code, std::string message, int osError = 0) {
    Status s;
    s.code_ = code;
    s.message_ = std::move(message);
    s.osError_ = osError;
    return s;
  }

  bool ok() const { return code_ == StatusCode::kOk; }
  StatusCode code() const { return code_; }
  // A whole sentence for the technician, naming the file, port or field; for an ok status
  // the warning, if any, else empty.
  const std::string& message() const { return message_; }
  // Where the OS refused: errno on POSIX systems, GetLastError() on Windows; else 0.
  int osError() const { return osError_; }

 private:
  StatusCode code_ = StatusCode::kOk;
  std::string message_;
  int osError_ = 0;
};

}  // namespace tqr417
