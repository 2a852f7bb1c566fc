#pragma once
// What every reader, writer and decoder of the suite gives back: success, or failure with the
// message for the user, word for word as it is shown. A reader that produces something fills an
// out-parameter the caller passes in and returns a Status; the out-parameter is written only as
// its reader's comment says (most leave it as it was on a failure).
//
// A step that talks to the user itself through a Ui (asks its questions, shows its messages and
// dialogs) returns a Status as well. Its messages have been shown by the time it returns: the
// failure's message is the one that ended the step, for a caller that keeps a record of it (a
// batch's problem list), and is empty when the user chose to end. Such a caller never shows it
// again.
//
//   FlowRecord record;
//   if (const Status read = ReadDataSetFile(path, peaks, record); !read) {
//     ui.Message(read.Message());
//     return;
//   }

#include <string>
#include <utility>

namespace zelvo {

class [[nodiscard]] Status {
 public:
  static Status Success() { return Status(true, {}); }
  static Status Failure(std::string message) { return Status(false, std::move(message)); }

  bool Ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  // Empty on success.
  const std::string& Message() const { return message_; }

 private:
  Status(bool ok, std::string message) : ok_(ok), message_(std::move(message)) {}

  bool ok_;
  std::string message_;
};

}  // namespace zelvo
